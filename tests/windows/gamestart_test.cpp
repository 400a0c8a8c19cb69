// The game start options: bounds and steps of the two values, the exclusive pair of
// check images, the only-letters toggle, and the exact start command, both through
// the rule class and through the dialog's own controls.
#include "widgets/CheckImage.h"
#include "client/GameStartOptions.h"
#include "widgets/PictureButton.h"
#include "widgets/UpDownEdit.h"
#include "windows/gamestartform.h"

#include <QImage>
#include <QLineEdit>
#include <QTest>
#include <climits>
#include <gtest/gtest.h>
#include <vector>

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

// --- the dialog ---------------------------------------------------------------------------

class GameStartForm : public ::testing::Test {
protected:
    Tgamestart form;
    std::vector<QByteArray> sent;
    std::vector<QString> events;

    void SetUp() override
    {
        form.setPlayerName("Ann");
        form.onStart = [this](const Message& m) {
            sent.push_back(m.bytes());
            events.push_back(form.isVisible() ? "send while shown" : "send while hidden");
        };
        form.onSaveSettings = [this] {
            events.push_back(form.isVisible() ? "save while shown" : "save while hidden");
        };
    }

    std::vector<int> tags() const
    {
        return {form.checkbox_1->tag(), form.checkbox_2->tag(), form.checkbox_onlyletters->tag()};
    }
};

TEST_F(GameStartForm, StartsHiddenWithCaptionAndDefaults)
{
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.windowTitle(), "Quillor - Game Start");
    EXPECT_EQ(form.edit_playtoscore->text(), "250");
    EXPECT_EQ(form.edit_creationtime->text(), "30");
    EXPECT_EQ(tags(), (std::vector<int>{1, 0, 1}));
    EXPECT_EQ(form.checkbox_1->hint(), "1");
    EXPECT_EQ(form.checkbox_2->hint(), "2");
}

TEST_F(GameStartForm, ArrowKeysStepAndTypingChangesNothing)
{
    form.show();
    QTest::keyClick(form.UpDown1, Qt::Key_Up);
    EXPECT_EQ(form.edit_playtoscore->text(), "300");
    EXPECT_EQ(form.playToScorePosition(), 300);
    QTest::keyClick(form.UpDown2, Qt::Key_Down);
    EXPECT_EQ(form.edit_creationtime->text(), "25");

    QTest::keyClicks(form.edit_playtoscore, "77");
    QTest::keyClick(form.edit_playtoscore, Qt::Key_Backspace);
    EXPECT_EQ(form.edit_playtoscore->text(), "300");
    EXPECT_EQ(form.playToScorePosition(), 300);

    for (int i = 0; i < 40; ++i)
        QTest::keyClick(form.UpDown2, Qt::Key_Down);
    EXPECT_EQ(form.edit_creationtime->text(), "20");
    for (int i = 0; i < 40; ++i)
        QTest::keyClick(form.UpDown2, Qt::Key_Up);
    EXPECT_EQ(form.edit_creationtime->text(), "120");
}

TEST_F(GameStartForm, ClickingTheImagesKeepsThePairExclusive)
{
    form.show();
    QTest::mouseClick(form.checkbox_2, Qt::LeftButton);
    EXPECT_EQ(tags(), (std::vector<int>{0, 1, 1}));
    QTest::mouseClick(form.checkbox_2, Qt::LeftButton);
    EXPECT_EQ(tags(), (std::vector<int>{0, 1, 1}));
    QTest::mouseClick(form.checkbox_1, Qt::LeftButton);
    EXPECT_EQ(tags(), (std::vector<int>{1, 0, 1}));
    QTest::mouseClick(form.checkbox_onlyletters, Qt::LeftButton);
    EXPECT_EQ(tags(), (std::vector<int>{1, 0, 0}));
    QTest::mouseClick(form.checkbox_onlyletters, Qt::LeftButton);
    EXPECT_EQ(tags(), (std::vector<int>{1, 0, 1}));
}

TEST_F(GameStartForm, CheckImageShowsItsState)
{
    CheckImage image("1");
    image.setTag(0);
    const QImage off = image.grab().toImage();
    image.setTag(1);
    const QImage on = image.grab().toImage();
    EXPECT_NE(off, on);
    image.setTag(0);
    EXPECT_EQ(image.grab().toImage(), off);
}

TEST_F(GameStartForm, StartSendsThenHidesThenSaves)
{
    form.show();
    QTest::mouseClick(form.checkbox_2, Qt::LeftButton);
    QTest::mouseClick(form.checkbox_onlyletters, Qt::LeftButton);
    QTest::keyClick(form.UpDown1, Qt::Key_Up);
    QTest::keyClick(form.UpDown2, Qt::Key_Up);
    QTest::mouseClick(form.button_start, Qt::LeftButton);

    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0], terminated("CMD_startgame+Ann+300+35+f+f+"));
    EXPECT_EQ(events, (std::vector<QString>{"send while shown", "save while hidden"}));
    EXPECT_FALSE(form.isVisible());
}

TEST_F(GameStartForm, ValuesPersistAcrossShowings)
{
    form.show();
    QTest::keyClick(form.UpDown1, Qt::Key_Down);
    form.button_startClick();
    form.show();
    EXPECT_EQ(form.edit_playtoscore->text(), "200");
    form.button_startClick();
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0], sent[1]);
}

TEST_F(GameStartForm, SettingsPositionsAreHeldToTheRanges)
{
    form.setPlayToScorePosition(30);
    form.setCreationTimePosition(1);
    EXPECT_EQ(form.edit_playtoscore->text(), "100");
    EXPECT_EQ(form.edit_creationtime->text(), "20");
    EXPECT_EQ(form.UpDown1->value(), 100);
    form.setPlayToScorePosition(1000);
    form.checkscram(2);
    form.checkonly(0);
    EXPECT_EQ(tags(), (std::vector<int>{0, 1, 0}));
    form.button_startClick();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0], terminated("CMD_startgame+Ann+1000+20+f+f+"));
}

TEST_F(GameStartForm, StartWithoutCallbacksOnlyHides)
{
    Tgamestart bare;
    bare.show();
    bare.button_startClick();
    EXPECT_FALSE(bare.isVisible());
}

TEST_F(GameStartForm, StartButtonHasAUsableSizeWithOrWithoutPicture)
{
    const QSize size = form.button_start->size();
    EXPECT_GE(size.width(), 60);
    EXPECT_GE(size.height(), 20);
    const QImage shot = form.button_start->grab().toImage();
    // Something is drawn: not every pixel is the same colour.
    bool varied = false;
    for (int y = 0; y < shot.height() && !varied; ++y)
        for (int x = 0; x < shot.width() && !varied; ++x)
            varied = shot.pixel(x, y) != shot.pixel(0, 0);
    EXPECT_TRUE(varied);
}
