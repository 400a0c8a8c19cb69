// The program's own command line, read before any window exists: help, version, the
// lobby's three parameters (even a name that looks like an option), options that belong
// to the windowing toolkit, and what is refused.
#include "app/CommandLine.h"
#include "common/Printers.h"

#include <gtest/gtest.h>

TEST(CommandLine, HelpAndVersionInTheirShortAndLongForms)
{
    for (const char* arg : {"--help", "-h"}) {
        const CommandLine c = CommandLine::parse({arg});
        EXPECT_TRUE(c.ok());
        EXPECT_TRUE(c.help) << arg;
        EXPECT_TRUE(c.params.isEmpty());
    }
    for (const char* arg : {"--version", "-v"}) {
        const CommandLine c = CommandLine::parse({arg});
        EXPECT_TRUE(c.ok());
        EXPECT_TRUE(c.version) << arg;
    }
    const CommandLine none = CommandLine::parse({});
    EXPECT_TRUE(none.ok());
    EXPECT_FALSE(none.help || none.version);
    EXPECT_TRUE(none.params.isEmpty());
    EXPECT_EQ(none.port, 7772);
}

TEST(CommandLine, AnUnknownOptionIsAnErrorNotAName)
{
    for (const QStringList& args : {QStringList{"--bogus"}, QStringList{"-x"}, QStringList{"Ann", "--bogus"},
                                    QStringList{"--bogus=1", "Ann"}}) {
        const CommandLine c = CommandLine::parse(args);
        EXPECT_FALSE(c.ok()) << args.join(' ').toStdString();
        EXPECT_TRUE(c.error.contains(QStringLiteral("unknown option"))) << c.error.toStdString();
    }
    // One or two plain parameters are kept: the window opens without connecting.
    EXPECT_EQ(CommandLine::parse({"Ann", "127.0.0.1"}).params, (QStringList{"Ann", "127.0.0.1"}));
    EXPECT_TRUE(CommandLine::parse({"-"}).ok());
}

TEST(CommandLine, ThreeLobbyParametersAreTakenAsTheyStand)
{
    const CommandLine named = CommandLine::parse({"-v", "10.0.0.2", "false"});
    EXPECT_TRUE(named.ok());
    EXPECT_FALSE(named.version);
    EXPECT_EQ(named.params, (QStringList{"-v", "10.0.0.2", "false"}));

    const CommandLine odd = CommandLine::parse({"--help", "host", "true", "extra"});
    EXPECT_FALSE(odd.help);
    EXPECT_EQ(odd.params, (QStringList{"--help", "host", "true", "extra"}));

    const CommandLine ported = CommandLine::parse({"-h", "host", "true", "--port", "8100"});
    EXPECT_TRUE(ported.ok());
    EXPECT_EQ(ported.port, 8100);
    EXPECT_EQ(ported.params, (QStringList{"-h", "host", "true"}));
    EXPECT_FALSE(CommandLine::parse({"Ann", "host", "true", "--port", "seventy"}).ok());
}

TEST(CommandLine, TheToolkitsOwnOptionsAreLeftToIt)
{
    const CommandLine c = CommandLine::parse({"-platform", "offscreen", "--style=fusion", "-reverse", "Ann", "host", "true"});
    EXPECT_TRUE(c.ok());
    EXPECT_EQ(c.params, (QStringList{"Ann", "host", "true"}));
    EXPECT_TRUE(CommandLine::parse({"-style", "fusion", "--version"}).version);
    EXPECT_EQ(CommandLine::withoutToolkitOptions({"-geometry", "800x600", "x", "--display=:3", "y"}),
              (QStringList{"x", "y"}));
}

TEST(CommandLine, AfterTheEndOfOptionsEveryWordIsAParameter)
{
    const struct {
        QStringList args;
        QStringList params;
        QStringList toolkit;
        quint16 port;
    } cases[] = {
        {{"--port", "7780", "--", "-platform", "127.0.0.1", "false"}, {"-platform", "127.0.0.1", "false"}, {}, 7780},
        {{"--", "--serve", "host", "true"}, {"--serve", "host", "true"}, {}, 7772},
        {{"--", "--port", "8000", "false"}, {"--port", "8000", "false"}, {}, 7772},
        {{"-platform", "offscreen", "--", "-v", "host", "true"}, {"-v", "host", "true"}, {"-platform", "offscreen"}, 7772},
        {{"--port=9000", "--", "--", "--help", "-style"}, {"--", "--help", "-style"}, {}, 9000},
        {{"--"}, {}, {}, 7772},
        // Without it, the toolkit's options are its own and never parameters.
        {{"Ann", "host", "true", "-style", "fusion"}, {"Ann", "host", "true"}, {"-style", "fusion"}, 7772},
    };
    for (const auto& c : cases) {
        const CommandLine parsed = CommandLine::parse(c.args);
        SCOPED_TRACE(c.args.join(' ').toStdString());
        EXPECT_TRUE(parsed.ok()) << parsed.error.toStdString();
        EXPECT_FALSE(parsed.help || parsed.version);
        EXPECT_EQ(parsed.params, c.params);
        EXPECT_EQ(parsed.toolkitArguments, c.toolkit);
        EXPECT_EQ(parsed.port, c.port);
    }
    // The options before it still count, and a wrong one is still refused.
    EXPECT_TRUE(CommandLine::parse({"--help", "--", "x"}).help);
    EXPECT_FALSE(CommandLine::parse({"--bogus", "--", "Ann", "h", "true"}).ok());
    EXPECT_FALSE(CommandLine::parse({"--port", "x", "--", "Ann", "h", "true"}).ok());
}
