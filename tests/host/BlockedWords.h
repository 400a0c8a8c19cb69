#pragma once
// Checks a word list against a blocked-word file of tools/ (the format that
// tools/make_wordlist.py reads): no exact entry, nor with a plain "s", and no word
// holding a "*" stem. Entries of several words are skipped.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <gtest/gtest.h>

#include <set>

namespace hosttest {

// Returns how many entries were checked; -1 (with a failure) when the file is missing.
inline int expectNoBlockedWord(const std::set<QByteArray>& words, const QString& fileInTools)
{
    QFile file(QDir(qEnvironmentVariable("QUILLOR_SOURCE_DIR")).filePath(QStringLiteral("tools/") + fileInTools));
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << qPrintable(file.fileName());
        return -1;
    }
    int checked = 0;
    while (!file.atEnd()) {
        const QByteArray entry = file.readLine().trimmed().toLower();
        if (entry.isEmpty() || entry.startsWith('#') || entry.contains(' '))
            continue;
        ++checked;
        if (entry.startsWith('*')) {
            const QByteArray stem = entry.mid(1);
            for (const QByteArray& w : words)
                EXPECT_FALSE(w.contains(stem)) << w.constData() << " contains " << stem.constData();
        } else {
            EXPECT_EQ(words.count(entry), 0u) << entry.constData();
            EXPECT_EQ(words.count(entry + "s"), 0u) << entry.constData() << "s";
        }
    }
    return checked;
}

} // namespace hosttest
