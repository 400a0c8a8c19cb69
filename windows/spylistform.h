#pragma once
// The spy list: the spectators (players beyond the six seats), one line each, with a
// pop-up menu that lets the hosting player remove one from the game. The main window
// adds and removes the lines as players come and go; this window only shows them and
// passes a removal request on (`kickRequested`).
#include "widgets/BackdropForm.h"

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class TagListBox;

class Tspylist : public BackdropForm {
    Q_OBJECT
public:
    explicit Tspylist(QWidget* parent = nullptr);

    // Adds the line for a spectator who joined.
    void addSpy(int slot, const QString& name);
    // Removes the first line equal (letter case ignored) to that spectator's line.
    // Returns whether there was one; if not, the list is left as it was.
    bool removeSpy(int slot, const QString& name);
    QStringList lines() const;
    // Takes every line off (the spectators are about to be told afresh).
    void clearSpies();

    // "Remove From Game" is offered only to the hosting player.
    void setHostMode(bool hosting);

    // Handlers, also callable directly.
    void popup_kickhimClick();
    void button_doneClick();

    QLabel* Label1 = nullptr;
    TagListBox* listbox_spys = nullptr;
    // "Nobody is watching.", over the list while it is empty.
    QLabel* label_nobody = nullptr;
    QMenu* popup_kick = nullptr;
    QAction* popup_kickhim = nullptr;
    QPushButton* button_done = nullptr;

signals:
    // The hosting player asks to remove the player with this number from the game.
    void kickRequested(int slot);

private:
    void showEmpty();
};
