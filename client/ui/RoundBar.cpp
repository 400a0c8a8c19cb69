#include "client/ui/RoundBar.h"
#include "client/ui/PlayAccessibility.h"

#include "client/ConnectAttempt.h"
#include "client/RoundStatus.h"
#include "client/TurnClock.h"
#include "client/TurnState.h"
#include "client/ui/Looks.h"
#include "widgets/ElidedLabel.h"
#include "widgets/PictureButton.h"
#include "widgets/TimeBar.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>

RoundBar::RoundBar(const RoundStatus& status, const TurnClock& clock, const TurnState& turn, QWidget* parent)
    : QWidget(parent)
    , m_status(status)
    , m_clock(clock)
    , m_turn(turn)
{
    setObjectName(QStringLiteral("roundbar"));
    installPlayAccessibility();
    setFixedSize(Width, Height);

    label_status = looks::nameLabel(this, StatusLineName, QRect(6, 0, 480, 16), 13, true,
                                    Qt::AlignCenter);
    label_round = looks::nameLabel(this, QStringLiteral("label_round"), QRect(21, 19, 127, 30), 15, true);

    image_timer = new TimeBar(TurnClock::BarFullWidth, this);
    image_timer->setObjectName(QStringLiteral("image_timer"));
    image_timer->setGeometry(152, 21, TurnClock::BarFullWidth, 25);
    label_timer = looks::label(this, QStringLiteral("label_timer"), QString(), QRect(155, 23, 103, 19), 12, true,
                               Qt::AlignCenter);
    label_timer->setAttribute(Qt::WA_TransparentForMouseEvents);

    button_start = new PictureButton(QStringLiteral(":/pictures/start.png"), tr("Start Game"), this);
    button_start->setObjectName(QStringLiteral("button_start"));
    button_start->setGeometry(147, 17, 193, 33);

    button_clearword = new PictureButton(QStringLiteral(":/pictures/clear.png"), tr("Clear"), this);
    button_clearword->setObjectName(QStringLiteral("button_clearword"));
    button_clearword->setGeometry(359, 18, 107, 33);
    button_clearword->setToolTip(tr("Clear the letters picked so far"));
    button_clearword->hide();

    // Beside Start, where Clear is during a turn: drawn as a plain button.
    button_playagain = new PictureButton(QString(), tr("Play Again"), this);
    button_playagain->setObjectName(QStringLiteral("button_playagain"));
    button_playagain->move(348, 17);
    button_playagain->setToolTip(tr("Start a new game with the same options"));
    button_playagain->hide();
    button_cancel = new PictureButton(QString(), tr("Cancel"), this);
    button_cancel->setObjectName(QStringLiteral("button_cancel"));
    button_cancel->move(348, 17);
    button_cancel->setToolTip(tr("Stop trying to reconnect and leave the game"));
    button_cancel->hide();

    // Where a seated player's Clear button would be: a spectator never has one.
    const QPixmap watching = looks::pictureOr(QStringLiteral(":/pictures/watching.png"), QSize(100, 22),
                                              QColor(110, 130, 170));
    image_watching = new QLabel(this);
    image_watching->setObjectName(QStringLiteral("image_watching"));
    image_watching->setPixmap(watching);
    image_watching->setScaledContents(true); // grows with the round bar
    const QSize markSize = watching.deviceIndependentSize().toSize();
    image_watching->setGeometry(366, 23, markSize.width(), markSize.height());
    image_watching->setToolTip(tr("Just watching"));
    image_watching->hide();

    m_scaled.capture(this);

    connect(&status, &RoundStatus::changed, this, &RoundBar::showStatus);
    connect(&clock, &TurnClock::changed, this, &RoundBar::showClock);
    connect(&turn, &TurnState::changed, this, &RoundBar::showTurn);
    showStatus();
    showClock();
    showTurn();
}

void RoundBar::setScale(double scale)
{
    m_scale = scale;
    setFixedSize(ScaledChildren::scaled(QRect(0, 0, Width, Height), scale).size());
    m_scaled.apply(scale);
}

void RoundBar::showConnectAttempt(const ConnectAttempt& attempt)
{
    if (m_attempt)
        return;
    m_attempt = &attempt;
    const auto button = [this](const QString& caption, const QString& name, const QRect& at) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setFont(looks::uiFont(13, true));
        b->setCursor(Qt::PointingHandCursor);
        b->hide();
        m_scaled.add(b, at);
        return b;
    };
    button_retry = button(tr("Try Again"), QStringLiteral("button_retry"), QRect(150, 19, 130, 30));
    button_others = button(tr("Play with Others..."), QStringLiteral("button_others"),
                           QRect(290, 19, 176, 30));
    m_scaled.apply(m_scale);
    connect(&attempt, &ConnectAttempt::changed, this, &RoundBar::showAttempt);
    showAttempt();
}

void RoundBar::showAttempt()
{
    // The clock has nothing to count without a game; the ways on take its place.
    const bool failed = m_attempt && m_attempt->failed();
    button_retry->setVisible(failed && m_attempt->canRetry());
    button_others->setVisible(failed);
    image_timer->setVisible(!failed);
    label_timer->setVisible(!failed);
}

void RoundBar::showStatus()
{
    if (label_status->text() != m_status.status()) {
        label_status->setText(m_status.status());
        // Read out as it changes, wherever the focus is.
        QAccessibleEvent changed(label_status, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
    label_round->setText(m_status.roundText());
    button_start->setVisible(m_status.startShown());
    button_playagain->setVisible(m_status.playAgainShown());
    button_cancel->setVisible(m_status.reconnecting());
    button_cancel->raise();
}

void RoundBar::showClock()
{
    label_timer->setText(m_clock.text());
    // Before the first turn the clock has nothing to count: an empty, greyed bar.
    looks::setInk(label_timer, m_clock.waiting() ? looks::inkFaint() : m_clock.colour());
    image_timer->setBarWidth(m_clock.barWidth());
    image_timer->setUrgent(m_clock.red());
    image_timer->setDimmed(m_clock.waiting());
}

void RoundBar::showTurn()
{
    button_clearword->setVisible(m_turn.clearShown());
    image_watching->setVisible(m_turn.watching());
}
