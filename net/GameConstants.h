#pragma once
// The few fixed values that the host, the client, the windows and the command line
// must agree on; each of them refers here instead of writing the value again.
#include <QtGlobal>

namespace game {

// The version text that both ends compare at login and that the about window shows.
inline constexpr char Version[] = "1.0.4";
// The TCP port of the game host unless the command line names another.
inline constexpr quint16 DefaultPort = 7772;
// The game key: the name of the process-wide marker and the prefix of the tally file.
inline constexpr char Key[] = "agame";

} // namespace game
