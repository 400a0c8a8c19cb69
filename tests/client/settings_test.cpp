// The settings file: every preference read with its default and its exact comparison,
// every key written in its order while the rest of the shared file stays as it was, the
// phrases written only on their own request, a save before the file was read, and a file
// that cannot be written.
#include "client/IniDocument.h"
#include "client/IniFile.h"
#include "client/SettingsFile.h"
#include "common/Files.h"
#include "common/Printers.h"
#include "common/SmallDisk.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>

namespace {

using testutil::readFile;
using testutil::writeFile;

struct SettingsRig {
    SettingsRig()
        : settings(prefs, dir.path(), QStringLiteral("agame"))
    {
        QObject::connect(&settings, &SettingsFile::writeFailed, [this](const QString& m) { failures.append(m); });
        QObject::connect(&settings, &SettingsFile::placementRead, [this](const QRect& r) { placements.append(r); });
    }
    QString path() const { return settings.path(); }
    void store(const QByteArray& bytes) { writeFile(path(), bytes); }
    QByteArray stored() const { return readFile(path()); }
    // The settings as the program reads them once the host confirms the arrival.
    void load() { prefs.requestLoad(); }
    // A value as written in the game's section.
    std::optional<QString> key(const QString& name) const
    {
        return IniDocument::fromBytes(stored()).value(u"agame", name);
    }

    QTemporaryDir dir;
    Preferences prefs;
    SettingsFile settings;
    QStringList failures;
    QList<QRect> placements;
};

// Another program's sections around the game's, with comments, blank lines, odd spacing
// and values that the writer must leave alone.
const QByteArray Shared = "; the family's shared file\r\n"
                          "[lobby]\r\n"
                          "LobbyPath=C:\\Games\\Pelk\\ \r\n"
                          "Motto=\"a = b\"\r\n"
                          "\r\n"
                          "[agame]\r\n"
                          "textsize = 12\r\n"
                          "Phrase2=Hi all\r\n"
                          "Phrase5=\r\n"
                          "Tiles=slate\r\n"
                          "\r\n"
                          "[other]\r\n"
                          "Textsize=14\n";

} // namespace

TEST(SettingsFile, WithoutAFileEveryPreferenceTakesItsDefault)
{
    SettingsRig rig;
    // What the player had before the file was read is replaced by the file's defaults.
    rig.prefs.setTextSize(12);
    rig.prefs.setChatColour(colortext::Red);
    rig.prefs.setPlaySounds(false);
    rig.prefs.setTurnSoundNew(true);
    GameStartOptions o = rig.prefs.startOptions();
    o.checkscram(2);
    o.checkonly(0);
    rig.prefs.setStartOptions(o);

    rig.load();
    const Preferences& p = rig.prefs;
    EXPECT_EQ(p.textSize(), 8);
    EXPECT_EQ(p.placement(), QRect(3, 3, 772, 535));
    EXPECT_EQ(rig.placements, QList<QRect>{QRect(3, 3, 772, 535)});
    EXPECT_EQ(p.chatColour(), colortext::Black);
    EXPECT_EQ(p.actionColour(), colortext::Black);
    EXPECT_TRUE(p.playSounds());
    EXPECT_TRUE(p.chatterSounds());
    EXPECT_FALSE(p.turnSoundNew());
    EXPECT_TRUE(p.startOptions().scrambled());
    EXPECT_TRUE(p.startOptions().onlyLetters());
    EXPECT_EQ(p.startOptions().language(), "en");
    // "30" and "1" held to the spinners' ranges: their lower bounds.
    EXPECT_EQ(p.startOptions().playToScore.position(), 100);
    EXPECT_EQ(p.startOptions().creationTime.position(), 20);
    EXPECT_EQ(p.phrases(), Preferences::defaultPhrases());
    EXPECT_TRUE(p.tiles().isEmpty());
    // Reading never creates the file.
    EXPECT_FALSE(QFile::exists(rig.path()));
    EXPECT_TRUE(rig.settings.loaded());
}

TEST(SettingsFile, ValuesAreComparedExactly)
{
    SettingsRig rig;
    rig.store("[AGAME]\n"
              "Textsize=9\n"
              "Top=40\nLeft=-1200\nWidth=x\nHeight=600\n"
              "Textcolor=$000080FF\nActioncolor=nonsense\n"
              "Playtoscore=450\nTimeperturn=many\n"
              "Phrase1=Hello there\nPhrase3=\nphrase10=Bye, and = sign\n"
              "Playsounds=False\nScrambled=FALSE\nOnlyletters=false\n"
              "Turnsound=2\nChatterSounds=false\n"
              "Tiles=Garden\nHighcontrast=False\n");
    GameStartOptions o = rig.prefs.startOptions();
    o.creationTime.setPosition(45);
    rig.prefs.setStartOptions(o);
    rig.load();

    const Preferences& p = rig.prefs;
    EXPECT_EQ(p.textSize(), 8); // not a size the menu offers
    // A value that is not a number gives the default; the rest are taken as stored.
    EXPECT_EQ(p.placement(), QRect(-1200, 40, 772, 600));
    EXPECT_EQ(p.chatColour(), ColorValue(0x000080FF));
    EXPECT_EQ(p.actionColour(), colortext::Black);
    EXPECT_EQ(p.startOptions().playToScore.position(), 450);
    EXPECT_EQ(p.startOptions().creationTime.position(), 45); // left where it was
    EXPECT_EQ(p.phrase(1), "Hello there");
    EXPECT_EQ(p.phrase(3), Preferences::defaultPhrases().at(2)); // empty: the button's own
    EXPECT_EQ(p.phrase(10), "Bye, and = sign");
    // Only exactly "false" is off, and only exactly "1" is New.
    EXPECT_TRUE(p.playSounds());
    EXPECT_TRUE(p.startOptions().scrambled());
    EXPECT_FALSE(p.startOptions().onlyLetters());
    EXPECT_FALSE(p.turnSoundNew());
    EXPECT_FALSE(p.chatterSounds());
    EXPECT_TRUE(p.highContrast());
    EXPECT_EQ(p.tiles(), "Garden");

    rig.store("[agame]\nPlaysounds=false\nScrambled=false\nTurnsound=1\nTiles=CLASSIC\nPlaytoscore=5000\n");
    rig.load();
    EXPECT_FALSE(p.playSounds());
    EXPECT_TRUE(p.startOptions().straight());
    EXPECT_TRUE(p.turnSoundNew());
    // Missing, the high-contrast look is off.
    EXPECT_FALSE(p.highContrast());
    EXPECT_EQ(p.startOptions().playToScore.position(), 1000);
    // The built-in set is not loaded: the set chosen before stays.
    EXPECT_EQ(p.tiles(), "Garden");
}

TEST(SettingsFile, APlacementNoWindowCouldHaveTakesTheDefaults)
{
    // A window is at most 16,777,215 pixels each way; numbers beyond that are no
    // placement, and the window's right and bottom edges must not overflow.
    SettingsRig rig;
    rig.store("[agame]\nLeft=2147483000\nTop=-2147483648\nWidth=16777215\nHeight=-5\n");
    rig.load();
    EXPECT_EQ(rig.prefs.placement(), QRect(3, 3, 16777215, 535));
    ASSERT_EQ(rig.placements.size(), 1);
    EXPECT_EQ(rig.placements[0], rig.prefs.placement());

    rig.store("[agame]\nLeft=-16777215\nTop=16777215\nWidth=0\nHeight=16777216\n");
    rig.load();
    EXPECT_EQ(rig.prefs.placement(), QRect(-16777215, 16777215, 0, 535));
}

TEST(SettingsFile, ColoursGoBackAsColourText)
{
    const std::pair<QByteArray, QString> cases[] = {
        {"$000080FF", "$000080FF"},
        {"$000000FF", "clRed"},
        {"clblack", "clBlack"},
        {"16711680", "clBlue"},
        {"#123", "clBlack"},
    };
    for (const auto& [stored, written] : cases) {
        SettingsRig rig;
        rig.store("[agame]\r\nTextcolor=" + stored + "\r\nActioncolor=" + stored + "\r\n");
        rig.load();
        ASSERT_TRUE(rig.settings.saveinifile());
        EXPECT_EQ(rig.key("Textcolor"), written) << stored.constData();
        EXPECT_EQ(rig.key("Actioncolor"), written) << stored.constData();
    }
}

TEST(SettingsFile, ASaveWritesEveryKeyInOrderAndLeavesTheRestAlone)
{
    {
        // A new file: the game's section with every key but the phrases, in order.
        SettingsRig rig;
        rig.settings.windowPlacement = [] { return QRect(10, 20, 800, 600); };
        rig.load();
        rig.prefs.requestSave();
        EXPECT_EQ(rig.stored().toStdString(), "[agame]\r\n"
                                              "Textsize=8\r\n"
                                              "Top=20\r\nLeft=10\r\nWidth=800\r\nHeight=600\r\n"
                                              "Textcolor=clBlack\r\nActioncolor=clBlack\r\n"
                                              "Tiles=\r\n"
                                              "Playtoscore=100\r\nTimeperturn=20\r\n"
                                              "Playsounds=true\r\nScrambled=true\r\nOnlyletters=true\r\nWords=en\r\n"
                                              "Turnsound=0\r\nChatterSounds=true\r\n"
                                              "Highcontrast=false\r\n");
    }
    {
        // A shared file: the game's keys are replaced where they stand or added at the end
        // of its section; the phrases, the other sections and every other byte stay.
        SettingsRig rig;
        rig.store(Shared);
        rig.load();
        rig.prefs.setPhrase(2, "changed here, not written by a save");
        rig.prefs.setTurnSoundNew(true);
        ASSERT_TRUE(rig.settings.saveinifile());
        QByteArray expected = Shared;
        expected.replace("Tiles=slate\r\n", "Tiles=slate\r\n"
                                             "Top=3\r\nLeft=3\r\nWidth=772\r\nHeight=535\r\n"
                                             "Textcolor=clBlack\r\nActioncolor=clBlack\r\n"
                                             "Playtoscore=100\r\nTimeperturn=20\r\n"
                                             "Playsounds=true\r\nScrambled=true\r\nOnlyletters=true\r\nWords=en\r\n"
                                             "Turnsound=1\r\nChatterSounds=true\r\n"
                                             "Highcontrast=false\r\n");
        EXPECT_EQ(rig.stored().toStdString(), expected.toStdString());
    }
}

TEST(SettingsFile, ThePhrasesAreWrittenOnlyOnTheirOwnRequest)
{
    SettingsRig rig;
    rig.store(Shared);
    rig.load();
    EXPECT_EQ(rig.prefs.phrase(2), "Hi all");
    rig.prefs.setPhrase(4, "Nice!");
    rig.prefs.setPhrase(2, "");
    EXPECT_TRUE(rig.prefs.savePhrases());
    for (int n = 1; n <= Preferences::PhraseCount; ++n)
        EXPECT_EQ(rig.key("Phrase" + QString::number(n)), rig.prefs.phrase(n)) << n;
    EXPECT_EQ(rig.key("Phrase2"), QString());
    EXPECT_TRUE(rig.stored().startsWith(Shared.left(Shared.indexOf("[agame]"))));
}

TEST(SettingsFile, ASaveBeforeTheFileWasReadWritesOnlyWhatThePlayerChanged)
{
    SettingsRig rig;
    const QByteArray mine = "[agame]\r\nTextsize=14\r\nTop=200\r\nLeft=300\r\nWidth=900\r\nHeight=700\r\n"
                            "Textcolor=clRed\r\nPlaysounds=true\r\nTiles=slate\r\n";
    rig.store(mine);
    // Nothing changed yet: a save writes nothing at all.
    EXPECT_TRUE(rig.settings.saveinifile());
    EXPECT_EQ(rig.stored(), mine);

    // "Play Sounds" clicked while still connecting.
    rig.prefs.setPlaySounds(false);
    rig.prefs.requestSave();
    QByteArray expected = mine;
    expected.replace("Playsounds=true", "Playsounds=false");
    EXPECT_EQ(rig.stored(), expected);

    // Then the file is read: the stored preferences come back, with the new switch.
    rig.load();
    EXPECT_EQ(rig.prefs.textSize(), 14);
    EXPECT_EQ(rig.prefs.chatColour(), colortext::Red);
    EXPECT_EQ(rig.prefs.tiles(), "slate");
    EXPECT_FALSE(rig.prefs.playSounds());
    // From now on a save writes every key.
    rig.prefs.requestSave();
    EXPECT_EQ(rig.key("Turnsound"), QString("0"));
    EXPECT_EQ(rig.key("Width"), QString("900"));
}

TEST(SettingsFile, AFileThatCannotBeWrittenStopsTheSaveAndSaysWhere)
{
    QTemporaryDir dir;
    // A folder that cannot hold the file: its "folder" is an ordinary file.
    writeFile(dir.filePath("blocked"), "not a folder");
    Preferences prefs;
    SettingsFile blocked(prefs, dir.filePath("blocked"), QStringLiteral("agame"));
    QStringList failures;
    QObject::connect(&blocked, &SettingsFile::writeFailed, [&](const QString& m) { failures.append(m); });
    const QString message = "Unable to write to " + QDir::toNativeSeparators(blocked.path());

    blocked.loadinifile(); // reads as no file
    prefs.setPlaySounds(false);
    EXPECT_FALSE(blocked.saveinifile());
    EXPECT_EQ(failures, QStringList{message});
    // The change that asked for the save stands.
    EXPECT_FALSE(prefs.playSounds());
    EXPECT_FALSE(prefs.savePhrases());
    EXPECT_FALSE(blocked.setValue("LobbyURL", "x"));
    EXPECT_EQ(failures.size(), 3);
    EXPECT_EQ(failures.last(), message);
}

TEST(SettingsFile, OtherWindowsKeepKeysOfTheirOwnInTheSection)
{
    SettingsRig rig;
    rig.store(Shared);
    EXPECT_EQ(rig.settings.value("LobbyURL", "http://example.org/"), "http://example.org/");
    EXPECT_EQ(rig.settings.value("TILES"), "slate");
    EXPECT_EQ(rig.settings.value("LobbyPath"), QString()); // another section's key
    EXPECT_TRUE(rig.settings.setValue("LobbyURL", "http://games.example/lobby"));
    EXPECT_EQ(rig.settings.value("lobbyurl"), "http://games.example/lobby");
    QByteArray expected = Shared;
    expected.replace("Tiles=slate\r\n", "Tiles=slate\r\nLobbyURL=http://games.example/lobby\r\n");
    EXPECT_EQ(rig.stored(), expected);
    EXPECT_TRUE(rig.failures.isEmpty());
}

TEST(SettingsFile, OnAFullDiskEveryFailedSaveLeavesTheSharedFileWhole)
{
    testutil::SmallDisk disk(64 * 1024);
    ASSERT_TRUE(disk.ok()) << disk.error().toStdString();
    Preferences prefs;
    SettingsFile settings(prefs, disk.path(), QStringLiteral("agame"));
    QStringList failures;
    QObject::connect(&settings, &SettingsFile::writeFailed, [&](const QString& m) { failures.append(m); });
    writeFile(settings.path(), Shared);
    prefs.requestLoad();
    ASSERT_TRUE(disk.fill());

    // A switch, then another change, then the phrases: each save fails and says so, and
    // the file keeps every byte, the other programs' sections included.
    const QString message = "Unable to write to " + QDir::toNativeSeparators(settings.path());
    prefs.setPlaySounds(false);
    prefs.requestSave();
    prefs.setTextSize(14);
    prefs.requestSave();
    prefs.setPhrase(1, QStringLiteral("Well played"));
    EXPECT_FALSE(prefs.savePhrases());
    EXPECT_EQ(failures, QStringList(3, message));
    EXPECT_EQ(readFile(settings.path()), Shared);

    // With room again, the next save writes them.
    disk.empty();
    prefs.requestSave();
    EXPECT_EQ(failures.size(), 3);
    const IniDocument doc = IniDocument::fromBytes(readFile(settings.path()));
    EXPECT_EQ(doc.value(u"agame", u"Playsounds"), QString("false"));
    EXPECT_EQ(doc.value(u"lobby", u"Motto"), QString("\"a = b\""));
}

TEST(SettingsFile, AFileOverOneMebibyteIsNoSettingsFile)
{
    SettingsRig rig;
    QByteArray big = "[lobby]\r\nName=x\r\n[agame]\r\nTextsize=14\r\nPlaysounds=false\r\n";
    while (big.size() <= IniFile::MaxSize)
        big += "; " + QByteArray(1000, 'p') + "\r\n";
    rig.store(big);

    rig.load();
    // The defaults, and the player is told once.
    EXPECT_EQ(rig.prefs.textSize(), 8);
    EXPECT_TRUE(rig.prefs.playSounds());
    ASSERT_EQ(rig.failures.size(), 1);
    EXPECT_TRUE(rig.failures[0].contains("larger than 1 MiB")) << rig.failures[0].toStdString();
    EXPECT_TRUE(rig.failures[0].contains(QDir::toNativeSeparators(rig.path()))) << rig.failures[0].toStdString();
    EXPECT_EQ(rig.settings.value("Textsize", "none"), "none");

    // Nothing is ever written over it, and the player is not told again.
    rig.prefs.setPlaySounds(false);
    EXPECT_FALSE(rig.settings.saveinifile());
    EXPECT_FALSE(rig.prefs.savePhrases());
    EXPECT_FALSE(rig.settings.setValue("LobbyURL", "x"));
    rig.load();
    EXPECT_EQ(rig.failures.size(), 1);
    EXPECT_EQ(rig.stored(), big);

    // Exactly 1 MiB is still a settings file.
    rig.store(big.left(IniFile::MaxSize));
    EXPECT_TRUE(rig.settings.saveinifile());
}

// The language of the words is stored as its code and read back at the next start; a
// value that is no code of the game's (a language's name, another case, a code it does
// not know) reads as English.
TEST(SettingsFile, TheLanguageOfTheWordsIsKeptAsItsCodeAcrossARestart)
{
    const struct {
        const char* stored; // the line in the game's section; nullptr: none
        const char* read;
    } cases[] = {
        {nullptr, "en"}, {"Words=de", "de"}, {"Words=sv", "sv"}, {"words = pt", "pt"},
        {"Words=", "en"}, {"Words=DE", "en"}, {"Words=Deutsch", "en"}, {"Words=xx", "en"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored ? c.stored : "none");
        SettingsRig rig;
        rig.store(QByteArray("[agame]\r\n") + (c.stored ? QByteArray(c.stored) + "\r\n" : QByteArray()));
        rig.load();
        EXPECT_EQ(rig.prefs.startOptions().language(), c.read);
    }

    // Chosen in one run, saved, and there in the next: "Français" is stored as "fr".
    QTemporaryDir dir;
    {
        Preferences prefs;
        SettingsFile settings(prefs, dir.path(), QStringLiteral("agame"));
        prefs.requestLoad();
        GameStartOptions o = prefs.startOptions();
        o.setLanguage(QStringLiteral("fr"));
        prefs.setStartOptions(o);
        ASSERT_TRUE(settings.saveinifile());
        EXPECT_TRUE(readFile(settings.path()).contains("\r\nWords=fr\r\n"));
    }
    Preferences prefs;
    SettingsFile settings(prefs, dir.path(), QStringLiteral("agame"));
    EXPECT_EQ(prefs.startOptions().language(), "en");
    prefs.requestLoad();
    EXPECT_EQ(prefs.startOptions().language(), "fr");
}
