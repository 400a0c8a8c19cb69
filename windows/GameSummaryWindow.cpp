#include "windows/GameSummaryWindow.h"

#include "client/GameSummary.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>

namespace {

// A seat's column is no wider than this.
constexpr int NameWidth = 110;
constexpr int HeaderPadding = 8; // each side of a header's text, as the style sheet sets it

// Columns before the seats' points.
enum Column { RoundColumn, WordColumn, FirstColumn, TimeColumn, SeatColumns };

QTableWidgetItem* cell(const QString& text, bool bold = false, bool number = false)
{
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(number ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter);
    item->setToolTip(text);
    if (bold) {
        QFont f = item->font();
        f.setBold(true);
        item->setFont(f);
    }
    return item;
}

} // namespace

GameSummaryWindow::GameSummaryWindow(const GameSummary& summary, QWidget* parent)
    : BackdropForm(parent, Qt::Window)
    , m_summary(summary)
{
    setObjectName(QStringLiteral("gamesummary"));
    setWindowTitle(tr("Quillor - Game Summary"));

    label_title = new QLabel(this);
    label_title->setObjectName(QStringLiteral("label_title"));
    label_title->setTextFormat(Qt::PlainText);
    QFont heading = label_title->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.25);
    label_title->setFont(heading);
    label_title->setAlignment(Qt::AlignCenter);

    table_rounds = new QTableWidget(this);
    table_rounds->setObjectName(QStringLiteral("table_rounds"));
    table_rounds->verticalHeader()->hide();
    table_rounds->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_rounds->setSelectionMode(QAbstractItemView::NoSelection);
    table_rounds->verticalHeader()->setDefaultSectionSize(22);
    table_rounds->setStyleSheet(QStringLiteral(
        "QTableWidget { background: rgb(255, 250, 238); color: rgb(40, 28, 10);"
        " gridline-color: rgb(230, 210, 170); border: 1px solid rgb(150, 110, 50); }"
        "QHeaderView::section { background: rgb(240, 222, 180); color: rgb(90, 60, 20);"
        " border: none; border-right: 1px solid rgb(230, 210, 170); padding: 3px 8px; font-weight: bold; }"));

    label_fastest = new QLabel(this);
    label_fastest->setObjectName(QStringLiteral("label_fastest"));
    label_fastest->setTextFormat(Qt::PlainText);
    label_fastest->setWordWrap(true);

    button_copy = new QPushButton(tr("Copy"), this);
    button_copy->setObjectName(QStringLiteral("button_copy"));
    button_copy->setToolTip(tr("Put the table on the clipboard as plain text"));
    button_close = new QPushButton(tr("Close"), this);
    button_close->setObjectName(QStringLiteral("button_close"));
    button_close->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(button_copy);
    buttons->addStretch(1);
    buttons->addWidget(button_close);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(14, 12, 14, 12);
    column->setSpacing(8);
    column->addWidget(label_title);
    column->addWidget(table_rounds, 1);
    column->addWidget(label_fastest);
    column->addLayout(buttons);

    connect(button_copy, &QPushButton::clicked, this, &GameSummaryWindow::button_copyClick);
    connect(button_close, &QPushButton::clicked, this, &QWidget::hide);
    connect(&summary, &GameSummary::changed, this, &GameSummaryWindow::showSummary);
    showSummary();
    resize(560, 380);
}

void GameSummaryWindow::button_copyClick()
{
    QGuiApplication::clipboard()->setText(m_summary.text());
}

void GameSummaryWindow::showSummary()
{
    const GameSummary& s = m_summary;
    label_title->setText(s.winner().isEmpty() ? tr("Game summary")
                                              : tr("%1 has Won the Game!").arg(s.winner()));
    const QList<int> seats = s.seats();
    QStringList head{tr("Round"), tr("Word"), tr("First"), tr("Time")};
    for (int seat : seats)
        head << s.seatName(seat);

    const QList<RoundRecord>& rounds = s.rounds();
    const int extra = (s.joinedLate() ? 1 : 0) + 2; // before this player came, total, average
    table_rounds->clear();
    table_rounds->setColumnCount(int(head.size()));
    table_rounds->setRowCount(int(rounds.size()) + extra);
    table_rounds->setHorizontalHeaderLabels(head);

    int row = 0;
    for (const RoundRecord& r : rounds) {
        const RoundFind* first = r.finds.isEmpty() ? nullptr : &r.finds.first();
        table_rounds->setItem(row, RoundColumn, cell(r.round, false, true));
        table_rounds->setItem(row, WordColumn, cell(r.word, true));
        table_rounds->setItem(row, FirstColumn, cell(first ? first->name : QStringLiteral("nobody")));
        table_rounds->setItem(row, TimeColumn,
                              cell(first && first->seen ? GameSummary::secondsText(first->seconds) : QString(), false,
                                   true));
        for (int i = 0; i < seats.size(); ++i) {
            const std::optional<int> p = GameSummary::pointsIn(r, seats[i]);
            table_rounds->setItem(row, SeatColumns + i, cell(p ? QString::number(*p) : QStringLiteral("-"), false, true));
        }
        ++row;
    }
    const auto summaryRow = [&](const QString& label, const std::function<QString(int seat)>& value, bool bold) {
        table_rounds->setItem(row, RoundColumn, cell(label, bold));
        table_rounds->setSpan(row, RoundColumn, 1, SeatColumns);
        for (int i = 0; i < seats.size(); ++i)
            table_rounds->setItem(row, SeatColumns + i, cell(value(seats[i]), bold, true));
        ++row;
    };
    if (s.joinedLate())
        summaryRow(tr("Before you came"), [&s](int seat) { return QString::number(s.carriedIn(seat)); },
                   false);
    summaryRow(tr("Total"), [&s](int seat) { return QString::number(s.total(seat)); }, true);
    summaryRow(tr("Average time"),
               [&s](int seat) {
                   const std::optional<double> a = s.averageSeconds(seat);
                   return a ? GameSummary::secondsText(*a) : QStringLiteral("-");
               },
               false);

    // Every column as wide as its contents; a long name is cut in its header, and shown
    // whole in the header's tooltip.
    QFont bold = table_rounds->horizontalHeader()->font();
    bold.setBold(true);
    const QFontMetrics heading(bold);
    for (int i = 0; i < seats.size(); ++i) {
        QTableWidgetItem* item = table_rounds->horizontalHeaderItem(SeatColumns + i);
        item->setText(heading.elidedText(s.seatName(seats[i]), Qt::ElideRight, NameWidth - 2 * HeaderPadding - 4));
        item->setToolTip(s.seatName(seats[i]));
    }
    table_rounds->resizeColumnsToContents();
    for (int i = 0; i < seats.size(); ++i)
        table_rounds->setColumnWidth(SeatColumns + i, std::min(table_rounds->columnWidth(SeatColumns + i), NameWidth));

    if (const std::optional<GameSummary::Fastest> f = s.fastest()) {
        const RoundRecord& r = rounds[f->round];
        label_fastest->setText(QStringLiteral("Fastest find: %1 found \"%2\" in %3 (round %4).")
                                   .arg(f->find.name, r.word, GameSummary::secondsText(f->find.seconds), r.round));
    } else {
        label_fastest->setText(tr("Nobody found a word in this game."));
    }
    button_copy->setEnabled(!rounds.isEmpty());
}
