#include "client/ui/chatform.h"

#include "client/BoardFocus.h"
#include "client/ChatReceive.h"
#include "client/SettingsFile.h"
#include "client/RteUrl.h"
#include "client/SoundPlayer.h"
#include "client/TileSet.h"
#include "client/WindowPlacement.h"
#include "client/ui/BoardPanel.h"
#include "client/ui/BoardView.h"
#include "client/ui/ChatHistory.h"
#include "client/ui/ChatPane.h"
#include "client/ui/GameMenu.h"
#include "client/ui/Looks.h"
#include "client/ui/MainMenus.h"
#include "i18n/WindowLanguage.h"
#include "client/ui/OptionsMenu.h"
#include "client/ui/PlayLayout.h"
#include "client/ui/RoundBar.h"
#include "client/ui/RoundReviewPanel.h"
#include "client/ui/ScorePanel.h"
#include "client/ui/TileMenu.h"
#include "client/ui/WordPath.h"
#include "client/ui/WordStrip.h"
#include "widgets/BackdropForm.h"
#include "widgets/PictureButton.h"
#include "widgets/PlainMessageBox.h"
#include "windows/aboutform.h"
#include "windows/downloadform.h"
#include "windows/GameSummaryWindow.h"
#include "windows/PlayWithOthersDialog.h"
#include "windows/gamestartform.h"
#include "windows/helpform.h"
#include "windows/phrasesform.h"
#include "windows/spylistform.h"
#include "windows/tallylistform.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>

Tchat::Tchat(QStringList params, QWidget* parent)
    : QMainWindow(parent)
    , m_params(std::move(params))
    , m_tiles(std::make_unique<TileSet>())
    , m_sounds(std::make_unique<SoundPlayer>(m_client.prefs, [] { QApplication::beep(); }))
{
    setObjectName(QStringLiteral("chat"));
    setWindowTitle(QStringLiteral("Quillor"));
    showError = [this](const QString& text) {
        plainMessageBox(this, QMessageBox::Critical, QStringLiteral("Quillor"), text);
    };
    askToLeave = [this](const QString& question) {
        QMessageBox box(QMessageBox::Question, QStringLiteral("Quillor"), question, QMessageBox::NoButton, this);
        box.setTextFormat(Qt::PlainText);
        QPushButton* leave = box.addButton(tr("Leave"), QMessageBox::DestructiveRole);
        box.setDefaultButton(box.addButton(tr("Stay"), QMessageBox::RejectRole));
        fitTitle(box);
        box.exec();
        return box.clickedButton() == leave;
    };
    // A logout ends the program without a question, as a SIGTERM does.
    if (qGuiApp)
        connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this] { m_leaveWithoutAsking = true; });
    m_menus = new MainMenus(menuBar(), *m_tiles, QCoreApplication::applicationDirPath(), this);
    buildPanels();
    connectMenus();
    wireOutlets();
    FormCreate();
}

Tchat::~Tchat()
{
    // The panels draw from the client's parts; let them go first.
    delete takeCentralWidget();
    delete m_menus;
}

ChatHistory& Tchat::history()
{
    return m_chatPane->history();
}

void Tchat::FormCreate()
{
    m_menus->tiles().grouptilesmenu();
    m_client.game.clearall();
    showMenuState();
}

// ---- building the window ----

void Tchat::buildPanels()
{
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("client"));
    central->setAutoFillBackground(true);
    QPalette cpal = central->palette();
    cpal.setColor(QPalette::Window, looks::ordinaryPalette().window);
    central->setPalette(cpal);
    central->setMinimumSize(PlayLayout::leastInner(m_leastScale));
    setCentralWidget(central);

    m_background = new BackdropForm(central, Qt::Widget);
    m_background->setObjectName(QStringLiteral("panel_background"));
    auto* frame = new QVBoxLayout(central);
    frame->setContentsMargins(PlayLayout::Frame);
    frame->addWidget(m_background);

    // The play area and the scoreboard grow with the window; the chat takes the rest.
    GameClient& c = m_client;
    m_wordStrip = new WordStrip(c.words, *m_tiles, m_background);
    m_roundBar = new RoundBar(c.status, c.clock, c.turn, m_background);
    m_boardPanel = new BoardPanel(c.words, *m_tiles, c.status, m_background);
    m_scorePanel = new ScorePanel(c.seats, c.status, c.clock, c.commands, m_background);
    m_chatPane = new ChatPane(c, m_background);
    // Between rounds: the word's path over the board (under the winner's card) and the
    // review beside it, over the chat or the scoreboard's rows. Both show themselves
    // while the review is on.
    m_pathOverlay = new WordPathOverlay(c.review, m_boardPanel);
    m_pathOverlay->stackUnder(m_boardPanel->panel_winner);
    // The review panel is made when the first review is shown (or asked for): the window's
    // first frame needs none of it.
    connect(&c.review, &RoundReview::changed, this, [this] {
        if (m_client.review.shown())
            reviewPanel();
    });
    m_boardFocus = new BoardFocus(c.words, c.turn, this);
    m_boardPanel->paintbox_board->setKeyboard(m_boardFocus);
    // Tab goes from the board to the chat entry and on.
    setTabOrder(m_boardPanel->paintbox_board, m_chatPane->mychat);
    m_background->installEventFilter(this);
    layoutPanels();

    // The default size, as far as the screen shows it.
    fitScreen();
    QSize inner = Preferences::DefaultPlacement.size();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        inner = inner.boundedTo(screen->availableGeometry().size() - aroundInner());
    resize(inner.width(), inner.height() + menuBarHeight());
}

void Tchat::layoutPanels()
{
    const PlayLayout l = PlayLayout::forRoom(m_background->size(), m_leastScale);
    m_wordStrip->setTileSize(l.tile);
    m_wordStrip->move(l.wordStrip.topLeft());
    if (l.scale != m_layout.scale || !m_laidOut) {
        m_roundBar->setScale(l.scale);
        m_scorePanel->setScale(l.scale);
    }
    m_roundBar->move(l.roundBar.topLeft());
    m_boardPanel->setTileSize(l.tile, l.boardMargin);
    m_boardPanel->move(l.board.topLeft());
    m_pathOverlay->setGeometry(m_boardPanel->paintbox_board->geometry());
    m_scorePanel->move(l.scores.topLeft());
    m_chatPane->setGeometry(l.chat);
    m_layout = l;
    m_laidOut = true;
    placeReviewPanel();
}

RoundReviewPanel* Tchat::reviewPanel()
{
    if (!m_reviewPanel) {
        m_reviewPanel = new RoundReviewPanel(m_client.review, m_background);
        m_reviewPanel->raise();
        placeReviewPanel();
    }
    return m_reviewPanel;
}

void Tchat::placeReviewPanel()
{
    if (!m_reviewPanel || !m_laidOut)
        return;
    // The review grows with the scoreboard, as far as its place is wide enough.
    const PlayLayout& l = m_layout;
    m_reviewPanel->setScale(std::min(l.scale, double(l.review.width()) / PlayLayout::ReviewWidth));
    m_reviewPanel->setFixedSize(l.review.size());
    m_reviewPanel->move(l.review.topLeft());
}

QSize Tchat::aroundInner() const
{
    // The window manager's frame is known once the window is shown; a title bar's worth
    // until then.
    const QRect frame = frameGeometry();
    const QRect inner = geometry();
    const QSize framing = isVisible() && frame != inner ? frame.size() - inner.size() : FrameGuess;
    return framing + QSize(0, menuBarHeight());
}

void Tchat::fitScreen()
{
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const double least = PlayLayout::leastScaleFor(screen->availableGeometry().size(), aroundInner());
    if (least == m_leastScale)
        return;
    m_leastScale = least;
    centralWidget()->setMinimumSize(PlayLayout::leastInner(least));
    layoutPanels();
}

void Tchat::connectMenus()
{
    MainMenus& m = *m_menus;
    connect(m.StartGame1, &QAction::triggered, this, &Tchat::button_startClick);
    connect(m.JustWatch1, &QAction::triggered, this, &Tchat::JustWatch1Click);
    connect(m.Exit1, &QAction::triggered, this, &Tchat::Exit1Click);
    connect(m.PlayWithOthers1, &QAction::triggered, this, &Tchat::playWithOthersRequested);
    connect(m.SpyList1, &QAction::triggered, this, &Tchat::SpyList1Click);
    connect(m.ViewTally1, &QAction::triggered, this, &Tchat::ViewTally1Click);
    connect(m.Content1, &QAction::triggered, this, &Tchat::Content1Click);
    connect(m.About1, &QAction::triggered, this, &Tchat::About1Click);
    connect(m_roundBar->button_start, &QAbstractButton::clicked, this, &Tchat::button_startClick);
    connect(m_roundBar->button_clearword, &QAbstractButton::clicked, this, [this] { m_client.words.clearword(); });
    // Escape on the board is the Clear button, while the button is offered.
    connect(m_boardPanel->paintbox_board, &BoardView::clearRequested, this, [this] {
        if (m_client.turn.clearShown())
            m_client.words.clearword();
    });
    auto* panes = new QShortcut(QKeySequence(Qt::Key_F6), this);
    panes->setObjectName(QStringLiteral("shortcut_panes"));
    connect(panes, &QShortcut::activated, this, &Tchat::switchPane);
    connect(m_roundBar->button_playagain, &QAbstractButton::clicked, &m_client.commands, &PlayerCommands::playAgainClick);
    connect(m_roundBar->button_cancel, &QAbstractButton::clicked, &m_client.reconnection, &Reconnection::cancel);
    // A failed connection: try the same again, or choose another game.
    m_roundBar->showConnectAttempt(m_client.attempt);
    connect(m_roundBar->button_retry, &QAbstractButton::clicked, &m_client.session, &Session::retry);
    connect(m_roundBar->button_others, &QAbstractButton::clicked, this, &Tchat::playWithOthersRequested);

    // The tile set in use is a preference: a choice from the menu is kept (and saved),
    // and a set named by the preferences is loaded. A set without a usable file (a name
    // from a shared file, a set since removed) falls back to the built-in one, so what is
    // saved is the set the menu shows.
    TileMenu& tiles = m.tiles();
    Preferences& prefs = m_client.prefs;
    connect(&tiles, &TileMenu::tileSetChosen, this, [&prefs](const QString& name) {
        prefs.setTiles(name);
        prefs.requestSave();
    });
    connect(&prefs, &Preferences::changed, this, [&prefs, &tiles](Preferences::Key key) {
        if (key == Preferences::Key::Tiles && prefs.tiles() != tiles.current() && !tiles.restore(prefs.tiles()))
            prefs.setTiles(QString::fromLatin1(TileMenu::Classic));
    });
    connect(&m_client.status, &RoundStatus::changed, this, &Tchat::showMenuState);
    connect(&prefs, &Preferences::changed, this, [this](Preferences::Key key) {
        if (key == Preferences::Key::HighContrast)
            showLook();
    });

    // View > "Phrase List" and the Options menu.
    connect(m.PrhaseList1, &QAction::triggered, this, &Tchat::PrhaseList1Click);
    OptionsMenu& options = m.options();
    options.bind(prefs);
    m_chatPane->followScrollChatOff(options.ScrollChatOff2);
    connect(options.ClearMainChat1, &QAction::triggered, m_chatPane, &ChatPane::ClearMainChat1Click);
    connect(options.ResetScreenLocation1, &QAction::triggered, this, &Tchat::ResetScreenLocation1Click);
    // Links from the chat open in the desktop's own programs, never through a shell; a
    // link to a file of this computer is not opened.
    connect(m_chatPane, &ChatPane::linkClicked, this, [](const QString& link) {
        if (const auto url = rteurl::urlToOpen(link))
            QDesktopServices::openUrl(*url);
    });
    connect(&m_client.turn, &TurnState::changed, this, &Tchat::showMenuState);

    // The leader's player commands, also in the Game menu and hinted over the names.
    m.game().bind(m_client.commands, [this] { return m_windows.spylist ? m_windows.spylist->lines() : QStringList(); });
    connect(&m_client.session, &Session::leadershipChanged, this, [this](bool leads) {
        m_menus->game().showLeadership(leads);
        m_scorePanel->setLeading(leads);
    });
}

void Tchat::showLook()
{
    const bool high = m_client.prefs.highContrast();
    looks::setHighContrast(this, high);
    const looks::Palette& p = high ? looks::highContrastPalette() : looks::ordinaryPalette();
    const auto ground = [](QWidget* w, const QColor& colour, const QColor& text) {
        QPalette pal = w->palette();
        pal.setColor(QPalette::Window, colour);
        pal.setColor(QPalette::WindowText, text);
        w->setPalette(pal);
    };
    ground(centralWidget(), p.window, p.ink);
    ground(m_background, p.backdrop, p.backdropInk);
    static_cast<BackdropForm*>(m_background)->setPlain(high);
    for (PictureButton* button : m_background->findChildren<PictureButton*>())
        button->setPlainLook(high);
    ground(m_boardPanel, p.board, p.boardInk);
}

void Tchat::wireOutlets()
{
    ClientOutlets& out = m_client.ctx.out;
    out.addlinetochat = [this](const QString& line, const QColor& colour) { history().addlinetochat(line, colour); };
    out.addplainline = [this](const QString& line, const QColor& colour) { history().addplainline(line, colour); };
    out.playsounds = [this](const QString& name) { m_sounds->playsounds(name); };
    out.messageBox = [this](const QString& text) {
        plainMessageBox(this, QMessageBox::Information, QStringLiteral("Quillor"), text);
    };
    m_receiver = std::make_unique<ChatReceiver>(m_client.ctx);
    connect(&m_client, &GameClient::chatrecieved, this, [this](const QByteArray& rest) { m_receiver->chatrecieved(rest); });
    m_client.chatter.play = [this](const QString& name) { m_sounds->play(name); };
    connect(&m_client.game, &GameMessages::gameRecorded, this, &Tchat::recordGame);
    connect(&m_client.summary, &GameSummary::finished, this, &Tchat::gameSummed);
    connect(&m_client, &GameClient::closeRequested, this, &Tchat::connectionEnded);
}

void Tchat::setWindows(const Windows& windows)
{
    m_windows = windows;
    if (Tspylist* spy = windows.spylist) {
        connect(&m_client.game, &GameMessages::spectatorArrived, spy, &Tspylist::addSpy);
        connect(&m_client, &GameClient::spectatorsCleared, spy, &Tspylist::clearSpies);
        m_client.game.removeSpy = [spy](int slot, const QString& name) { return spy->removeSpy(slot, name); };
        connect(spy, &Tspylist::kickRequested, &m_client.commands, &PlayerCommands::kicking);
        connect(&m_client.session, &Session::leadershipChanged, spy, &Tspylist::setHostMode);
        spy->setHostMode(m_client.ctx.state.leads());
    }
    if (Tgamestart* start = windows.gamestart) {
        connect(start, &Tgamestart::startCommand, this, [this](const Message& m) { m_client.ctx.send(m); });
        connect(&m_client.commands, &PlayerCommands::gameStartRequested, this, [this, start] {
            start->setPlayerName(m_client.ctx.state.loginname);
            showWindow(start);
            start->activateWindow();
        });
    }
    if (Ttallylist* tally = windows.tally) {
        // While the tally is open, its list of the game's players follows the seats.
        connect(&m_client.seats, &SeatRoster::changed, tally, [this, tally] {
            if (tally->isVisible())
                tally->refillchecklist(m_client.seats.tallyCandidates(m_client.ctx.state.myslot));
        });
    }
    if (Tdownload* download = windows.download)
        connect(&m_client.session, &Session::downloadOffered, download, &Tdownload::offerAtStart);
    if (Tabout* about = windows.about)
        m_client.session.versionText = about->versionText();
}

void Tchat::keepSettingsIn(const QString& folder)
{
    m_settings = std::make_unique<SettingsFile>(m_client.prefs, folder, GameClient::GameKey);
    m_settings->windowPlacement = [this] { return presentPlacement(); };
    connect(m_settings.get(), &SettingsFile::placementRead, this, &Tchat::applyPlacement);
    // The window goes where the player keeps it before it is first shown.
    m_settings->loadPlacement();
    // The change that asked for the save has been made; the player learns that it will
    // not be kept.
    connect(m_settings.get(), &SettingsFile::writeFailed, this, [this](const QString& message) {
        if (showError)
            showError(message);
    });
    // The windows' language is read once at start (app/main.cpp): a new choice is kept for
    // the next one, and the player is told so.
    m_menus->showWindowLanguage(m_settings->value(windowlanguage::SettingsKey));
    connect(m_menus, &MainMenus::windowLanguageChosen, m_settings.get(), [this](const QString& code) {
        if (m_settings->setValue(windowlanguage::SettingsKey, code))
            m_client.ctx.systemLine(tr("The windows will show the new language from the next start."));
    });
}

// ---- placement ----

void Tchat::applyPlacement(const QRect& stored)
{
    QList<QRect> screens;
    for (const QScreen* s : QGuiApplication::screens())
        screens.append(s->availableGeometry());
    const QScreen* primary = QGuiApplication::primaryScreen();
    const QRect r = primary ? placement::ontoScreens(stored, screens, primary->availableGeometry()) : stored;
    // A size larger than its screen (the default one on a small screen at twice the
    // scale) is cut to what the screen shows, whole.
    const QScreen* on = QGuiApplication::screenAt(r.topLeft());
    on = on ? on : primary;
    const QSize inner = on ? r.size().boundedTo(on->availableGeometry().size() - aroundInner()) : r.size();
    if (isMaximized() || isFullScreen())
        showNormal();
    move(r.topLeft());
    resize(inner.width(), inner.height() + menuBarHeight());
}

QRect Tchat::presentPlacement() const
{
    return m_closingPlacement.value_or(QRect(pos(), QSize(width(), height() - menuBarHeight())));
}

int Tchat::menuBarHeight() const
{
    // As the main window's layout gives the menu bar its place.
    const QMenuBar* bar = menuBar();
    if (!bar || bar->isHidden())
        return 0;
    const int h = bar->heightForWidth(width());
    return h >= 0 ? h : bar->sizeHint().height();
}

// ---- showing the model ----

void Tchat::showMenuState()
{
    m_menus->StartGame1->setEnabled(m_client.status.startMenuEnabled());
    m_menus->JustWatch1->setChecked(m_client.turn.justWatching());
    m_menus->JustWatch1->setEnabled(m_client.commands.justWatchOffered());
    m_menus->JustWatch1->setToolTip(m_client.commands.justWatchHint());
}

// ---- commands ----

void Tchat::button_startClick()
{
    m_client.commands.button_startClick();
}

void Tchat::JustWatch1Click()
{
    m_client.commands.justWatchClick();
    // The tick follows the host's answer, not the click.
    showMenuState();
}

void Tchat::ViewTally1Click()
{
    if (m_windows.tally)
        m_windows.tally->viewTally(m_client.seats.tallyCandidates(m_client.ctx.state.myslot));
}

void Tchat::recordGame(const QString& result)
{
    if (!m_windows.tally)
        return;
    const int myslot = m_client.ctx.state.myslot;
    const QString own = m_client.seats.seat(myslot).name;
    const QString winner = result == QLatin1String("addtomine") ? own : result;
    m_windows.tally->addgame(m_client.seats.tallyCandidates(myslot), winner, own);
}

void Tchat::gameSummed()
{
    // The winner's card is up by now (the host's CMD_winner shows it first).
    QVariantAnimation& shower = m_boardPanel->panel_winner->shower();
    if (m_boardPanel->panel_winner->celebrating())
        connect(&shower, &QAbstractAnimation::finished, this, &Tchat::showGameSummary, Qt::SingleShotConnection);
    else
        showGameSummary();
}

void Tchat::showGameSummary()
{
    if (!m_summaryWindow)
        m_summaryWindow = new GameSummaryWindow(m_client.summary, this);
    showWindow(m_summaryWindow);
}

void Tchat::Exit1Click()
{
    close();
}

void Tchat::leaveNow()
{
    m_leaveWithoutAsking = true;
    close();
}

void Tchat::switchPane()
{
    BoardView* board = m_boardPanel->paintbox_board;
    if (board->hasFocus())
        m_chatPane->mychat->setFocus(Qt::ShortcutFocusReason);
    else
        board->setFocus(Qt::ShortcutFocusReason);
}

namespace {

// The window, made now if it is made when first opened.
template <typename Window>
Window* made(Window*& window, const std::function<Window*()>& make)
{
    if (!window && make)
        window = make();
    return window;
}

} // namespace

void Tchat::PrhaseList1Click()
{
    if (Tphrases* phrases = made(m_windows.phrases, m_windows.makePhrases))
        phrases->PrhaseList1Click(this);
}

void Tchat::ResetScreenLocation1Click()
{
    // The placement's default, as the window is measured when it is saved; nothing is
    // written: a later close compares with the saved placement as always.
    applyPlacement(Preferences::DefaultPlacement);
}

void Tchat::showWindow(QWidget* window)
{
    if (!window)
        return;
    window->show();
    window->raise();
}

void Tchat::playWithOthersRequested()
{
    showWindow(m_windows.playWithOthers);
    if (m_windows.playWithOthers)
        m_windows.playWithOthers->activateWindow();
}

// The player is told why before the window closes; closing the box closes the window,
// which ends the program. The box does not block: the event loop goes on meanwhile.
void Tchat::connectionEnded(const QString& reason)
{
    if (m_endBox)
        return;
    m_endBox = new QMessageBox(QMessageBox::Information, QStringLiteral("Quillor"), reason, QMessageBox::Ok, this);
    m_endBox->setObjectName(QStringLiteral("box_connectionended"));
    m_endBox->setTextFormat(Qt::PlainText);
    fitTitle(*m_endBox);
    m_endBox->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_endBox, &QDialog::finished, this, &Tchat::leaveNow);
    m_endBox->open();
}

void Tchat::Content1Click()
{
    showWindow(made(m_windows.help, m_windows.makeHelp));
}

void Tchat::About1Click()
{
    showWindow(made(m_windows.about, m_windows.makeAbout));
}

void Tchat::SpyList1Click()
{
    showWindow(m_windows.spylist);
}

// ---- window events ----

void Tchat::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    // The least window fits the screen the window is on, now that its frame is known.
    fitScreen();
    if (QWindow* handle = windowHandle())
        connect(handle, &QWindow::screenChanged, this, &Tchat::fitScreen);
    // Read the command line once the first frame is on screen, so the window appears at
    // once; a window that is not drawn soon goes on without it.
    centralWidget()->installEventFilter(this);
    QTimer::singleShot(FirstFrameWaitMs, this, &Tchat::afterFirstFrame);
}

bool Tchat::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_background && event->type() == QEvent::Resize)
        layoutPanels();
    if (watched == centralWidget() && event->type() == QEvent::Paint) {
        centralWidget()->removeEventFilter(this);
        // Queued: the frame being painted reaches the screen first.
        QTimer::singleShot(0, this, &Tchat::afterFirstFrame);
    }
    return QMainWindow::eventFilter(watched, event);
}

void Tchat::afterFirstFrame()
{
    if (m_firstFrameDone)
        return;
    m_firstFrameDone = true;
    fitScreen();
    emit firstFrameShown();
    FormShow();
}

void Tchat::FormShow()
{
    m_client.session.processparams(m_params);
}

void Tchat::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    FormResize(event->size());
}

void Tchat::FormResize(const QSize& size)
{
    // A window manager that ignores the minimum size (or none at all) may make the window
    // smaller than its inner area allows: it is set back at once.
    const QSize least = minimumSizeHint();
    if (size.width() < least.width() || size.height() < least.height())
        resize(size.expandedTo(least));
}

void Tchat::closeEvent(QCloseEvent* event)
{
    // Leaving ends the game for everybody in it when this player hosts it.
    if (!m_leaveWithoutAsking && askToLeave) {
        const QStringList spectators = m_windows.spylist ? m_windows.spylist->lines() : QStringList();
        if (const auto question = m_client.commands.leaveQuestion(spectators); question && !askToLeave(*question)) {
            event->ignore();
            return;
        }
    }
    FormClose();
    QMainWindow::closeEvent(event);
    if (event->isAccepted())
        emit closed();
}

void Tchat::FormClose()
{
    Preferences& prefs = m_client.prefs;
    // Until the settings have been read the window is not where the player keeps it, and
    // storing where it is would replace his placement.
    if (prefs.placement().isNull())
        return;
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QRect work = screen ? screen->availableGeometry() : QRect(0, 0, 1 << 15, 1 << 15);
    if (const auto r = placement::toSave(presentPlacement(), prefs.placement(), work)) {
        m_closingPlacement = *r;
        prefs.setPlacement(*r);
        prefs.requestSave();
        // The window may yet stay open (a refused close); from then on it is measured again.
        m_closingPlacement.reset();
    }
}
