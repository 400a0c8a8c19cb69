#pragma once
// The quick-phrase buttons' rule: a click sends the button's phrase as an action in the
// action colour, then the buttons rest for two seconds.
//
// A phrase that starts with "/me " is sent without those four characters; any other is
// sent as "says: " and the phrase, so it arrives as "Ann says: Way To Go!". A click while
// the buttons rest is ignored. The rest is timed by its own single-shot timer of real
// time, not by counting ticks of a message timer whose period may change. Unlike typed
// chat a phrase does not wait for the login; but before there is any connection to the
// host the socket's own message ("Send - Socket Not Connected") goes into the chat as a
// system line and the buttons do not rest.
#include "client/ClientContext.h"
#include "client/ColorText.h"

#include <QObject>
#include <QTimer>
#include <functional>

class Preferences;

class QuickPhrases : public QObject {
    Q_OBJECT
public:
    static constexpr int PauseMs = 2000;

    QuickPhrases(const ClientContext& context, const Preferences& prefs, QObject* parent = nullptr);

    // Sends one message to the host; throws ESockException when there is no connection.
    std::function<void(const Message&)> send;

    // The click on phrase button n (1 to 10).
    void b_phrase1Click(int n);

    // The message a phrase is sent as, from the given slot in the given colour.
    static Message phraseMessage(int slot, const QString& phrase, ColorValue actionColour);

    // Whether the buttons take a click (no rest running).
    bool ready() const { return !m_pause.isActive(); }
    // Ends the rest at once (what the timer does when it runs out).
    void endPause();
    const QTimer& pauseTimer() const { return m_pause; }

private:
    const ClientContext& m_context;
    const Preferences& m_prefs;
    QTimer m_pause;
};
