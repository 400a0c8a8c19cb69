#pragma once
// The strip between the word and the board: the status line, the round number, the
// Start button (for the game's leader between games) with "Play Again" beside it after
// a game, the turn clock with its time bar, this player's Clear button, and "Cancel"
// while a lost connection is being tried again. Its drawing is fixed; it shows the
// round status, the turn clock and the turn state whenever they change.
#include "widgets/ElidedLabel.h"

#include <QWidget>

class PictureButton;
class QLabel;
class RoundStatus;
class TimeBar;
class TurnClock;
class TurnState;

class RoundBar : public QWidget {
    Q_OBJECT
public:
    static constexpr int Width = 486;
    static constexpr int Height = 52;

    RoundBar(const RoundStatus& status, const TurnClock& clock, const TurnState& turn, QWidget* parent = nullptr);

    ElidedLabel* label_status = nullptr;
    ElidedLabel* label_round = nullptr;
    PictureButton* button_start = nullptr;
    TimeBar* image_timer = nullptr;
    QLabel* label_timer = nullptr;
    PictureButton* button_clearword = nullptr;
    // Starts the next game with the last one's options, without the start dialog.
    PictureButton* button_playagain = nullptr;
    // Stops trying to get a lost connection back; the game then ends.
    PictureButton* button_cancel = nullptr;
    // The lasting sign that this player watches the game from beyond the six seats.
    QLabel* image_watching = nullptr;

private:
    void showStatus();
    void showClock();
    void showTurn();

    const RoundStatus& m_status;
    const TurnClock& m_clock;
    const TurnState& m_turn;
};
