// The "Play with Others" choice: its command line, and how it is kept in the shared
// settings file.
#include "client/PlayChoiceStore.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(PlayChoice, CommandLineIsNameAddressFlagAndPort)
{
    EXPECT_EQ((PlayChoice{" Bob ", " 192.0.2.7 ", 7772, false}.arguments()),
              (QStringList{"--port", "7772", "--", "Bob", "192.0.2.7", "false"}));
    EXPECT_EQ((PlayChoice{"Ann", "", 8000, true}.arguments()), (QStringList{"--port", "8000", "--", "Ann", "127.0.0.1", "true"}));
    // A host keeps the address the player gave, which hosting ignores anyway.
    EXPECT_EQ((PlayChoice{"Ann", "::1", 7772, true}.arguments()).at(4), "::1");

    // A name that looks like an option stays a name: it comes after "--".
    for (const char* name : {"-platform", "--serve", "--port", "--"}) {
        const QStringList args = PlayChoice{name, "10.0.0.2", 7772, false}.arguments();
        EXPECT_EQ(args.mid(args.indexOf("--") + 1), (QStringList{name, "10.0.0.2", "false"})) << name;
    }

    EXPECT_TRUE((PlayChoice{"Ann", "", 7772, true}.complete()));
    EXPECT_FALSE((PlayChoice{"Ann", "  ", 7772, false}.complete()));
    EXPECT_FALSE((PlayChoice{" ", "h", 7772, false}.complete()));
}

TEST(PlayChoiceStore, MissingOrMalformedValuesGiveTheDefaults)
{
    QTemporaryDir dir;
    const QString path = dir.path() + "/pelklobby.ini";
    PlayChoiceStore store(path);
    EXPECT_EQ(store.load(), PlayChoice{});
    EXPECT_EQ(store.load().port, 7772);

    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[AGAME]\nplayername=Cy\nPort=0\nHosting=True\n");
    f.close();
    const PlayChoice c = store.load();
    EXPECT_EQ(c.name, "Cy");       // keys and sections are found whatever their case
    EXPECT_EQ(c.port, 7772);       // 0 is no port to play on
    EXPECT_FALSE(c.host);          // only exactly "true" hosts

    for (const char* bad : {"Port=70000", "Port=x", "Port=-5"}) {
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(QByteArray("[agame]\n") + bad + "\n");
        f.close();
        EXPECT_EQ(store.load().port, 7772) << bad;
    }
}

TEST(PlayChoiceStore, SavedChoiceReadsBack)
{
    QTemporaryDir dir;
    PlayChoiceStore store(dir.path() + "/pelklobby.ini");
    const PlayChoice c{"Zoë", "fe80::1%eth0", 65535, true};
    store.save(c);
    EXPECT_EQ(store.load(), c);
}

} // namespace
