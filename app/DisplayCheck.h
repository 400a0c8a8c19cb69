#pragma once
// Whether the player's window can be shown at all, decided before the windowing toolkit
// starts: without any display the toolkit would abort the program with its own plugin
// messages. A display is an X server (DISPLAY), a Wayland compositor (WAYLAND_DISPLAY),
// or a platform chosen explicitly (QT_QPA_PLATFORM, or the toolkit's -platform or
// -display option), which the toolkit is then left to judge.
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace displaycheck {

inline const QString NoDisplay = QStringLiteral(
    "quillor: no display found (DISPLAY is not set). Use --serve to host a game without a window.");

// The line to print when there is no display, or nothing. `variable` gives an
// environment variable's value (empty when unset); `toolkitArguments` are the toolkit's
// options found on the command line.
std::optional<QString> missingDisplay(const std::function<QString(const char* name)>& variable,
                                      const QStringList& toolkitArguments);

} // namespace displaycheck
