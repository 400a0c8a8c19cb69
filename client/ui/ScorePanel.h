#pragma once
// The scoreboard beside the board: the game's title, type and target, the time per turn,
// and the six seat rows (found mark, watching eyes, name, leader's mark, score, bonus). A
// right click on a seat's name opens `popup_kick`, whose commands the game's leader may
// give. A seat kept for a player who is away shows his name greyed, and its tooltip
// counts down the seconds he has left to come back. It is drawn for the least window
// and grows with the board (`setScale`).
#include "net/GameConstants.h"
#include "widgets/ElidedLabel.h"
#include "widgets/ScaledChildren.h"

#include <QWidget>
#include <array>

class PlayerCommands;
class QAction;
class QLabel;
class QMenu;
class QTimer;
class RoundStatus;
class SeatRoster;
class TurnClock;

class ScorePanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int Width = 276;
    static constexpr int Height = 258;

    ScorePanel(const SeatRoster& seats, const RoundStatus& status, const TurnClock& clock, PlayerCommands& commands,
               QWidget* parent = nullptr);

    // Width by Height at scale 1, everything in it in proportion.
    void setScale(double scale);

    // The game's leader is told, over each name, that a right click offers more.
    void setLeading(bool leads);
    static inline const QString RightClickHint = QStringLiteral(QT_TRANSLATE_NOOP("ScorePanel", "Right-click for more"));

    // Before a seat's pop-up opens: its items enabled for the leader, then shown.
    void label_playername1ContextPopup(int seat, const QPoint& globalPos);

    QLabel* label_gametype = nullptr;
    ElidedLabel* label_timeperturn = nullptr;
    ElidedLabel* label_playtoscore = nullptr;
    std::array<ElidedLabel*, game::Seats> label_playername{};
    std::array<QLabel*, game::Seats> label_score{};
    std::array<QLabel*, game::Seats> label_bonus{};
    std::array<QLabel*, game::Seats> image_foundit{};
    std::array<QLabel*, game::Seats> image_eyes{};
    std::array<QLabel*, game::Seats> image_leader{};

    QMenu* popup_kick = nullptr;
    QAction* RemoveFromGame1 = nullptr;
    QAction* SetToJustWatch1 = nullptr;
    QAction* UnsetJustWatch1 = nullptr;

private:
    QLabel* makeMark(const QString& name, const QString& picture, int x, int rowTop, QSize fallback);
    void showSeats();
    void showGame();
    // The away seats' tooltips, with the seconds left; once a second while any is kept.
    void showAway();

    const SeatRoster& m_seats;
    const RoundStatus& m_status;
    const TurnClock& m_clock;
    PlayerCommands& m_commands;
    QTimer* m_awayTimer = nullptr;
    ScaledChildren m_scaled;
    bool m_leading = false;
};
