#include "host/WordList.h"

#include "host/RandomSource.h"

#include <QFile>
#include <QtGlobal>
#include <algorithm>

WordList::WordList(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning("WordList: cannot read %s: %s", qUtf8Printable(path),
                 qUtf8Printable(file.errorString()));
        return;
    }
    const QByteArray text = file.readAll();

    // Words are copied back to back so that the whole table is one allocation plus
    // one offset per entry. Line ends may be LF or CR LF; empty lines are no entries.
    m_letters.reserve(text.size());
    m_offsets.reserve(text.count('\n') + 2);
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf('\n', start);
        if (end < 0)
            end = text.size();
        qsizetype stop = end;
        if (stop > start && text.at(stop - 1) == '\r')
            --stop;
        if (stop > start) {
            m_letters.append(text.constData() + start, stop - start);
            m_offsets.push_back(static_cast<int>(m_letters.size()));
        }
        start = end + 1;
    }

    for (int entry = 1; entry <= drawableEntries(); ++entry)
        ++m_drawableByLength[lengthOf(entry)];
}

int WordList::lengthOf(int entry) const
{
    return std::min(m_offsets[entry + 1] - m_offsets[entry], kMaxWordLength);
}

QByteArray WordList::GetString(int entry) const
{
    if (entry < 0 || entry >= count())
        return {};
    return m_letters.mid(m_offsets[entry], lengthOf(entry));
}

bool WordList::hasDrawableWord(int minLength, int maxLength) const
{
    for (int length = minLength; length <= maxLength; ++length) {
        if (m_drawableByLength[length] > 0)
            return true;
    }
    return false;
}

QByteArray WordList::drawUntil(RandomSource& rnd, int minLength, int maxLength) const
{
    for (;;) {
        QByteArray word = GetString(1 + rnd.draw(drawableEntries()));
        if (word.size() >= minLength && word.size() <= maxLength)
            return word;
    }
}

QByteArray WordList::drawWord(RandomSource& rnd, bool scrambled, bool onlyLetters) const
{
    const int minLength = scrambled ? 5 : 3;
    const int maxLength = scrambled ? 10 : 8;
    if (!hasDrawableWord(minLength, maxLength)) {
        qWarning("WordList: no word of %d to %d letters to draw", minLength, maxLength);
        return {};
    }
    QByteArray word = drawUntil(rnd, minLength, maxLength);
    if (onlyLetters && word.size() < 6) {
        if (!hasDrawableWord(6, 10)) {
            qWarning("WordList: no word of 6 to 10 letters to draw");
            return {};
        }
        word = drawUntil(rnd, 6, 10);
    }
    return word;
}
