#pragma once
// Outside the Avahi fixture (tests/discovery/avahi-netns) no test, and no program a test
// starts, may reach the machine's D-Bus system bus or its Avahi daemon: the bus address
// points nowhere, so a game host started by a test finds no daemon, says so once and
// goes on.
#include <QtGlobal>

namespace testutil {

inline void keepOffTheSystemBus()
{
    if (qEnvironmentVariableIsEmpty("QUILLOR_AVAHI_FIXTURE"))
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/quillor-tests-have-no-system-bus");
}

} // namespace testutil
