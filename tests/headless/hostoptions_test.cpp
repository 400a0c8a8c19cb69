// The dedicated host's command line: every option from its one table, and the usage.
#include "headless/HostOptions.h"

#include <gtest/gtest.h>

TEST(HostOptions, OptionsAndTheirValuesAreRead)
{
    const struct {
        QStringList arguments;
        quint16 port;
        bool help;
        bool version;
        int holdSeat = 90;
        const char* words = "en";
        QString name = {};
        bool announce = true;
    } cases[] = {
        {{}, 7772, false, false},
        {{"--port", "7780"}, 7780, false, false},
        {{"--port=0"}, 0, false, false},
        {{"--port", "1", "--port=65535"}, 65535, false, false}, // the last one counts
        {{"--help"}, 7772, true, false},
        {{"-h", "--port", "9"}, 9, true, false},
        {{"--version"}, 7772, false, true},
        {{"-v"}, 7772, false, true},
        {{"--hold-seat", "0"}, 7772, false, false, 0},
        {{"--hold-seat=86400", "--port", "1"}, 1, false, false, 86400},
        {{"--words", "de"}, 7772, false, false, 90, "de"},
        {{"--words=sv", "--hold-seat", "5"}, 7772, false, false, 5, "sv"},
        {{"--words", "fr", "--words=en"}, 7772, false, false, 90, "en"}, // the last one counts
        {{"--name", "Club room"}, 7772, false, false, 90, "en", "Club room"},
        {{"--name= Ann's table ", "--no-announce"}, 7772, false, false, 90, "en", "Ann's table", false},
        {{"--no-announce", "--name", "a", "--name=b"}, 7772, false, false, 90, "en", "b", false},
        {{"--name", "--port"}, 7772, false, false, 90, "en", "--port"}, // a value may look like an option
    };
    for (const auto& c : cases) {
        const HostOptions o = HostOptions::parse(c.arguments);
        const std::string args = c.arguments.join(' ').toStdString();
        EXPECT_TRUE(o.ok()) << args << ": " << o.error.toStdString();
        EXPECT_EQ(o.port, c.port) << args;
        EXPECT_EQ(o.help, c.help) << args;
        EXPECT_EQ(o.version, c.version) << args;
        EXPECT_EQ(o.holdSeatSeconds, c.holdSeat) << args;
        EXPECT_EQ(o.words, c.words) << args;
        EXPECT_EQ(o.name, c.name) << args;
        EXPECT_EQ(o.announce, c.announce) << args;
    }
}

TEST(HostOptions, TheAgonesOptionsTakeTheirPortOnlyAfterAnEqualsSign)
{
    const struct {
        QStringList arguments;
        bool agones;
        quint16 agonesPort;
        bool oneSession;
        quint16 port;
    } cases[] = {
        {{}, false, 0, false, 7772},
        {{"--agones"}, true, 0, false, 7772},
        {{"--agones=9400"}, true, 9400, false, 7772},
        {{"--agones", "--port", "0"}, true, 0, false, 0}, // the next argument is not its port
        {{"--agones=9400", "--agones"}, true, 0, false, 7772}, // the last one counts
        {{"--agones-one-session"}, false, 0, true, 7772},
        {{"--port=7780", "--agones-one-session", "--agones=1"}, true, 1, true, 7780},
    };
    for (const auto& c : cases) {
        const HostOptions o = HostOptions::parse(c.arguments);
        const std::string args = c.arguments.join(' ').toStdString();
        EXPECT_TRUE(o.ok()) << args << ": " << o.error.toStdString();
        EXPECT_EQ(o.agones, c.agones) << args;
        EXPECT_EQ(o.agonesPort, c.agonesPort) << args;
        EXPECT_EQ(o.agonesOneSession, c.oneSession) << args;
        EXPECT_EQ(o.port, c.port) << args;
    }
}

TEST(HostOptions, WrongCommandLinesSayWhatIsWrong)
{
    const struct {
        QStringList arguments;
        const char* error;
    } cases[] = {
        {{"--port"}, "--port needs a value (N)"},
        {{"--port", "65536"}, "--port: \"65536\" is not a port number (0 to 65535)"},
        {{"--port", "-1"}, "--port: \"-1\" is not a port number (0 to 65535)"},
        {{"--port= 80"}, "--port: \" 80\" is not a port number (0 to 65535)"},
        {{"--port="}, "--port: \"\" is not a port number (0 to 65535)"},
        {{"--port", "99999999999999999999"}, "--port: \"99999999999999999999\" is not a port number (0 to 65535)"},
        {{"--help=yes"}, "--help takes no value"},
        {{"--hold-seat", "86401"}, "--hold-seat: \"86401\" is not a number of seconds (0 to 86400)"},
        {{"--hold-seat", "-5"}, "--hold-seat: \"-5\" is not a number of seconds (0 to 86400)"},
        {{"--serve"}, "unknown option \"--serve\""},
        {{"--prot", "1"}, "unknown option \"--prot\""},
        {{"Ann"}, "unexpected argument \"Ann\""},
        {{"--port", "1", "Ann", "--bogus"}, "unexpected argument \"Ann\""}, // the first fault
        {{"--agones="}, "--agones: \"\" is not a port number (1 to 65535)"},
        {{"--agones=0"}, "--agones: \"0\" is not a port number (1 to 65535)"},
        {{"--agones=65536"}, "--agones: \"65536\" is not a port number (1 to 65535)"},
        {{"--agones= 9358"}, "--agones: \" 9358\" is not a port number (1 to 65535)"},
        {{"--agones", "9400"}, "unexpected argument \"9400\""}, // its port only after "="
        {{"--agones-one-session=yes"}, "--agones-one-session takes no value"},
        {{"--words", "xx"}, "--words: \"xx\" is not a language of the game's words (en, fr, de, es, it, pt, nl, sv)"},
        {{"--words=DE"}, "--words: \"DE\" is not a language of the game's words (en, fr, de, es, it, pt, nl, sv)"},
        {{"--words", "Deutsch"},
         "--words: \"Deutsch\" is not a language of the game's words (en, fr, de, es, it, pt, nl, sv)"},
        {{"--words"}, "--words needs a value (LANG)"},
        {{"--name"}, "--name needs a value (TEXT)"},
        {{"--name=  "}, "--name: the name is empty"},
        {{"--no-announce=1"}, "--no-announce takes no value"},
    };
    for (const auto& c : cases) {
        const HostOptions o = HostOptions::parse(c.arguments);
        EXPECT_FALSE(o.ok()) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(o.error.toStdString(), c.error);
    }
}

TEST(HostOptions, TheUsageShowsEveryOptionAndBothWaysToStartTheHost)
{
    const QString usage = HostOptions::usage();
    EXPECT_TRUE(usage.startsWith("Usage: quillor-host [--port N] [--hold-seat SECONDS] [--words LANG] [--name TEXT] [--agones[=PORT]]\n"
                                 "       quillor --serve [--port N] [--hold-seat SECONDS] [--words LANG] [--name TEXT] [--agones[=PORT]]\n"))
        << usage.toStdString();
    for (const char* line : {"\n  --port N              the game's TCP port (default 7772; 0 takes any free port)\n",
                             "\n  --hold-seat SECONDS   keep the seat and score of a player whose connection drops "
                             "during a game for him (default 90; 0: not kept)\n",
                             "\n  --words LANG          the language of the words until the game's leader chooses "
                             "another (default en)\n",
                             "\n  --name TEXT           the game's name on the local network (default: this machine's host name)\n",
                             "\n  --no-announce         do not announce the game on the local network\n",
                             "\n  --agones[=PORT]       report to Agones' SDK server on localhost:PORT (9358)\n",
                             "\n  --agones-one-session  with Agones, end once the last player leaves after a game\n",
                             "\n  -h, --help            show this text\n", "\n  -v, --version         show the version\n",
                             "\nAGONES_SDK_HTTP_PORT=PORT in the environment does what --agones=PORT does.\n"})
        EXPECT_TRUE(usage.contains(QLatin1String(line))) << line << "\n" << usage.toStdString();
}
