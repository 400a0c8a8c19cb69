#include "BlockedWords.h"
#include "host/RandomSource.h"
#include "host/WordList.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <deque>
#include <map>
#include <set>

namespace {

constexpr int kEntries = 21109;

const WordList& builtInList()
{
    static const WordList list;
    return list;
}

// Words per length among the drawable entries, as the list is meant to hold them.
const std::map<int, int> kWantedSpread = {
    {3, 532},   {4, 1751},  {5, 2457}, {6, 3272},  {7, 3433},
    {8, 3093},  {9, 2674},  {10, 1816}, {11, 1074}, {12, 516},
};

std::array<int, 256> drawableSpread(const WordList& list)
{
    std::array<int, 256> spread{};
    for (int entry = 1; entry <= WordList::kDrawableEntries; ++entry)
        ++spread[list.GetString(entry).size()];
    return spread;
}

// Hands out prepared values and records every range it was asked for.
class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(std::deque<int> values) : m_values(std::move(values)) {}
    int draw(int n) override
    {
        ranges.push_back(n);
        if (m_values.empty()) {
            ADD_FAILURE() << "more draws than scripted";
            return 0;
        }
        const int v = m_values.front();
        m_values.pop_front();
        return v;
    }
    size_t left() const { return m_values.size(); }
    std::vector<int> ranges;

private:
    std::deque<int> m_values;
};

// The random value that makes the draw land on the first drawable entry of a length.
int valueForLength(int length)
{
    for (int entry = 1; entry <= WordList::kDrawableEntries; ++entry) {
        if (builtInList().GetString(entry).size() == length)
            return entry - 1;
    }
    ADD_FAILURE() << "no drawable word of " << length << " letters";
    return 0;
}

QByteArray wordAtValue(int value)
{
    return builtInList().GetString(value + 1);
}

} // namespace

TEST(WordListData, HoldsDistinctLowercaseWordsInOrderWithTheFixedEnds)
{
    const WordList& list = builtInList();
    ASSERT_EQ(list.count(), kEntries);
    EXPECT_EQ(list.GetString(0), "aardvark");
    EXPECT_EQ(list.GetString(1), "aback");
    EXPECT_EQ(list.GetString(21107), "zygote");
    EXPECT_EQ(list.GetString(21108), "zymase");

    QByteArray previous;
    for (int entry = 0; entry < list.count(); ++entry) {
        const QByteArray word = list.GetString(entry);
        ASSERT_FALSE(word.isEmpty()) << "entry " << entry;
        for (char c : word) {
            ASSERT_TRUE(c >= 'a' && c <= 'z') << "entry " << entry << ": " << word.constData();
        }
        if (entry > 0) {
            ASSERT_LT(previous, word) << "entry " << entry << " breaks the order";
        }
        previous = word;
    }
}

TEST(WordListData, LengthSpreadOfDrawableEntriesIsCloseToTheWantedOne)
{
    const auto spread = drawableSpread(builtInList());
    for (const auto& [length, wanted] : kWantedSpread) {
        EXPECT_LE(std::abs(spread[length] - wanted), wanted / 10)
            << length << " letters: " << spread[length] << " words, wanted about " << wanted;
    }
    for (size_t length = 20; length < spread.size(); ++length) {
        EXPECT_EQ(spread[length], 0) << length << " letters";
    }
    // The windows the draw uses must be well stocked.
    int straight = 0, onlyLetters = 0;
    for (int length = 3; length <= 8; ++length)
        straight += spread[length];
    for (int length = 6; length <= 10; ++length)
        onlyLetters += spread[length];
    EXPECT_GT(straight, 13000);
    EXPECT_GT(onlyLetters, 13000);
}

TEST(WordListData, ContainsNoBlockedWord)
{
    std::set<QByteArray> words;
    for (int entry = 0; entry < builtInList().count(); ++entry)
        words.insert(builtInList().GetString(entry));
    EXPECT_GT(hosttest::expectNoBlockedWord(words, QStringLiteral("blocked_words.txt")), 300);
}

TEST(WordListAccess, EntriesOutsideTheTableGiveEmptyText)
{
    const WordList& list = builtInList();
    for (int entry : {-1, INT_MIN, kEntries, kEntries + 1, INT_MAX}) {
        EXPECT_TRUE(list.GetString(entry).isEmpty()) << entry;
    }
    EXPECT_FALSE(list.GetString(kEntries - 1).isEmpty());
}

TEST(WordListAccess, ReadsCrLfLinesSkipsBlankOnesAndCutsOverlongEntries)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("words.txt"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const QByteArray longWord(300, 'q');
    file.write("alpha\r\nbravo\n\n" + longWord + "\r\ncharlie");
    file.close();

    const WordList list(path);
    ASSERT_EQ(list.count(), 4);
    EXPECT_EQ(list.GetString(0), "alpha");
    EXPECT_EQ(list.GetString(1), "bravo");
    EXPECT_EQ(list.GetString(2), QByteArray(255, 'q'));
    EXPECT_EQ(list.GetString(3), "charlie");
    EXPECT_TRUE(list.GetString(4).isEmpty());
}

TEST(WordListAccess, MissingFileGivesAnEmptyListThatDrawsNothing)
{
    const WordList list(QStringLiteral("/nonexistent/quillor/words.txt"));
    EXPECT_EQ(list.count(), 0);
    EXPECT_TRUE(list.GetString(0).isEmpty());
    ScriptedRandom rnd({});
    EXPECT_TRUE(list.drawWord(rnd, false, false).isEmpty());
    EXPECT_TRUE(list.drawWord(rnd, true, true).isEmpty());
    EXPECT_TRUE(rnd.ranges.empty());
}

TEST(WordListAccess, ListWithoutLongWordsGivesUpOnOnlyLettersInsteadOfLooping)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("short.txt"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("aaa\ncat\ndog\nzzz\n");
    file.close();

    const WordList list(path);
    // Entries 1 and 2 can be drawn (never the first or the last); a value beyond the
    // table is redrawn.
    ScriptedRandom straight({5000, 1});
    EXPECT_EQ(list.drawWord(straight, false, false), "dog");
    EXPECT_EQ(straight.ranges, (std::vector<int>{2, 2}));
    ScriptedRandom onlyLetters({0});
    EXPECT_TRUE(list.drawWord(onlyLetters, false, true).isEmpty());
    EXPECT_EQ(onlyLetters.left(), 0u);
    ScriptedRandom scrambled({});
    EXPECT_TRUE(list.drawWord(scrambled, true, false).isEmpty());
}

// Many seeded games: every option set stays inside its window and never uses the
// first or last entry.
TEST(WordListDraw, SeededDrawsStayInsideTheirWindows)
{
    const WordList& list = builtInList();
    struct Options {
        bool scrambled, onlyLetters;
        int minLength, maxLength;
    };
    for (const Options& o : {Options{false, false, 3, 8}, Options{true, false, 5, 10},
                             Options{false, true, 6, 10}, Options{true, true, 6, 10}}) {
        SeededRandom rnd(1234 + o.scrambled * 2 + o.onlyLetters);
        std::array<int, 256> seen{};
        for (int i = 0; i < 20000; ++i) {
            const QByteArray word = list.drawWord(rnd, o.scrambled, o.onlyLetters);
            ASSERT_GE(word.size(), o.minLength) << word.constData();
            ASSERT_LE(word.size(), o.maxLength) << word.constData();
            ASSERT_NE(word, "aardvark");
            ASSERT_NE(word, "zymase");
            ++seen[word.size()];
        }
        // Both ends of each window come up.
        EXPECT_GT(seen[o.minLength], 0) << o.scrambled << o.onlyLetters;
        EXPECT_GT(seen[o.maxLength], 0) << o.scrambled << o.onlyLetters;
    }
}

// Words are drawn by entry, so each length comes up as often as it is stocked; in a
// straight game with only-letters, 9 and 10 letters come only from the second drawing.
TEST(WordListDraw, LengthsComeUpInProportionToTheList)
{
    const WordList& list = builtInList();
    const auto spread = drawableSpread(list);
    auto sum = [&](int from, int to) {
        double n = 0;
        for (int length = from; length <= to; ++length)
            n += spread[length];
        return n;
    };
    const int draws = 40000;

    SeededRandom straightRnd(99);
    std::array<int, 256> straight{};
    for (int i = 0; i < draws; ++i)
        ++straight[list.drawWord(straightRnd, false, false).size()];
    for (int length = 3; length <= 8; ++length) {
        const double expected = draws * spread[length] / sum(3, 8);
        EXPECT_NEAR(straight[length], expected, expected * 0.15 + 30) << length << " letters";
    }

    SeededRandom onlyRnd(7);
    int nineOrTen = 0;
    for (int i = 0; i < draws; ++i) {
        if (list.drawWord(onlyRnd, false, true).size() >= 9)
            ++nineOrTen;
    }
    const double share = sum(3, 5) / sum(3, 8) * sum(9, 10) / sum(6, 10);
    EXPECT_NEAR(nineOrTen / double(draws), share, 0.015);
    EXPECT_GT(nineOrTen, 0);
}

TEST(WordListDraw, EveryDrawAsksForAnEntryFromOneTo21107)
{
    ScriptedRandom rnd({0, 21106});
    // The smallest value reads entry 1, the largest entry 21107.
    EXPECT_EQ(builtInList().drawWord(rnd, false, false), "aback");
    EXPECT_EQ(builtInList().drawWord(rnd, false, false), "zygote");
    EXPECT_EQ(rnd.ranges, (std::vector<int>{21107, 21107}));
}

TEST(WordListDraw, StraightGameRedrawsUntilThreeToEightLetters)
{
    const int two = valueForLength(2), nine = valueForLength(9), three = valueForLength(3);
    const int eight = valueForLength(8);
    ScriptedRandom rnd({two, nine, three, eight});
    EXPECT_EQ(builtInList().drawWord(rnd, false, false), wordAtValue(three));
    EXPECT_EQ(builtInList().drawWord(rnd, false, false), wordAtValue(eight));
    EXPECT_EQ(rnd.left(), 0u);
}

TEST(WordListDraw, ScrambledGameRedrawsUntilFiveToTenLetters)
{
    const int four = valueForLength(4), eleven = valueForLength(11), five = valueForLength(5);
    const int ten = valueForLength(10);
    ScriptedRandom rnd({four, eleven, five, ten});
    EXPECT_EQ(builtInList().drawWord(rnd, true, false), wordAtValue(five));
    EXPECT_EQ(builtInList().drawWord(rnd, true, false), wordAtValue(ten));
    EXPECT_EQ(rnd.left(), 0u);
}

TEST(WordListDraw, OnlyLettersRedrawsAShortWordInTheSixToTenWindow)
{
    // Straight: a 9-letter word is refused first, a 4-letter one accepted, then being
    // short it is replaced: 5 and 11 letters are refused and 10 letters accepted.
    const int nine = valueForLength(9), four = valueForLength(4), five = valueForLength(5);
    const int eleven = valueForLength(11), ten = valueForLength(10);
    ScriptedRandom straight({nine, four, five, eleven, ten});
    EXPECT_EQ(builtInList().drawWord(straight, false, true), wordAtValue(ten));
    EXPECT_EQ(straight.left(), 0u);

    // Scrambled: a 5-letter word is replaced; 3 letters refused, 6 accepted.
    const int three = valueForLength(3), six = valueForLength(6);
    ScriptedRandom scrambled({five, three, six});
    EXPECT_EQ(builtInList().drawWord(scrambled, true, true), wordAtValue(six));
    EXPECT_EQ(scrambled.left(), 0u);
}

TEST(WordListDraw, OnlyLettersKeepsAWordOfSixOrMoreFromTheFirstDrawing)
{
    const int seven = valueForLength(7), six = valueForLength(6), eight = valueForLength(8);
    const int spare = valueForLength(9);
    ScriptedRandom rnd({seven, six, eight, spare});
    EXPECT_EQ(builtInList().drawWord(rnd, false, true), wordAtValue(seven));
    EXPECT_EQ(builtInList().drawWord(rnd, true, true), wordAtValue(six));
    EXPECT_EQ(builtInList().drawWord(rnd, false, true), wordAtValue(eight));
    EXPECT_EQ(rnd.left(), 1u);
}
