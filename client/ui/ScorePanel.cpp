#include "client/ui/ScorePanel.h"
#include "client/ui/PlayAccessibility.h"

#include "client/PlayerCommands.h"
#include "client/RoundStatus.h"
#include "client/SeatRoster.h"
#include "client/TurnClock.h"
#include "client/ui/Looks.h"
#include "widgets/ElidedLabel.h"

#include <QAction>

#include <algorithm>
#include <QLabel>
#include <QCursor>
#include <QMenu>
#include <QTimer>
#include <QToolTip>

namespace {

constexpr int kRowTops[game::Seats] = {103, 129, 156, 182, 207, 234};

} // namespace

ScorePanel::ScorePanel(const SeatRoster& seats, const RoundStatus& status, const TurnClock& clock,
                       PlayerCommands& commands, QWidget* parent)
    : QWidget(parent)
    , m_seats(seats)
    , m_status(status)
    , m_clock(clock)
    , m_commands(commands)
{
    setObjectName(QStringLiteral("scorepanel"));
    installPlayAccessibility();
    setFixedSize(Width, Height);

    QLabel* title = looks::label(this, QStringLiteral("label_title"), QStringLiteral("Quillor"), QRect(10, 2, 259, 34),
                                 26, true, Qt::AlignCenter);
    looks::setInk(title, QColor(150, 70, 20));
    label_gametype = looks::label(this, QStringLiteral("label_gametype"), QString(), QRect(2, 37, 272, 22), 14, true,
                                  Qt::AlignCenter);
    label_gametype->setTextFormat(Qt::RichText); // the language beside the type, smaller
    // The leader's options come as he typed them.
    label_timeperturn = looks::nameLabel(this, QStringLiteral("label_timeperturn"), QRect(9, 61, 140, 14), 11);
    label_playtoscore = looks::nameLabel(this, QStringLiteral("label_playtoscore"), QRect(148, 61, 122, 14), 11, false,
                                         Qt::AlignRight | Qt::AlignVCenter);

    const struct {
        const char* text;
        int x;
        int w;
    } headings[] = {{QT_TR_NOOP("Player"), 45, 113}, {QT_TR_NOOP("Score"), 169, 50}, {QT_TR_NOOP("Bonus"), 225, 50}};
    for (const auto& h : headings) {
        QLabel* l = looks::label(this, QStringLiteral("heading_") + QLatin1String(h.text), tr(h.text),
                                 QRect(h.x, 84, h.w, 15), 11, true);
        looks::setInk(l, looks::inkSoft());
    }

    popup_kick = new QMenu(this);
    popup_kick->setObjectName(QStringLiteral("popup_kick"));
    RemoveFromGame1 = popup_kick->addAction(tr("Remove From Game"));
    SetToJustWatch1 = popup_kick->addAction(tr("Set to Just Watch"));
    UnsetJustWatch1 = popup_kick->addAction(tr("Unset Just Watch"));
    connect(RemoveFromGame1, &QAction::triggered, this, [this] { m_commands.removeFromGame(); });
    connect(SetToJustWatch1, &QAction::triggered, this, [this] { m_commands.setToJustWatch(); });
    connect(UnsetJustWatch1, &QAction::triggered, this, [this] { m_commands.unsetJustWatch(); });

    for (int i = 0; i < game::Seats; ++i) {
        const int seat = i + 1;
        const int top = kRowTops[i];
        const QString n = QString::number(seat);
        image_foundit[i] = makeMark(QStringLiteral("image_foundit") + n, QStringLiteral(":/pictures/foundit.png"), 10,
                                    top, QSize(14, 14));
        image_eyes[i] = makeMark(QStringLiteral("image_eyes") + n, QStringLiteral(":/pictures/eyes.png"), 17, top,
                                 QSize(20, 12));
        label_playername[i] = looks::nameLabel(this, QStringLiteral("label_playername") + n, QRect(45, top, 113, 16),
                                               13, true);
        label_playername[i]->setProperty("Tag", seat);
        label_playername[i]->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(label_playername[i], &QWidget::customContextMenuRequested, this, [this, seat, i](const QPoint& p) {
            label_playername1ContextPopup(seat, label_playername[i]->mapToGlobal(p));
        });
        label_score[i] = looks::label(this, QStringLiteral("label_score") + n, QString(), QRect(169, top, 50, 16), 13,
                                      true);
        label_bonus[i] = looks::label(this, QStringLiteral("label_bonus") + n, QString(), QRect(225, top, 45, 16), 13);
        looks::setInk(label_bonus[i], QColor(40, 120, 40));
        image_leader[i] = looks::label(this, QStringLiteral("image_leader") + n, QStringLiteral("\u2605"),
                                       QRect(160, top, 14, 16), 14, true, Qt::AlignCenter);
        looks::setInk(image_leader[i], QColor(184, 120, 16));
        image_leader[i]->setToolTip(tr("Leads the game: starts it and may remove players"));
        image_leader[i]->hide();
    }
    m_awayTimer = new QTimer(this);
    m_awayTimer->setInterval(1000);
    connect(m_awayTimer, &QTimer::timeout, this, &ScorePanel::showAway);

    m_scaled.capture(this);

    connect(&seats, &SeatRoster::changed, this, &ScorePanel::showSeats);
    connect(&status, &RoundStatus::changed, this, &ScorePanel::showGame);
    connect(&clock, &TurnClock::changed, this, &ScorePanel::showGame);
    showSeats();
    showGame();
}

void ScorePanel::setScale(double scale)
{
    setFixedSize(ScaledChildren::scaled(QRect(0, 0, Width, Height), scale).size());
    m_scaled.apply(scale);
}

QLabel* ScorePanel::makeMark(const QString& name, const QString& picture, int x, int rowTop, QSize fallback)
{
    const QPixmap pm = looks::pictureOr(picture, fallback, QColor(70, 140, 60));
    const QSize size = pm.deviceIndependentSize().toSize();
    auto* l = new QLabel(this);
    l->setObjectName(name);
    l->setPixmap(pm);
    l->setScaledContents(true); // grows with the scoreboard
    // Level with the 16-pixel name label of the row.
    l->setGeometry(x, rowTop + (16 - size.height()) / 2, size.width(), size.height());
    l->hide();
    return l;
}

void ScorePanel::showSeats()
{
    for (int i = 0; i < game::Seats; ++i) {
        const SeatRoster::Seat& s = m_seats.seat(i + 1);
        // A seat kept for a player who is away shows his name, greyed.
        const bool empty = s.name == SeatRoster::Waiting;
        label_playername[i]->setText(s.away ? s.awayName : empty ? SeatRoster::waitingText() : s.name);
        label_playername[i]->setToolTipHint(m_leading && !empty ? tr(qUtf8Printable(RightClickHint)) : QString());
        looks::setInk(label_playername[i], s.away ? looks::inkFaint() : empty ? looks::inkSoft() : looks::ink());
        QFont nf = label_playername[i]->font();
        nf.setBold(!empty);
        nf.setItalic(empty);
        label_playername[i]->setFont(nf);
        // The leader's star follows his name.
        const int nameWidth = label_playername[i]->fontMetrics().horizontalAdvance(label_playername[i]->shownText());
        image_leader[i]->move(45 + std::min(nameWidth, 113) + 2, image_leader[i]->y());
        image_leader[i]->setVisible(s.leads && !empty);
        label_score[i]->setText(s.score);
        label_bonus[i]->setText(s.bonus);
        image_foundit[i]->setVisible(s.foundShown);
        image_eyes[i]->setVisible(s.eyesShown);
    }
    showAway();
}

void ScorePanel::showAway()
{
    for (int i = 0; i < game::Seats; ++i) {
        const SeatRoster::Seat& s = m_seats.seat(i + 1);
        ElidedLabel* label = label_playername[i];
        const QString tip = s.away ? tr("%1 is away: the seat is kept for %2 more seconds")
                                         .arg(s.awayName)
                                         .arg(m_seats.awaySecondsLeft(i + 1))
                                   : QString();
        if (label->toolTip() == tip)
            continue;
        label->setToolTip(tip);
        // A tooltip on the screen counts down with it.
        if (!tip.isEmpty() && QToolTip::isVisible() && label->underMouse())
            QToolTip::showText(QCursor::pos(), tip, label);
    }
    if (m_seats.anyAway()) {
        if (!m_awayTimer->isActive())
            m_awayTimer->start();
    } else
        m_awayTimer->stop();
}

void ScorePanel::setLeading(bool leads)
{
    m_leading = leads;
    showSeats();
}

void ScorePanel::showGame()
{
    // The language of the words beside the game type, smaller, once a game has one.
    const QString language = m_status.languageText();
    label_gametype->setText(language.isEmpty() ? m_status.gameTypeText()
                                               : QStringLiteral("%1 <small style=\"font-weight:normal\">%2</small>")
                                                     .arg(m_status.gameTypeText().toHtmlEscaped(), language.toHtmlEscaped()));
    label_playtoscore->setText(m_status.playToText());
    label_timeperturn->setText(m_clock.timePerTurnText());
}

void ScorePanel::label_playername1ContextPopup(int seat, const QPoint& globalPos)
{
    const PlayerCommands::SeatMenu m = m_commands.seatPopup(seat);
    RemoveFromGame1->setEnabled(m.removeEnabled);
    SetToJustWatch1->setEnabled(m.setWatchEnabled);
    UnsetJustWatch1->setEnabled(m.unsetWatchEnabled);
    popup_kick->popup(globalPos);
}
