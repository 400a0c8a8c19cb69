// The shared INI file: reading keys without regard to case, and writing one key while every
// other byte of the file stays as it was.
#include "client/IniDocument.h"
#include "client/IniFile.h"
#include "common/Printers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A file another program of the family might have written: other sections, comments,
// blank lines, odd spacing, a key in other letter case, and values the writer must not touch.
const QByteArray SharedFile =
    "; written by hand\r\n"
    "[lobby]\r\n"
    "Path=C:\\Games\\Lobby\\\r\n"
    "Greeting=\"Hello, world\"\r\n"
    "\r\n"
    "[agame]\r\n"
    "  TEXTSIZE =  10  \r\n"
    "# a comment=with equals\r\n"
    "Phrase1=a=b\r\n"
    "\r\n"
    "[otherGame]\r\n"
    "Textsize=12\r\n";

std::string withValue(const QByteArray& doc, const QString& section, const QString& key, const QString& value)
{
    IniDocument d = IniDocument::fromBytes(doc);
    d.setValue(section, key, value);
    return d.toBytes().toStdString();
}

} // namespace

TEST(IniDocument, ReadsKeysWithoutRegardToCaseAndKeepsValuesAsWritten)
{
    const IniDocument doc = IniDocument::fromBytes(SharedFile);
    EXPECT_EQ(doc.value(u"agame", u"Textsize"), QString("10"));
    EXPECT_EQ(doc.value(u"AGAME", u"textsize"), QString("10"));
    EXPECT_EQ(doc.value(u"agame", u"Phrase1"), QString("a=b"));
    EXPECT_EQ(doc.value(u"lobby", u"Path"), QString("C:\\Games\\Lobby\\"));
    EXPECT_EQ(doc.value(u"lobby", u"Greeting"), QString("\"Hello, world\""));
    EXPECT_EQ(doc.value(u"othergame", u"Textsize"), QString("12"));
    // A comment is not a key, and keys of other sections are not this section's.
    EXPECT_FALSE(doc.value(u"agame", u"# a comment").has_value());
    EXPECT_FALSE(doc.value(u"agame", u"Greeting").has_value());
    EXPECT_FALSE(doc.value(u"missing", u"Textsize").has_value());
}

TEST(IniDocument, ReplacingAKeyChangesOnlyItsValue)
{
    QByteArray expected = SharedFile;
    expected.replace("  TEXTSIZE =  10  \r\n", "  TEXTSIZE =  14  \r\n");
    EXPECT_EQ(withValue(SharedFile, "agame", "Textsize", "14"), expected.toStdString());

    // A value with backslashes, quotes and "=" goes in and comes back unchanged.
    const QString odd = "C:\\x \"q\" k=v";
    const QByteArray written = QByteArray::fromStdString(withValue(SharedFile, "agame", "phrase1", odd));
    EXPECT_EQ(IniDocument::fromBytes(written).value(u"agame", u"Phrase1"), odd);
    EXPECT_TRUE(written.contains("\r\nPhrase1=C:\\x \"q\" k=v\r\n"));
}

TEST(IniDocument, MixedLineEndsAndStrayLinesSurviveAWrite)
{
    // Lines ending in CR LF and in LF in one file, a line that is no key, tabs, a value
    // with an "=" and a key that differs only in letter case from the one written.
    const QByteArray mixed = "[agame]\n"
                             "just some words\r\n"
                             "\tturnSOUND\t=\t0\t\n"
                             "Motto = x = y \r\n"
                             "[lobby]\r\n"
                             "Turnsound=7\n";
    QByteArray expected = mixed;
    expected.replace("\tturnSOUND\t=\t0\t\n", "\tturnSOUND\t=\t1\t\n");
    EXPECT_EQ(withValue(mixed, "agame", "Turnsound", "1"), expected.toStdString());
    EXPECT_EQ(IniDocument::fromBytes(mixed).value(u"agame", u"motto"), QString("x = y"));
}

TEST(IniDocument, NewLinesTakeTheLineEndsOfMostOfTheFile)
{
    const struct {
        const char* text;
        const char* written;
    } cases[] = {
        // A CR LF file whose first line ends in LF alone is still a CR LF file.
        {"; by another tool\n[agame]\r\nTop=3\r\n[lobby]\r\nx=1\r\n",
         "; by another tool\n[agame]\r\nTop=3\r\nTiles=a\r\n[lobby]\r\nx=1\r\n"},
        {"[lobby]\r\nx=1\n", "[lobby]\r\nx=1\n\r\n[agame]\r\nTiles=a\r\n"}, // as many of each
        {"[agame]\nTop=3\r\nLeft=4\n", "[agame]\nTop=3\r\nLeft=4\nTiles=a\n"},
        {"[agame]", "[agame]\r\nTiles=a\r\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(withValue(c.text, "agame", "Tiles", "a"), std::string(c.written)) << c.text;
}

TEST(IniDocument, ValuesAreWrittenAsWindows1252AndUtf8StillReads)
{
    const struct {
        const char* value; // UTF-8
        QByteArray stored;
        const char* readBack; // UTF-8
    } cases[] = {
        {"Zo\xc3\xab", "Zo\xeb", "Zo\xc3\xab"},
        {"\xe2\x82\xac 5", "\x80 5", "\xe2\x82\xac 5"},
        {"\xc3\xbf", "\xff", "\xc3\xbf"}, // no message to end: the byte stays
        {"\xe6\x97\xa5\xe6\x9c\xac", "??", "??"},
        {"\xf0\x9f\x98\x80!", "?!", "?!"},
        {"plain", "plain", "plain"},
    };
    for (const auto& c : cases) {
        const QByteArray written = QByteArray::fromStdString(withValue("[agame]\r\n", "agame", "Phrase1", QString::fromUtf8(c.value)));
        EXPECT_EQ(written, "[agame]\r\nPhrase1=" + c.stored + "\r\n") << c.value;
        EXPECT_EQ(IniDocument::fromBytes(written).value(u"agame", u"Phrase1"), QString::fromUtf8(c.readBack)) << c.value;
    }
}

TEST(IniDocument, AMissingKeyGoesAtTheEndOfItsSectionBeforeTheBlankLines)
{
    QByteArray expected = SharedFile;
    expected.replace("Phrase1=a=b\r\n", "Phrase1=a=b\r\nTiles=slate\r\n");
    EXPECT_EQ(withValue(SharedFile, "agame", "Tiles", "slate"), expected.toStdString());
}

TEST(IniDocument, AMissingSectionIsAddedAtTheEndWithTheFilesLineEnds)
{
    const QByteArray unix = "[lobby]\nName=x\n";
    EXPECT_EQ(withValue(unix, "agame", "Top", "3"), std::string("[lobby]\nName=x\n\n[agame]\nTop=3\n"));
    // Without a final line end the last line gets one before anything is added.
    EXPECT_EQ(withValue("[agame]\r\nTop=3", "agame", "Left", "4"), std::string("[agame]\r\nTop=3\r\nLeft=4\r\n"));
    // An empty text gets CR LF lines.
    EXPECT_EQ(withValue({}, "agame", "Top", "3"), std::string("[agame]\r\nTop=3\r\n"));
}

TEST(IniDocument, TheFirstOfDuplicateSectionsAndKeysCounts)
{
    const QByteArray doc = "[agame]\nTop=1\ntop=2\n[x]\n[AGame]\nTop=3\nLeft=9\n";
    const IniDocument d = IniDocument::fromBytes(doc);
    EXPECT_EQ(d.value(u"agame", u"Top"), QString("1"));
    // Only the first section is this game's: a key of the second one is not read...
    EXPECT_FALSE(d.value(u"agame", u"Left").has_value());
    // ...and a write goes to the first occurrence only.
    EXPECT_EQ(withValue(doc, "agame", "TOP", "7"), std::string("[agame]\nTop=7\ntop=2\n[x]\n[AGame]\nTop=3\nLeft=9\n"));
    EXPECT_EQ(withValue(doc, "agame", "Left", "5"), std::string("[agame]\nTop=1\ntop=2\nLeft=5\n[x]\n[AGame]\nTop=3\nLeft=9\n"));
}

TEST(IniDocument, AValueNeverAddsALineAndOldBytesStillRead)
{
    const QByteArray written = QByteArray::fromStdString(withValue("[agame]\n", "agame", "Phrase1", "one\r\n[lobby]\ntwo"));
    EXPECT_EQ(written.toStdString(), "[agame]\nPhrase1=one  [lobby] two\n");
    // A value that is not UTF-8 is read as Windows-1252; UTF-8 text (as earlier versions
    // wrote it) is read as such.
    const IniDocument d = IniDocument::fromBytes("[agame]\nA=Caf\xe9 \x80\nB=Caf\xc3\xa9\n");
    EXPECT_EQ(d.value(u"agame", u"A"), QString::fromUtf8("Caf\xc3\xa9 \xe2\x82\xac"));
    EXPECT_EQ(d.value(u"agame", u"B"), QString::fromUtf8("Caf\xc3\xa9"));
}

TEST(IniDocument, AStrayCarriageReturnEndsAValueAndStaysInTheFile)
{
    // A last line ended by a lone CR, or a line end doubled to CR CR LF: the CR is no
    // part of the value ("classic\r" would be no tile set's name), and a write keeps it.
    const QByteArray text = "[agame]\r\nTiles=classic\r\r\nTop=5\r";
    IniDocument d = IniDocument::fromBytes(text);
    EXPECT_EQ(d.value(u"agame", u"Tiles"), QStringLiteral("classic"));
    EXPECT_EQ(d.value(u"agame", u"Top"), QStringLiteral("5"));
    d.setValue(u"agame", u"Top", QStringLiteral("6"));
    d.setValue(u"agame", u"Tiles", QStringLiteral("slate"));
    EXPECT_EQ(d.toBytes().toStdString(), "[agame]\r\nTiles=slate\r\r\nTop=6\r");
}

TEST(IniFile, AMissingFileReadsEmptyAndTheFirstWriteCreatesIt)
{
    QTemporaryDir dir;
    const IniFile ini(dir.filePath("pelklobby.ini"));
    EXPECT_FALSE(ini.read().value(u"agame", u"Top").has_value());
    ini.writeValue(u"agame", u"Top", "3");
    ini.writeValue(u"agame", u"Left", "4");
    QFile file(ini.path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("[agame]\r\nTop=3\r\nLeft=4\r\n"));
    // Nothing else is left in the folder: the new text replaced the file in one step.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"pelklobby.ini"});
}

TEST(IniFile, AFailedWriteSaysWhereAndLeavesTheFileAlone)
{
    QTemporaryDir dir;
    // A folder that cannot hold the file: its "folder" is an ordinary file.
    QFile blocker(dir.filePath("notafolder"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const IniFile ini(dir.filePath("notafolder/pelklobby.ini"));
    try {
        ini.writeValue(u"agame", u"Top", "3");
        FAIL() << "the write should have failed";
    } catch (const IniWriteError& e) {
        EXPECT_EQ(QString(e.what()), "Unable to write to " + QDir::toNativeSeparators(ini.path()));
    }

    // A path that is a folder is never replaced by a file.
    ASSERT_TRUE(QDir(dir.path()).mkdir("pelklobby.ini"));
    const IniFile folder(dir.filePath("pelklobby.ini"));
    EXPECT_THROW(folder.writeValue(u"agame", u"Top", "3"), IniWriteError);
    EXPECT_TRUE(QFileInfo(folder.path()).isDir());

}
