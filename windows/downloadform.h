#pragma once
// The lobby download window, shown beside a solo game. It offers three ways on: download
// and install the lobby program (left), go on with the solo game (upper right), or close
// the game and start the lobby program already installed (lower right).
//
// A small tool window that stays on top, centred on the desktop, 724 by 500 pixels
// inside, on the game's background with three white panels. The download itself is a
// LobbyDownload, which this window shows; "Play with Others" starts the lobby program
// through a LobbyLauncher.
#include "client/LobbyDownload.h"
#include "client/LobbyLauncher.h"
#include "widgets/BackdropForm.h"

#include <functional>

class QFrame;
class QLabel;
class QPushButton;

class Tdownload : public BackdropForm {
    Q_OBJECT
public:
    static constexpr int InnerWidth = 724;
    static constexpr int InnerHeight = 500;
    static inline const QString AdvertPath = QStringLiteral(":/pictures/lobby_advert.jpg");

    explicit Tdownload(QWidget* parent = nullptr);

    // The installer's URL (the default unless the settings name another), the folder the
    // download is written to, and the lobby program "Play with Others" starts.
    void setUrl(const QString& url) { m_download.setUrl(url); }
    void setDownloadFolder(const QString& folder) { m_download.setFolder(folder); }
    void setLobbyProgram(const QString& path) { m_launcher.setProgram(path); }

    LobbyDownload& download() { return m_download; }
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

signals:
    // The installer or the lobby program has been started: the game closes.
    void exitRequested();
    // "Play with Others" without a lobby program installed here.
    void playWithOthersRequested();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showDownload();
    void centre();

    LobbyDownload m_download;
    LobbyLauncher m_launcher;
    bool m_placed = false;
};
