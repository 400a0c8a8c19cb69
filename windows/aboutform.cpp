#include "windows/aboutform.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

Tabout::Tabout(QWidget* parent)
    : BackdropForm(parent, Qt::Dialog)
{
    setWindowTitle(tr("Quillor - About"));
    openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };

    label_name = new QLabel(QStringLiteral("Quillor"), this);
    QFont title = label_name->font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 2.2);
    label_name->setFont(title);
    label_name->setAlignment(Qt::AlignCenter);

    label_notice = new QLabel(tr(
        "A word-finding race for one to six players.\n"
        "Free software under the MIT license.\n"
        "Copyright \u00A9 the Quillor developers."), this);
    label_notice->setAlignment(Qt::AlignCenter);
    label_notice->setWordWrap(true);

    label_link = new QLabel(QStringLiteral("<a href=\"%1\">%1</a>").arg(HomePage.toHtmlEscaped()), this);
    label_link->setAlignment(Qt::AlignCenter);
    label_link->setTextFormat(Qt::RichText);
    label_link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    label_link->setCursor(Qt::PointingHandCursor);

    auto* versionRow = new QHBoxLayout;
    auto* versionCaption = new QLabel(tr("Version"), this);
    version = new QLabel(Version, this);
    QFont bold = version->font();
    bold.setBold(true);
    version->setFont(bold);
    versionRow->addStretch(1);
    versionRow->addWidget(versionCaption);
    versionRow->addWidget(version);
    versionRow->addStretch(1);

    button_ok = new QPushButton(tr("OK"), this);
    button_ok->setDefault(true);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttonRow->addWidget(button_ok);
    buttonRow->addStretch(1);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(24, 18, 24, 16);
    column->setSpacing(10);
    column->addWidget(label_name);
    column->addWidget(label_notice);
    column->addWidget(label_link);
    column->addLayout(versionRow);
    column->addSpacing(4);
    column->addLayout(buttonRow);

    connect(label_link, &QLabel::linkActivated, this, [this](const QString& link) {
        if (openUrl && !openUrl(QUrl(link)))
            qWarning("Could not open %s in a browser", qPrintable(link));
    });
    connect(button_ok, &QPushButton::clicked, this, &QWidget::close);

    setFixedSize(sizeHint().expandedTo(QSize(320, 0)));
}

QString Tabout::versionText() const
{
    return version->text();
}
