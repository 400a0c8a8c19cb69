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
    try {
        it.value()(fields);
    } catch (const FieldError& e) {
        qWarning().noquote() << m_who << "refused" << command << "-" << e.what();
        return Outcome::Failed;
    } catch (const std::out_of_range& e) {
        qWarning().noquote() << m_who << "refused" << command << "-" << e.what();
        return Outcome::Failed;
    }
    return Outcome::Handled;
}
