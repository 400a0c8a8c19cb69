#pragma once
// Chatter sounds that players send each other ("wave1" .. "wave14"), as they arrive
// from the host: played when "Play Chatter Sounds" is on, otherwise named in the chat
// as "<seat name>: <Chatter Sound> <caption>".
#include "client/ClientContext.h"
#include "net/Protocol.h"

#include <QString>
#include <functional>

class Preferences;
class SeatRoster;

class ChatterSound {
public:
    static constexpr int Count = 14;

    ChatterSound(const ClientContext& context, const Preferences& prefs, const SeatRoster& seats)
        : m_context(context), m_prefs(prefs), m_seats(seats) {}

    // The caption of sound number 1..14 ("Doh", "Cough", ...), or empty.
    static QString caption(int number);
    // The caption of a sound name "waveN", or empty for any other name.
    static QString captionOf(const QByteArray& name);

    bool chatterOn() const;

    // Plays a sound by name whatever "Play Sounds" says.
    std::function<void(const QString& name)> play;

    // Handler of CMD_playasound: sender's slot, sound name.
    void playasound(const proto::PlayASound& sound) const;

private:
    const ClientContext& m_context;
    const Preferences& m_prefs;
    const SeatRoster& m_seats;
};
