#include "client/SettingsFile.h"

#include "client/ColorText.h"
#include "client/IniFile.h"
#include "client/WindowPlacement.h"

#include <QDir>
#include <optional>

namespace {

// The keys of the game's section, as the game has always spelled them.
namespace key {
const QString Textsize = QStringLiteral("Textsize");
const QString Top = QStringLiteral("Top");
const QString Left = QStringLiteral("Left");
const QString Width = QStringLiteral("Width");
const QString Height = QStringLiteral("Height");
const QString Textcolor = QStringLiteral("Textcolor");
const QString Actioncolor = QStringLiteral("Actioncolor");
const QString Playtoscore = QStringLiteral("Playtoscore");
const QString Timeperturn = QStringLiteral("Timeperturn");
const QString Playsounds = QStringLiteral("Playsounds");
const QString Scrambled = QStringLiteral("Scrambled");
const QString Onlyletters = QStringLiteral("Onlyletters");
// The language of the game's words as its two-letter code ("de"), never its name.
const QString Words = QStringLiteral("Words");
const QString Turnsound = QStringLiteral("Turnsound");
const QString ChatterSounds = QStringLiteral("ChatterSounds");
const QString Tiles = QStringLiteral("Tiles");
const QString Highcontrast = QStringLiteral("Highcontrast");
QString phrase(int n) { return QStringLiteral("Phrase") + QString::number(n); }
} // namespace key

// Boolean values are written as "true" and "false"; only exactly "false" reads as off.
const QString False = QStringLiteral("false");
QString flag(bool on) { return on ? QStringLiteral("true") : False; }

// A decimal integer with an optional sign, or nothing.
std::optional<int> toInt(const QString& text)
{
    bool ok = false;
    const int n = text.toInt(&ok, 10);
    return ok ? std::optional<int>(n) : std::nullopt;
}

} // namespace

SettingsFile::SettingsFile(Preferences& prefs, const QString& folder, const QString& section, QObject* parent)
    : QObject(parent)
    , m_prefs(prefs)
    , m_path(QDir(folder).filePath(FileName))
    , m_section(section)
{
    connect(&prefs, &Preferences::loadRequested, this, &SettingsFile::loadinifile);
    connect(&prefs, &Preferences::saveRequested, this, &SettingsFile::saveinifile);
    connect(&prefs, &Preferences::changed, this, [this](Preferences::Key changed) {
        if (!m_loaded)
            m_changedBeforeLoad.insert(changed);
    });
    prefs.phraseKeeper = [this] { return savePhrases(); };
}

SettingsFile::~SettingsFile()
{
    m_prefs.phraseKeeper = nullptr;
}

void SettingsFile::loadinifile()
{
    const IniFile file(m_path);
    if (file.tooLarge())
        refuseLargeFile(QString::fromStdString(IniFileTooLarge(m_path).what()));
    load(file.read());
}

void SettingsFile::refuseLargeFile(const QString& message)
{
    if (m_toldTooLarge)
        return;
    m_toldTooLarge = true;
    emit writeFailed(message);
}

void SettingsFile::load(const IniDocument& doc)
{
    // From here on every save writes the whole set, and what is read now is no change of
    // the player's.
    m_loaded = true;
    m_changedBeforeLoad.clear();

    const auto text = [&](const QString& name, const QString& missing) {
        return doc.value(m_section, name).value_or(missing);
    };
    const auto number = [&](const QString& name, int missing) { return toInt(text(name, {})).value_or(missing); };

    // The window's placement, taken as it is stored; the window decides where it can go.
    // A number no window could have counts as missing: it would overflow the window's
    // right or bottom edge.
    const int textSize = number(key::Textsize, Preferences::DefaultTextSize);
    const QRect stored = placementIn(doc);
    m_prefs.setPlacement(stored);
    // Read before the window was first shown, the placement has been applied then; the
    // window stays where the player has it since.
    if (!m_placementApplied)
        emit placementRead(stored);
    m_placementApplied = true;

    m_prefs.setTextSize(textSize);

    const auto colour = [&](const QString& name) {
        return colortext::TextToColor(text(name, QStringLiteral("clblack"))).value_or(colortext::Black);
    };
    m_prefs.setChatColour(colour(key::Textcolor));
    m_prefs.setActionColour(colour(key::Actioncolor));

    // A spinner moves only to a value that reads as a number; it holds it to its range.
    GameStartOptions options = m_prefs.startOptions();
    if (const auto n = toInt(text(key::Playtoscore, QStringLiteral("30"))))
        options.playToScore.setPosition(*n);
    if (const auto n = toInt(text(key::Timeperturn, QStringLiteral("1"))))
        options.creationTime.setPosition(*n);

    // An empty phrase leaves the button's own.
    for (int n = 1; n <= Preferences::PhraseCount; ++n) {
        const QString phrase = text(key::phrase(n), {});
        if (!phrase.isEmpty())
            m_prefs.setPhrase(n, phrase);
    }

    m_prefs.setPlaySounds(text(key::Playsounds, {}) != False);
    options.checkscram(text(key::Scrambled, {}) == False ? 2 : 1);
    options.checkonly(text(key::Onlyletters, {}) == False ? 0 : 1);
    options.setLanguage(text(key::Words, QString::fromLatin1(wordlanguages::DefaultCode)));
    m_prefs.setStartOptions(options);

    m_prefs.setTurnSoundNew(text(key::Turnsound, QStringLiteral("0")) == QLatin1String("1"));
    m_prefs.setChatterSounds(text(key::ChatterSounds, QStringLiteral("true")) != False);
    // Off unless the file says otherwise: a missing key is the ordinary look.
    m_prefs.setHighContrast(text(key::Highcontrast, False) != False);

    // The built-in set needs no loading; a name without a file changes nothing.
    const QString tiles = text(key::Tiles, {});
    if (!tiles.isEmpty() && tiles.toLower() != QLatin1String("classic"))
        m_prefs.setTiles(tiles);
}

QRect SettingsFile::placementIn(const IniDocument& doc) const
{
    const auto placed = [&](const QString& name, int missing, int lowest) {
        const int n = toInt(doc.value(m_section, name).value_or(QString())).value_or(missing);
        return n >= lowest && n <= placement::MaxExtent ? n : missing;
    };
    const QRect d = Preferences::DefaultPlacement;
    return QRect(placed(key::Left, d.left(), -placement::MaxExtent), placed(key::Top, d.top(), -placement::MaxExtent),
                 placed(key::Width, d.width(), 0), placed(key::Height, d.height(), 0));
}

void SettingsFile::loadPlacement()
{
    const IniFile file(m_path);
    // A file too large to be settings is reported by the full read that follows.
    if (file.tooLarge() || m_loaded)
        return;
    const QRect stored = placementIn(file.read());
    m_prefs.setPlacement(stored);
    // What was read is no change of the player's.
    m_changedBeforeLoad.erase(Preferences::Key::Placement);
    m_placementApplied = true;
    emit placementRead(stored);
}

QRect SettingsFile::presentPlacement() const
{
    return windowPlacement ? windowPlacement() : m_prefs.placement();
}

bool SettingsFile::saveinifile()
{
    // Nothing to write leaves the file untouched, even one that could not be written.
    if (entriesToSave().isEmpty())
        return true;
    return write([this](IniDocument& doc) { store(doc); });
}

void SettingsFile::store(IniDocument& doc) const
{
    for (const auto& [name, value] : entriesToSave())
        doc.setValue(m_section, name, value);
}

SettingsFile::Entries SettingsFile::entriesToSave() const
{
    using Key = Preferences::Key;
    const auto wanted = [this](Key k) { return m_loaded || m_changedBeforeLoad.count(k) > 0; };
    const Preferences& p = m_prefs;

    Entries entries;
    const auto put = [&entries](const QString& name, const QString& value) { entries.append({name, value}); };
    if (wanted(Key::TextSize))
        put(key::Textsize, QString::number(p.textSize()));
    if (wanted(Key::Placement)) {
        const QRect r = presentPlacement();
        put(key::Top, QString::number(r.top()));
        put(key::Left, QString::number(r.left()));
        put(key::Width, QString::number(r.width()));
        put(key::Height, QString::number(r.height()));
    }
    if (wanted(Key::ChatColour))
        put(key::Textcolor, colortext::ColorToText(p.chatColour()));
    if (wanted(Key::ActionColour))
        put(key::Actioncolor, colortext::ColorToText(p.actionColour()));
    if (wanted(Key::Tiles))
        put(key::Tiles, p.tiles());
    if (wanted(Key::StartOptions)) {
        const GameStartOptions& o = p.startOptions();
        put(key::Playtoscore, QString::number(o.playToScore.position()));
        put(key::Timeperturn, QString::number(o.creationTime.position()));
    }
    if (wanted(Key::PlaySounds))
        put(key::Playsounds, flag(p.playSounds()));
    if (wanted(Key::StartOptions)) {
        put(key::Scrambled, flag(p.startOptions().scrambled()));
        put(key::Onlyletters, flag(p.startOptions().onlyLetters()));
        put(key::Words, p.startOptions().language());
    }
    if (wanted(Key::TurnSound))
        put(key::Turnsound, p.turnSoundNew() ? QStringLiteral("1") : QStringLiteral("0"));
    if (wanted(Key::ChatterSounds))
        put(key::ChatterSounds, flag(p.chatterSounds()));
    if (wanted(Key::HighContrast))
        put(key::Highcontrast, flag(p.highContrast()));
    return entries;
}

bool SettingsFile::savePhrases()
{
    return write([this](IniDocument& doc) {
        for (int n = 1; n <= Preferences::PhraseCount; ++n)
            doc.setValue(m_section, key::phrase(n), m_prefs.phrase(n));
    });
}

QString SettingsFile::value(const QString& name, const QString& defaultValue) const
{
    return IniFile(m_path).read().value(m_section, name).value_or(defaultValue);
}

QString SettingsFile::storedValue(const QString& folder, const QString& section, const QString& key)
{
    return IniFile(QDir(folder).filePath(FileName)).read().value(section, key).value_or(QString());
}

bool SettingsFile::setValue(const QString& name, const QString& value)
{
    return write([&](IniDocument& doc) { doc.setValue(m_section, name, value); });
}

bool SettingsFile::write(const std::function<void(IniDocument&)>& edit)
{
    try {
        IniFile(m_path).update(edit);
        return true;
    } catch (const IniFileTooLarge& e) {
        refuseLargeFile(QString::fromStdString(e.what()));
        return false;
    } catch (const IniWriteError& e) {
        emit writeFailed(QString::fromStdString(e.what()));
        return false;
    }
}
