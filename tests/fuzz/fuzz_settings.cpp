// The settings file: the INI text as read and written key by key, and the settings
// keeper's reading of the game's section into the preferences and writing them back.
//
// Input: a settings file's text. When it holds a NUL byte, what follows the last NUL is
// one write instead of part of the text: byte 1 chooses the section ("agame", "AGAME"
// or "Lobby"), byte 2 one of the keys the game writes, and the rest (UTF-8) the value.
//
// Properties: a text reads and writes back byte for byte; a write changes only the
// key's own line (or adds lines, taking nothing away) and leaves every other key's value
// as it was; a value written reads back exactly, after line ends have become spaces, the
// spaces and tabs around it have gone and it has been through Windows-1252 (read back as
// UTF-8 where its bytes are valid UTF-8); the preferences read are within their
// ranges or the documented defaults; what the keeper writes reads back as the same
// preferences and leaves every other section's keys alone.
#include "FuzzCheck.h"
#include "client/IniDocument.h"
#include "client/Preferences.h"
#include "client/SettingsFile.h"
#include "client/WindowPlacement.h"
#include "net/Wire.h"

#include <QList>
#include <QPair>
#include <QStringDecoder>
#include <QStringList>

#include <cstdint>

namespace {

const QString kSection = QStringLiteral("agame");

const QStringList& sections()
{
    static const QStringList list = {kSection, QStringLiteral("AGAME"), QStringLiteral("Lobby")};
    return list;
}

// The keys the settings keeper writes.
const QStringList& keeperKeys()
{
    static const QStringList list = {"Textsize",    "Top",         "Left",       "Width",     "Height",
                                     "Textcolor",   "Actioncolor", "Playtoscore", "Timeperturn", "Playsounds",
                                     "Scrambled",   "Onlyletters", "Turnsound",  "ChatterSounds", "Tiles"};
    return list;
}

// Every key the game writes in its section.
const QStringList& keys()
{
    static const QStringList list = [] {
        QStringList k = keeperKeys();
        k << "Playername" << "Hostaddress" << "Port" << "Hosting";
        for (int n = 1; n <= Preferences::PhraseCount; ++n)
            k << QStringLiteral("Phrase") + QString::number(n);
        return k;
    }();
    return list;
}

using KeyNames = QList<QPair<QString, QString>>;

// The section and key of every key line of a text, read the simple way: "[name]" opens a
// section, a line with "=" that is no comment is a key.
KeyNames keyLines(const QByteArray& text)
{
    KeyNames found;
    QString section;
    for (const QByteArray& raw : text.split('\n')) {
        const QByteArray line = raw.trimmed();
        if (line.startsWith('[') && line.contains(']')) {
            section = QString::fromUtf8(line.mid(1, line.indexOf(']') - 1).trimmed());
            continue;
        }
        const qsizetype eq = line.indexOf('=');
        if (eq < 0 || line.startsWith(';') || line.startsWith('#') || section.isEmpty())
            continue;
        found.append({section, QString::fromUtf8(line.left(eq).trimmed())});
        if (found.size() == 40) // enough to see what a write touched
            break;
    }
    return found;
}

bool same(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Every key of `names` other than (section, key) reads the same in both texts.
void checkOthersKept(const KeyNames& names, const IniDocument& before, const IniDocument& after,
                     const QString& section, const QString& key)
{
    for (const auto& [s, k] : names) {
        if (same(s, section) && same(k, key))
            continue;
        FUZZ_CHECK(before.value(s, k) == after.value(s, k));
    }
}

// What a written value reads back as: written as Windows-1252 ("?" for what it cannot
// carry), read as UTF-8 where the bytes are valid UTF-8.
QString readBack(const QString& value)
{
    QString v = value;
    v.replace(u'\r', u' ').replace(u'\n', u' ');
    // Spaces and tabs around a value are not part of it.
    qsizetype start = 0;
    qsizetype end = v.size();
    while (start < end && (v[start] == u' ' || v[start] == u'\t'))
        ++start;
    while (end > start && (v[end - 1] == u' ' || v[end - 1] == u'\t'))
        --end;
    const QByteArray bytes = wire::toWindows1252(v.mid(start, end - start));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);
    return utf8.hasError() ? wire::fromWire(bytes) : text;
}

void checkWrite(const QByteArray& text, const QString& section, const QString& key, const QString& value)
{
    const IniDocument before = IniDocument::fromBytes(text);
    IniDocument after = before;
    after.setValue(section, key, value);
    const QByteArray written = after.toBytes();
    FUZZ_CHECK(IniDocument::fromBytes(written).toBytes() == written);
    FUZZ_CHECK(after.value(section, key) == readBack(value));

    // The bytes before and after the change are the old ones.
    qsizetype prefix = 0;
    const qsizetype shorter = qMin(text.size(), written.size());
    while (prefix < shorter && text[prefix] == written[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < shorter - prefix && text[text.size() - 1 - suffix] == written[written.size() - 1 - suffix])
        ++suffix;
    const QByteArray removed = text.mid(prefix, text.size() - prefix - suffix);
    const QByteArray added = written.mid(prefix, written.size() - prefix - suffix);
    if (before.value(section, key)) {
        // One value replaced in its own line.
        FUZZ_CHECK(!removed.contains('\n') && !added.contains('\n'));
    } else {
        // Lines added, nothing taken away: at most a line end for a last line without
        // one, a blank line and the section's name, and the key's line.
        FUZZ_CHECK(removed.isEmpty());
        FUZZ_CHECK(added.count('\n') <= 4);
    }
    checkOthersKept(keyLines(text), before, after, section, key);
}

bool validPlacement(const QRect& r)
{
    const auto inRange = [](int v, int lo) { return v >= lo && v <= placement::MaxExtent; };
    return inRange(r.left(), -placement::MaxExtent) && inRange(r.top(), -placement::MaxExtent)
        && inRange(r.width(), 0) && inRange(r.height(), 0);
}

void checkPreferences(const Preferences& p)
{
    FUZZ_CHECK(validPlacement(p.placement()));
    FUZZ_CHECK(Preferences::isTextSize(p.textSize()));
    const GameStartOptions& o = p.startOptions();
    for (const SteppedValue* v : {&o.playToScore, &o.creationTime})
        FUZZ_CHECK(v->position() >= v->minimum() && v->position() <= v->maximum());
    // A phrase of the file replaces the button's own only when it says something.
    for (int n = 1; n <= Preferences::PhraseCount; ++n)
        FUZZ_CHECK(!p.phrase(n).isEmpty());
    // The built-in tiles need no name.
    FUZZ_CHECK(p.tiles().isEmpty() || p.tiles().toLower() != QLatin1String("classic"));
    // Colours written as they were read come back as the same value.
    for (const ColorValue c : {p.chatColour(), p.actionColour()})
        FUZZ_CHECK(colortext::TextToColor(colortext::ColorToText(c)) == c);
}

// The preferences that the keeper writes, as text for comparing.
QString stored(const Preferences& p)
{
    const GameStartOptions& o = p.startOptions();
    QString tiles = p.tiles();
    // A line end inside a stored value is written as a space.
    tiles.replace(u'\r', u' ');
    return QStringList{QString::number(p.textSize()),
                       QString::number(p.placement().left()),
                       QString::number(p.placement().top()),
                       QString::number(p.placement().width()),
                       QString::number(p.placement().height()),
                       QString::number(p.chatColour()),
                       QString::number(p.actionColour()),
                       QString::number(o.playToScore.position()),
                       QString::number(o.creationTime.position()),
                       QString::number(o.scrambled()),
                       QString::number(o.onlyLetters()),
                       QString::number(p.playSounds()),
                       QString::number(p.chatterSounds()),
                       QString::number(p.turnSoundNew()),
                       readBack(tiles)}
        .join(u'|');
}

void checkKeeper(const QByteArray& text)
{
    const IniDocument doc = IniDocument::fromBytes(text);
    Preferences prefs;
    SettingsFile keeper(prefs, QString(), kSection);
    keeper.load(doc);
    checkPreferences(prefs);

    IniDocument saved = doc;
    keeper.store(saved);
    for (const auto& [section, key] : keyLines(text)) {
        if (!same(section, kSection) || !keeperKeys().contains(key, Qt::CaseInsensitive))
            FUZZ_CHECK(doc.value(section, key) == saved.value(section, key));
    }

    Preferences again;
    SettingsFile reader(again, QString(), kSection);
    reader.load(saved);
    FUZZ_CHECK(stored(again) == stored(prefs));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzzcheck::installLogCheck();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype nul = input.lastIndexOf('\0');
    const QByteArray text = nul < 0 ? input : input.left(nul);

    FUZZ_CHECK(IniDocument::fromBytes(text).toBytes() == text);
    checkKeeper(text);

    const QByteArray edit = nul < 0 ? QByteArray() : input.mid(nul + 1);
    if (edit.size() >= 2) {
        const QString& section = sections().at(uint8_t(edit[0]) % sections().size());
        const QString& key = keys().at(uint8_t(edit[1]) % keys().size());
        checkWrite(text, section, key, QString::fromUtf8(edit.mid(2)));
    }
    return 0;
}
