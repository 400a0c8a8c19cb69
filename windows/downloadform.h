#pragma once
// The lobby download window, shown beside a solo game. It offers three ways on: download
// and install the lobby program (left), go on with the solo game (upper right), or close
// the game and start the lobby program already installed (lower right).
//
// A window of its own beside the game (never above the game's own windows and dialogs),
// centred on the desktop, 724 by 500 pixels inside (drawn smaller on a screen too small
// for that), on the game's background with three white panels. The download itself is
// a LobbyDownload, which this window shows, with a progress bar while the size is known;
// "Play with Others" starts the lobby program through a LobbyLauncher. "Show this at
// start" decides whether a solo game offers it (the window keeps the choice in the
// settings file through its owner).
#include "client/LobbyDownload.h"
#include "client/LobbyLauncher.h"
#include "widgets/BackdropForm.h"
#include "widgets/ScaledChildren.h"

#include <functional>

class QCheckBox;
class QFrame;
class QLabel;
class QProgressBar;
class QPushButton;

class Tdownload : public BackdropForm {
    Q_OBJECT
public:
    static constexpr int InnerWidth = 724;
    static constexpr int InnerHeight = 500;
    static inline const QString AdvertPath = QStringLiteral(":/pictures/lobby_advert.jpg");
    static constexpr int ProgressSteps = 1000;
    // Room left on the screen for the window manager's frame.
    static constexpr QSize FrameRoom{16, 48};
    // The settings key of "Show this at start".
    static inline const QString ShowAtStartKey = QStringLiteral("ShowLobbyOffer");

    explicit Tdownload(QWidget* parent = nullptr);

    // The installer's URL (the default unless the settings name another), the folder the
    // download is written to, and the lobby program "Play with Others" starts.
    void setUrl(const QString& url) { m_download.setUrl(url); }
    void setDownloadFolder(const QString& folder) { m_download.setFolder(folder); }
    void setLobbyProgram(const QString& path) { m_launcher.setProgram(path); }

    LobbyDownload& download() { return m_download; }

    // "Show this at start": ticked unless the player unticked it.
    bool showAtStart() const;
    void setShowAtStart(bool show);
    // A solo game starts: the window shows itself unless the player asked it not to.
    void offerAtStart();
    LobbyLauncher& launcher() { return m_launcher; }

    // Button handlers, also callable directly.
    void getbuttonClick();
    void abortbuttonClick();
    void Button1Click();
    void Button2Click();

    // Shows a message to the player: the error display of this window. Replaceable so
    // that tests show no dialog.
    std::function<void(const QString& message)> showMessage;
    // Asks the player a yes-or-no question (an installer that came without encryption);
    // true for yes. Replaceable so that tests show no dialog.
    std::function<bool(const QString& question)> askQuestion;

    QFrame* Panel1 = nullptr;  // left
    QFrame* Panel2 = nullptr;  // upper right
    QFrame* Panel3 = nullptr;  // lower right
    QLabel* Image1 = nullptr;  // the advert
    QLabel* Label1 = nullptr;
    QPushButton* getbutton = nullptr;
    QLabel* infolabel = nullptr;
    QLabel* infolabel2 = nullptr;
    QLabel* infolabel3 = nullptr;
    QPushButton* abortbutton = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* Button1 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QPushButton* Button2 = nullptr;
    QProgressBar* progress = nullptr;
    QCheckBox* check_showatstart = nullptr;

signals:
    // The installer or the lobby program has been started: the game closes.
    void exitRequested();
    // "Play with Others" without a lobby program installed here.
    void playWithOthersRequested();
    // The player ticked or unticked "Show this at start".
    void showAtStartChanged(bool show);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showDownload();
    void centre();
    void fitScreen();

    LobbyDownload m_download;
    LobbyLauncher m_launcher;
    bool m_placed = false;
    ScaledChildren m_scaled;
};
