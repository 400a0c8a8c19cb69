#pragma once
// What a running process has mapped, for tests of which libraries the program loads when.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

namespace testutil {

// The files among the process's mappings whose names contain one of `names`, each once.
inline QStringList mappedLibraries(qint64 pid, const QStringList& names)
{
    QFile maps(QStringLiteral("/proc/%1/maps").arg(pid));
    if (!maps.open(QIODevice::ReadOnly))
        return {QStringLiteral("(cannot read %1)").arg(maps.fileName())};
    QStringList found;
    for (const QByteArray& line : maps.readAll().split('\n')) {
        const QString file = QString::fromLocal8Bit(line.mid(line.lastIndexOf(' ') + 1));
        for (const QString& name : names) {
            if (file.contains(name) && !found.contains(file))
                found << file;
        }
    }
    return found;
}

} // namespace testutil
