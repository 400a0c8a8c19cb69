#include "client/ui/RoundReviewPanel.h"

#include "client/GameSummary.h"
#include "client/RoundReview.h"
#include "client/ui/Looks.h"
#include "widgets/ScaledChildren.h"

#include <QHBoxLayout>
#include <algorithm>
#include <cmath>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTextLayout>
#include <QVBoxLayout>

namespace {

QLabel* plainLabel(QWidget* parent, const QString& name, int pixelSize, bool bold, const QColor& ink)
{
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setTextFormat(Qt::PlainText);
    l->setFont(looks::uiFont(pixelSize, bold));
    looks::setInk(l, ink);
    return l;
}

QString pointsText(int points)
{
    return points > 0 ? QStringLiteral("+%1").arg(points) : QString::number(points);
}

// The text as the label wraps it, cut with an ellipsis after `lines` lines.
QString fitLines(const QString& text, const QFont& font, int width, int lines)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    QStringList out;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        if (out.size() == lines - 1) {
            const QString rest = text.mid(line.textStart());
            out << QFontMetrics(font).elidedText(rest, Qt::ElideRight, width);
            break;
        }
        out << text.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    return out.join(QLatin1Char('\n'));
}

QString namesOf(const QList<SeatName>& list)
{
    QStringList names;
    for (const SeatName& s : list)
        names << s.name;
    return names.join(QStringLiteral(", "));
}

} // namespace

RoundReviewPanel::RoundReviewPanel(RoundReview& review, QWidget* parent)
    : QFrame(parent)
    , m_review(review)
{
    setObjectName(QStringLiteral("panel_review"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(250, 240, 214));
    setPalette(pal);
    setMinimumWidth(Width);
    setMaximumWidth(Width);

    label_word = plainLabel(this, QStringLiteral("label_word"), 24, true, QColor(150, 70, 20));
    label_word->setAlignment(Qt::AlignCenter);
    label_ending = plainLabel(this, QStringLiteral("label_ending"), 12, false, looks::inkSoft());
    label_ending->setAlignment(Qt::AlignCenter);
    label_meaning = plainLabel(this, QStringLiteral("label_meaning"), 12, false, looks::ink());
    label_meaning->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    table_finders = new QTableWidget(0, 4, this);
    table_finders->setObjectName(QStringLiteral("table_finders"));
    table_finders->setHorizontalHeaderLabels({QString(), tr("Player"), tr("Time"),
                                              tr("Points")});
    table_finders->verticalHeader()->hide();
    table_finders->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_finders->setSelectionMode(QAbstractItemView::NoSelection);
    table_finders->setFocusPolicy(Qt::NoFocus);
    table_finders->setShowGrid(false);
    table_finders->setFont(looks::uiFont(13, false));
    table_finders->verticalHeader()->setDefaultSectionSize(22);
    table_finders->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QHeaderView* head = table_finders->horizontalHeader();
    head->setFont(looks::uiFont(11, true));
    head->setSectionResizeMode(QHeaderView::Fixed);
    head->setSectionResizeMode(1, QHeaderView::Stretch);
    table_finders->setColumnWidth(0, 30);
    table_finders->setColumnWidth(2, 52);
    table_finders->setColumnWidth(3, 56);
    table_finders->setStyleSheet(QStringLiteral(
        "QTableWidget { background: rgb(255, 250, 238); color: rgb(52, 34, 14);"
        " border: 1px solid rgb(190, 150, 90); }"
        "QHeaderView::section { background: rgb(240, 222, 180); color: rgb(112, 80, 44);"
        " border: none; padding: 2px 4px; }"));

    label_nobody = plainLabel(this, QStringLiteral("label_nobody"), 13, true, looks::inkSoft());
    label_nobody->setText(tr("Nobody found it."));
    label_nobody->setAlignment(Qt::AlignCenter);
    label_missed = plainLabel(this, QStringLiteral("label_missed"), 12, false, looks::ink());
    label_missed->setWordWrap(true);

    button_pin = new QPushButton(tr("Pin"), this);
    button_pin->setObjectName(QStringLiteral("button_pin"));
    button_pin->setCheckable(true);
    button_pin->setToolTip(tr("Keep this review open during the next round"));
    button_close = new QPushButton(tr("Close"), this);
    button_close->setObjectName(QStringLiteral("button_close"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(button_pin);
    buttons->addStretch(1);
    buttons->addWidget(button_close);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(Margin, 6, Margin, Margin);
    column->setSpacing(5);
    column->addWidget(label_word);
    column->addWidget(label_ending);
    column->addWidget(label_meaning);
    column->addWidget(table_finders, 1);
    column->addWidget(label_nobody);
    column->addWidget(label_missed);
    // Takes the room the finders' table leaves when nobody found the word, so that the
    // rest stays together at the top.
    column->addStretch(0);
    column->addLayout(buttons);

    for (QWidget* w : std::initializer_list<QWidget*>{label_word, label_ending, label_meaning, table_finders, head,
                                                      label_nobody, label_missed, button_pin, button_close})
        m_fonts.append({w, w->font()});

    connect(button_pin, &QPushButton::toggled, this, [this](bool on) { m_review.setPinned(on); });
    connect(button_close, &QPushButton::clicked, this, [this] { m_review.dismiss(); });
    connect(&review, &RoundReview::changed, this, &RoundReviewPanel::showReview);
    showReview();
}

void RoundReviewPanel::setScale(double scale)
{
    if (scale == m_scale)
        return;
    m_scale = scale;
    const auto px = [scale](int n) { return std::max(1, int(std::lround(n * scale))); };
    setMinimumWidth(0);
    setMaximumWidth(QWIDGETSIZE_MAX);
    for (const auto& [widget, font] : std::as_const(m_fonts))
        widget->setFont(ScaledChildren::scaled(font, scale));
    table_finders->verticalHeader()->setDefaultSectionSize(px(22));
    table_finders->setColumnWidth(0, px(30));
    table_finders->setColumnWidth(2, px(52));
    table_finders->setColumnWidth(3, px(56));
    layout()->setContentsMargins(px(Margin), px(6), px(Margin), px(Margin));
    layout()->setSpacing(px(5));
    showReview();
}

void RoundReviewPanel::showReview()
{
    if (!m_review.shown()) {
        hide();
        return;
    }
    const RoundRecord& r = m_review.review();
    label_word->setText(r.word);
    QString ending = r.outOfTime ? QStringLiteral("out of time") : QStringLiteral("everyone found it");
    if (!m_review.onItsBoard())
        ending = QStringLiteral("the last round");
    label_ending->setText(tr("Round %1: %2").arg(r.round, ending));

    // Each gloss on two lines at most; the tooltip has them whole.
    QStringList glosses;
    QStringList shown;
    const int width = int((Width - 2 * Margin - 2) * m_scale);
    for (const WordMeanings::Meaning& m : r.meanings) {
        glosses << QStringLiteral("%1: %2").arg(m.partOfSpeech, m.gloss);
        shown << fitLines(glosses.last(), label_meaning->font(), width, GlossLines);
    }
    label_meaning->setText(shown.join(QLatin1Char('\n')));
    label_meaning->setToolTip(glosses.join(QLatin1Char('\n')));
    label_meaning->setVisible(!glosses.isEmpty());

    table_finders->setRowCount(int(r.finds.size()));
    const int mySeat = m_review.mySeat();
    for (int row = 0; row < r.finds.size(); ++row) {
        const RoundFind& f = r.finds[row];
        const QString cells[] = {QStringLiteral("%1.").arg(f.place), f.name, GameSummary::secondsText(f.seconds),
                                 pointsText(f.points)};
        for (int c = 0; c < 4; ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            item->setTextAlignment(c == 1 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
            QFont font = table_finders->font();
            font.setBold(f.seat == mySeat);
            item->setFont(font);
            if (c == 1)
                item->setToolTip(f.name);
            table_finders->setItem(row, c, item);
        }
    }
    table_finders->setVisible(!r.finds.isEmpty());
    label_nobody->setVisible(r.finds.isEmpty());

    QStringList notes;
    if (!r.missed.isEmpty())
        notes << QStringLiteral("Missed: ") + namesOf(r.missed);
    if (!r.left.isEmpty())
        notes << QStringLiteral("Left: ") + namesOf(r.left);
    label_missed->setText(notes.join(QLatin1Char('\n')));
    label_missed->setVisible(!notes.isEmpty());

    const QSignalBlocker quiet(button_pin);
    button_pin->setChecked(m_review.pinned());
    button_pin->setText(m_review.pinned() ? tr("Pinned") : tr("Pin"));
    show();
}
