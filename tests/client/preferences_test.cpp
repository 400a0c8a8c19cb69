// The player's preferences: what they hold before anything is loaded, one announcement
// per real change naming what changed, and the requests to load and save them.
#include "client/Preferences.h"
#include "common/Printers.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

TEST(Preferences, StartWithWhatTheWindowsStartWith)
{
    const Preferences p;
    EXPECT_EQ(p.textSize(), 8);
    EXPECT_EQ(p.chatColour(), colortext::Black);
    EXPECT_EQ(p.actionColour(), colortext::Black);
    EXPECT_TRUE(p.playSounds());
    EXPECT_FALSE(p.chatterSounds());
    EXPECT_FALSE(p.turnSoundNew());
    EXPECT_TRUE(p.tiles().isEmpty());
    EXPECT_EQ(p.startOptions().playToScore.position(), 250);
    EXPECT_EQ(p.startOptions().creationTime.position(), 30);
    EXPECT_TRUE(p.startOptions().scrambled());
    EXPECT_TRUE(p.startOptions().onlyLetters());
    EXPECT_EQ(p.phrases(), (QStringList{"Way To Go!", "Good One!", "Nice Try!", "Excellent!", "Brilliant!", "Wow, WTG!",
                                        "Thanks!", "Way To Go Teamie!", "Good Game Everyone!",
                                        "/me waves \"Good-Bye\""}));
    EXPECT_EQ(p.phrase(1), "Way To Go!");
    EXPECT_TRUE(p.phrase(0).isEmpty());
    EXPECT_TRUE(p.phrase(11).isEmpty());
    EXPECT_EQ(p.placement(), QRect(0, 0, 0, 0));
    EXPECT_EQ(Preferences::DefaultPlacement, QRect(3, 3, 772, 535));
}

TEST(Preferences, EveryRealChangeIsAnnouncedOnceWithItsKey)
{
    using Key = Preferences::Key;
    Preferences p;
    QList<Key> keys;
    QObject::connect(&p, &Preferences::changed, [&](Key k) { keys.append(k); });

    p.setTextSize(12);
    p.setTextSize(12);
    p.setChatColour(colortext::Red);
    p.setActionColour(colortext::Blue);
    p.setPlaySounds(false);
    p.setChatterSounds(true);
    p.setTurnSoundNew(true);
    p.setTiles("slate");
    GameStartOptions options = p.startOptions();
    options.checkscram(2);
    options.playToScore.setPosition(30); // held to its range: 100
    p.setStartOptions(options);
    p.setStartOptions(options);
    p.setPhrase(4, "Nice!");
    p.setPhrase(4, "Nice!");
    p.setPhrase(11, "nowhere");
    p.setPlacement(QRect(40, 3, 772, 535));

    EXPECT_EQ(keys, (QList<Key>{Key::TextSize, Key::ChatColour, Key::ActionColour, Key::PlaySounds, Key::ChatterSounds,
                                Key::TurnSound, Key::Tiles, Key::StartOptions, Key::Phrases, Key::Placement}));
    EXPECT_EQ(p.textSize(), 12);
    EXPECT_EQ(p.chatColour(), colortext::Red);
    EXPECT_EQ(p.actionColour(), colortext::Blue);
    EXPECT_FALSE(p.playSounds());
    EXPECT_TRUE(p.chatterSounds());
    EXPECT_TRUE(p.turnSoundNew());
    EXPECT_EQ(p.tiles(), "slate");
    EXPECT_TRUE(p.startOptions().straight());
    EXPECT_EQ(p.startOptions().playToScore.position(), 100);
    EXPECT_EQ(p.phrase(4), "Nice!");
    EXPECT_EQ(p.phrases().size(), Preferences::PhraseCount);
    EXPECT_EQ(p.placement(), QRect(40, 3, 772, 535));
}

TEST(Preferences, LoadingAndSavingAreAskedForHereAndDoneElsewhere)
{
    Preferences p;
    QSignalSpy loads(&p, &Preferences::loadRequested);
    QSignalSpy saves(&p, &Preferences::saveRequested);
    QSignalSpy changes(&p, &Preferences::changed);
    p.requestLoad();
    p.requestSave();
    p.requestSave();
    EXPECT_EQ(loads.count(), 1);
    EXPECT_EQ(saves.count(), 2);
    EXPECT_EQ(changes.count(), 0);
}
