#pragma once
// Chatter sounds that players send each other ("wave1" .. "wave14"), as they arrive
// from the host: played when "Play Chatter Sounds" is on, otherwise named in the chat
// as "<seat name>: <Chatter Sound> <caption>".
#include "client/ClientContext.h"
#include "net/FieldReader.h"

#include <QString>
#include <functional>

class ChatterSound {
public:
    static constexpr int Count = 14;

    explicit ChatterSound(const ClientContext& context) : m_context(context) {}

    // The caption of sound number 1..14 ("Doh", "Cough", ...), or empty.
    static QString caption(int number);
    // The caption of a sound name "waveN", or empty for any other name.
    static QString captionOf(const QByteArray& name);

    bool chatterOn() const { return m_on; }
    void setChatterOn(bool on) { m_on = on; }

    // Plays a sound by name whatever "Play Sounds" says.
    std::function<void(const QString& name)> play;
    // The name shown on the scoreboard for a slot, or empty when it has no seat row.
    std::function<QString(int slot)> seatName;

    // Handler of CMD_playasound: sender's slot, sound name.
    void playasound(FieldReader& fields) const;

private:
    const ClientContext& m_context;
    bool m_on = false;
};
