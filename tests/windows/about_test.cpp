// The about window's version text (the one the client reports at login), its link,
// and the help window's six pages.
#include "windows/aboutform.h"
#include "windows/helpform.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>
#include <vector>

TEST(AboutWindow, VersionLabelReadsTheVersion)
{
    Tabout about;
    EXPECT_EQ(about.versionText(), "1.0.4");
    EXPECT_EQ(about.version->text(), about.versionText());
    EXPECT_FALSE(about.isVisible());
}

TEST(AboutWindow, LinkOpensTheHomePageInTheBrowser)
{
    Tabout about;
    std::vector<QUrl> opened;
    about.openUrl = [&opened](const QUrl& url) {
        opened.push_back(url);
        return true;
    };
    EXPECT_TRUE(about.label_link->text().contains(Tabout::HomePage));
    emit about.label_link->linkActivated(Tabout::HomePage);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], QUrl(Tabout::HomePage));
}

TEST(AboutWindow, OkClosesTheWindow)
{
    Tabout about;
    about.show();
    QTest::mouseClick(about.button_ok, Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());
}

TEST(HelpWindow, SixButtonsWithTheirCaptions)
{
    Thelp help;
    const QStringList expected = {"Overview", "Connecting", "Game Play", "Scoring", "Documentation", "License"};
    ASSERT_EQ(Thelp::pageTitles(), expected);
    for (int i = 0; i < Thelp::PageCount; ++i)
        EXPECT_EQ(help.pageButtons[static_cast<std::size_t>(i)]->text(), expected[i]);
}

TEST(HelpWindow, EachButtonShowsItsOwnPage)
{
    Thelp help;
    help.show();
    QStringList shown;
    for (int i = Thelp::PageCount - 1; i >= 0; --i) {
        QTest::mouseClick(help.pageButtons[static_cast<std::size_t>(i)], Qt::LeftButton);
        EXPECT_EQ(help.currentPage(), i);
        EXPECT_TRUE(help.pageButtons[static_cast<std::size_t>(i)]->isChecked());
        const QString text = help.memo_help->toPlainText();
        EXPECT_FALSE(text.isEmpty()) << i;
        EXPECT_FALSE(shown.contains(text)) << "page " << i << " repeats another page";
        shown.append(text);
    }
}

TEST(HelpWindow, PagesCoverWhatThePlayerNeeds)
{
    // Connecting explains the dialog and the command line, Scoring the clock, License the terms.
    EXPECT_TRUE(Thelp::pageText(1).contains("Play with Others..."));
    EXPECT_TRUE(Thelp::pageText(1).contains("Friends can join at 192.168.1.20 port"));
    EXPECT_TRUE(Thelp::pageText(1).contains("quillor NAME HOST true|false [--port N]"));
    EXPECT_TRUE(Thelp::pageText(1).contains("7772"));
    EXPECT_TRUE(Thelp::pageText(3).contains("seconds left"));
    EXPECT_TRUE(Thelp::pageText(5).contains("MIT license"));
    EXPECT_TRUE(Thelp::pageText(5).contains("GNU General Public License, version 3 or later")) << "the word lists' terms";
    EXPECT_TRUE(Thelp::pageText(-1).isEmpty());
    EXPECT_TRUE(Thelp::pageText(Thelp::PageCount).isEmpty());
}

TEST(HelpWindow, OutOfRangePageKeepsTheCurrentOne)
{
    Thelp help;
    help.showPage(3);
    help.showPage(9);
    help.showPage(-1);
    EXPECT_EQ(help.currentPage(), 3);
}
