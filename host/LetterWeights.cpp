#include "host/LetterWeights.h"

#include "host/RandomSource.h"

#include <QFile>
#include <QList>
#include <QtGlobal>
#include <algorithm>
#include <limits>

LetterWeights::LetterWeights(const std::array<int, game::Letters>& weights)
{
    for (int code = 1; code <= game::Letters; ++code) {
        m_weights[code] = std::max(weights[code - 1], 0);
        m_total += m_weights[code];
    }
    // A draw takes an int range; a table beyond it could not be drawn from.
    if (m_total > std::numeric_limits<int>::max()) {
        qWarning("LetterWeights: weights add up to more than a draw can take; every letter alike");
        *this = LetterWeights();
    }
}

LetterWeights LetterWeights::read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning("LetterWeights: cannot read %s: %s", qUtf8Printable(path), qUtf8Printable(file.errorString()));
        return {};
    }
    const QList<QByteArray> lines = file.readAll().trimmed().split('\n');
    std::array<int, game::Letters> weights{};
    bool valid = lines.size() == game::Letters;
    for (int i = 0; valid && i < game::Letters; ++i) {
        const QList<QByteArray> fields = lines[i].trimmed().split(' ');
        bool isNumber = false;
        weights[i] = fields.size() == 2 ? fields[1].toInt(&isNumber) : 0;
        valid = isNumber && weights[i] >= 0 && fields[0] == QByteArray(1, char('a' + i));
    }
    if (!valid) {
        qWarning("LetterWeights: %s is not a table of 26 letters; every letter alike", qUtf8Printable(path));
        return {};
    }
    return LetterWeights(weights);
}

int LetterWeights::weight(int code) const
{
    return code >= 1 && code <= game::Letters ? m_weights[code] : 0;
}

int LetterWeights::draw(RandomSource& random) const
{
    if (uniform())
        return 1 + random.draw(game::Letters);
    int left = random.draw(static_cast<int>(m_total));
    for (int code = 1; code <= game::Letters; ++code) {
        left -= m_weights[code];
        if (left < 0)
            return code;
    }
    return game::Letters; // not reached: the draw is below the total
}
