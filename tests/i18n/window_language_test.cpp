// The main window in each language, and View > Language kept for the next start.
#include "client/GameClient.h"
#include "client/SettingsFile.h"
#include "client/ui/ChatEntry.h"
#include "client/ui/MainMenus.h"
#include "client/ui/chatform.h"
#include "i18n/WindowLanguage.h"
#include "windows/helpform.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList menuTitles(Tchat& window)
{
    QStringList titles;
    for (QAction* action : window.menuBar()->actions())
        titles << action->text();
    return titles;
}

QAction* action(Tchat& window, const char* name)
{
    return window.findChild<QAction*>(QString::fromLatin1(name));
}

QString checkedLanguage(Tchat& window)
{
    for (QAction* item : window.menus().Language1->actions())
        if (item->isChecked())
            return item->objectName();
    return {};
}

} // namespace

TEST(WindowLanguage, TheMainWindowShowsItsMenusInTheInstalledLanguage)
{
    const struct {
        const char* code;
        QStringList menus;
        const char* startGame;
        const char* language;
        const char* helpOpening;
        const char* chatPrompt;
    } cases[] = {
        {"de", {"&Datei", "&Spiel", "&Ansicht", "&Optionen", "&Hilfe"}, "Spiel &starten", "S&prache", "Quillor ist ein Wettlauf", "<Hier chatten>"},
        {"fr", {"&Fichier", "&Partie", "&Affichage", "&Options", "Aid&e"}, "&Lancer la partie", "La&ngue", "Quillor est une course", "<\u00c9crivez ici>"},
        {"es", {"&Archivo", "&Partida", "&Ver", "&Opciones", "Ay&uda"}, "&Iniciar partida", "&Idioma", "Quillor es una carrera", "<Escribe aqu\u00ed>"},
        // No translator: the texts as written.
        {"en", {"&File", "&Game", "&View", "&Options", "&Help"}, "&Start Game", "&Language", "Quillor is a word-finding race", "<Enter Chat Here>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        WindowTranslation translation;
        ASSERT_TRUE(translation.install(QString::fromLatin1(c.code))) << "the compiled translation is missing";
        Tchat window{QStringList{"Tester"}};
        EXPECT_EQ(menuTitles(window), c.menus);
        ASSERT_NE(action(window, "StartGame1"), nullptr);
        EXPECT_EQ(action(window, "StartGame1")->text(), QString::fromUtf8(c.startGame));
        EXPECT_EQ(window.menus().Language1->title(), QString::fromUtf8(c.language));
        // The languages are named in their own words whatever the windows' language.
        ASSERT_NE(action(window, "Language_de"), nullptr);
        EXPECT_EQ(action(window, "Language_de")->text(), QStringLiteral("&Deutsch"));
        EXPECT_EQ(action(window, "Language_fr")->text(), QString::fromUtf8("&Fran\u00e7ais"));
        // The help's pages too, but for the licence, which keeps its own words.
        EXPECT_TRUE(Thelp::pageText(0).contains(QString::fromUtf8(c.helpOpening))) << Thelp::pageText(0).left(80).toStdString();
        EXPECT_TRUE(Thelp::pageText(5).contains(QStringLiteral("released under the MIT license")));
        // The chat box's prompt in the same language, and the first key still clears it.
        auto* entry = window.findChild<ChatEntry*>();
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->text(), QString::fromUtf8(c.chatPrompt));
        QTest::keyClick(entry, Qt::Key_A);
        EXPECT_EQ(entry->text(), QStringLiteral("a"));
    }
    // Once the translator is gone, a new window is English again.
    Tchat english{QStringList{"Tester"}};
    EXPECT_EQ(menuTitles(english).first(), QStringLiteral("&File"));
}

TEST(WindowLanguage, TheChoiceInViewLanguageIsKeptInTheSettingsFileForTheNextStart)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid()) << "no temporary folder";
    const auto stored = [&dir] {
        return SettingsFile::storedValue(dir.path(), GameClient::GameKey, windowlanguage::SettingsKey);
    };
    const struct {
        const char* item;
        const char* value;
        const char* startsIn; // on a system that asks for Spanish
    } cases[] = {
        {"Language_de", "de", "de"},
        {"Language_en", "en", "en"},
        {"Language_fr", "fr", "fr"},
        {"Language_system", "", "es"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.item);
        {
            Tchat window{QStringList{"Tester"}};
            window.keepSettingsIn(dir.path());
            QAction* item = action(window, c.item);
            ASSERT_NE(item, nullptr);
            item->trigger();
            // The windows stay as they are until the next start.
            EXPECT_EQ(menuTitles(window).first(), QStringLiteral("&File"));
        }
        EXPECT_EQ(stored(), QLatin1String(c.value));
        EXPECT_EQ(windowlanguage::resolve(stored(), {QStringLiteral("es-ES")}), QLatin1String(c.startsIn));
        // The next start's menu shows the kept choice.
        Tchat next{QStringList{"Tester"}};
        next.keepSettingsIn(dir.path());
        EXPECT_EQ(checkedLanguage(next), QLatin1String(c.item));
    }
}
