#include "app/NamedMutex.h"

#include "app/SingleInstance.h"

NamedMutex::NamedMutex(const QString& name)
    : m_lock(SingleInstance::lockPathFor(name))
{
    m_lock.setStaleLockTime(0);
    m_held = m_lock.tryLock(0);
}
