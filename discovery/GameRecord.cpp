#include "discovery/GameRecord.h"

#include "net/GameConstants.h"

namespace {

// A TXT string is at most 255 bytes, its key and "=" included.
constexpr int MaxTxtString = 255;
constexpr int MaxShownChars = 64;

int readCount(const QByteArray& value)
{
    if (value.isEmpty() || value.size() > 3)
        return -1;
    for (char c : value) {
        if (c < '0' || c > '9')
            return -1;
    }
    return value.toInt();
}

QString countText(int n) { return n < 0 ? QStringLiteral("?") : QString::number(n); }

} // namespace

namespace discovery {

QString fitUtf8(const QString& text, int maxBytes)
{
    int bytes = 0;
    qsizetype end = 0;
    while (end < text.size()) {
        const bool pair = text[end].isHighSurrogate() && end + 1 < text.size() && text[end + 1].isLowSurrogate();
        const char16_t unit = text[end].unicode();
        // A lone surrogate is written as U+FFFD, three bytes.
        const int size = pair ? 4 : unit < 0x80 ? 1 : unit < 0x800 ? 2 : 3;
        if (bytes + size > maxBytes)
            break;
        bytes += size;
        end += pair ? 2 : 1;
    }
    return text.left(end);
}

QString gameNameFor(const QString& playerName)
{
    const QString suffix = QStringLiteral("'s game");
    return fitUtf8(playerName, MaxNameBytes - int(suffix.toUtf8().size())) + suffix;
}

QString shownText(const QString& text, int maxChars)
{
    QString shown;
    for (QChar c : text) {
        if (shown.size() >= maxChars)
            break;
        shown.append(c.category() == QChar::Other_Control ? QChar(u'?') : c);
    }
    if (!shown.isEmpty() && shown.back().isHighSurrogate())
        shown.chop(1);
    return shown;
}

} // namespace discovery

GameRecord GameRecord::ours()
{
    GameRecord record;
    record.version = QString::fromLatin1(game::Version);
    record.seats = game::Seats;
    return record;
}

QList<QByteArray> GameRecord::toTxt() const
{
    auto pair = [](const char* key, const QString& value) {
        const QByteArray head = QByteArray(key) + '=';
        return head + discovery::fitUtf8(value, MaxTxtString - int(head.size())).toUtf8();
    };
    QList<QByteArray> strings {
        pair("v", version),
        pair("players", QString::number(players)),
        pair("seats", QString::number(seats)),
        pair("spectators", QString::number(spectators)),
        pair("state", stateText()),
    };
    if (!leader.isEmpty())
        strings.append(pair("lead", leader));
    return strings;
}

GameRecord GameRecord::fromTxt(const QList<QByteArray>& strings)
{
    GameRecord record;
    record.players = record.seats = record.spectators = -1;
    record.state = State::Unknown;
    QList<QByteArray> seen;
    for (const QByteArray& string : strings) {
        const qsizetype eq = string.indexOf('=');
        const QByteArray key = (eq < 0 ? string : string.left(eq)).toLower();
        if (key.isEmpty() || seen.contains(key))
            continue;
        seen.append(key);
        if (eq < 0)
            continue;
        const QByteArray value = string.mid(eq + 1);
        if (key == "v")
            record.version = discovery::shownText(QString::fromUtf8(value), MaxShownChars);
        else if (key == "players")
            record.players = readCount(value);
        else if (key == "seats")
            record.seats = readCount(value);
        else if (key == "spectators")
            record.spectators = readCount(value);
        else if (key == "state")
            record.state = value == "waiting" ? State::Waiting : value == "playing" ? State::Playing : State::Unknown;
        else if (key == "lead")
            record.leader = discovery::shownText(QString::fromUtf8(value), MaxShownChars);
    }
    return record;
}

QString GameRecord::playersText() const
{
    return QStringLiteral("%1 of %2").arg(countText(players), countText(seats));
}

QString GameRecord::stateText() const
{
    switch (state) {
    case State::Waiting:
        return QStringLiteral("waiting");
    case State::Playing:
        return QStringLiteral("playing");
    case State::Unknown:
        break;
    }
    return {};
}

bool GameRecord::versionDiffers() const { return version != QLatin1String(game::Version); }
