#pragma once
// The language of the game's windows: English (the texts as written in the code), German,
// French or Spanish, from the program's own translations compiled in as resources.
//
// The player's choice is kept in the settings file under SettingsKey as a two-letter code;
// an empty or unknown value means "as the system's locale says". The choice is read once at
// start: the windows are built in one language and stay in it until the next start.
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>

#include <array>
#include <memory>
#include <vector>

class QCoreApplication;

namespace windowlanguage {

// The settings file's key for the player's choice.
inline const QString SettingsKey = QStringLiteral("WindowLanguage");
// The language the texts are written in.
inline constexpr char SourceCode[] = "en";

struct Language {
    const char* code; // the settings value; empty for the system's choice
    const char* name; // in the language itself, as the menu shows it (with its mnemonic)
};
// The menu's choices, in its order.
inline constexpr std::array<Language, 5> Choices{{
    {"", "&System"},
    {"en", "&English"},
    {"de", "&Deutsch"},
    {"fr", "&Fran\xc3\xa7" "ais"},
    {"es", "Es&pa\xc3\xb1ol"},
}};

// The codes the program has a translation of (all but English).
QStringList translatedCodes();

// The language the windows use: the stored choice when it names one of Choices, else the
// first of the system's `uiLanguages` (most wanted first, such as "de-AT" or "fr") that
// has a translation, else English.
QString resolve(const QString& stored, const QStringList& uiLanguages);

// The program's translation of `code` as a resource path (":/i18n/quillor_de.qm").
QString resourceFile(const QString& code);

} // namespace windowlanguage

// Installs the translators of one language into the application: the game's own texts
// and Qt's texts in its standard dialogs (from Qt's translations folder, when the system
// has them). The translators stay installed as long as this object lives.
class WindowTranslation {
public:
    WindowTranslation() = default;
    ~WindowTranslation();
    WindowTranslation(const WindowTranslation&) = delete;
    WindowTranslation& operator=(const WindowTranslation&) = delete;

    // Installs `code`'s translations; English installs none. True when the game's own
    // translation was found and installed (or none is needed).
    bool install(const QString& code);
    // The files that were loaded, for the log.
    const QStringList& loadedFiles() const { return m_loaded; }

private:
    std::vector<std::unique_ptr<QTranslator>> m_translators;
    QStringList m_loaded;
};
