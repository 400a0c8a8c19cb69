#include "client/ChatterSound.h"

#include "client/Preferences.h"
#include "client/SeatRoster.h"
#include "net/FieldReader.h"

namespace {

const char* const kCaptions[ChatterSound::Count] = {
    "Doh", "Cough", "Hello", "Thank You", "Where have you been?", "Snoring", "Sneezing",
    "Sorry", "Welcome", "Yeehaa", "Yippee", "Oh No", "Applause", "Honk",
};

} // namespace

QString ChatterSound::caption(int number)
{
    if (number < 1 || number > Count)
        return QString();
    return QString::fromLatin1(kCaptions[number - 1]);
}

QString ChatterSound::captionOf(const QByteArray& name)
{
    int n = 0;
    if (!name.startsWith("wave") || !FieldReader::toInt(name.mid(4), &n))
        return QString();
    return caption(n); // a number outside 1..14, negative ones too, has no caption
}

bool ChatterSound::chatterOn() const
{
    return m_prefs.chatterSounds();
}

void ChatterSound::wave14Click(int number) const
{
    const ClientState& state = m_context.state;
    if (number < 1 || number > Count || !state.connected || state.myslot > state.seatcount)
        return;
    m_context.send(proto::PlayASound{state.myslot, "wave" + QByteArray::number(number)}.message());
}

void ChatterSound::playasound(const proto::PlayASound& sound) const
{
    if (chatterOn()) {
        if (play)
            play(QString::fromLatin1(sound.name).toLower());
        return;
    }
    // The name on the sender's seat row; a slot without a row names nobody.
    const QString label = game::isSeat(sound.slot) ? m_seats.seat(sound.slot).name : QString();
    const QString what = captionOf(sound.name);
    if (label.isEmpty() || what.isEmpty())
        return;
    m_context.systemLine(label + QStringLiteral(": <Chatter Sound> ") + what);
}
