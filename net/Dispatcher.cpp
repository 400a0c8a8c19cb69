#include "net/Dispatcher.h"

#include "net/LogText.h"

#include <QDebug>
#include <stdexcept>

QByteArray Dispatcher::commandOf(const QByteArray& entry)
{
    const qsizetype plus = entry.indexOf('+');
    return plus < 0 ? QByteArray() : entry.left(plus);
}

Dispatcher::Outcome Dispatcher::dispatch(const QByteArray& entry)
{
    const qsizetype plus = entry.indexOf('+');
    if (plus <= 0)
        return Outcome::Dropped;
    const QByteArray command = entry.left(plus);
    const auto it = m_handlers.constFind(command);
    if (it == m_handlers.cend())
        return Outcome::Unknown;
    FieldReader fields(entry.mid(plus + 1));
    const auto refuse = [&](const std::exception& e) {
        // Both the command word and the failure's text may hold whatever a peer sent.
        m_lastFailure = m_who + QStringLiteral(" refused ") + logtext::field(command) + QStringLiteral(" - ")
            + logtext::field(QByteArray(e.what()), 2 * logtext::FieldChars);
        if (m_logsFailures)
            qWarning().noquote() << m_lastFailure;
        return Outcome::Failed;
    };
    try {
        it.value()(fields);
    } catch (const FieldError& e) {
        return refuse(e);
    } catch (const std::out_of_range& e) {
        return refuse(e);
    }
    return Outcome::Handled;
}
