// Meanings read from WordNet's files: the installed database (scripts/install-deps puts
// it in place), a folder without it, and small files made here for the search's edges.
#include "meanings/WordMeanings.h"
#include "common/Files.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The installed database; a test that needs it fails without it, saying why.
WordMeanings installed()
{
    WordMeanings m;
    EXPECT_TRUE(m.available()) << "WordNet's files are missing from " << m.folder().toStdString()
                               << ": run scripts/install-deps (package wordnet-base)";
    return m;
}

} // namespace

TEST(WordMeaningsTest, InstalledDatabaseGivesGlossesOfWordsAndTheirBaseForms)
{
    const WordMeanings m = installed();
    struct Case {
        const char* word;
        const char* lemma;
        const char* part;
        const char* glossStart;
    };
    const Case cases[] = {
        {"apple", "apple", "noun", "fruit with red or yellow or green skin"},
        {"Apple", "apple", "noun", "fruit with red or yellow or green skin"}, // any letter case
        {"apples", "apple", "noun", "fruit with red"},                        // regular plural
        {"mice", "mouse", "noun", "any of numerous small rodents"},           // irregular plural
        {"neediest", "needy", "adjective", "poor enough to need help"},       // irregular superlative
        {"caving", "cave", "verb", "hollow out as if making a cave"},         // "-ing" for "-e"
        {"glass", "glass", "noun", "a brittle transparent solid"},            // "-ss" stays
        {"quickly", "quickly", "adverb", "with rapid movements"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.word);
        const QList<WordMeanings::Meaning> found = m.lookUp(QString::fromLatin1(c.word));
        ASSERT_FALSE(found.isEmpty());
        EXPECT_LE(found.size(), 2);
        EXPECT_EQ(found[0].lemma.toStdString(), c.lemma);
        EXPECT_EQ(found[0].partOfSpeech.toStdString(), c.part);
        EXPECT_TRUE(found[0].gloss.startsWith(QString::fromLatin1(c.glossStart))) << found[0].gloss.toStdString();
        // Only the definition: example sentences are left out.
        EXPECT_FALSE(found[0].gloss.contains(QLatin1Char('"'))) << found[0].gloss.toStdString();
    }
    // Two meanings when the word has them, one when asked for one, none for a non-word.
    EXPECT_EQ(m.lookUp(QStringLiteral("apple")).size(), 2);
    EXPECT_EQ(m.lookUp(QStringLiteral("apple"), 1).size(), 1);
    EXPECT_TRUE(m.lookUp(QStringLiteral("qzxv")).isEmpty());
    EXPECT_TRUE(m.lookUp(QString()).isEmpty());
}

TEST(WordMeaningsTest, WithoutTheDatabaseNothingIsFound)
{
    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    const QString missing = empty.path() + QStringLiteral("/none");
    for (const QString& folder : {empty.path(), missing}) {
        WordMeanings m(folder);
        EXPECT_FALSE(m.available());
        EXPECT_TRUE(m.lookUp(QStringLiteral("apple")).isEmpty());
    }
}

TEST(WordMeaningsTest, BinarySearchFindsEveryLineOfASortedFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // Licence lines first (two leading spaces), lines far longer than one read, and a
    // last line without its line end.
    QByteArrayList lines{"  1 licence text", "  2 more licence"};
    QByteArrayList keys;
    for (int i = 0; i < 300; ++i) {
        const QByteArray key = QByteArray("k") + QByteArray::number(1000 + i * 3);
        keys << key;
        lines << key + ' ' + QByteArray(i % 7 == 0 ? 900 : 10, char('a' + i % 26));
    }
    const QString path = dir.filePath(QStringLiteral("sorted"));
    testutil::writeFile(path, lines.join('\n'));

    for (const QByteArray& key : keys)
        EXPECT_TRUE(WordMeanings::findLine(path, key).startsWith(key + ' ')) << key.constData();
    // Keys before the first, between two, after the last, prefixes, and the empty key.
    for (const char* absent : {"a", "k0999", "k1001", "k1898", "k1", "k100", "z", ""})
        EXPECT_TRUE(WordMeanings::findLine(path, absent).isEmpty()) << absent;
    EXPECT_TRUE(WordMeanings::findLine(dir.filePath(QStringLiteral("missing")), "k1000").isEmpty());
}

TEST(WordMeaningsTest, DamagedFilesGiveNoMeaningRatherThanAWrongOne)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray data = "00000000 05 n 01 cat 0 000 | small domesticated feline; \"the cat purred\"\n"
                            "00000077 05 n 01 dog 0 000 | a loyal companion\n";
    testutil::writeFile(dir.filePath(QStringLiteral("data.noun")), data);
    // cat is right; dog points into the middle of a line; emu past the end; gnu's
    // count of pointers runs beyond its line.
    testutil::writeFile(dir.filePath(QStringLiteral("index.noun")),
                        "cat n 1 0 1 0 00000000\n"
                        "dog n 1 0 1 0 00000080\n"
                        "emu n 1 0 1 0 99999999\n"
                        "gnu n 1 9 1 0 00000000\n");
    const WordMeanings m(dir.path());
    EXPECT_TRUE(m.available());
    const QList<WordMeanings::Meaning> cat = m.lookUp(QStringLiteral("cat"));
    ASSERT_EQ(cat.size(), 1);
    EXPECT_EQ(cat[0], (WordMeanings::Meaning{"noun", "cat", "small domesticated feline"}));
    EXPECT_EQ(m.lookUp(QStringLiteral("cats")), cat);
    for (const char* word : {"dog", "emu", "gnu"})
        EXPECT_TRUE(m.lookUp(QString::fromLatin1(word)).isEmpty()) << word;
}
