// The application's identity: its name and icon are set, and no display name, so that
// the window system shows each window's caption as its whole title (Qt appends a set
// display name to every title).
#include "app/AppIdentity.h"

#include <QGuiApplication>
#include <QIcon>
#include <gtest/gtest.h>

TEST(AppIdentity, NamesTheProgramButAddsNothingToWindowTitles)
{
    setApplicationIdentity();
    EXPECT_EQ(QGuiApplication::applicationName(), "Quillor");
    EXPECT_EQ(QGuiApplication::desktopFileName(), "org.example.quillor");
    setApplicationIcon();
    EXPECT_FALSE(QGuiApplication::windowIcon().isNull());

    // An unset display name follows the application name; a set one would stay.
    QGuiApplication::setApplicationName(QStringLiteral("probe"));
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), "probe");
    QGuiApplication::setApplicationName(QStringLiteral("Quillor"));
}
