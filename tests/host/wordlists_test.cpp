// The built-in word lists of every language, their letter tables, the choice of
// language and the board's filler letters.
#include "BlockedWords.h"
#include "host/BoardGenerator.h"
#include "host/LetterWeights.h"
#include "host/RandomSource.h"
#include "host/WordLists.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <set>
#include <stdexcept>

namespace {

// Words per length in the English list: no other language has more of a length.
const std::map<int, int> kEnglishPerLength = {
    {3, 532}, {4, 1751}, {5, 2457}, {6, 3272}, {7, 3433}, {8, 3093}, {9, 2674}, {10, 1816},
};

void writeFile(const QString& path, const QByteArray& text)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << qPrintable(path);
    file.write(text);
}

std::set<QByteArray> wordsOf(const WordList& list)
{
    std::set<QByteArray> words;
    for (int entry = 0; entry < list.count(); ++entry)
        words.insert(list.GetString(entry));
    return words;
}

// The letters of a board, column by column.
QByteArray boardLetters(const BoardGenerator& b)
{
    QByteArray letters;
    for (int x = 1; x <= BoardGenerator::kColumns; ++x) {
        for (int y = 1; y <= BoardGenerator::kRows; ++y)
            letters.append(char('a' + b.cell(x, y) - 1));
    }
    return letters;
}

class BuiltInList : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        lists.setLanguage(QString::fromLatin1(GetParam()));
        ASSERT_GT(lists.words().count(), 15000) << GetParam() << ": the built-in list is missing";
    }
    WordLists lists;
};

} // namespace

TEST_P(BuiltInList, HoldsDistinctSortedWordsOfThreeToTenLettersAToZ)
{
    const WordList& list = lists.words();
    QByteArray previous;
    for (int entry = 0; entry < list.count(); ++entry) {
        const QByteArray word = list.GetString(entry);
        ASSERT_GE(word.size(), 3) << word.constData();
        ASSERT_LE(word.size(), 10) << word.constData();
        for (char c : word)
            ASSERT_TRUE(c >= 'a' && c <= 'z') << "entry " << entry << ": " << word.constData();
        ASSERT_LT(previous, word) << "entry " << entry << " breaks the order";
        previous = word;
    }
}

// Every game type draws each of its lengths often enough, and no length is stocked
// beyond the English one, so the lengths come up in about the English proportions.
TEST_P(BuiltInList, EveryLengthAndEveryGameTypeIsWellStocked)
{
    std::array<int, WordList::kMaxWordLength + 1> perLength{};
    const WordList& list = lists.words();
    for (int entry = 1; entry <= list.drawableEntries(); ++entry)
        ++perLength[list.GetString(entry).size()];
    for (const auto& [length, english] : kEnglishPerLength) {
        EXPECT_GE(perLength[length], 150) << GetParam() << ": " << length << " letters";
        EXPECT_LE(perLength[length], english) << GetParam() << ": " << length << " letters";
    }
    for (const auto& [low, high] : {std::pair{3, 8}, std::pair{5, 10}, std::pair{6, 10}}) {
        int words = 0;
        for (int length = low; length <= high; ++length)
            words += perLength[length];
        EXPECT_GE(words, 10000) << GetParam() << ": " << low << " to " << high << " letters";
    }
}

TEST_P(BuiltInList, ContainsNoBlockedWord)
{
    const QString file = QStringLiteral("blocked_words_%1.txt").arg(QLatin1String(GetParam()));
    EXPECT_GE(hosttest::expectNoBlockedWord(wordsOf(lists.words()), file), 10);
}

// The table is measured from the list itself: a list regenerated without its table
// (or the other way round) fails here.
TEST_P(BuiltInList, LetterTableCountsTheListsOwnLetters)
{
    const LetterWeights& table = lists.letters();
    ASSERT_FALSE(table.uniform()) << GetParam() << ": no letter table";
    std::array<qint64, game::Letters + 1> counted{};
    qint64 letters = 0;
    for (const QByteArray& word : wordsOf(lists.words())) {
        for (char c : word)
            ++counted[c - 'a' + 1];
        letters += word.size();
    }
    EXPECT_EQ(table.total(), letters);
    int commonest = 1;
    for (int code = 1; code <= game::Letters; ++code) {
        EXPECT_EQ(table.weight(code), counted[code]) << GetParam() << ": " << char('a' + code - 1);
        if (table.weight(code) > table.weight(commonest))
            commonest = code;
    }
    // In each of these languages the commonest letter is "a", "e" or "i".
    EXPECT_TRUE(commonest == 1 || commonest == 5 || commonest == 9) << char('a' + commonest - 1);
}

INSTANTIATE_TEST_SUITE_P(Languages, BuiltInList, ::testing::Values("fr", "de", "es", "it", "pt", "nl", "sv"),
                         [](const auto& info) { return std::string(info.param); });

TEST(WordLists, EveryOfferedLanguageHasAListAndItsOwnName)
{
    QStringList codes;
    std::set<QString> names;
    for (const WordLanguage& language : WordLists::languages()) {
        WordLists lists;
        lists.setLanguage(language.code);
        EXPECT_GT(lists.words().count(), 15000) << qPrintable(language.code);
        codes.append(language.code);
        names.insert(language.name);
    }
    EXPECT_EQ(codes.join(QLatin1Char(' ')), QStringLiteral("en fr de es it pt nl sv"));
    EXPECT_EQ(names.size(), 8u);
    EXPECT_EQ(names.count(QStringLiteral("Français")), 1u);
    EXPECT_EQ(WordLists().language(), QStringLiteral("en"));
}

TEST(WordLists, UnknownCodeIsRefusedNamingTheKnownOnesAndKeepsTheLanguage)
{
    WordLists lists;
    lists.setLanguage(QStringLiteral("sv"));
    for (const char* code : {"xx", "", "EN", "eng", "de ", "english"}) {
        try {
            lists.setLanguage(QString::fromLatin1(code));
            ADD_FAILURE() << "\"" << code << "\" was taken";
        } catch (const std::invalid_argument& e) {
            EXPECT_NE(std::string(e.what()).find("en, fr, de, es, it, pt, nl, sv"), std::string::npos) << e.what();
        }
        EXPECT_EQ(lists.language(), QStringLiteral("sv"));
    }
}

TEST(WordLists, ReadsOnlyTheLanguageInPlayAndDrawsWithItsLetters)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    writeFile(dir.filePath(QStringLiteral("words.txt")), "aaa\ncat\nzzz\n");
    writeFile(dir.filePath(QStringLiteral("words_de.txt")), "aal\nhaus\nzug\n");
    QByteArray table;
    for (char c = 'a'; c <= 'z'; ++c)
        table += QByteArray(1, c) + (c == 'q' ? " 5\n" : " 0\n");
    writeFile(dir.filePath(QStringLiteral("letters_de.txt")), table);

    WordLists lists(dir.path());
    SeededRandom random(3);
    EXPECT_TRUE(lists.loadedLanguage().isEmpty());
    const RoundWord english = lists.drawWord(random, false, false);
    EXPECT_EQ(english.text, "cat");
    EXPECT_TRUE(english.fillers.uniform());
    EXPECT_EQ(lists.loadedLanguage(), QStringLiteral("en"));

    lists.setLanguage(QStringLiteral("de"));
    EXPECT_TRUE(lists.loadedLanguage().isEmpty()) << "the English list was kept";
    const RoundWord german = lists.drawWord(random, false, false);
    EXPECT_EQ(german.text, "haus");
    EXPECT_EQ(german.fillers.weight(17), 5);
    EXPECT_EQ(german.fillers.total(), 5);
    EXPECT_EQ(lists.loadedLanguage(), QStringLiteral("de"));

    // A language whose files are missing draws nothing rather than another language's words.
    lists.setLanguage(QStringLiteral("fr"));
    EXPECT_TRUE(lists.drawWord(random, false, false).text.isEmpty());
    EXPECT_TRUE(lists.letters().uniform());
}

TEST(LetterWeights, MalformedTablesFillWithEveryLetterAlike)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QByteArray good;
    for (char c = 'a'; c <= 'z'; ++c)
        good += QByteArray(1, c) + " 2\n";
    QByteArray outOfOrder = good;
    outOfOrder.replace("a 2\nb 2\n", "b 2\na 2\n");
    QByteArray negative = good;
    negative.replace("k 2", "k -2");
    QByteArray huge = good;
    huge.replace("k 2", "k 99999999999");
    const QList<QByteArray> bad = {"", good.left(good.size() - 4), outOfOrder, negative, huge, good + "z 2\n"};
    for (qsizetype i = 0; i < bad.size(); ++i) {
        const QString path = dir.filePath(QStringLiteral("t%1.txt").arg(i));
        writeFile(path, bad[i]);
        EXPECT_TRUE(LetterWeights::read(path).uniform()) << "table " << i;
    }
    const QString path = dir.filePath(QStringLiteral("good.txt"));
    writeFile(path, good);
    EXPECT_EQ(LetterWeights::read(path).total(), 52);
    EXPECT_TRUE(LetterWeights::read(dir.filePath(QStringLiteral("missing.txt"))).uniform());
}

// Boards made by the English game before its fillers could follow a table: the same
// seed must still give the same boards, whichever way the word reaches the generator.
TEST(BoardFillers, EnglishBoardsStayAsTheyWere)
{
    struct Golden {
        int seed;
        const char* word;
        bool scrambled;
        const char* letters; // column by column
    };
    const Golden golden[] = {
        {1, "quillor", false, "qlrrrpluluarmollhcidojlvinalqoylfinyloilillpnqjhlulqiqllmiqxloqliplimouffomwxhiqliofbsrqml"},
        {2, "quillor", true, "lokiuieeudsrrqloxlrgoojawauuiyfqllkignetkoljgjoliruirzwrcilyqrlsofiinoyrfxvolrkczsqoebfwqg"},
        {3, "notebook", false, "nnonnknoqlocoobatfgetdotokaetoentouoeyoobkiokobbleowaynfgoaooacbsbousokekqtkcvnhkktneoomco"},
        {4, "azure", true, "gnzxtmrczumwlvltezeuezllebeuehnrniartdoaacaemzbjmrmhvuzshtueagvrrrrzbzzarpruagxuenezzrzfrl"},
    };
    for (const Golden& g : golden) {
        SeededRandom plainRandom(g.seed);
        BoardGenerator plain(plainRandom);
        ASSERT_TRUE(plain.createboard(QByteArray(g.word), g.scrambled, false));
        EXPECT_EQ(boardLetters(plain), g.letters) << g.seed;

        SeededRandom roundRandom(g.seed);
        BoardGenerator round(roundRandom);
        ASSERT_TRUE(round.createboard(RoundWord(g.word), g.scrambled, false));
        EXPECT_EQ(boardLetters(round), g.letters) << g.seed;
    }
}

// Fillers follow the table; decoys and only-letters fillers stay the word's own letters.
TEST(BoardFillers, FillersFollowTheLanguagesLetterTable)
{
    std::array<int, game::Letters> weights{};
    weights['e' - 'a'] = 3;
    weights['x' - 'a'] = 1;
    const LetterWeights table(weights);
    SeededRandom random(11);
    BoardGenerator b(random);
    std::map<char, int> seen;
    for (int i = 0; i < 400; ++i) {
        const bool onlyLetters = i % 4 == 3;
        ASSERT_TRUE(b.createboard(RoundWord("quartz", table), i % 2 == 0, onlyLetters));
        for (char c : boardLetters(b)) {
            ASSERT_TRUE(QByteArray("quartz").contains(c) || (!onlyLetters && (c == 'e' || c == 'x')))
                << c << (onlyLetters ? " with only-letters" : "");
            if (c == 'e' || c == 'x')
                ++seen[c];
        }
    }
    // Three "e" to one "x": about 3 in 300 boards of 40 fillers each.
    ASSERT_GT(seen['x'], 1000);
    EXPECT_NEAR(double(seen['e']) / seen['x'], 3.0, 0.3);
}
