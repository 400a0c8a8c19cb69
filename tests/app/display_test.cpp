// Starting without any display: the program says so in one line and ends with status 1,
// before the windowing toolkit could abort it; any sign of a display lets it go on.
#include "app/DisplayCheck.h"
#include "common/ServeProcess.h"

#include <QHash>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(DisplayCheck, AnySignOfADisplayLetsTheWindowTry)
{
    struct Case {
        QHash<QString, QString> environment;
        QStringList toolkit;
        bool missing;
    };
    const Case cases[] = {
        {{}, {}, true},
        {{{"DISPLAY", ":0"}}, {}, false},
        {{{"WAYLAND_DISPLAY", "wayland-0"}}, {}, false},
        {{{"QT_QPA_PLATFORM", "offscreen"}}, {}, false},
        {{{"DISPLAY", ""}, {"WAYLAND_DISPLAY", "  "}}, {}, true}, // set but empty is no display
        {{}, {"-platform", "offscreen"}, false},
        {{}, {"--platform=xcb"}, false},
        {{}, {"-display", ":3"}, false},
        {{}, {"-style", "fusion"}, true},
        {{}, {"-reverse"}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringList(c.environment.keys()).join(",").toStdString() + " " + c.toolkit.join(" ").toStdString());
        const auto variable = [&c](const char* name) { return c.environment.value(QString::fromLatin1(name)); };
        const auto missing = displaycheck::missingDisplay(variable, c.toolkit);
        EXPECT_EQ(missing.has_value(), c.missing);
        if (missing)
            EXPECT_EQ(*missing, "quillor: no display found (DISPLAY is not set). Use --serve to host a game without a window.");
    }
}

TEST(DisplayCheck, TheProgramEndsWithOneLineAndStatusOne)
{
    QTemporaryDir runtime;
    QProcessEnvironment bare = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        bare.remove(QString::fromLatin1(name));
    bare.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    for (const QStringList& args : {QStringList{}, QStringList{"Ann", "127.0.0.1", "true"}}) {
        SCOPED_TRACE(args.join(" ").toStdString());
        QProcess p;
        p.setProcessEnvironment(bare);
        p.start(testutil::programBinary(), args);
        ASSERT_TRUE(p.waitForFinished(15000)) << "the program did not end";
        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(p.exitCode(), 1);
        EXPECT_EQ(p.readAllStandardError(),
                  "quillor: no display found (DISPLAY is not set). Use --serve to host a game without a window.\n");
        EXPECT_TRUE(p.readAllStandardOutput().isEmpty());
    }
}
