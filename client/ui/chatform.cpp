#include "client/ui/chatform.h"

#include "client/ui/BoardView.h"
#include "client/ui/ChatHistory.h"
#include "client/ChatReceive.h"
#include "client/SoundPlayer.h"
#include "client/ui/TileMenu.h"
#include "client/TileSet.h"
#include "widgets/TimeBar.h"
#include "client/WindowPlacement.h"
#include "client/ui/WordStrip.h"
#include "widgets/PictureButton.h"
#include "windows/aboutform.h"
#include "windows/gamestartform.h"
#include "windows/helpform.h"
#include "windows/spylistform.h"
#include "windows/tallylistform.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QTextEdit>
#include <QTimer>

namespace {

constexpr int kRowTops[ScoreBoard::Seats] = {103, 129, 156, 182, 207, 234};

const QColor kInk(52, 34, 14);       // ordinary text on the background
const QColor kInkSoft(112, 80, 44);  // empty seats and headings

// The panel under every control, painted with the background picture.
class BackgroundPanel : public QWidget {
public:
    explicit BackgroundPanel(QWidget* parent)
        : QWidget(parent)
        , m_tile(QStringLiteral(":/pictures/background.png"))
    {
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        if (m_tile.isNull())
            p.fillRect(rect(), ChatHistory::background());
        else
            p.drawTiledPixmap(rect(), m_tile);
    }

private:
    QPixmap m_tile;
};

// A picture from the resources, or a plain drawing of the same size until it exists.
QPixmap pictureOr(const QString& path, QSize size, const QColor& fallback)
{
    QPixmap pm(path);
    if (!pm.isNull())
        return pm;
    pm = QPixmap(size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(fallback);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(1, 1, size.width() - 2, size.height() - 2));
    return pm;
}

QFont uiFont(int pixelSize, bool bold)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

} // namespace

Tchat::Tchat(QStringList params, QWidget* parent)
    : QMainWindow(parent)
    , m_params(std::move(params))
    , m_tiles(std::make_unique<TileSet>())
    , m_sounds(std::make_unique<SoundPlayer>([] { QApplication::beep(); }))
{
    setObjectName(QStringLiteral("chat"));
    setWindowTitle(QStringLiteral("Quillor"));
    buildControls();
    buildMenus();
    wireOutlets();
    FormCreate();
}

Tchat::~Tchat()
{
    // The controls draw from the parts below; let them go first.
    delete m_tileMenu;
    delete takeCentralWidget();
}

void Tchat::FormCreate()
{
    m_tileMenu->grouptilesmenu();
    m_client.ctx.state.seatcount = ScoreBoard::Seats;
    m_client.scoreboard.clearall();
    m_client.ctx.state.ishost = false;
    m_client.ctx.state.activeplayer = 0;
    refresh();
}

// ---- building the window ----

QLabel* Tchat::makeLabel(const QString& name, const QString& text, const QRect& geometry, int pixelSize,
                         bool bold, Qt::Alignment align)
{
    auto* l = new QLabel(text, panel_background);
    l->setObjectName(name);
    l->setGeometry(geometry);
    l->setFont(uiFont(pixelSize, bold));
    l->setAlignment(align);
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, kInk);
    l->setPalette(pal);
    return l;
}

QLabel* Tchat::makeMark(const QString& name, const QString& picture, int x, int rowTop, QSize fallback)
{
    const QPixmap pm = pictureOr(picture, fallback, QColor(70, 140, 60));
    const QSize size = pm.deviceIndependentSize().toSize();
    auto* l = new QLabel(panel_background);
    l->setObjectName(name);
    l->setPixmap(pm);
    // Level with the 16-pixel name label of the row.
    l->setGeometry(x, rowTop + (16 - size.height()) / 2, size.width(), size.height());
    l->hide();
    return l;
}

void Tchat::buildControls()
{
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("client"));
    central->setFixedSize(ClientWidth, ClientHeight);
    central->setAutoFillBackground(true);
    QPalette cpal = central->palette();
    cpal.setColor(QPalette::Window, QColor(196, 160, 104));
    central->setPalette(cpal);
    setCentralWidget(central);

    panel_background = new BackgroundPanel(central);
    panel_background->setObjectName(QStringLiteral("panel_background"));
    panel_background->setGeometry(1, 2, 765, 525);

    wordstrip = new WordStrip(m_client.words, *m_tiles, panel_background);
    wordstrip->move(0, 0);

    label_status = makeLabel(QStringLiteral("label_status"), QString(), QRect(6, 57, 480, 16), 13, true,
                             Qt::AlignCenter);
    label_round = makeLabel(QStringLiteral("label_round"), QString(), QRect(21, 76, 127, 30), 15, true);

    image_timer = new TimeBar(panel_background);
    image_timer->setObjectName(QStringLiteral("image_timer"));
    image_timer->setGeometry(152, 78, ScoreBoard::BarFullWidth, 25);
    label_timer = makeLabel(QStringLiteral("label_timer"), QString(), QRect(155, 80, 103, 19), 12, true,
                            Qt::AlignCenter);
    label_timer->setAttribute(Qt::WA_TransparentForMouseEvents);

    button_start = new PictureButton(QStringLiteral(":/pictures/start.png"), QStringLiteral("Start Game"),
                                     panel_background);
    button_start->setObjectName(QStringLiteral("button_start"));
    button_start->setGeometry(147, 74, 193, 33);
    connect(button_start, &QAbstractButton::clicked, this, &Tchat::button_startClick);

    button_clearword = new PictureButton(QStringLiteral(":/pictures/clear.png"), QStringLiteral("Clear"),
                                         panel_background);
    button_clearword->setObjectName(QStringLiteral("button_clearword"));
    button_clearword->setGeometry(359, 75, 107, 33);
    button_clearword->setToolTip(QStringLiteral("Clear the letters picked so far"));
    button_clearword->hide();
    connect(button_clearword, &QAbstractButton::clicked, this, [this] { m_client.words.clearword(); });

    // Right-hand side: title, game settings and the six seat rows.
    QLabel* title = makeLabel(QStringLiteral("label_title"), QStringLiteral("Quillor"), QRect(494, 2, 259, 34),
                              26, true, Qt::AlignCenter);
    QPalette tpal = title->palette();
    tpal.setColor(QPalette::WindowText, QColor(150, 70, 20));
    title->setPalette(tpal);
    label_gametype = makeLabel(QStringLiteral("label_gametype"), QString(), QRect(494, 37, 259, 22), 14, true,
                               Qt::AlignCenter);
    label_timeperturn = makeLabel(QStringLiteral("label_timeperturn"), QString(), QRect(493, 61, 140, 14), 11);
    label_playtoscore = makeLabel(QStringLiteral("label_playtoscore"), QString(), QRect(632, 61, 122, 14), 11,
                                  false, Qt::AlignRight | Qt::AlignVCenter);

    const struct {
        const char* text;
        int x;
        int w;
    } headings[] = {{"Player", 529, 113}, {"Score", 653, 50}, {"Bonus", 709, 50}};
    for (const auto& h : headings) {
        QLabel* l = makeLabel(QStringLiteral("heading_") + QLatin1String(h.text), QLatin1String(h.text),
                              QRect(h.x, 84, h.w, 15), 11, true);
        QPalette pal = l->palette();
        pal.setColor(QPalette::WindowText, kInkSoft);
        l->setPalette(pal);
    }

    popup_kick = new QMenu(this);
    popup_kick->setObjectName(QStringLiteral("popup_kick"));
    RemoveFromGame1 = popup_kick->addAction(QStringLiteral("Remove From Game"));
    SetToJustWatch1 = popup_kick->addAction(QStringLiteral("Set to Just Watch"));
    UnsetJustWatch1 = popup_kick->addAction(QStringLiteral("Unset Just Watch"));
    connect(RemoveFromGame1, &QAction::triggered, this, [this] { m_client.scoreboard.removeFromGame(); });
    connect(SetToJustWatch1, &QAction::triggered, this, [this] { m_client.scoreboard.setToJustWatch(); });
    connect(UnsetJustWatch1, &QAction::triggered, this, [this] { m_client.scoreboard.unsetJustWatch(); });

    for (int i = 0; i < ScoreBoard::Seats; ++i) {
        const int seat = i + 1;
        const int top = kRowTops[i];
        const QString n = QString::number(seat);
        image_foundit[i] = makeMark(QStringLiteral("image_foundit") + n, QStringLiteral(":/pictures/foundit.png"),
                                    494, top, QSize(14, 14));
        image_eyes[i] = makeMark(QStringLiteral("image_eyes") + n, QStringLiteral(":/pictures/eyes.png"), 501, top,
                                 QSize(20, 12));
        label_playername[i] = makeLabel(QStringLiteral("label_playername") + n, QString(), QRect(529, top, 113, 16),
                                        13, true);
        label_playername[i]->setProperty("Tag", seat);
        label_playername[i]->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(label_playername[i], &QWidget::customContextMenuRequested, this, [this, seat, i](const QPoint& p) {
            label_playername1ContextPopup(seat, label_playername[i]->mapToGlobal(p));
        });
        label_score[i] = makeLabel(QStringLiteral("label_score") + n, QString(), QRect(653, top, 50, 16), 13, true);
        label_bonus[i] = makeLabel(QStringLiteral("label_bonus") + n, QString(), QRect(709, top, 45, 16), 13);
        QPalette bpal = label_bonus[i]->palette();
        bpal.setColor(QPalette::WindowText, QColor(40, 120, 40));
        label_bonus[i]->setPalette(bpal);
    }

    // The board in its frame.
    panel_board = new QFrame(panel_background);
    panel_board->setObjectName(QStringLiteral("panel_board"));
    panel_board->setGeometry(19, 109, 448, 404);
    panel_board->setFrameShape(QFrame::Box);
    panel_board->setAutoFillBackground(true);
    QPalette bp = panel_board->palette();
    bp.setColor(QPalette::Window, TileSet::boardColour());
    bp.setColor(QPalette::WindowText, QColor(90, 60, 30));
    panel_board->setPalette(bp);
    paintbox_board = new BoardView(m_client.words, *m_tiles, panel_board); // names and sizes itself
    paintbox_board->move(4, 4);

    // The winner banner over the board.
    panel_winner = new QFrame(panel_background);
    panel_winner->setObjectName(QStringLiteral("panel_winner"));
    panel_winner->setGeometry(27, 232, 433, 41);
    panel_winner->setFrameShape(QFrame::Panel);
    panel_winner->setFrameShadow(QFrame::Raised);
    panel_winner->setLineWidth(2);
    panel_winner->setAutoFillBackground(true);
    QPalette wp = panel_winner->palette();
    wp.setColor(QPalette::Window, QColor(255, 226, 120));
    panel_winner->setPalette(wp);
    auto bannerLabel = [this](const QString& name, const QColor& colour, int dx) {
        auto* l = new QLabel(panel_winner);
        l->setObjectName(name);
        l->setGeometry(2 + dx, 2 + dx, 429, 37);
        l->setAlignment(Qt::AlignCenter);
        l->setFont(uiFont(20, true));
        QPalette pal = l->palette();
        pal.setColor(QPalette::WindowText, colour);
        l->setPalette(pal);
        return l;
    };
    label_winner2 = bannerLabel(QStringLiteral("label_winner2"), QColor(150, 140, 120), 1);
    label_winner1 = bannerLabel(QStringLiteral("label_winner1"), Qt::black, 0);
    panel_winner->hide();

    // The chat pane in the lower right: the history above a one-line box.
    mainchat = new QTextEdit(panel_background);
    mainchat->setObjectName(QStringLiteral("mainchat"));
    mainchat->setGeometry(484, 286, 276, 210);
    m_history = std::make_unique<ChatHistory>(mainchat);
    m_history->setTextSize(9);
    mychat = new QLineEdit(QStringLiteral("<Enter Chat Here>"), panel_background);
    mychat->setObjectName(QStringLiteral("mychat"));
    mychat->setGeometry(484, 500, 276, 22);
    mychat->setEnabled(false);
    QPalette mp = mychat->palette();
    mp.setColor(QPalette::Base, ChatHistory::background());
    mychat->setPalette(mp);
}

void Tchat::buildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    StartGame1 = file->addAction(QStringLiteral("Start Game"));
    StartGame1->setObjectName(QStringLiteral("StartGame1"));
    StartGame1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(StartGame1, &QAction::triggered, this, &Tchat::button_startClick);
    JustWatch1 = file->addAction(QStringLiteral("Just Watch"));
    JustWatch1->setObjectName(QStringLiteral("JustWatch1"));
    JustWatch1->setCheckable(true);
    connect(JustWatch1, &QAction::triggered, this, &Tchat::JustWatch1Click);
    file->addSeparator();
    Exit1 = file->addAction(QStringLiteral("Exit"));
    Exit1->setObjectName(QStringLiteral("Exit1"));
    connect(Exit1, &QAction::triggered, this, &Tchat::Exit1Click);

    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    SpyList1 = view->addAction(QStringLiteral("Spy List"));
    SpyList1->setObjectName(QStringLiteral("SpyList1"));
    connect(SpyList1, &QAction::triggered, this, &Tchat::SpyList1Click);
    ViewTally1 = view->addAction(QStringLiteral("View Tally"));
    ViewTally1->setObjectName(QStringLiteral("ViewTally1"));
    connect(ViewTally1, &QAction::triggered, this, &Tchat::ViewTally1Click);
    Tiles1 = view->addMenu(QStringLiteral("Tiles"));
    Tiles1->setObjectName(QStringLiteral("Tiles1"));
    m_tileMenu = new TileMenu(Tiles1, *m_tiles, QCoreApplication::applicationDirPath(), this);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    Content1 = help->addAction(QStringLiteral("Content"));
    Content1->setObjectName(QStringLiteral("Content1"));
    Content1->setShortcut(QKeySequence(Qt::Key_F1));
    connect(Content1, &QAction::triggered, this, &Tchat::Content1Click);
    About1 = help->addAction(QStringLiteral("About"));
    About1->setObjectName(QStringLiteral("About1"));
    connect(About1, &QAction::triggered, this, &Tchat::About1Click);
}

void Tchat::wireOutlets()
{
    ClientOutlets& out = m_client.ctx.out;
    out.addlinetochat = [this](const QString& line, const QColor& colour) { m_history->addlinetochat(line, colour); };
    out.playsounds = [this](const QString& name) { m_sounds->playsounds(name); };
    out.messageBox = [this](const QString& text) { QMessageBox::information(this, QStringLiteral("Quillor"), text); };
    m_receiver = std::make_unique<ChatReceiver>(m_client.ctx);
    m_client.hooks.chatrecieved = [this](const QByteArray& rest) { m_receiver->chatrecieved(rest); };
    m_client.chatter.play = [this](const QString& name) { m_sounds->play(name); };
    m_client.scoreboard.hooks.recordGame = [this](const QString& result) { recordGame(result); };

    connect(&m_client.scoreboard, &ScoreBoard::changed, this, &Tchat::refresh);
    connect(&m_client, &GameClient::closeRequested, this, &QWidget::close);
}

void Tchat::setWindows(const Windows& windows)
{
    m_windows = windows;
    ScoreBoard::Hooks& h = m_client.scoreboard.hooks;
    if (Tspylist* spy = windows.spylist) {
        h.addSpy = [spy](int slot, const QString& name) { spy->addSpy(slot, name); };
        h.removeSpy = [spy](int slot, const QString& name) { return spy->removeSpy(slot, name); };
        spy->kicking = [this](int slot) { m_client.scoreboard.kicking(slot); };
        m_client.hooks.offerRemoval = [spy](bool hosting) { spy->setHostMode(hosting); };
    }
    if (Tgamestart* start = windows.gamestart) {
        start->onStart = [this](const Message& m) { m_client.ctx.send(m); };
        h.showGameStart = [this, start] {
            start->setPlayerName(m_client.ctx.state.loginname);
            start->show();
            start->raise();
            start->activateWindow();
        };
    }
    if (QWidget* download = windows.download)
        m_client.hooks.showDownload = [download] { download->show(); };
    if (Tabout* about = windows.about)
        m_client.versionText = about->versionText();
}

// ---- showing the model ----

void Tchat::refresh()
{
    const ScoreBoard& sb = m_client.scoreboard;
    label_status->setText(sb.status());
    label_round->setText(sb.roundText());
    label_gametype->setText(sb.gameTypeText());
    label_timeperturn->setText(sb.timePerTurnText());
    label_playtoscore->setText(sb.playToText());
    label_timer->setText(sb.timerText());
    QPalette tp = label_timer->palette();
    tp.setColor(QPalette::WindowText, sb.timerColour());
    label_timer->setPalette(tp);
    image_timer->setBarWidth(sb.barWidth());
    image_timer->setUrgent(sb.timerRed());
    button_start->setVisible(sb.startShown());
    StartGame1->setEnabled(sb.startMenuEnabled());
    button_clearword->setVisible(sb.clearShown());
    JustWatch1->setChecked(sb.justWatchTicked());

    for (int i = 0; i < ScoreBoard::Seats; ++i) {
        const ScoreBoard::Seat& s = sb.seat(i + 1);
        label_playername[i]->setText(s.name);
        QPalette np = label_playername[i]->palette();
        const bool empty = s.name == ScoreBoard::Waiting;
        np.setColor(QPalette::WindowText, empty ? kInkSoft : kInk);
        label_playername[i]->setPalette(np);
        QFont nf = label_playername[i]->font();
        nf.setBold(!empty);
        nf.setItalic(empty);
        label_playername[i]->setFont(nf);
        label_score[i]->setText(s.score);
        label_bonus[i]->setText(s.bonus);
        image_foundit[i]->setVisible(s.foundShown);
        image_eyes[i]->setVisible(s.eyesShown);
    }

    label_winner1->setText(sb.winnerText1());
    label_winner2->setText(sb.winnerText2());
    panel_winner->setVisible(sb.winnerShown());
    if (sb.winnerShown())
        panel_winner->raise();
}

// ---- commands ----

void Tchat::button_startClick()
{
    m_client.scoreboard.button_startClick();
}

void Tchat::JustWatch1Click()
{
    m_client.scoreboard.justWatchClick();
    // The tick follows the host's answer, not the click.
    JustWatch1->setChecked(m_client.scoreboard.justWatchTicked());
}

void Tchat::ViewTally1Click()
{
    if (m_windows.tally)
        m_windows.tally->viewTally(m_client.scoreboard.tallyCandidates());
}

void Tchat::recordGame(const QString& result)
{
    if (!m_windows.tally)
        return;
    const ClientState& st = m_client.ctx.state;
    const QString own = m_client.scoreboard.seat(st.myslot).name;
    const QString winner = result == QLatin1String("addtomine") ? own : result;
    m_windows.tally->addgame(m_client.scoreboard.tallyCandidates(), winner, own);
}

void Tchat::Exit1Click()
{
    close();
}

void Tchat::Content1Click()
{
    if (m_windows.help) {
        m_windows.help->show();
        m_windows.help->raise();
    }
}

void Tchat::About1Click()
{
    if (m_windows.about) {
        m_windows.about->show();
        m_windows.about->raise();
    }
}

void Tchat::SpyList1Click()
{
    if (m_windows.spylist) {
        m_windows.spylist->show();
        m_windows.spylist->raise();
    }
}

void Tchat::label_playername1ContextPopup(int seat, const QPoint& globalPos)
{
    const ScoreBoard::SeatMenu m = m_client.scoreboard.seatPopup(seat);
    RemoveFromGame1->setEnabled(m.removeEnabled);
    SetToJustWatch1->setEnabled(m.setWatchEnabled);
    UnsetJustWatch1->setEnabled(m.unsetWatchEnabled);
    popup_kick->popup(globalPos);
}

// ---- window events ----

void Tchat::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    // Read the command line once the window is on screen, so it appears at once.
    QTimer::singleShot(0, this, &Tchat::FormShow);
}

void Tchat::FormShow()
{
    m_client.processparams(m_params);
    refresh();
}

void Tchat::closeEvent(QCloseEvent* event)
{
    FormClose();
    QMainWindow::closeEvent(event);
    if (event->isAccepted())
        emit closed();
}

void Tchat::FormClose()
{
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QRect work = screen ? screen->availableGeometry() : QRect(0, 0, 1 << 15, 1 << 15);
    const QRect window(x(), y(), width(), height());
    if (const auto r = placement::toSave(window, m_saved, work)) {
        m_saved = *r;
        if (savePlacement)
            savePlacement(*r);
    }
}
