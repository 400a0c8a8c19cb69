#include "app/DisplayCheck.h"

namespace displaycheck {

std::optional<QString> missingDisplay(const std::function<QString(const char* name)>& variable,
                                      const QStringList& toolkitArguments)
{
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        if (!variable(name).trimmed().isEmpty())
            return std::nullopt;
    }
    for (const QString& arg : toolkitArguments) {
        // "-platform offscreen", "--platform=xcb", "-display :1".
        const QString name = arg.mid(arg.startsWith(QLatin1String("--")) ? 2 : 1).section(QLatin1Char('='), 0, 0);
        if (arg.startsWith(QLatin1Char('-')) && (name == QLatin1String("platform") || name == QLatin1String("display")))
            return std::nullopt;
    }
    return NoDisplay;
}

} // namespace displaycheck
