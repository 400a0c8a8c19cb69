#pragma once
// The names of a folder's files that end in a suffix such as ".wav", in any letter case,
// as a "*.wav" name filter finds them, but without one: Qt turns name filters into
// regular expressions, which maps and compiles the regular-expression library for a
// plain comparison of endings.
#include <QDir>
#include <QStringList>

inline QStringList filesBySuffix(const QDir& dir, QStringView suffix, QDir::Filters filters)
{
    QStringList found;
    for (const QString& file : dir.entryList(filters)) {
        if (file.size() > suffix.size() && file.endsWith(suffix, Qt::CaseInsensitive))
            found << file;
    }
    return found;
}
