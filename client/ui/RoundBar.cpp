#include "client/ui/RoundBar.h"

#include "client/RoundStatus.h"
#include "client/TurnClock.h"
#include "client/TurnState.h"
#include "client/ui/Looks.h"
#include "widgets/PictureButton.h"
#include "widgets/TimeBar.h"

#include <QLabel>

RoundBar::RoundBar(const RoundStatus& status, const TurnClock& clock, const TurnState& turn, QWidget* parent)
    : QWidget(parent)
    , m_status(status)
    , m_clock(clock)
    , m_turn(turn)
{
    setObjectName(QStringLiteral("roundbar"));
    setFixedSize(Width, Height);

    label_status = looks::label(this, QStringLiteral("label_status"), QString(), QRect(6, 0, 480, 16), 13, true,
                                Qt::AlignCenter);
    label_round = looks::label(this, QStringLiteral("label_round"), QString(), QRect(21, 19, 127, 30), 15, true);

    image_timer = new TimeBar(this);
    image_timer->setObjectName(QStringLiteral("image_timer"));
    image_timer->setGeometry(152, 21, TurnClock::BarFullWidth, 25);
    label_timer = looks::label(this, QStringLiteral("label_timer"), QString(), QRect(155, 23, 103, 19), 12, true,
                               Qt::AlignCenter);
    label_timer->setAttribute(Qt::WA_TransparentForMouseEvents);

    button_start = new PictureButton(QStringLiteral(":/pictures/start.png"), QStringLiteral("Start Game"), this);
    button_start->setObjectName(QStringLiteral("button_start"));
    button_start->setGeometry(147, 17, 193, 33);

    button_clearword = new PictureButton(QStringLiteral(":/pictures/clear.png"), QStringLiteral("Clear"), this);
    button_clearword->setObjectName(QStringLiteral("button_clearword"));
    button_clearword->setGeometry(359, 18, 107, 33);
    button_clearword->setToolTip(QStringLiteral("Clear the letters picked so far"));
    button_clearword->hide();

    connect(&status, &RoundStatus::changed, this, &RoundBar::showStatus);
    connect(&clock, &TurnClock::changed, this, &RoundBar::showClock);
    connect(&turn, &TurnState::changed, this, &RoundBar::showTurn);
    showStatus();
    showClock();
    showTurn();
}

void RoundBar::showStatus()
{
    label_status->setText(m_status.status());
    label_round->setText(m_status.roundText());
    button_start->setVisible(m_status.startShown());
}

void RoundBar::showClock()
{
    label_timer->setText(m_clock.text());
    looks::setInk(label_timer, m_clock.colour());
    image_timer->setBarWidth(m_clock.barWidth());
    image_timer->setUrgent(m_clock.red());
}

void RoundBar::showTurn()
{
    button_clearword->setVisible(m_turn.clearShown());
}
