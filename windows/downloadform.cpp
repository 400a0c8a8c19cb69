#include "windows/downloadform.h"

#include "widgets/PlainMessageBox.h"
#include "windows/JpegPicture.h"

#include <QCheckBox>
#include <QFrame>
#include <QProgressBar>
#include <QSignalBlocker>
#include <algorithm>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

namespace {

const QColor Red(200, 0, 0);
const QColor PanelEdge(170, 130, 80);

QFrame* whitePanel(QWidget* parent, const QRect& geometry)
{
    auto* panel = new QFrame(parent);
    panel->setGeometry(geometry);
    panel->setFrameShape(QFrame::Box);
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::WindowText, PanelEdge);
    panel->setPalette(pal);
    panel->setAutoFillBackground(true);
    return panel;
}

QLabel* text(QFrame* panel, const QString& text, const QRect& geometry, int pixelSize, bool bold,
             const QColor& colour = QColor(40, 28, 10), Qt::Alignment align = Qt::AlignCenter)
{
    auto* label = new QLabel(text, panel);
    label->setGeometry(geometry);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(align);
    QFont font = label->font();
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    label->setFont(font);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
    return label;
}

QPushButton* redButton(QFrame* panel, const QString& caption, const QRect& geometry)
{
    auto* button = new QPushButton(caption, panel);
    button->setGeometry(geometry);
    QFont font = button->font();
    font.setPixelSize(13);
    font.setBold(true);
    button->setFont(font);
    QPalette pal = button->palette();
    pal.setColor(QPalette::Active, QPalette::ButtonText, Red);
    pal.setColor(QPalette::Inactive, QPalette::ButtonText, Red);
    button->setPalette(pal);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

} // namespace

Tdownload::Tdownload(QWidget* parent)
    : BackdropForm(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint
                               | Qt::WindowCloseButtonHint)
{
    setWindowTitle(tr("Download The Pelk22 Lobby"));
    setFixedSize(InnerWidth, InnerHeight);
    showMessage = [this](const QString& message) {
        plainMessageBox(this, QMessageBox::Warning, QStringLiteral("Quillor"), message);
    };
    askQuestion = [this](const QString& question) {
        return plainMessageBox(this, QMessageBox::Question, QStringLiteral("Quillor"), question,
                               QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
            == QMessageBox::Yes;
    };
    m_download.confirm = [this](const QString& question) { return askQuestion && askQuestion(question); };

    // Left: the advert and the download.
    Panel1 = whitePanel(this, QRect(6, 6, 450, 487));
    Image1 = new QLabel(Panel1);
    Image1->setGeometry(25, 10, 400, 339);
    Image1->setPixmap(QPixmap::fromImage(jpeg::load(AdvertPath)));
    Image1->setScaledContents(true); // drawn smaller on a small screen
    Label1 = text(Panel1,
                  QStringLiteral("Download The Pelk22 Lobby Now to play this  and other exciting games online with "
                                 "other players!"),
                  QRect(15, 352, 420, 40), 14, true);
    getbutton = redButton(Panel1, tr("Download And Install The Pelk22 Lobby Now"), QRect(40, 396, 370, 32));
    infolabel = text(Panel1, QString(), QRect(15, 438, 290, 18), 13, true, QColor(40, 28, 10), Qt::AlignLeft | Qt::AlignVCenter);
    infolabel3 = text(Panel1, QString(), QRect(15, 458, 290, 18), 13, false, QColor(40, 28, 10), Qt::AlignLeft | Qt::AlignVCenter);
    infolabel2 = text(Panel1, QString(), QRect(15, 478, 290, 8), 8, false);
    infolabel2->hide();
    progress = new QProgressBar(Panel1);
    progress->setObjectName(QStringLiteral("progress"));
    progress->setGeometry(15, 478, 290, 6);
    progress->setTextVisible(false);
    progress->setRange(0, ProgressSteps);
    progress->hide();
    abortbutton = new QPushButton(tr("Stop Download"), Panel1);
    abortbutton->setGeometry(320, 448, 115, 28);

    // Upper right: on with the solo game.
    Panel2 = whitePanel(this, QRect(461, 6, 257, 228));
    Label2 = text(Panel2,
                  QStringLiteral("To proceed to the game without the ability to play against others click the button "
                                 "below."),
                  QRect(14, 14, 229, 64), 14, false);
    Button1 = redButton(Panel2, tr("Play Solo Game"), QRect(48, 86, 161, 32));
    Label3 = text(Panel2,
                  QStringLiteral("Note: Even if you are playing offline, you will need to configure your FIREWALL to "
                                 "allow the game to access the internet components."),
                  QRect(14, 130, 229, 84), 12, false, Red);

    // Lower right: the lobby program already installed.
    Panel3 = whitePanel(this, QRect(461, 236, 257, 257));
    Label4 = text(Panel3,
                  QStringLiteral("If you already have The Pelk22 Lobby and you wish to play with others then click "
                                 "the button below to close this game and open The Pelk22 Lobby."),
                  QRect(14, 30, 229, 110), 14, false);
    Button2 = redButton(Panel3, tr("Play with Others"), QRect(48, 160, 161, 32));
    check_showatstart = new QCheckBox(tr("Show this at start"), Panel3);
    check_showatstart->setObjectName(QStringLiteral("check_showatstart"));
    check_showatstart->setGeometry(48, 218, 200, 24);
    check_showatstart->setChecked(true);
    QPalette ink = check_showatstart->palette();
    ink.setColor(QPalette::WindowText, QColor(40, 28, 10));
    check_showatstart->setPalette(ink);
    check_showatstart->setToolTip(
        tr("Untick to start solo games without this window; File > Play with Others... stays."));
    m_scaled.capture(this, ScaledChildren::Depth::All);

    connect(getbutton, &QPushButton::clicked, this, &Tdownload::getbuttonClick);
    connect(abortbutton, &QPushButton::clicked, this, &Tdownload::abortbuttonClick);
    connect(Button1, &QPushButton::clicked, this, &Tdownload::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &Tdownload::Button2Click);
    connect(check_showatstart, &QCheckBox::toggled, this, &Tdownload::showAtStartChanged);
    connect(&m_download, &LobbyDownload::changed, this, &Tdownload::showDownload);
    connect(&m_download, &LobbyDownload::failure, this, [this](const QString& message) { showMessage(message); });
    connect(&m_download, &LobbyDownload::exitRequested, this, &Tdownload::exitRequested);
    showDownload();
}

void Tdownload::showDownload()
{
    const LobbyDownload::View& view = m_download.view();
    infolabel->setText(view.infolabel);
    infolabel->setProperty("Tag", view.tag);
    infolabel2->setText(view.infolabel2);
    infolabel3->setText(view.infolabel3);
    getbutton->setEnabled(view.getEnabled);
    abortbutton->setEnabled(view.abortEnabled);
    progress->setVisible(view.progressShown());
    if (view.progressShown())
        progress->setValue(int(std::clamp<qint64>(view.received * ProgressSteps / view.total, 0, ProgressSteps)));
}

void Tdownload::setShowAtStart(bool show)
{
    const QSignalBlocker quiet(check_showatstart);
    check_showatstart->setChecked(show);
}

bool Tdownload::showAtStart() const
{
    return check_showatstart->isChecked();
}

void Tdownload::offerAtStart()
{
    if (showAtStart())
        show();
}

void Tdownload::fitScreen()
{
    // On a screen too small for the window (twice the scale on a small laptop) all of it is
    // drawn smaller, so that it fits whole with its title bar.
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QSize room = screen->availableGeometry().size() - FrameRoom;
    const double scale = std::clamp(std::min(double(room.width()) / InnerWidth, double(room.height()) / InnerHeight),
                                    0.5, 1.0);
    setFixedSize(ScaledChildren::scaled(QRect(0, 0, InnerWidth, InnerHeight), scale).size());
    m_scaled.apply(scale);
}

void Tdownload::getbuttonClick()
{
    try {
        m_download.getbuttonClick();
    } catch (const DownloadFileError& e) {
        showMessage(QString::fromStdString(e.what()));
    }
}

void Tdownload::abortbuttonClick()
{
    m_download.abortbuttonClick();
}

void Tdownload::Button1Click()
{
    close();
}

void Tdownload::Button2Click()
{
    switch (m_launcher.launch()) {
    case LobbyLauncher::Started:
        emit exitRequested();
        break;
    case LobbyLauncher::NotInstalled:
        emit playWithOthersRequested();
        break;
    case LobbyLauncher::StartFailed:
        showMessage(LobbyDownload::ErrorMessage);
        break;
    }
}

void Tdownload::showEvent(QShowEvent* event)
{
    BackdropForm::showEvent(event);
    if (!m_placed) {
        m_placed = true;
        fitScreen();
        centre();
    }
}

void Tdownload::centre()
{
    QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}
