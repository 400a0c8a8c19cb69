#pragma once
// The player's preferences, held in one place: the chat's colours and text size, the
// sound switches, the tile set, the game start options, the quick phrases and the main
// window's saved placement. The windows and the rule classes read them here and write
// them here; every change is announced with `changed`, naming what changed.
//
// Nothing here reads or writes a file. Whoever keeps the preferences between runs
// answers `loadRequested` (the host has confirmed this player's arrival) and
// `saveRequested` (a preference was changed by the player, or the window moved). Until
// something is loaded the values are those the windows start with; the settings key
// that stores each value is named beside it.
#include "client/ColorText.h"
#include "client/GameStartOptions.h"

#include <QObject>
#include <QRect>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

class Preferences : public QObject {
    Q_OBJECT
public:
    enum class Key {
        TextSize,
        ChatColour,
        ActionColour,
        PlaySounds,
        ChatterSounds,
        TurnSound,
        Tiles,
        StartOptions,
        Phrases,
        Placement,
        HighContrast,
    };

    static constexpr int PhraseCount = 10;
    static constexpr int DefaultTextSize = 8;
    // The main window's place and size when nothing else is known ("Reset Screen
    // Location", and the settings' defaults for "Left", "Top", "Width", "Height").
    static constexpr QRect DefaultPlacement{3, 3, 772, 535};

    explicit Preferences(QObject* parent = nullptr);

    // "Textsize": the chat history's font size in points, one of the sizes the Text Size
    // menu offers (8, 10, 12, 14). Any other size, as a shared file may hold
    // ("Textsize=100000"), is taken as the default, 8.
    int textSize() const { return m_textSize; }
    void setTextSize(int points);
    static bool isTextSize(int points) { return points == 8 || points == 10 || points == 12 || points == 14; }

    // "Textcolor": the colour sent with every chat line and used for the entry box.
    ColorValue chatColour() const { return m_chatColour; }
    void setChatColour(ColorValue colour);
    // "Actioncolor": the colour sent with every action and quick phrase.
    ColorValue actionColour() const { return m_actionColour; }
    void setActionColour(ColorValue colour);

    // "Playsounds": event sounds on (the default) or off.
    bool playSounds() const { return m_playSounds; }
    void setPlaySounds(bool on);
    // "ChatterSounds": chatter sounds heard, or only named in the chat (the default).
    bool chatterSounds() const { return m_chatterSounds; }
    void setChatterSounds(bool on);
    // "Turnsound": false Classic ("turn", the default), true New ("turnnew").
    bool turnSoundNew() const { return m_turnSoundNew; }
    void setTurnSoundNew(bool on);

    // "Highcontrast": the main window drawn in the high-contrast look (off by default).
    bool highContrast() const { return m_highContrast; }
    void setHighContrast(bool on);

    // "Tiles": the chosen tile set; empty until one is chosen or loaded.
    const QString& tiles() const { return m_tiles; }
    void setTiles(const QString& name);

    // "Playtoscore", "Timeperturn", "Scrambled", "Onlyletters": the game start dialog's
    // two positions and two choices.
    const GameStartOptions& startOptions() const { return m_startOptions; }
    void setStartOptions(const GameStartOptions& options);

    // "Phrase1" to "Phrase10": the phrase of quick-phrase button 1..10.
    QString phrase(int n) const;
    void setPhrase(int n, const QString& text);
    QStringList phrases() const;
    static QStringList defaultPhrases();

    // "Left", "Top", "Width", "Height": where the main window was last saved or read;
    // empty (0, 0, 0, 0) until then.
    QRect placement() const { return m_placement; }
    void setPlacement(const QRect& rect);

    // Asks whoever keeps the preferences to read them, or to write them all.
    void requestLoad() { emit loadRequested(); }
    void requestSave() { emit saveRequested(); }
    // Asks the keeper to write the ten phrases (the phrase editor's "Done", which stays
    // open when they could not be written, so it needs the answer; the keeper has already
    // shown the player why). True when nobody keeps the preferences.
    bool savePhrases() const { return phraseKeeper ? phraseKeeper() : true; }
    std::function<bool()> phraseKeeper;

signals:
    void changed(Preferences::Key key);
    void loadRequested();
    void saveRequested();

private:
    template <typename T>
    void set(T& field, const T& value, Key key);

    int m_textSize = DefaultTextSize;
    ColorValue m_chatColour = colortext::Black;
    ColorValue m_actionColour = colortext::Black;
    bool m_playSounds = true;
    bool m_chatterSounds = false;
    bool m_turnSoundNew = false;
    bool m_highContrast = false;
    QString m_tiles;
    GameStartOptions m_startOptions;
    std::array<QString, PhraseCount> m_phrases;
    QRect m_placement{0, 0, 0, 0};
};
