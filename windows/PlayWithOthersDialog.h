#pragma once
// "Play with Others": the player's name, "Host a game" here or "Join a game" at a host
// address, and the game port. It opens with the choice remembered in the settings file;
// OK remembers the new choice and asks for the game to be started with it, exactly as
// the command line would start it. The main window's File menu and the download window
// open it.
//
// While "Host a game" is chosen it says what friends give to join: this computer's
// addresses and the port ("Friends can join at 192.168.1.20 port 7772"), and, once this
// player hosts, the name the game is announced under on the local network or why it
// is not.
//
// "Games on this network" lists the games announced on the local network (GameBrowser),
// live while the dialog is open and only then. Choosing one fills in its address and
// port to join it; a double-click joins it at once.
#include "client/JoinAddresses.h"
#include "client/PlayChoice.h"
#include "discovery/GameBrowser.h"
#include "widgets/BackdropForm.h"

#include <QStringList>
#include <QList>

class PlayChoiceStore;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QRadioButton;
class QSpinBox;

class PlayWithOthersDialog : public BackdropForm {
    Q_OBJECT
public:
    explicit PlayWithOthersDialog(PlayChoiceStore& store, QWidget* parent = nullptr);

    // The choice as the controls show it, and showing one.
    PlayChoice choice() const;
    void setChoice(const PlayChoice& choice);

    // Click handlers, also callable directly.
    void button_okClick();
    void button_cancelClick();

    QLineEdit* edit_name = nullptr;
    QRadioButton* radio_host = nullptr;
    QRadioButton* radio_join = nullptr;
    QLineEdit* edit_address = nullptr;
    QSpinBox* edit_port = nullptr;
    // Where friends join a game hosted here; shown while "Host a game" is chosen.
    QLabel* label_friends = nullptr;
    // The addresses it names, taken from this computer when the dialog opens.
    void setAddresses(const QStringList& addresses);
    // How announcing the game hosted here goes (HostAnnouncement::statusText()), shown
    // with the addresses; empty while not hosting.
    void setAnnouncement(const QString& text);
    // The games on the local network, and why they cannot be listed.
    QListView* list_games = nullptr;
    QLabel* label_games = nullptr;
    GameBrowser& browser() { return m_browser; }
    // Joins the game of the list's row as the player named in the dialog.
    void joinListed(int row);
    QPushButton* button_ok = nullptr;
    QPushButton* button_cancel = nullptr;

signals:
    // Start the game with these program parameters ("--port N", "--" and then name,
    // address, "true"/"false"); this window has been hidden.
    void playRequested(const QStringList& arguments);
    // The choice could not be remembered ("Unable to write to " and the settings file's
    // path); the game still starts. Shown to the player like any failed save.
    void saveFailed(const QString& message);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showState();
    void showGamesStatus();
    void takeListed(int row);

    PlayChoiceStore& m_store;
    QStringList m_addresses;
    QString m_announcement;
    GameBrowser m_browser;
};
