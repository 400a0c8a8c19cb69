#pragma once
// Keeps the player's preferences between runs in the settings file "pelklobby.ini", which
// the game shares with the lobby program and its other games. This game uses one section
// of it, named by the game key ("agame"); every other byte of the file is left as it was.
//
// The keeper answers the preferences' requests: `loadinifile` when the host has confirmed
// this player's arrival, `saveinifile` when the player changed a preference or the main
// window closed after it moved, and the phrase editor's request to write the ten phrases.
// Each write reads the file afresh, changes only this game's keys and replaces the file in
// one step, so a failed write leaves the file exactly as it was.
//
// Until the file has been read, a save writes only the keys of the preferences that were
// changed in this run: the rest still hold the windows' starting values, not the player's,
// and writing them would replace what he stored in earlier runs.
//
// A write that fails is announced with `writeFailed` ("Unable to write to " and the path);
// the window shows it. The change that asked for the save stays in effect.
//
// A file larger than IniFile::MaxSize is not the settings file it should be: it is not
// read (the preferences keep their defaults) and never written over, since it may be
// another program's. The player is told once, by the first read or write that meets it.
#include "client/Preferences.h"

#include <QList>
#include <QObject>
#include <QPair>
#include <QRect>
#include <QString>
#include <functional>
#include <set>

class IniDocument;

class SettingsFile : public QObject {
    Q_OBJECT
public:
    static inline const QString FileName = QStringLiteral("pelklobby.ini");

    // Keeps `prefs` in FileName in `folder`, in the section named `section`.
    SettingsFile(Preferences& prefs, const QString& folder, const QString& section, QObject* parent = nullptr);
    ~SettingsFile() override;

    const QString& path() const { return m_path; }
    // True once the file has been read in this run.
    bool loaded() const { return m_loaded; }

    // Reads the section and hands every value to the preferences, and the window's
    // placement to `placementRead`.
    void loadinifile();
    // The same from a settings text already read.
    void load(const IniDocument& doc);
    // Reads only the window's placement and hands it to `placementRead`, so that the
    // window is put there before it is first shown; the full read later leaves the
    // window where it is then.
    void loadPlacement();
    // Writes every preference except the phrases (before the file was read: only those
    // changed in this run). False when the file could not be written.
    bool saveinifile();
    // Puts into `doc` the keys that saveinifile would write.
    void store(IniDocument& doc) const;
    // Writes "Phrase1" to "Phrase10". False when the file could not be written.
    bool savePhrases();

    // Any key of the game's section, for the windows that keep a value of their own there.
    // `value` gives `defaultValue` when the file, the section or the key is missing;
    // `setValue` writes one key and is false (after `writeFailed`) when it could not.
    QString value(const QString& key, const QString& defaultValue = {}) const;
    bool setValue(const QString& key, const QString& value);
    // One key read before the window exists (the windows' language): the same as `value`
    // of a keeper of `section` in `folder`.
    static QString storedValue(const QString& folder, const QString& section, const QString& key);

    // The main window's present placement, written by `saveinifile`: left and top of its
    // frame, width and height of its inner area. Without it the saved placement is written.
    std::function<QRect()> windowPlacement;

signals:
    // The placement read from the file: the window goes there.
    void placementRead(const QRect& placement);
    // A write failed with this message; nothing of that write reached the file. Also the
    // one notice that the file is too large to be used.
    void writeFailed(const QString& message);

private:
    using Entries = QList<QPair<QString, QString>>;

    // The keys and values saveinifile writes, in the order it writes them.
    Entries entriesToSave() const;
    bool write(const std::function<void(IniDocument&)>& edit);
    // Tells the player, once, that the file is too large to be used.
    void refuseLargeFile(const QString& message);
    QRect presentPlacement() const;
    // The placement stored in a settings text: the default for each number that is
    // missing or that no window could have.
    QRect placementIn(const IniDocument& doc) const;

    Preferences& m_prefs;
    QString m_path;
    QString m_section;
    bool m_loaded = false;
    bool m_toldTooLarge = false;
    bool m_placementApplied = false;
    // What the player changed before the file was read.
    std::set<Preferences::Key> m_changedBeforeLoad;
};
