#pragma once
// Hands one received message text to the handler of its command word.
//
// The command word is the text before the first "+"; the handler gets a FieldReader
// over the text after it. Entries without "+", with an empty command word, or with a
// word nobody handles are dropped. A handler that meets a malformed field throws
// FieldError (or std::out_of_range for a number outside its range); that ends the
// handling of that one message, which is logged (or, for a caller that keeps its own
// log, only described by lastFailure()), and the next message goes on.
#include "net/FieldReader.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <functional>

class Dispatcher {
public:
    using Handler = std::function<void(FieldReader&)>;

    enum class Outcome { Handled, Dropped, Unknown, Failed };

    explicit Dispatcher(QString who) : m_who(std::move(who)) {}

    void on(const QByteArray& command, Handler handler) { m_handlers.insert(command, std::move(handler)); }
    // A handler of one message of Protocol.h, under the message's own command word; it
    // gets the message already read into its struct.
    template <typename M, typename F>
    void on(F handler)
    {
        on(QByteArray(M::command), [handler = std::move(handler)](FieldReader& f) { handler(M::read(f)); });
    }
    bool handles(const QByteArray& command) const { return m_handlers.contains(command); }

    Outcome dispatch(const QByteArray& entry);

    // The command word of an entry, or empty when it has none.
    static QByteArray commandOf(const QByteArray& entry);

    // Whether a failed message is logged here (the default) or left to the caller.
    void setLogsFailures(bool on) { m_logsFailures = on; }
    // Why the last Failed message failed, with its fields cut and escaped for a log.
    const QString& lastFailure() const { return m_lastFailure; }

private:
    QString m_who;
    bool m_logsFailures = true;
    QString m_lastFailure;
    QHash<QByteArray, Handler> m_handlers;
};
