#pragma once
// The tally window: shows the record of finished games (TallyRecord) and lets the
// player follow opponents from the current game, drop them, and reset the tally.
//
// Created hidden at program start with the program's folder; it loads the record at
// once and saves it whenever it changes and when the window is destroyed. The main
// window uses three calls:
//   addgame(opponents, winner, ownName)  from its handler of the game's end, only while
//                                        the local player holds one of the six seats;
//   viewTally(opponents)                 for "View Tally";
//   refillchecklist(opponents)           (part of both) to list the current game.
// opponents are the names shown on the other five seats, in seat order; seats that
// show "<Waiting>" are skipped.
#include "widgets/BackdropForm.h"
#include "widgets/ElidedLabel.h"
#include "tally/TallyFile.h"
#include "tally/TallyRecord.h"

#include <QStringList>

#include <array>
#include <functional>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// The window's questions and error display; tests replace them.
struct TallyDialogs {
    // A Yes/No confirmation; true for Yes.
    std::function<bool(const QString& question)> ask;
    // Shows a failure to load or to save the record.
    std::function<void(const QString& message)> showError;
};

class Ttallylist : public BackdropForm {
    Q_OBJECT
public:
    // Over the selected player's counts while nobody is followed.
    static inline const QString TheirWins = QStringLiteral(QT_TRANSLATE_NOOP("Ttallylist", "Their Wins:"));
    static inline const QString NobodyFollowed = QStringLiteral(QT_TRANSLATE_NOOP("Ttallylist", "Nobody is followed yet."));
    // Under the players of the current game.
    static inline const QString FollowingHint =
        QStringLiteral(QT_TRANSLATE_NOOP("Ttallylist", "Tick a player to follow him: the games you play together count from then on."));

    // folder: where the tally file lives; gameKey prefixes its name.
    explicit Ttallylist(const QString& folder, QWidget* parent = nullptr, TallyDialogs dialogs = {},
                        const QString& gameKey = TallyFile::DefaultGameKey);
    ~Ttallylist() override;

    void addgame(const QStringList& opponents, const QString& winner, const QString& ownName);
    void refillchecklist(const QStringList& opponents);
    void viewTally(const QStringList& opponents);

    const TallyRecord& record() const { return m_record; }
    const QString& fileName() const { return m_file.path(); }
    // Writes the record now; false when that failed: the file on disk keeps the record
    // it had, and the player is told ("Unable to write to " and the file's path).
    bool save();

    // Handlers, also callable directly.
    void checklistClickCheck(QListWidgetItem* item);
    void listbox_tallyClickCheck(QListWidgetItem* item);
    void listbox_tallyClick();
    void button_doneClick();
    void button_resetClick();

    QListWidget* listbox_tally = nullptr;
    QListWidget* checklist = nullptr;
    // mylabel_[0..3] are "mylabel_1" to "mylabel_4": own record, columns 1 to 4.
    std::array<QLabel*, 4> mylabel{};
    // label_[0..7] are "label_1" to "label_8": selected opponent, columns 1 to 8.
    std::array<QLabel*, 8> label{};
    ElidedLabel* label_hisname = nullptr;
    ElidedLabel* label_hisnametop = nullptr;
    QLabel* label_following = nullptr;
    QPushButton* button_done = nullptr;
    QPushButton* button_reset = nullptr;

private:
    void buildControls();
    void loadtally();
    void showOwnRecord();
    void clearOpponent();
    // Selects the first followed player when none is selected.
    void showSomebody();
    void addFollowedLine(const QString& name);
    // Writes the record; `tell` shows a failure to the player (not while the program ends).
    bool store(bool tell);

    TallyFile m_file;
    TallyDialogs m_dialogs;
    TallyRecord m_record;
};
