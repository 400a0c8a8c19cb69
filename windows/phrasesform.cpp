#include "windows/phrasesform.h"

#include <QGridLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

Tphrases::Tphrases(Preferences& prefs, QWidget* parent)
    : BackdropForm(parent, Qt::Dialog)
    , m_prefs(prefs)
{
    setObjectName(QStringLiteral("phrases"));
    setWindowTitle(tr("Quillor - Phrase Buttons "));

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(6);
    for (int i = 0; i < Preferences::PhraseCount; ++i) {
        const int n = i + 1;
        label[std::size_t(i)] = new QLabel(tr("Phrase Button %1:").arg(n), this);
        QLineEdit* field = new QLineEdit(this);
        field->setObjectName(QStringLiteral("phrase%1").arg(n));
        field->setMaxLength(MaxTyped);
        field->setMinimumWidth(300);
        label[std::size_t(i)]->setBuddy(field);
        phrase[std::size_t(i)] = field;
        grid->addWidget(label[std::size_t(i)], i, 0);
        grid->addWidget(field, i, 1);
    }
    grid->setColumnStretch(1, 1);

    label_notice = new QLabel(tr("Buttons can only be used once every 2 seconds"), this);
    label_notice->setObjectName(QStringLiteral("label_notice"));
    QPalette red = label_notice->palette();
    red.setColor(QPalette::WindowText, QColor(200, 0, 0));
    label_notice->setPalette(red);
    QFont bold = label_notice->font();
    bold.setBold(true);
    label_notice->setFont(bold);

    button_done = new QPushButton(tr("Done"), this);
    button_done->setObjectName(QStringLiteral("button_done"));
    button_done->setDefault(true);
    button_done->setMinimumWidth(90);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(label_notice, 1);
    bottom->addWidget(button_done);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(16, 14, 16, 14);
    column->setSpacing(12);
    column->addLayout(grid);
    column->addLayout(bottom);

    connect(button_done, &QPushButton::clicked, this, &Tphrases::button_doneClick);
    for (QLineEdit* field : phrase) {
        connect(field, &QLineEdit::returnPressed, this, &Tphrases::button_doneClick);
        // A long stored phrase shrinks its limit with each edit, down to the typed limit.
        connect(field, &QLineEdit::textEdited, field, [field](const QString& text) {
            field->setMaxLength(qMax(int(MaxTyped), int(text.size())));
        });
    }
    // Escape closes like the window's close button: the edits are dropped.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    setFixedSize(sizeHint());
}

void Tphrases::PrhaseList1Click(const QWidget* owner)
{
    for (int i = 0; i < Preferences::PhraseCount; ++i) {
        // The field's limit is for typing; a longer stored phrase is shown whole.
        const QString stored = m_prefs.phrase(i + 1);
        phrase[std::size_t(i)]->setMaxLength(qMax(int(MaxTyped), int(stored.size())));
        phrase[std::size_t(i)]->setText(stored);
    }
    if (owner) {
        const QRect frame = owner->frameGeometry();
        move(frame.center() - QPoint(width() / 2, height() / 2));
    }
    show();
    raise();
    activateWindow();
    phrase[0]->setFocus(Qt::OtherFocusReason);
}

void Tphrases::button_doneClick()
{
    for (int i = 0; i < Preferences::PhraseCount; ++i)
        m_prefs.setPhrase(i + 1, phrase[std::size_t(i)]->text());
    if (m_prefs.savePhrases())
        hide();
}
