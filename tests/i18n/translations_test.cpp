// The translations of the windows: every committed entry translated with its placeholders
// and mnemonic kept, no text that travels on the wire or into the settings file marked
// for translation, and the language the program starts in.
#include "client/Preferences.h"
#include "i18n/WindowLanguage.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>

#include <set>
#include <vector>

namespace {

QString sourceDir() { return QString::fromUtf8(QUILLOR_SOURCE_DIR); }

struct Entry {
    QString context;
    QString source;
    QString translation;
    QString type; // the translation's "type" attribute: "unfinished", "obsolete" or empty
};

// The entries of one .ts file; fails the calling test when the file cannot be read.
std::vector<Entry> readTs(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << "cannot read " << path.toStdString();
    std::vector<Entry> entries;
    QXmlStreamReader xml(&file);
    QString context;
    Entry entry;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("message"))
            entry = Entry{context, {}, {}, {}};
        else if (xml.name() == QLatin1String("source"))
            entry.source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation")) {
            entry.type = xml.attributes().value(QLatin1String("type")).toString();
            entry.translation = xml.readElementText();
            entries.push_back(entry);
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return entries;
}

QString tsPath(const QString& code)
{
    return QDir(sourceDir()).filePath(QStringLiteral("translations/quillor_%1.ts").arg(code));
}

std::multiset<QString> placeholders(const QString& text)
{
    static const QRegularExpression marker(QStringLiteral("%[1-9]"));
    std::multiset<QString> found;
    for (const auto& match : marker.globalMatch(text))
        found.insert(match.captured());
    return found;
}

// The number of mnemonic markers: "&" before a letter, not the "&&" of a written ampersand
// nor the start of an entity ("&gt;") in a page of rich text.
int mnemonics(const QString& text)
{
    static const QRegularExpression entity(QStringLiteral("&(#[0-9]+|[a-zA-Z]+);"));
    QString plain = text;
    plain.remove(entity);
    int count = 0;
    for (qsizetype i = 0; i + 1 < plain.size(); ++i) {
        if (plain[i] != QLatin1Char('&'))
            continue;
        if (plain[i + 1] == QLatin1Char('&'))
            ++i;
        else
            ++count;
    }
    return count;
}

} // namespace

TEST(Translations, EveryEntryOfEveryLanguageIsTranslatedWithItsPlaceholdersAndMnemonic)
{
    const QStringList codes = windowlanguage::translatedCodes();
    ASSERT_EQ(codes, (QStringList{"de", "fr", "es"}));
    std::vector<std::vector<Entry>> files;
    for (const QString& code : codes) {
        SCOPED_TRACE(code.toStdString());
        const std::vector<Entry> entries = readTs(tsPath(code));
        ASSERT_GT(entries.size(), 150u) << "the .ts file holds too few texts";
        for (const Entry& e : entries) {
            SCOPED_TRACE((e.context + QStringLiteral(": ") + e.source).toStdString());
            EXPECT_TRUE(e.type.isEmpty()) << "marked " << e.type.toStdString();
            EXPECT_FALSE(e.translation.trimmed().isEmpty());
            EXPECT_EQ(placeholders(e.translation), placeholders(e.source)) << e.translation.toStdString();
            EXPECT_EQ(mnemonics(e.translation), mnemonics(e.source)) << e.translation.toStdString();
            // A trailing space or line break joins the text to what follows it.
            EXPECT_EQ(e.translation.endsWith(QLatin1Char(' ')), e.source.endsWith(QLatin1Char(' ')));
            EXPECT_EQ(e.translation.startsWith(QLatin1Char('\n')), e.source.startsWith(QLatin1Char('\n')));
        }
        // Each is compiled into the program.
        EXPECT_TRUE(QFile::exists(windowlanguage::resourceFile(code))) << "no compiled translation";
        files.push_back(entries);
    }
    // All languages translate the same texts.
    for (std::size_t i = 1; i < files.size(); ++i) {
        ASSERT_EQ(files[i].size(), files[0].size());
        for (std::size_t n = 0; n < files[0].size(); ++n)
            EXPECT_EQ(files[i][n].source, files[0][n].source);
    }
}

TEST(Translations, NoTextThatTravelsOnTheWireOrIntoTheSettingsFileIsMarked)
{
    // The command words as the protocol writes them, read from its header so that a new
    // word is checked too; the fixed phrases of chat lines; the settings keys; the quick
    // phrases a click sends.
    QFile commands(QDir(sourceDir()).filePath(QStringLiteral("net/Commands.h")));
    ASSERT_TRUE(commands.open(QIODevice::ReadOnly)) << "cannot read net/Commands.h";
    const QString header = QString::fromUtf8(commands.readAll());
    QStringList wire;
    static const QRegularExpression word(QStringLiteral("\"(CMD_[a-z]+)\""));
    for (const auto& match : word.globalMatch(header))
        wire << match.captured(1);
    ASSERT_GT(wire.size(), 30) << "the command words were not found in net/Commands.h";
    const QStringList phrases{QStringLiteral(" chats: "), QStringLiteral("says: "), QStringLiteral("CMD_")};
    const QStringList keys{"Textsize", "Textcolor", "Actioncolor", "Playtoscore", "Timeperturn", "Playsounds",
                           "Scrambled", "Onlyletters", "Words", "Turnsound", "ChatterSounds", "Tiles",
                           "Highcontrast", "WindowLanguage", "LobbyURL", "LobbyProgram", "ShowLobbyOffer"};
    Preferences prefs;
    const QStringList quick = prefs.phrases();
    ASSERT_EQ(quick.size(), Preferences::PhraseCount);

    for (const QString& code : windowlanguage::translatedCodes()) {
        for (const Entry& e : readTs(tsPath(code))) {
            SCOPED_TRACE((code + QStringLiteral(" ") + e.context + QStringLiteral(": ") + e.source).toStdString());
            for (const QString& w : wire)
                EXPECT_FALSE(e.source.contains(w));
            for (const QString& p : phrases)
                EXPECT_FALSE(e.source.contains(p));
            EXPECT_FALSE(keys.contains(e.source));
            EXPECT_FALSE(quick.contains(e.source));
        }
    }
}

TEST(WindowLanguage, TheStoredChoiceElseTheSystemsLanguagesElseEnglish)
{
    const struct {
        const char* stored;
        QStringList system;
        const char* expected;
    } cases[] = {
        {"", {"de-DE", "en-US"}, "de"},      // the system's first wish
        {"", {"de_AT"}, "de"},               // any region of it
        {"", {"nl-NL", "fr-BE"}, "fr"},      // the first one translated
        {"", {"en-GB", "es-ES"}, "en"},      // English wanted before Spanish
        {"", {"nl-NL", "pt-BR"}, "en"},      // nothing translated
        {"", {}, "en"},
        {"es", {"de-DE"}, "es"},             // the player's choice over the system's
        {"en", {"fr-FR"}, "en"},
        {" DE ", {"fr-FR"}, "de"},           // a hand-edited file
        {"xx", {"fr-FR"}, "fr"},             // an unknown code is the system's choice
        {"system", {"es-MX"}, "es"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        EXPECT_EQ(windowlanguage::resolve(QString::fromLatin1(c.stored), c.system), QLatin1String(c.expected));
    }
}
