#pragma once
// The phrase editor: ten fields, one for each small button above the chat history, in
// which the player writes his own quick phrases (at most 50 characters typed).
//
// Opening it fills the fields from the preferences' phrases and shows it beside the
// game without blocking it, centred on the main window. A stored phrase longer than 50
// characters (written by hand, or by another program) shows whole and is kept whole by
// "Done" until the player edits that field: an edit can shorten it, never lengthen it
// beyond 50 characters. "Done" hands the ten phrases to
// the preferences (the buttons' tooltips follow at once) and asks for them to be kept;
// when they could not be written (the keeper has said so) the editor stays open. Any
// other way of closing it drops what was typed.
#include "client/Preferences.h"
#include "widgets/BackdropForm.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

class Tphrases : public BackdropForm {
    Q_OBJECT
public:
    static constexpr int MaxTyped = 50;

    explicit Tphrases(Preferences& prefs, QWidget* parent = nullptr);

    // View > "Phrase List": fills the fields and shows the editor centred on `owner`.
    void PrhaseList1Click(const QWidget* owner);
    void button_doneClick();

    std::array<QLineEdit*, Preferences::PhraseCount> phrase{};
    std::array<QLabel*, Preferences::PhraseCount> label{};
    QLabel* label_notice = nullptr;
    QPushButton* button_done = nullptr;

private:
    Preferences& m_prefs;
};
