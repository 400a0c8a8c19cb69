#pragma once
// Chatter sounds that players send each other ("wave1" .. "wave14"). A seated,
// connected player sends one from the chatter-sound menu; the host passes it on to
// everybody, the sender included, so nothing is played at the click. As they arrive
// from the host they are played when "Play Chatter Sounds" is on, otherwise named in
// the chat as "<seat name>: <Chatter Sound> <caption>".
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

    // A choice from the chatter-sound menu: 0 is "<Cancel>", 1..14 a sound. Sends
    // CMD_playasound unless this player is a spectator or not connected.
    void wave14Click(int number) const;

    // Handler of CMD_playasound: sender's slot, sound name.
    void playasound(const proto::PlayASound& sound) const;

private:
    const ClientContext& m_context;
    const Preferences& m_prefs;
    const SeatRoster& m_seats;
};
