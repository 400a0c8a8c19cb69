// Every window's title is exactly its caption.
#include "client/ui/chatform.h"
#include "windows/aboutform.h"
#include "windows/gamestartform.h"
#include "windows/helpform.h"
#include "windows/spylistform.h"
#include "windows/tallylistform.h"

#include <QTemporaryDir>
#include <QWindow>
#include <gtest/gtest.h>

TEST(WindowTitles, EachWindowIsTitledWithItsCaptionAlone)
{
    QTemporaryDir folder;
    Tchat chat(QStringList{"Tester"});
    Ttallylist tally(folder.path());
    Tabout about;
    Tgamestart gamestart(chat.prefs());
    Thelp help;
    Tspylist spylist;
    const std::pair<QWidget*, const char*> windows[] = {
        {&chat, "Quillor"},
        {&tally, "Quillor - Tally List"},
        {&about, "Quillor - About"},
        {&gamestart, "Quillor - Game Start"},
        {&help, "Quillor - Help"},
        {&spylist, "Quillor - Spys"},
    };
    for (const auto& [window, caption] : windows) {
        EXPECT_EQ(window->windowTitle(), caption);
        window->winId(); // the window system's window, which carries the title
        ASSERT_TRUE(window->windowHandle());
        EXPECT_EQ(window->windowHandle()->title(), caption);
    }
}
