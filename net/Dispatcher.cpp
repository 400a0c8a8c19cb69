#include "net/Dispatcher.h"

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
        qWarning().noquote() << m_who << "refused" << command << "-" << e.what();
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
