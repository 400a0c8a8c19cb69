#include "client/ui/PlayAccessibility.h"

#include <QCoreApplication>
#include "client/BoardFocus.h"
#include "client/SeatRoster.h"
#include "client/WordEntry.h"
#include "net/GameConstants.h"
#include "client/ui/BoardView.h"
#include "client/ui/ScorePanel.h"
#include "widgets/TimeBar.h"

#include <QLabel>

namespace {

// The clock's bar: a progress bar whose value is the part of the turn left.
class TimeBarAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit TimeBarAccessible(TimeBar* bar) : QAccessibleWidget(bar, QAccessible::ProgressBar) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return QCoreApplication::translate("PlayAccessibility", "Time left");
        if (t == QAccessible::Value)
            return QStringLiteral("%1%").arg(qRound(100.0 * bar()->barWidth() / qMax(1, bar()->fullWidth())));
        return QAccessibleWidget::text(t);
    }

    QVariant currentValue() const override { return bar()->barWidth(); }
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return bar()->fullWidth(); }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    TimeBar* bar() const { return static_cast<TimeBar*>(widget()); }
};

// The round bar's status line: a status bar whose text is read out as it changes.
class StatusAccessible : public QAccessibleWidget {
public:
    explicit StatusAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::StatusBar) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<QLabel*>(widget())->text();
        if (t == QAccessible::Description)
            return QCoreApplication::translate("PlayAccessibility", "Status");
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* playFactory(const QString& className, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    if (className == QLatin1String("BoardView"))
        return new BoardAccessible(static_cast<BoardView*>(object));
    if (className == QLatin1String("ScorePanel"))
        return new ScoreAccessible(static_cast<ScorePanel*>(object));
    if (className == QLatin1String("TimeBar"))
        return new TimeBarAccessible(static_cast<TimeBar*>(object));
    if (object->objectName() == StatusLineName && qobject_cast<QLabel*>(object))
        return new StatusAccessible(static_cast<QLabel*>(object));
    return nullptr;
}

} // namespace

void installPlayAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(playFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

// ---- the board ----

BoardAccessible::BoardAccessible(BoardView* board)
    : AccessibleGrid(board, QCoreApplication::translate("PlayAccessibility", "Board"))
{
}

BoardView* BoardAccessible::board() const
{
    return static_cast<BoardView*>(widget());
}

QString BoardAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Description)
        return QCoreApplication::translate("PlayAccessibility", "Letters in %1 rows and %2 columns").arg(WordEntry::Rows).arg(WordEntry::Columns);
    return AccessibleGrid::text(t);
}

int BoardAccessible::rowCount() const
{
    return WordEntry::Rows;
}

int BoardAccessible::columnCount() const
{
    return WordEntry::Columns;
}

QString BoardAccessible::cellName(int row, int column) const
{
    return describeCell(board()->entry(), QPoint(column + 1, row + 1));
}

QRect BoardAccessible::cellRect(int row, int column) const
{
    return board()->cellRect(QPoint(column + 1, row + 1)).toAlignedRect();
}

bool BoardAccessible::cellSelected(int row, int column) const
{
    return pickNumber(board()->entry(), QPoint(column + 1, row + 1)) > 0;
}

bool BoardAccessible::cellFocusable() const
{
    return board()->keyboard() != nullptr;
}

QPoint BoardAccessible::focusCell() const
{
    const BoardFocus* focus = board()->keyboard();
    if (!focus || !board()->hasFocus())
        return QPoint(-1, -1);
    return focus->cell() - QPoint(1, 1);
}

// ---- the scoreboard ----

ScoreAccessible::ScoreAccessible(ScorePanel* panel)
    : AccessibleGrid(panel, QCoreApplication::translate("PlayAccessibility", "Scores"))
{
}

ScorePanel* ScoreAccessible::panel() const
{
    return static_cast<ScorePanel*>(widget());
}

int ScoreAccessible::rowCount() const
{
    return game::Seats;
}

namespace {

QLabel* seatLabel(const ScorePanel* panel, int row, int column)
{
    const auto seat = std::size_t(row);
    return column == 0 ? panel->label_playername[seat] : column == 1 ? panel->label_score[seat] : panel->label_bonus[seat];
}

} // namespace

QString ScoreAccessible::cellName(int row, int column) const
{
    // The whole text, also where the screen shows a long name cut short.
    const QString text = seatLabel(panel(), row, column)->text();
    if (column == 0 && (text == SeatRoster::waitingText() || text.trimmed().isEmpty()))
        return QCoreApplication::translate("PlayAccessibility", "Empty seat");
    return text;
}

QRect ScoreAccessible::cellRect(int row, int column) const
{
    return seatLabel(panel(), row, column)->geometry();
}

QString ScoreAccessible::columnDescription(int column) const
{
    static const char* const names[Columns] = {"Name", "Score", "Bonus"};
    return column >= 0 && column < Columns ? QString::fromLatin1(names[column]) : QString();
}
