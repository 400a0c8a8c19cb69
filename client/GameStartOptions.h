#pragma once
// The options of the next game as the hosting player sets them in the game start
// dialog, and the start command they make. No widgets here: the dialog shows these
// values and forwards the player's clicks, so every rule can be checked directly.
#include "net/Message.h"
#include "net/WordLanguages.h"

#include <QString>

// A whole number kept between two bounds and moved in fixed steps, the way an
// up-down arrow pair beside a read-only edit behaves: a step never passes a bound,
// and a position set from outside the range lands on the nearest bound.
class SteppedValue {
public:
    SteppedValue(int minimum, int maximum, int increment, int position);

    int minimum() const { return m_min; }
    int maximum() const { return m_max; }
    int increment() const { return m_increment; }
    int position() const { return m_position; }

    void setPosition(int position);
    // A value the player typed: held to the range and rounded to the nearest step from
    // the minimum, a half step up (steps of 50 from 100: 253 gives 250, 275 gives 300).
    void setTyped(int value);
    // Moves by `steps` increments (negative moves down), stopping at the bounds.
    void stepBy(int steps);
    void stepUp() { stepBy(1); }
    void stepDown() { stepBy(-1); }

    // Plain decimal text without any thousands separator, as shown and as sent.
    QString text() const { return QString::number(m_position); }

    bool operator==(const SteppedValue&) const = default;

private:
    int m_min;
    int m_max;
    int m_increment;
    int m_position;
};

class GameStartOptions {
public:
    // Hint texts of the check images; the pair's click handler tells them apart by it.
    static inline const QString ScrambledHint = QStringLiteral("1");
    static inline const QString StraightHint = QStringLiteral("2");

    SteppedValue playToScore{100, 1000, 50, 250};
    SteppedValue creationTime{20, 120, 5, 30};

    // Exactly one of the pair is checked at any time.
    bool scrambled() const { return m_scrambled; }
    bool straight() const { return !m_scrambled; }
    bool onlyLetters() const { return m_onlyLetters; }

    // Tags of the three check images: 1 checked, 0 unchecked.
    int scrambledTag() const { return m_scrambled ? 1 : 0; }
    int straightTag() const { return m_scrambled ? 0 : 1; }
    int onlyLettersTag() const { return m_onlyLetters ? 1 : 0; }

    // 2 chooses Words Straight; any other value chooses Words Scrambled.
    void checkscram(int which);
    // 0 turns Only Use Letters off; any other value turns it on.
    void checkonly(int state);

    // A click on either image of the pair: the hint says which one was clicked.
    // Clicking the image that is already checked leaves it checked.
    void clickPair(const QString& hint);
    // A click on the only-letters image flips it.
    void toggleOnlyLetters();

    // The language of the game's words, a code of net/WordLanguages ("en" unless set);
    // a code it does not know leaves it as it was.
    const QString& language() const { return m_language; }
    void setLanguage(const QString& code);

    // The start command: the player's name, play-to score, seconds per turn, the
    // scrambled flag and the only-letters flag, each closed by "+". A "+" inside the
    // name would move every option one field along on the receiving side, so the
    // name travels with each "+" replaced by "?".
    Message startMessage(const QString& playerName) const;
    // The choice of language that goes just before the start command.
    Message languageMessage() const;

    bool operator==(const GameStartOptions&) const = default;

private:
    bool m_scrambled = true;
    bool m_onlyLetters = true;
    QString m_language = QString::fromLatin1(wordlanguages::DefaultCode);
};
