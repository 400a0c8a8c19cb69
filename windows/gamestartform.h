#pragma once
// The game start dialog: the hosting player picks the play-to score, the seconds
// per turn, scrambled or straight words and whether filler letters come only from
// the word, then presses the start picture. That sends the start command through
// `onStart`, hides the dialog and asks for the settings to be saved (`onSaveSettings`).
// The dialog is created once and only ever hidden, so its values persist.
#include "net/Message.h"
#include "widgets/BackdropForm.h"
#include "client/GameStartOptions.h"

#include <functional>

class CheckImage;
class PictureButton;
class QLabel;
class QLineEdit;
class UpDownEdit;

class Tgamestart : public BackdropForm {
    Q_OBJECT
public:
    static inline const QString StartPicturePath = QStringLiteral(":/pictures/gamestart.png");

    explicit Tgamestart(QWidget* parent = nullptr);

    // Where the start command goes (the client's connection to the host).
    std::function<void(const Message&)> onStart;
    // Called after the start command, to write the options to the settings file.
    std::function<void()> onSaveSettings;

    // The name the client logged in with; it leads the start command.
    void setPlayerName(const QString& name) { m_playerName = name; }
    const QString& playerName() const { return m_playerName; }

    const GameStartOptions& options() const { return m_options; }

    // For the settings file: the two spinner positions (held to their ranges) and
    // the check choices.
    int playToScorePosition() const { return m_options.playToScore.position(); }
    int creationTimePosition() const { return m_options.creationTime.position(); }
    void setPlayToScorePosition(int position);
    void setCreationTimePosition(int position);
    void checkscram(int which);
    void checkonly(int state);

    // Click handlers, also callable directly.
    void checkbox_1Click(CheckImage* sender);
    void checkbox_onlylettersClick();
    void button_startClick();

    QLabel* Label3 = nullptr;
    QLabel* Label2 = nullptr;
    UpDownEdit* UpDown1 = nullptr;
    QLineEdit* edit_playtoscore = nullptr;
    QLabel* Label1 = nullptr;
    UpDownEdit* UpDown2 = nullptr;
    QLineEdit* edit_creationtime = nullptr;
    QLabel* Label4 = nullptr;
    CheckImage* checkbox_1 = nullptr;
    QLabel* Label5 = nullptr;
    CheckImage* checkbox_2 = nullptr;
    QLabel* Label6 = nullptr;
    CheckImage* checkbox_onlyletters = nullptr;
    PictureButton* button_start = nullptr;

private:
    void showChecks();

    GameStartOptions m_options;
    QString m_playerName;
};
