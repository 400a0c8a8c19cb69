#pragma once
// The game start dialog: the game's leader picks the play-to score, the seconds per
// turn, scrambled or straight words, whether filler letters come only from the word and
// the language of the words, then presses the start picture. That announces the choice
// of language and the start command, hides the dialog and asks for the preferences to
// be saved.
//
// The five choices are preferences: the dialog shows them as the preferences hold them
// and writes every change there, so they persist while it is hidden and between runs.
#include "client/GameStartOptions.h"
#include "net/Message.h"
#include "widgets/BackdropForm.h"

class CheckImage;
class Preferences;
class PictureButton;
class QComboBox;
class QLabel;
class QLineEdit;
class UpDownEdit;

class Tgamestart : public BackdropForm {
    Q_OBJECT
public:
    static inline const QString StartPicturePath = QStringLiteral(":/pictures/gamestart.png");

    explicit Tgamestart(Preferences& prefs, QWidget* parent = nullptr);

    // The name the client logged in with; it leads the start command.
    void setPlayerName(const QString& name) { m_playerName = name; }
    const QString& playerName() const { return m_playerName; }

    const GameStartOptions& options() const;

    // The two spinner positions (held to their ranges) and the check choices.
    int playToScorePosition() const { return options().playToScore.position(); }
    int creationTimePosition() const { return options().creationTime.position(); }
    void setPlayToScorePosition(int position);
    void setCreationTimePosition(int position);
    void checkscram(int which);
    void checkonly(int state);
    // Chooses the language of the words by its code; one it does not know changes nothing.
    void setLanguage(const QString& code);

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
    QLabel* label_words = nullptr;
    // The languages, each in its own name; the code is each item's data.
    QComboBox* combo_words = nullptr;
    PictureButton* button_start = nullptr;

signals:
    // The choice of language, then the start command, for the client's connection to
    // the host: one signal for each message, in that order.
    void startCommand(const Message& message);

private:
    // Applies a change to the options the preferences hold.
    template <typename Change>
    void change(Change change);
    void showOptions();

    Preferences& m_prefs;
    QString m_playerName;
};
