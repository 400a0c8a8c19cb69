// The game start options: bounds and steps of the two values, the exclusive pair of
// check choices, the only-letters toggle, and the exact start command.
#include "client/GameStartOptions.h"

#include <climits>
#include <gtest/gtest.h>

namespace {

QByteArray wireOf(const Message& m) { return m.bytes(); }

QByteArray terminated(const char* text)
{
    QByteArray out(text);
    out.append('\xFF');
    return out;
}

} // namespace

// --- bounded, stepped values -------------------------------------------------------

TEST(SteppedValue, PlayToScoreStepsByFiftyAndStopsAtItsBounds)
{
    GameStartOptions o;
    EXPECT_EQ(o.playToScore.position(), 250);
    o.playToScore.stepUp();
    EXPECT_EQ(o.playToScore.position(), 300);
    for (int i = 0; i < 30; ++i)
        o.playToScore.stepUp();
    EXPECT_EQ(o.playToScore.position(), 1000);
    for (int i = 0; i < 30; ++i)
        o.playToScore.stepDown();
    EXPECT_EQ(o.playToScore.position(), 100);
    o.playToScore.stepUp();
    EXPECT_EQ(o.playToScore.position(), 150);
}

TEST(SteppedValue, CreationTimeStepsByFiveAndStopsAtItsBounds)
{
    GameStartOptions o;
    EXPECT_EQ(o.creationTime.position(), 30);
    o.creationTime.stepDown();
    EXPECT_EQ(o.creationTime.position(), 25);
    o.creationTime.stepBy(-10);
    EXPECT_EQ(o.creationTime.position(), 20);
    o.creationTime.stepBy(100);
    EXPECT_EQ(o.creationTime.position(), 120);
    o.creationTime.stepUp();
    EXPECT_EQ(o.creationTime.position(), 120);
}

TEST(SteppedValue, PositionsFromOutsideLandOnTheNearestBound)
{
    GameStartOptions o;
    // The settings file's own defaults lie below both ranges.
    o.playToScore.setPosition(30);
    o.creationTime.setPosition(1);
    EXPECT_EQ(o.playToScore.text(), "100");
    EXPECT_EQ(o.creationTime.text(), "20");
    o.playToScore.setPosition(5000);
    o.creationTime.setPosition(-7);
    EXPECT_EQ(o.playToScore.position(), 1000);
    EXPECT_EQ(o.creationTime.position(), 20);
}

TEST(SteppedValue, OffGridPositionKeepsItsOffsetUntilABound)
{
    SteppedValue v(100, 1000, 50, 270);
    v.stepUp();
    EXPECT_EQ(v.position(), 320);
    v.setPosition(980);
    v.stepUp();
    EXPECT_EQ(v.position(), 1000);
    v.setPosition(120);
    v.stepDown();
    EXPECT_EQ(v.position(), 100);
}

TEST(SteppedValue, HugeStepCountsDoNotOverflow)
{
    SteppedValue v(100, 1000, 50, 250);
    v.stepBy(INT_MAX);
    EXPECT_EQ(v.position(), 1000);
    v.stepBy(INT_MIN);
    EXPECT_EQ(v.position(), 100);
}

TEST(SteppedValue, TextIsPlainDecimalWithoutSeparator)
{
    SteppedValue v(100, 1000, 50, 1000);
    EXPECT_EQ(v.text(), "1000");
}

// --- check choices ---------------------------------------------------------------------

TEST(GameStartChecks, DefaultIsScrambledAndOnlyLetters)
{
    GameStartOptions o;
    EXPECT_TRUE(o.scrambled());
    EXPECT_TRUE(o.onlyLetters());
    EXPECT_EQ(o.scrambledTag(), 1);
    EXPECT_EQ(o.straightTag(), 0);
    EXPECT_EQ(o.onlyLettersTag(), 1);
}

TEST(GameStartChecks, PairStaysExclusiveWhateverIsClicked)
{
    GameStartOptions o;
    const std::vector<QString> clicks = {"2", "2", "1", "1", "2", "x", "", "2"};
    const std::vector<bool> scrambledAfter = {false, false, true, true, false, true, true, false};
    for (std::size_t i = 0; i < clicks.size(); ++i) {
        o.clickPair(clicks[i]);
        EXPECT_EQ(o.scrambled(), scrambledAfter[i]) << "after click " << i;
        EXPECT_EQ(o.scrambledTag() + o.straightTag(), 1) << "after click " << i;
    }
}

TEST(GameStartChecks, CheckscramTwoMeansStraightAnythingElseScrambled)
{
    GameStartOptions o;
    o.checkscram(2);
    EXPECT_TRUE(o.straight());
    for (int which : {1, 0, 3, -2}) {
        o.checkscram(2);
        o.checkscram(which);
        EXPECT_TRUE(o.scrambled()) << which;
    }
}

TEST(GameStartChecks, OnlyLettersTogglesAndCheckonlySets)
{
    GameStartOptions o;
    o.toggleOnlyLetters();
    EXPECT_FALSE(o.onlyLetters());
    o.toggleOnlyLetters();
    EXPECT_TRUE(o.onlyLetters());
    o.checkonly(0);
    EXPECT_EQ(o.onlyLettersTag(), 0);
    o.checkonly(1);
    EXPECT_EQ(o.onlyLettersTag(), 1);
    // The pair is untouched by the independent choice.
    EXPECT_TRUE(o.scrambled());
}

// --- the start command ---------------------------------------------------------------

TEST(GameStartMessage, DefaultsGiveFiveFieldsAndATrailingSeparator)
{
    GameStartOptions o;
    EXPECT_EQ(wireOf(o.startMessage("Ann")), terminated("CMD_startgame+Ann+250+30+t+t+"));
}

TEST(GameStartMessage, SeveralCombinations)
{
    struct Case {
        int score, time;
        int scram, only;
        const char* name;
        const char* expected;
    };
    const Case cases[] = {
        {1000, 120, 2, 0, "Bob", "CMD_startgame+Bob+1000+120+f+f+"},
        {100, 20, 1, 0, "Cy", "CMD_startgame+Cy+100+20+t+f+"},
        {450, 65, 2, 1, "Dee Dee", "CMD_startgame+Dee Dee+450+65+f+t+"},
        {30, 1, 1, 1, "You", "CMD_startgame+You+100+20+t+t+"},
    };
    for (const Case& c : cases) {
        GameStartOptions o;
        o.playToScore.setPosition(c.score);
        o.creationTime.setPosition(c.time);
        o.checkscram(c.scram);
        o.checkonly(c.only);
        EXPECT_EQ(wireOf(o.startMessage(c.name)), terminated(c.expected)) << c.expected;
    }
}

TEST(GameStartMessage, EmptyNameKeepsEveryField)
{
    GameStartOptions o;
    EXPECT_EQ(wireOf(o.startMessage("")), terminated("CMD_startgame++250+30+t+t+"));
}

TEST(GameStartMessage, PlusInNameCannotShiftTheOptions)
{
    GameStartOptions o;
    o.checkscram(2);
    const QByteArray bytes = wireOf(o.startMessage("A+B"));
    EXPECT_EQ(bytes, terminated("CMD_startgame+A?B+250+30+f+t+"));
    EXPECT_EQ(bytes.count('+'), 6);
}

TEST(GameStartMessage, NameGoesOutInWindows1252)
{
    GameStartOptions o;
    QByteArray expected("CMD_startgame+Jos\xE9+250+30+t+t+");
    expected.append('\xFF');
    EXPECT_EQ(wireOf(o.startMessage(QString::fromUtf8("Jos\u00e9"))), expected);
    // ÿ would be the terminator byte: it must not end the message early.
    const QByteArray y = wireOf(o.startMessage(QString::fromUtf8("\u00ffy")));
    EXPECT_EQ(y.count('\xFF'), 1);
    EXPECT_TRUE(y.endsWith("+t+t+\xFF"));
}

TEST(SteppedValue, ATypedNumberIsHeldToTheRangeAndRoundedToAStep)
{
    struct Case {
        int typed;
        int score;   // play-to score: 100 to 1000 in steps of 50
        int seconds; // seconds per turn: 20 to 120 in steps of 5
    };
    const Case cases[] = {
        {253, 250, 120},  {275, 300, 120}, {274, 250, 120}, {1000, 1000, 120}, {5000, 1000, 120},
        {-7, 100, 20},    {0, 100, 20},    {22, 100, 20},   {23, 100, 25},      {117, 100, 115},
        {118, 100, 120},  {124, 100, 120}, {2147483647, 1000, 120}, {-2147483647 - 1, 100, 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        GameStartOptions o;
        o.playToScore.setTyped(c.typed);
        o.creationTime.setTyped(c.typed);
        EXPECT_EQ(o.playToScore.position(), c.score);
        EXPECT_EQ(o.creationTime.position(), c.seconds);
    }
}
