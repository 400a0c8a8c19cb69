#pragma once
// A player's main window in a test of whole games: its sounds off and the boxes it would
// show collected instead, with short ways to its parts; and the hosting player's way of
// hosting on a host the test made, with the game start dialog it opens.
#include "client/ui/BoardPanel.h"
#include "client/ui/RoundBar.h"
#include "client/ui/ScorePanel.h"
#include "client/ui/chatform.h"
#include "host/TServer.h"
#include "windows/gamestartform.h"

#include <QStringList>

namespace testutil {

struct WindowPlayer {
    explicit WindowPlayer(const QStringList& params)
        : window(params)
    {
        window.prefs().setPlaySounds(false);
        window.client().ctx.out.messageBox = [this](const QString& t) { boxes.append(t); };
    }
    GameClient& client() { return window.client(); }
    ScorePanel& scores() { return *window.scorePanel(); }
    RoundBar& bar() { return *window.roundBar(); }
    BoardPanel& board() { return *window.boardPanel(); }

    Tchat window;
    QStringList boxes;
};

// The player hosts on `server` (which listens once he asks) and starts games from
// `gamestart`; then his window is shown.
inline void hostOn(WindowPlayer& player, TServer& server, Tgamestart& gamestart)
{
    Tchat::Windows windows;
    windows.gamestart = &gamestart;
    player.window.setWindows(windows);
    player.client().session.startHost = [&server] {
        server.startListening();
        return server.port();
    };
    player.window.show();
}

} // namespace testutil
