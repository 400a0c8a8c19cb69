// The phrase editor: its fields, "Done" handing the phrases over and keeping them, the
// editor staying open when they could not be written, and every other way of closing it
// dropping what was typed.
#include "client/Preferences.h"
#include "windows/phrasesform.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

TEST(Tphrases, ShowsTheTenPhrasesInFieldsOfFiftyCharacters)
{
    Preferences prefs;
    Tphrases editor(prefs);
    EXPECT_EQ(editor.windowTitle(), "Quillor - Phrase Buttons ");
    EXPECT_EQ(editor.label_notice->text(), "Buttons can only be used once every 2 seconds");
    EXPECT_EQ(editor.button_done->text(), "Done");
    prefs.setPhrase(2, QStringLiteral("Hi all"));
    editor.PrhaseList1Click(nullptr);
    EXPECT_TRUE(editor.isVisible());
    EXPECT_FALSE(editor.isModal());
    for (int i = 0; i < Preferences::PhraseCount; ++i) {
        EXPECT_EQ(editor.label[std::size_t(i)]->text(), QStringLiteral("Phrase Button %1:").arg(i + 1));
        EXPECT_EQ(editor.phrase[std::size_t(i)]->text(), prefs.phrase(i + 1));
        EXPECT_EQ(editor.phrase[std::size_t(i)]->maxLength(), 50);
    }
    EXPECT_EQ(editor.phrase[1]->text(), "Hi all");
    editor.phrase[0]->clear();
    QTest::keyClicks(editor.phrase[0], QString(60, u'a'));
    EXPECT_EQ(editor.phrase[0]->text(), QString(50, u'a'));
}

TEST(Tphrases, DoneHandsThePhrasesOverAndKeepsThem)
{
    Preferences prefs;
    int keeps = 0;
    QStringList kept;
    prefs.phraseKeeper = [&] {
        ++keeps;
        kept = prefs.phrases();
        return true;
    };
    QSignalSpy changes(&prefs, &Preferences::changed);
    Tphrases editor(prefs);
    editor.PrhaseList1Click(nullptr);
    editor.phrase[3]->setText(QStringLiteral("Nice!"));
    editor.phrase[8]->clear();
    QTest::mouseClick(editor.button_done, Qt::LeftButton);
    EXPECT_FALSE(editor.isVisible());
    EXPECT_EQ(prefs.phrase(4), "Nice!");
    EXPECT_EQ(prefs.phrase(9), QString());
    EXPECT_EQ(prefs.phrase(1), "Way To Go!");
    EXPECT_EQ(keeps, 1);
    EXPECT_EQ(kept, prefs.phrases()); // the phrases were in place when the keeper wrote them
    EXPECT_GE(changes.count(), 1);
}

TEST(Tphrases, AFailedWriteKeepsTheEditorOpen)
{
    Preferences prefs;
    bool writable = false;
    prefs.phraseKeeper = [&] { return writable; };
    Tphrases editor(prefs);
    editor.PrhaseList1Click(nullptr);
    editor.phrase[0]->setText(QStringLiteral("Yay"));
    editor.button_doneClick();
    EXPECT_TRUE(editor.isVisible());
    EXPECT_EQ(prefs.phrase(1), "Yay"); // the buttons carry it already
    writable = true;
    editor.button_doneClick();
    EXPECT_FALSE(editor.isVisible());
}

TEST(Tphrases, OtherClosingsDropTheEdits)
{
    Preferences prefs;
    int keeps = 0;
    prefs.phraseKeeper = [&] {
        ++keeps;
        return true;
    };
    Tphrases editor(prefs);
    for (int way = 0; way < 2; ++way) {
        editor.PrhaseList1Click(nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor));
        editor.phrase[0]->setText(QStringLiteral("typed"));
        if (way == 0)
            editor.close();
        else
            QTest::keyClick(editor.phrase[0], Qt::Key_Escape);
        EXPECT_FALSE(editor.isVisible());
        EXPECT_EQ(prefs.phrase(1), "Way To Go!");
        // Opened again, it shows the buttons' phrases, not what was typed.
        editor.PrhaseList1Click(nullptr);
        EXPECT_EQ(editor.phrase[0]->text(), "Way To Go!");
        editor.close();
    }
    EXPECT_EQ(keeps, 0);
}

TEST(Tphrases, ALongStoredPhraseStaysWholeUntilItsFieldIsEdited)
{
    Preferences prefs;
    prefs.phraseKeeper = [] { return true; };
    const QString longOne = QStringLiteral("/me waves to everybody at the table and wishes them all a very good game");
    const QString longTwo = QString(80, u'b');
    ASSERT_GT(longOne.size(), Tphrases::MaxTyped);
    prefs.setPhrase(1, longOne);
    prefs.setPhrase(2, longTwo);
    Tphrases editor(prefs);
    editor.PrhaseList1Click(nullptr);
    EXPECT_EQ(editor.phrase[0]->text(), longOne);

    // Field 1 untouched; field 2 shortened by the player, who then cannot type it longer
    // than the typed limit; field 3 typed in as usual.
    editor.phrase[1]->setFocus();
    editor.phrase[1]->end(false);
    QTest::keyClick(editor.phrase[1], Qt::Key_Backspace);
    EXPECT_EQ(editor.phrase[1]->text(), QString(79, u'b'));
    QTest::keyClick(editor.phrase[1], Qt::Key_B);
    EXPECT_EQ(editor.phrase[1]->text(), QString(79, u'b')) << "an edit never lengthens it";
    editor.phrase[1]->selectAll();
    QTest::keyClicks(editor.phrase[1], QString(70, u'd'));
    EXPECT_EQ(editor.phrase[1]->text(), QString(50, u'd'));
    editor.button_doneClick();

    EXPECT_EQ(prefs.phrase(1), longOne);
    EXPECT_EQ(prefs.phrase(2), QString(50, u'd'));
    // Opened again, a short phrase has the typed limit again.
    editor.PrhaseList1Click(nullptr);
    EXPECT_EQ(editor.phrase[1]->maxLength(), Tphrases::MaxTyped);
    EXPECT_EQ(editor.phrase[0]->text(), longOne);
}
