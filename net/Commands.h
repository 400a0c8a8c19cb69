#pragma once
// The command words of the game's messages, each written once. Both ends match them
// exactly, letter case included. The layout of each message is in Protocol.h.
namespace cmd {

// From a client to the host.
inline constexpr char logininfo[] = "CMD_logininfo";
inline constexpr char myword[] = "CMD_myword";
inline constexpr char justwatch[] = "CMD_justwatch";
inline constexpr char kickhim[] = "CMD_kickhim";

// From the host to its clients.
inline constexpr char full[] = "CMD_full";
inline constexpr char sendlogininfo[] = "CMD_sendlogininfo";
inline constexpr char newplayerinfo[] = "CMD_newplayerinfo";
inline constexpr char existingplayers[] = "CMD_existingplayers";
inline constexpr char havewrongversion[] = "CMD_havewrongversion";
inline constexpr char wrongversion[] = "CMD_wrongversion";
inline constexpr char loadboard[] = "CMD_loadboard";
inline constexpr char theword[] = "CMD_theword";
inline constexpr char loadstats[] = "CMD_loadstats";
inline constexpr char nextplayer[] = "CMD_nextplayer";
inline constexpr char hefoundit[] = "CMD_hefoundit";
inline constexpr char nomatch[] = "CMD_nomatch";
inline constexpr char outoftime[] = "CMD_outoftime";
inline constexpr char roundover[] = "CMD_roundover";
inline constexpr char winner[] = "CMD_winner";
inline constexpr char justwatching[] = "CMD_justwatching";
inline constexpr char playerdisconnected[] = "CMD_playerdisconnected";

// Both ways: the client's request and the host's relay or echo share the word.
inline constexpr char chat[] = "CMD_chat";
inline constexpr char action[] = "CMD_action";
inline constexpr char startgame[] = "CMD_startgame";
inline constexpr char playasound[] = "CMD_playasound";

// Seats kept for players whose connection drops, and the game's lead. Peers that do not
// know these words drop them, so they go to every client alike.
// From the host to its clients.
inline constexpr char leader[] = "CMD_leader";
inline constexpr char seataway[] = "CMD_seataway";
inline constexpr char seatfree[] = "CMD_seatfree";
inline constexpr char seatstats[] = "CMD_seatstats";
inline constexpr char closing[] = "CMD_closing";
// From a client to the host.
inline constexpr char rejoin[] = "CMD_rejoin";

// The language of the game's words. Peers that do not know these words drop them: an
// older host plays English, and an older client is not told.
// From the game's leader to the host, just before CMD_startgame.
inline constexpr char wordlanguage[] = "CMD_wordlanguage";
// From the host to its clients.
inline constexpr char gamelanguage[] = "CMD_gamelanguage";

} // namespace cmd
