#include "client/SpyLines.h"

namespace spylines {

QString entry(int slot, const QString& name)
{
    return QString::number(slot) + QStringLiteral(": ") + name;
}

int indexOf(const QStringList& lines, const QString& line)
{
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].compare(line, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

std::optional<int> slotOf(const QString& line)
{
    const qsizetype colon = line.indexOf(QLatin1Char(':'));
    const QString number = colon < 0 ? line : line.left(colon);
    bool ok = false;
    const int slot = number.toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return slot;
}

std::optional<int> slotAt(const QStringList& lines, int index)
{
    if (index < 0 || index >= lines.size())
        return std::nullopt;
    return slotOf(lines[index]);
}

} // namespace spylines
