#pragma once
// Tchat, the main window. On the left the word strip, the round bar and the board; the
// scoreboard beside the board; the chat pane under the scoreboard (or beside it, when the
// window is wide); the menus above. The window holds no rules of its own: the
// GameClient's parts decide, its panels show them, and it passes the player's commands
// on and connects the windows around it.
//
// The window may be resized and maximised. The board, the strip, the round bar and the
// scoreboard grow with it as one, keeping their proportions, as far as its height allows,
// and the chat takes the rest (PlayLayout). Its inner area never gets smaller than 769 by
// 529 pixels, except on a screen too small for that, where the least window is drawn
// smaller so that it fits.
//
// Its placement, as stored in the settings file and compared when it closes, is the
// top-left corner of the window manager's frame (what Qt's move() takes and pos() gives)
// and the size of its inner area below the menu bar: the same measure as the least inner
// area, 769 by 529, so that every stored size from there up, the default 772 by 535
// included, is one the window can take, and a placement applied unchanged reads back
// unchanged whatever the frame, the menu bar's font or the desktop's scale.
#include "client/GameClient.h"
#include "client/ui/PlayLayout.h"

#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>

class BoardFocus;
class BoardPanel;
class ChatHistory;
class ChatPane;
class ChatReceiver;
class GameSummaryWindow;
class MainMenus;
class PlayWithOthersDialog;
class QMessageBox;
class RoundBar;
class RoundReviewPanel;
class SettingsFile;
class ScorePanel;
class SoundPlayer;
class Tabout;
class Tdownload;
class Tgamestart;
class Tphrases;
class Thelp;
class TileSet;
class Tspylist;
class Ttallylist;
class WordPathOverlay;
class WordStrip;

class Tchat : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int MinimumWidth = 769;
    static constexpr int MinimumHeight = 529;
    // The window manager's frame assumed before the window is shown: a title bar and a
    // border on each side.
    static constexpr QSize FrameGuess{8, 32};

    // How long a shown window that is not drawn (not exposed: minimised, on another
    // desktop) waits before it goes on as if its first frame were on the screen.
    static constexpr int FirstFrameWaitMs = 250;

    // The other windows the main window shows or reports to; any may be missing.
    struct Windows {
        Ttallylist* tally = nullptr;
        Tabout* about = nullptr;
        Tgamestart* gamestart = nullptr;
        Thelp* help = nullptr;
        Tspylist* spylist = nullptr;
        Tdownload* download = nullptr;
        PlayWithOthersDialog* playWithOthers = nullptr;
        Tphrases* phrases = nullptr;
        // Windows a player may never open are made when first opened, where these are
        // given; their pointer above stays null till then.
        std::function<Tabout*()> makeAbout;
        std::function<Thelp*()> makeHelp;
        std::function<Tphrases*()> makePhrases;
    };

    // `params` is the lobby's command line (without the program name and options); it
    // is read once the window's first frame is on the screen (firstFrameShown).
    explicit Tchat(QStringList params = {}, QWidget* parent = nullptr);
    ~Tchat() override;

    void setWindows(const Windows& windows);

    // Keeps the preferences in the settings file in `folder` from now on; until then (and
    // in tests that never call it) nothing is read or written. The window's placement is
    // read at once, so the window is where the player keeps it when it is first shown;
    // the rest when the host confirms this player's arrival.
    void keepSettingsIn(const QString& folder);
    // The settings file, or null when none is kept; other windows keep keys of their own
    // in its section.
    SettingsFile* settings() const { return m_settings.get(); }

    // Puts the window at a placement read from the settings file (or the default one).
    // A placement that no screen shows is moved onto the primary screen.
    void applyPlacement(const QRect& placement);
    // Where the window is now, as the settings file stores it.
    QRect presentPlacement() const;
    // The height the menu bar takes above the inner area at the window's width.
    int menuBarHeight() const;

    // Shows a failure of the player's own action (a settings file that cannot be
    // written) in an error box; tests replace it.
    std::function<void(const QString&)> showError;
    // Asks the hosting player whether to leave a game others are in; true to leave.
    // Tests replace it.
    std::function<bool(const QString& question)> askToLeave;

    GameClient& client() { return m_client; }
    const GameClient& client() const { return m_client; }
    Preferences& prefs() { return m_client.prefs; }
    SoundPlayer& sounds() { return *m_sounds; }
    TileSet& tiles() { return *m_tiles; }
    ChatHistory& history();

    WordStrip* wordStrip() const { return m_wordStrip; }
    RoundBar* roundBar() const { return m_roundBar; }
    BoardPanel* boardPanel() const { return m_boardPanel; }
    ScorePanel* scorePanel() const { return m_scorePanel; }
    ChatPane* chatPane() const { return m_chatPane; }
    // The round's review, shown in the pause between rounds, and the word's path drawn
    // over the board meanwhile.
    // The panel is made when the first review is shown, or here when asked for first.
    RoundReviewPanel* reviewPanel();
    WordPathOverlay* pathOverlay() const { return m_pathOverlay; }
    // The table of the last game won, made when the first game ends; null before.
    GameSummaryWindow* summaryWindow() const { return m_summaryWindow; }
    // The keyboard's place on the board.
    BoardFocus& boardFocus() { return *m_boardFocus; }
    // F6: the focus goes from the board to the chat entry, and from anywhere else (the
    // chat entry above all) to the board.
    void switchPane();
    MainMenus& menus() { return *m_menus; }
    // Where the panels are now, and the least scale the screen allows.
    const PlayLayout& layout() const { return m_layout; }
    double leastScale() const { return m_leastScale; }
    // Takes the least scale from the screen the window is on (and its frame, once shown).
    void fitScreen();

    // Menu and button handlers, also callable directly.
    void button_startClick();
    void JustWatch1Click();
    void ViewTally1Click();
    void Exit1Click();
    // Closes the window without asking anything: the program is told to end (SIGTERM, a
    // logout), the connection has ended, or a new copy has taken over.
    void leaveNow();
    void Content1Click();
    void About1Click();
    void SpyList1Click();
    void PrhaseList1Click();
    void ResetScreenLocation1Click();

    // The box that tells why the connection ended, while it is shown.
    QMessageBox* endBox() const { return m_endBox; }

public slots:
    // Opens the "Play with Others" dialog (File menu; also the download window's button).
    void playWithOthersRequested();

signals:
    // The window has closed: the program ends.
    void closed();
    // The first frame of the window is on the screen, or FirstFrameWaitMs passed since it
    // was shown without one. What the first frame does not need (the other windows, the
    // host) is made now; right after, the window reads its command line.
    void firstFrameShown();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void afterFirstFrame();
    void FormResize(const QSize& size);
    void FormClose();
    void buildPanels();
    void layoutPanels();
    void placeReviewPanel();
    // What the window needs around its inner area: its frame and the menu bar.
    QSize aroundInner() const;
    void connectMenus();
    void wireOutlets();
    void showMenuState();
    // The ordinary or the high-contrast look, as the preferences say.
    void showLook();
    void recordGame(const QString& result);
    // The game's table follows the winner's card, once its confetti has fallen.
    void gameSummed();
    void showGameSummary();
    void showWindow(QWidget* window);
    void connectionEnded(const QString& reason);

    QStringList m_params;
    GameClient m_client;
    std::unique_ptr<TileSet> m_tiles;
    std::unique_ptr<SoundPlayer> m_sounds;
    std::unique_ptr<ChatReceiver> m_receiver;
    MainMenus* m_menus = nullptr;
    WordStrip* m_wordStrip = nullptr;
    RoundBar* m_roundBar = nullptr;
    BoardPanel* m_boardPanel = nullptr;
    ScorePanel* m_scorePanel = nullptr;
    ChatPane* m_chatPane = nullptr;
    RoundReviewPanel* m_reviewPanel = nullptr;
    WordPathOverlay* m_pathOverlay = nullptr;
    GameSummaryWindow* m_summaryWindow = nullptr;
    BoardFocus* m_boardFocus = nullptr;
    QWidget* m_background = nullptr;
    PlayLayout m_layout;
    double m_leastScale = 1.0;
    bool m_laidOut = false;
    Windows m_windows;
    std::unique_ptr<SettingsFile> m_settings;
    // The placement decided when the window closes, which the settings file then stores.
    std::optional<QRect> m_closingPlacement;
    QMessageBox* m_endBox = nullptr;
    bool m_shown = false;
    bool m_leaveWithoutAsking = false;
    bool m_firstFrameDone = false;
};
