#include "client/ChatterSound.h"

#include "client/HostFields.h"

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

void ChatterSound::playasound(FieldReader& fields) const
{
    const int slot = fields.nextInt();
    const QByteArray name = fields.lastField();
    if (m_on) {
        if (play)
            play(QString::fromLatin1(name).toLower());
        return;
    }
    const QString label = seatName ? seatName(slot) : QString();
    const QString what = captionOf(name);
    if (label.isEmpty() || what.isEmpty())
        return;
    m_context.systemLine(label + QStringLiteral(": <Chatter Sound> ") + what);
}
