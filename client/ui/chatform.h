#pragma once
// Tchat, the main window: the word strip and board on the left, the scoreboard, the
// game settings and the chat history on the right, the turn clock between them, and
// the menus. It holds no rules of its own: the GameClient's parts decide, the window
// shows what they hold (after each change signal) and passes clicks on to them.
#include "client/GameClient.h"

#include <QMainWindow>
#include <QPointer>
#include <QRect>
#include <array>
#include <functional>
#include <memory>

class BoardView;
class ChatHistory;
class ChatReceiver;
class PictureButton;
class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QTextEdit;
class SoundPlayer;
class Tabout;
class Tgamestart;
class Thelp;
class TileMenu;
class TileSet;
class Tspylist;
class Ttallylist;
class WordStrip;
class TimeBar;

class Tchat : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int DefaultWidth = 772;
    static constexpr int DefaultHeight = 535;
    static constexpr int ClientWidth = 767;
    static constexpr int ClientHeight = 529;

    // The other windows the main window shows or reports to; any may be missing.
    struct Windows {
        Ttallylist* tally = nullptr;
        Tabout* about = nullptr;
        Tgamestart* gamestart = nullptr;
        Thelp* help = nullptr;
        Tspylist* spylist = nullptr;
        QWidget* download = nullptr;
    };

    // `params` is the lobby's command line (without the program name and options); it
    // is read when the window is first shown.
    explicit Tchat(QStringList params = {}, QWidget* parent = nullptr);
    ~Tchat() override;

    void setWindows(const Windows& windows);

    GameClient& client() { return m_client; }
    const GameClient& client() const { return m_client; }
    SoundPlayer& sounds() { return *m_sounds; }
    ChatHistory& history() { return *m_history; }
    TileSet& tiles() { return *m_tiles; }

    // The saved placement (read from the settings when they exist) and where to write it.
    QRect savedPlacement() const { return m_saved; }
    void setSavedPlacement(const QRect& r) { m_saved = r; }
    std::function<void(const QRect&)> savePlacement;

    // Copies the model's state into the controls (also run after every change).
    void refresh();

    // Menu and button handlers, also callable directly.
    void button_startClick();
    void JustWatch1Click();
    void ViewTally1Click();
    void Exit1Click();
    void Content1Click();
    void About1Click();
    void SpyList1Click();
    void label_playername1ContextPopup(int seat, const QPoint& globalPos);

    // ---- controls, named as the game names them ----
    QWidget* panel_background = nullptr;
    WordStrip* wordstrip = nullptr;
    QLabel* label_status = nullptr;
    QLabel* label_round = nullptr;
    PictureButton* button_start = nullptr;
    TimeBar* image_timer = nullptr;
    QLabel* label_timer = nullptr;
    PictureButton* button_clearword = nullptr;
    QLabel* label_gametype = nullptr;
    QLabel* label_timeperturn = nullptr;
    QLabel* label_playtoscore = nullptr;
    std::array<QLabel*, ScoreBoard::Seats> label_playername{};
    std::array<QLabel*, ScoreBoard::Seats> label_score{};
    std::array<QLabel*, ScoreBoard::Seats> label_bonus{};
    std::array<QLabel*, ScoreBoard::Seats> image_foundit{};
    std::array<QLabel*, ScoreBoard::Seats> image_eyes{};
    QFrame* panel_board = nullptr;
    BoardView* paintbox_board = nullptr;
    QFrame* panel_winner = nullptr;
    QLabel* label_winner1 = nullptr;
    QLabel* label_winner2 = nullptr;
    QTextEdit* mainchat = nullptr;
    QLineEdit* mychat = nullptr;

    QMenu* popup_kick = nullptr;
    QAction* RemoveFromGame1 = nullptr;
    QAction* SetToJustWatch1 = nullptr;
    QAction* UnsetJustWatch1 = nullptr;

    QAction* StartGame1 = nullptr;
    QAction* JustWatch1 = nullptr;
    QAction* Exit1 = nullptr;
    QAction* SpyList1 = nullptr;
    QAction* ViewTally1 = nullptr;
    QMenu* Tiles1 = nullptr;
    QAction* Content1 = nullptr;
    QAction* About1 = nullptr;

signals:
    // The window has closed: the program ends.
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void FormClose();
    void buildControls();
    void buildMenus();
    void wireOutlets();
    QLabel* makeLabel(const QString& name, const QString& text, const QRect& geometry, int pixelSize,
                      bool bold = false, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter);
    QLabel* makeMark(const QString& name, const QString& picture, int x, int rowTop, QSize fallback);
    void recordGame(const QString& result);

    QStringList m_params;
    GameClient m_client;
    std::unique_ptr<TileSet> m_tiles;
    std::unique_ptr<SoundPlayer> m_sounds;
    std::unique_ptr<ChatHistory> m_history;
    std::unique_ptr<ChatReceiver> m_receiver;
    TileMenu* m_tileMenu = nullptr;
    Windows m_windows;
    bool m_shown = false;
    QRect m_saved;
};
