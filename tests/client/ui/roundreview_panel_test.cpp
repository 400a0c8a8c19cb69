// The round review beside the board and the word's path over it, shown offscreen from
// a review fed as GameMessages would feed it.
#include "client/RoundReview.h"
#include "client/SeatRoster.h"
#include "client/ui/RoundReviewPanel.h"
#include "client/ui/WordPath.h"
#include "common/Files.h"

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class RoundReviewPanelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(words.isValid());
        context.state.myslot = 2;
        int seat = 1;
        for (const char* name : {"Ann", "Bob", "Cid", "Dan"})
            seats.setName(seat++, QString::fromLatin1(name));
    }
    // A small WordNet of one word.
    void installMeaning(const QByteArray& gloss = "small domesticated feline")
    {
        testutil::writeFile(words.filePath(QStringLiteral("data.noun")),
                            "00000000 05 n 01 cat 0 000 | " + gloss + "; \"the cat purred\"\n");
        testutil::writeFile(words.filePath(QStringLiteral("index.noun")), "cat n 1 0 1 0 00000000\n");
    }
    // Round 3 of a 60-second game, the word "cat" along row 2 from column 4.
    void playRound(const QList<std::pair<int, int>>& finds, bool outOfTime)
    {
        review.startGame(60);
        review.loadBoard(QStringLiteral("3"));
        review.showWord(QStringLiteral("cat"));
        for (const auto& [seat, points] : finds)
            review.seatFound(seat, points, points);
        review.endRound(outOfTime, {{4, 2}, {5, 2}, {6, 2}});
    }
    static QStringList row(const QTableWidget* t, int r)
    {
        QStringList cells;
        for (int c = 0; c < t->columnCount(); ++c)
            cells << t->item(r, c)->text();
        return cells;
    }

    QTemporaryDir words;
    ClientContext context;
    SeatRoster seats;
    WordMeanings meanings{words.path()};
    RoundReview review{context, seats, meanings};
};

} // namespace

TEST_F(RoundReviewPanelTest, ShowsFindersMissedAndTheMeaning)
{
    struct Case {
        const char* what;
        bool meaning;
        QList<std::pair<int, int>> finds;
        QList<QStringList> rows;
        QString notes;
    };
    const Case cases[] = {
        {"three finders, one miss, with a meaning", true, {{2, 57}, {1, 50}, {3, 0}},
         {{"1.", "Bob", "3 s", "+57"}, {"2.", "Ann", "10 s", "+50"}, {"3.", "Cid", "60 s", "0"}}, "Missed: Dan"},
        {"nobody, without a meaning", false, {}, {}, "Missed: Ann, Bob, Cid, Dan"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        installMeaning();
        // Without a meaning: a folder without WordNet's files.
        meanings.setFolder(c.meaning ? words.path() : words.filePath(QStringLiteral("none")));
        RoundReviewPanel panel(review);
        EXPECT_FALSE(panel.isVisible());
        playRound(c.finds, true);
        ASSERT_TRUE(panel.isVisible());
        EXPECT_EQ(panel.label_word->text(), "cat");
        EXPECT_EQ(panel.label_ending->text(), "Round 3: out of time");
        EXPECT_EQ(panel.label_meaning->isVisible(), c.meaning);
        if (c.meaning) {
            EXPECT_EQ(panel.label_meaning->text(), "noun: small domesticated feline");
        }
        ASSERT_EQ(panel.table_finders->rowCount(), c.rows.size());
        for (int r = 0; r < c.rows.size(); ++r)
            EXPECT_EQ(row(panel.table_finders, r), c.rows[r]);
        EXPECT_EQ(panel.table_finders->isVisible(), !c.rows.isEmpty());
        EXPECT_EQ(panel.label_nobody->isVisible(), c.rows.isEmpty());
        EXPECT_EQ(panel.label_missed->text(), c.notes);
        // This player's own row stands out.
        if (!c.rows.isEmpty()) {
            EXPECT_TRUE(panel.table_finders->item(0, 1)->font().bold());
            EXPECT_FALSE(panel.table_finders->item(1, 1)->font().bold());
        }
        EXPECT_LE(panel.sizeHint().width(), RoundReviewPanel::Width);
        EXPECT_LE(panel.minimumSizeHint().height(), RoundReviewPanel::Height);
        review.dismiss();
    }
}

TEST_F(RoundReviewPanelTest, ALongMeaningIsCutAndShownWholeInTheTooltip)
{
    QByteArray gloss;
    for (int i = 0; i < 40; ++i)
        gloss += "furry ";
    gloss += "end";
    installMeaning(gloss);
    RoundReviewPanel panel(review);
    playRound({}, true);
    const QString shown = panel.label_meaning->text();
    EXPECT_EQ(shown.count(QLatin1Char('\n')), RoundReviewPanel::GlossLines - 1) << shown.toStdString();
    EXPECT_TRUE(shown.endsWith(QChar(0x2026))) << shown.toStdString();
    EXPECT_EQ(panel.label_meaning->toolTip(), "noun: " + QString::fromLatin1(gloss));
    for (const QString& line : shown.split(QLatin1Char('\n')))
        EXPECT_LE(panel.label_meaning->fontMetrics().horizontalAdvance(line), RoundReviewPanel::Width - 16);
}

TEST_F(RoundReviewPanelTest, PinKeepsItIntoTheNextRoundAndCloseEndsIt)
{
    RoundReviewPanel panel(review);
    playRound({{1, 40}}, true);
    EXPECT_EQ(panel.button_pin->text(), "Pin");
    QTest::mouseClick(panel.button_pin, Qt::LeftButton);
    EXPECT_TRUE(review.pinned());
    EXPECT_EQ(panel.button_pin->text(), "Pinned");
    review.loadBoard(QStringLiteral("4"));
    EXPECT_TRUE(panel.isVisible());
    EXPECT_EQ(panel.label_ending->text(), "Round 3: the last round");
    QTest::mouseClick(panel.button_close, Qt::LeftButton);
    EXPECT_FALSE(review.shown());
    EXPECT_FALSE(panel.isVisible());
}

TEST_F(RoundReviewPanelTest, PathIsDrawnOverItsCellsAtAnyBoardSize)
{
    WordPathOverlay overlay(review);
    EXPECT_TRUE(overlay.testAttribute(Qt::WA_TransparentForMouseEvents));
    EXPECT_TRUE(overlay.cells().isEmpty());
    playRound({}, true);
    EXPECT_EQ(overlay.cells(), (QList<QPoint>{{4, 2}, {5, 2}, {6, 2}}));
    for (int scale : {1, 2}) {
        SCOPED_TRACE(scale);
        overlay.resize(440 * scale, 396 * scale);
        QImage image(overlay.size(), QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        overlay.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        const auto centre = [scale](int column, int row) {
            return QPoint(((column - 1) * 44 + 22) * scale, ((row - 1) * 44 + 22) * scale);
        };
        const auto alpha = [&](QPoint p) { return qAlpha(image.pixel(p)); };
        for (int column : {4, 5, 6}) {
            SCOPED_TRACE(column);
            // A ring around the letter, which itself stays clear.
            EXPECT_GT(alpha(centre(column, 2) - QPoint(0, 19 * scale)), 100);
            EXPECT_EQ(alpha(centre(column, 2)), 0);
        }
        // The links between the letters, where two tiles meet.
        for (int column : {4, 5})
            EXPECT_GT(alpha(QPoint(column * 44 * scale, (22 + 44) * scale)), 100) << column;
        // Off the path: cells beside it, below it and far away stay clear.
        for (const QPoint& cell : {QPoint(2, 2), QPoint(5, 4), QPoint(10, 9), QPoint(8, 2)})
            EXPECT_EQ(alpha(centre(cell.x(), cell.y()) - QPoint(0, 19 * scale)), 0) << cell.x() << "," << cell.y();
    }
    review.loadBoard(QStringLiteral("4"));
    EXPECT_TRUE(overlay.cells().isEmpty());
}
