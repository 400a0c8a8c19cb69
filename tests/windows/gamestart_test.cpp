// The game start dialog: its controls, the exclusive pair of check images, and the start
// command it sends before it hides and asks for the settings to be saved.
#include "client/Preferences.h"
#include "widgets/CheckImage.h"
#include "widgets/PictureButton.h"
#include "widgets/UpDownEdit.h"
#include "windows/gamestartform.h"

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

namespace {

QByteArray terminated(const char* text)
{
    QByteArray out(text);
    out.append('\xFF');
    return out;
}

} // namespace

// --- the dialog ---------------------------------------------------------------------------

class GameStartForm : public ::testing::Test {
protected:
    Preferences prefs;
    Tgamestart form{prefs};
    std::vector<QByteArray> sent;
    std::vector<QString> events;

    void SetUp() override
    {
        form.setPlayerName("Ann");
        QObject::connect(&form, &Tgamestart::startCommand, [this](const Message& m) {
            sent.push_back(m.bytes());
            events.push_back(form.isVisible() ? "send while shown" : "send while hidden");
        });
        QObject::connect(&prefs, &Preferences::saveRequested, [this] {
            events.push_back(form.isVisible() ? "save while shown" : "save while hidden");
        });
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

TEST_F(GameStartForm, ArrowKeysStepAndStopAtTheBounds)
{
    form.show();
    QTest::keyClick(form.UpDown1, Qt::Key_Up);
    EXPECT_EQ(form.edit_playtoscore->text(), "300");
    EXPECT_EQ(form.playToScorePosition(), 300);
    QTest::keyClick(form.UpDown2, Qt::Key_Down);
    EXPECT_EQ(form.edit_creationtime->text(), "25");

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

    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0], terminated("CMD_wordlanguage+en+"));
    EXPECT_EQ(sent[1], terminated("CMD_startgame+Ann+300+35+f+f+"));
    EXPECT_EQ(events, (std::vector<QString>{"send while shown", "send while shown", "save while hidden"}));
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
    ASSERT_EQ(sent.size(), 4u);
    EXPECT_EQ(sent[0], sent[2]);
    EXPECT_EQ(sent[1], sent[3]);
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
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[1], terminated("CMD_startgame+Ann+1000+20+f+f+"));
}

TEST_F(GameStartForm, StartWithoutCallbacksOnlyHides)
{
    Preferences own;
    Tgamestart bare(own);
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

TEST_F(GameStartForm, TypedNumbersAreTakenRoundedToTheirStep)
{
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    EXPECT_EQ(form.Label1->text(), "Seconds per Turn:");
    EXPECT_FALSE(form.edit_playtoscore->isReadOnly());
    struct Case {
        QLineEdit* edit;
        const char* typed;
        QString shown;
    };
    const Case cases[] = {
        {form.edit_playtoscore, "253", "250"},
        {form.edit_playtoscore, "280", "300"},
        {form.edit_playtoscore, "9999", "1000"}, // beyond the range: the bound
        {form.edit_creationtime, "47", "45"},
        {form.edit_creationtime, "48", "50"},
        {form.edit_creationtime, "5", "20"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        c.edit->parentWidget()->setFocus();
        c.edit->selectAll();
        QTest::keyClicks(c.edit, QString::fromLatin1(c.typed));
        // Leaving the box takes the number.
        c.edit->parentWidget()->clearFocus();
        EXPECT_EQ(c.edit->text(), c.shown);
    }
    EXPECT_EQ(form.playToScorePosition(), 1000);
    EXPECT_EQ(form.creationTimePosition(), 20);
    EXPECT_EQ(prefs.startOptions().creationTime.position(), 20);
    // Enter takes it too, and the start command sends what is shown.
    form.edit_playtoscore->setFocus();
    form.edit_playtoscore->selectAll();
    QTest::keyClicks(form.edit_playtoscore, "333");
    QTest::keyClick(form.edit_playtoscore, Qt::Key_Return);
    EXPECT_EQ(form.edit_playtoscore->text(), "350");
    form.button_startClick();
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[1], terminated("CMD_startgame+Ann+350+20+t+t+"));
}

// "Words:" offers the eight languages, each in its own name; the one chosen is sent, by
// its code, just before the start command, and kept in the preferences.
TEST_F(GameStartForm, TheLanguageOfTheWordsIsChosenByNameAndSentByCodeBeforeTheStart)
{
    EXPECT_EQ(form.label_words->text(), "Words:");
    QStringList names;
    for (int i = 0; i < form.combo_words->count(); ++i)
        names << form.combo_words->itemText(i);
    EXPECT_EQ(names, (QStringList{"English", "Français", "Deutsch", "Español", "Italiano", "Português", "Nederlands",
                                  "Svenska"}));
    EXPECT_EQ(form.combo_words->currentText(), "English");

    form.show();
    const struct {
        int key;          // pressed on the list, which has the focus
        const char* name; // shown then
        const char* sent; // the language message of the next start
    } steps[] = {
        {Qt::Key_Down, "Français", "CMD_wordlanguage+fr+"},
        {Qt::Key_Down, "Deutsch", "CMD_wordlanguage+de+"},
        {Qt::Key_End, "Svenska", "CMD_wordlanguage+sv+"},
        {Qt::Key_Up, "Nederlands", "CMD_wordlanguage+nl+"},
        {Qt::Key_Home, "English", "CMD_wordlanguage+en+"},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        form.show();
        form.combo_words->setFocus();
        QTest::keyClick(form.combo_words, Qt::Key(step.key));
        EXPECT_EQ(form.combo_words->currentText(), step.name);
        sent.clear();
        QTest::mouseClick(form.button_start, Qt::LeftButton);
        ASSERT_EQ(sent.size(), 2u);
        EXPECT_EQ(sent[0], terminated(step.sent));
        EXPECT_TRUE(sent[1].startsWith("CMD_startgame+Ann+"));
        EXPECT_EQ(prefs.startOptions().language(), QString::fromLatin1(step.sent).section('+', 1, 1));
    }

    // Preferences read from the settings file show in the list; an unknown code changes nothing.
    GameStartOptions o = prefs.startOptions();
    o.setLanguage(QStringLiteral("it"));
    o.setLanguage(QStringLiteral("xx"));
    prefs.setStartOptions(o);
    EXPECT_EQ(form.combo_words->currentText(), "Italiano");
    form.setLanguage(QStringLiteral("Deutsch"));
    EXPECT_EQ(form.combo_words->currentText(), "Italiano");
}
