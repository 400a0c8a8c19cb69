<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>AccessibleGrid</name>
    <message>
        <source>Column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Zeile %1</translation>
    </message>
</context>
<context>
    <name>ChatEntry</name>
    <message>
        <source>&lt;Enter Chat Here&gt;</source>
        <translation>&lt;Hier chatten&gt;</translation>
    </message>
</context>
<context>
    <name>ChatPane</name>
    <message>
        <source>Phrase %1</source>
        <translation>Satz %1</translation>
    </message>
    <message>
        <source>Scroll Chat Off</source>
        <translation>Chat nicht mitrollen</translation>
    </message>
    <message>
        <source>Clear Main Chat</source>
        <translation>Haupt-Chat leeren</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>&lt;Cancel&gt;</source>
        <translation>&lt;Abbrechen&gt;</translation>
    </message>
    <message>
        <source>Chatter sounds</source>
        <translation>Chat-Töne</translation>
    </message>
</context>
<context>
    <name>CheckImage</name>
    <message>
        <source>checked</source>
        <translation>markiert</translation>
    </message>
    <message>
        <source>unchecked</source>
        <translation>nicht markiert</translation>
    </message>
</context>
<context>
    <name>GameClient</name>
    <message>
        <source>Could not connect to %1 port %2: %3.</source>
        <translation>Keine Verbindung zu %1, Port %2: %3.</translation>
    </message>
    <message>
        <source>The host sent more messages than this game could keep up with, so the connection was closed.</source>
        <translation>Der Host schickte mehr Nachrichten, als dieses Spiel verarbeiten konnte; die Verbindung wurde getrennt.</translation>
    </message>
    <message>
        <source>You lead the game now; you start the next game.</source>
        <translation>Du leitest jetzt das Spiel; du startest das nächste Spiel.</translation>
    </message>
    <message>
        <source>%1 leads the game now.</source>
        <translation>%1 leitet jetzt das Spiel.</translation>
    </message>
    <message>
        <source>%1 has a different version of the game then you.</source>
        <translation>%1 hat eine andere Version des Spiels als du.</translation>
    </message>
    <message>
        <source>You have a differnt version of the game then the host.</source>
        <translation>Du hast eine andere Version des Spiels als der Host.</translation>
    </message>
    <message>
        <source>Game is full</source>
        <translation>Das Spiel ist voll</translation>
    </message>
    <message>
        <source>The host ended the game or removed you from it.</source>
        <translation>Der Host hat das Spiel beendet oder dich daraus entfernt.</translation>
    </message>
    <message>
        <source>The connection to the host was lost.</source>
        <translation>Die Verbindung zum Host ist abgebrochen.</translation>
    </message>
    <message>
        <source>Connection lost. Reconnecting...</source>
        <translation>Verbindung verloren. Verbinde neu...</translation>
    </message>
    <message>
        <source>You are back in the game.</source>
        <translation>Du bist wieder im Spiel.</translation>
    </message>
</context>
<context>
    <name>GameListModel</name>
    <message>
        <source>at %1</source>
        <translation>unter %1</translation>
    </message>
    <message>
        <source>at %1 port %2</source>
        <translation>unter %1, Port %2</translation>
    </message>
    <message>
        <source>unknown version</source>
        <translation>unbekannte Version</translation>
    </message>
    <message>
        <source>version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>
Led by %1</source>
        <translation>
Geleitet von %1</translation>
    </message>
    <message>
        <source>
Another version of the game: joining may not work.</source>
        <translation>
Andere Version des Spiels: Beitreten klappt vielleicht nicht.</translation>
    </message>
</context>
<context>
    <name>GameMenu</name>
    <message>
        <source>&amp;Remove From Game</source>
        <translation>Aus dem Spiel &amp;entfernen</translation>
    </message>
    <message>
        <source>Set to Just &amp;Watch</source>
        <translation>Auf nur &amp;Zuschauen setzen</translation>
    </message>
    <message>
        <source>&amp;Unset Just Watch</source>
        <translation>Zuschauen &amp;aufheben</translation>
    </message>
    <message>
        <source>Only the player who leads the game can remove players or set them watching.</source>
        <translation>Nur wer das Spiel leitet, kann Spieler entfernen oder zum Zuschauen setzen.</translation>
    </message>
    <message>
        <source>(nobody)</source>
        <translation>(niemand)</translation>
    </message>
</context>
<context>
    <name>GameMessages</name>
    <message>
        <source>You are Connected.</source>
        <translation>Du bist verbunden.</translation>
    </message>
    <message>
        <source>%1 is back.</source>
        <translation>%1 ist zurück.</translation>
    </message>
    <message>
        <source>%1 is Connected.</source>
        <translation>%1 ist verbunden.</translation>
    </message>
    <message>
        <source>You are spying.</source>
        <translation>Du schaust zu.</translation>
    </message>
    <message>
        <source>%1 is spying.</source>
        <translation>%1 schaut zu.</translation>
    </message>
    <message>
        <source>%1 has left.</source>
        <translation>%1 ist gegangen.</translation>
    </message>
    <message>
        <source>STRAIGHT</source>
        <translation>GERADE</translation>
    </message>
    <message>
        <source>SCRAMBLED</source>
        <translation>GEMISCHT</translation>
    </message>
    <message>
        <source>You have started a %1 game.</source>
        <translation>Du hast ein Spiel %1 gestartet.</translation>
    </message>
    <message>
        <source>%1 has started a %2 game.</source>
        <translation>%1 hat ein Spiel %2 gestartet.</translation>
    </message>
    <message>
        <source>Using only letters that are found in the word.</source>
        <translation>Nur Buchstaben, die im Wort vorkommen.</translation>
    </message>
    <message>
        <source>Your Turn.</source>
        <translation>Du bist dran.</translation>
    </message>
    <message>
        <source>%1&apos;s turn.</source>
        <translation>%1 ist dran.</translation>
    </message>
    <message>
        <source>You have found the word!</source>
        <translation>Du hast das Wort gefunden!</translation>
    </message>
    <message>
        <source>%1 has found the word!</source>
        <translation>%1 hat das Wort gefunden!</translation>
    </message>
    <message>
        <source>You did not find the correct word.</source>
        <translation>Du hast das richtige Wort nicht gefunden.</translation>
    </message>
    <message>
        <source>Out of Time!</source>
        <translation>Zeit abgelaufen!</translation>
    </message>
    <message>
        <source>Round is over, please wait..</source>
        <translation>Die Runde ist vorbei, bitte warten..</translation>
    </message>
    <message>
        <source>%1 is just watching.</source>
        <translation>%1 schaut nur zu.</translation>
    </message>
    <message>
        <source>%1 is now playing again.</source>
        <translation>%1 spielt jetzt wieder mit.</translation>
    </message>
    <message>
        <source>You have Won the Game!</source>
        <translation>Du hast das Spiel gewonnen!</translation>
    </message>
    <message>
        <source>%1 has Won the Game!</source>
        <translation>%1 hat das Spiel gewonnen!</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <translation>Spiel vorbei!</translation>
    </message>
    <message>
        <source>%1&apos;s seat is kept for %2 seconds.</source>
        <translation>Der Platz von %1 wird %2 Sekunden freigehalten.</translation>
    </message>
    <message>
        <source>%1 did not come back; the seat is free.</source>
        <translation>%1 ist nicht zurückgekommen; der Platz ist frei.</translation>
    </message>
    <message>
        <source>You are just watching.</source>
        <translation>Du schaust nur zu.</translation>
    </message>
</context>
<context>
    <name>GameSummaryWindow</name>
    <message>
        <source>Quillor - Game Summary</source>
        <translation>Quillor - Spielübersicht</translation>
    </message>
    <message>
        <source>Put the table on the clipboard as plain text</source>
        <translation>Die Tabelle als reinen Text in die Zwischenablage legen</translation>
    </message>
    <message>
        <source>Game summary</source>
        <translation>Spielübersicht</translation>
    </message>
    <message>
        <source>%1 has Won the Game!</source>
        <translation>%1 hat das Spiel gewonnen!</translation>
    </message>
    <message>
        <source>Before you came</source>
        <translation>Bevor du kamst</translation>
    </message>
    <message>
        <source>Average time</source>
        <translation>Durchschnittszeit</translation>
    </message>
    <message>
        <source>Nobody found a word in this game.</source>
        <translation>In diesem Spiel hat niemand ein Wort gefunden.</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Runde</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Wort</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Erster</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
</context>
<context>
    <name>JoinAddresses</name>
    <message>
        <source>Friends cannot join from other computers: this computer has no network address.</source>
        <translation>Freunde können nicht von anderen Computern beitreten: Dieser Computer hat keine Netzwerkadresse.</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>Friends can join at %1 port %2</source>
        <translation>Freunde können beitreten unter %1, Port %2</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Play with Others...</source>
        <translation>Mit &amp;anderen spielen...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>Spiel &amp;starten</translation>
    </message>
    <message>
        <source>&amp;Just Watch</source>
        <translation>&amp;Nur zuschauen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Spy List</source>
        <translation>&amp;Zuschauerliste</translation>
    </message>
    <message>
        <source>View &amp;Tally</source>
        <translation>&amp;Bilanz anzeigen</translation>
    </message>
    <message>
        <source>T&amp;iles</source>
        <translation>S&amp;teine</translation>
    </message>
    <message>
        <source>&amp;Phrase List</source>
        <translation>Satz&amp;liste</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Content</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>More menus</source>
        <translation>Weitere Menüs</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>S&amp;prache</translation>
    </message>
    <message>
        <source>The language of the windows, from the next start</source>
        <translation>Die Sprache der Fenster, ab dem nächsten Start</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>&amp;System</translation>
    </message>
    <message>
        <source>Takes effect at the next start</source>
        <translation>Gilt ab dem nächsten Start</translation>
    </message>
</context>
<context>
    <name>OptionsMenu</name>
    <message>
        <source>&amp;Text Color</source>
        <translation>&amp;Textfarbe</translation>
    </message>
    <message>
        <source>&amp;Action Color</source>
        <translation>&amp;Aktionsfarbe</translation>
    </message>
    <message>
        <source>Text Si&amp;ze</source>
        <translation>Text&amp;größe</translation>
    </message>
    <message>
        <source>Scroll &amp;Chat Off</source>
        <translation>&amp;Chat nicht mitrollen</translation>
    </message>
    <message>
        <source>C&amp;lear Main Chat</source>
        <translation>Haupt-Chat &amp;leeren</translation>
    </message>
    <message>
        <source>&amp;Play Sounds</source>
        <translation>Tö&amp;ne abspielen</translation>
    </message>
    <message>
        <source>Play C&amp;hatter Sounds</source>
        <translation>C&amp;hat-Töne abspielen</translation>
    </message>
    <message>
        <source>T&amp;urn Sound</source>
        <translation>&amp;Zugton</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <translation>&amp;Klassisch</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>High C&amp;ontrast</source>
        <translation>H&amp;oher Kontrast</translation>
    </message>
    <message>
        <source>&amp;Reset Screen Location</source>
        <translation>Fensterposition zu&amp;rücksetzen</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Textfarbe</translation>
    </message>
    <message>
        <source>Action Color</source>
        <translation>Aktionsfarbe</translation>
    </message>
</context>
<context>
    <name>PlayAccessibility</name>
    <message>
        <source>Time left</source>
        <translation>Restzeit</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>Letters in %1 rows and %2 columns</source>
        <translation>Buchstaben in %1 Zeilen und %2 Spalten</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Punktestand</translation>
    </message>
    <message>
        <source>Empty seat</source>
        <translation>Freier Platz</translation>
    </message>
</context>
<context>
    <name>PlayWithOthersDialog</name>
    <message>
        <source>Play with Others</source>
        <translation>Mit anderen spielen</translation>
    </message>
    <message>
        <source>Host a game</source>
        <translation>Ein Spiel ausrichten</translation>
    </message>
    <message>
        <source>Join a game</source>
        <translation>Einem Spiel beitreten</translation>
    </message>
    <message>
        <source>name or address of the host</source>
        <translation>Name oder Adresse des Hosts</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Dein Name:</translation>
    </message>
    <message>
        <source>Host address:</source>
        <translation>Adresse des Hosts:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Games on this network:</source>
        <translation>Spiele in diesem Netzwerk:</translation>
    </message>
    <message>
        <source>No games announced on this network yet.</source>
        <translation>In diesem Netzwerk wurde noch kein Spiel angekündigt.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>PlayerCommands</name>
    <message>
        <source>You are not connected</source>
        <translation>Du bist nicht verbunden</translation>
    </message>
    <message>
        <source>Untick to play again from the next round.</source>
        <translation>Abwählen, um ab der nächsten Runde wieder mitzuspielen.</translation>
    </message>
    <message>
        <source>Watch the rest of this game without playing.</source>
        <translation>Den Rest dieses Spiels zuschauen, ohne mitzuspielen.</translation>
    </message>
    <message>
        <source>Just Watch works while a game is running: it lets you watch the rest of the game without playing.</source>
        <translation>Nur zuschauen geht, während ein Spiel läuft: Du schaust dann den Rest des Spiels zu, ohne mitzuspielen.</translation>
    </message>
    <message>
        <source>1 player is in your game. Leaving ends it for everyone.</source>
        <translation>1 Spieler ist in deinem Spiel. Wenn du gehst, endet es für alle.</translation>
    </message>
    <message>
        <source>%1 players are in your game. Leaving ends it for everyone.</source>
        <translation>%1 Spieler sind in deinem Spiel. Wenn du gehst, endet es für alle.</translation>
    </message>
</context>
<context>
    <name>RoundBar</name>
    <message>
        <source>Start Game</source>
        <translation>Spiel starten</translation>
    </message>
    <message>
        <source>Clear the letters picked so far</source>
        <translation>Die bisher gewählten Buchstaben löschen</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Nochmal spielen</translation>
    </message>
    <message>
        <source>Start a new game with the same options</source>
        <translation>Ein neues Spiel mit denselben Optionen starten</translation>
    </message>
    <message>
        <source>Stop trying to reconnect and leave the game</source>
        <translation>Nicht mehr neu verbinden und das Spiel verlassen</translation>
    </message>
    <message>
        <source>Just watching</source>
        <translation>Nur zuschauen</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Nochmal versuchen</translation>
    </message>
    <message>
        <source>Play with Others...</source>
        <translation>Mit anderen spielen...</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>RoundReviewPanel</name>
    <message>
        <source>Nobody found it.</source>
        <translation>Niemand hat es gefunden.</translation>
    </message>
    <message>
        <source>Keep this review open during the next round</source>
        <translation>Diesen Rückblick in der nächsten Runde offen lassen</translation>
    </message>
    <message>
        <source>Round %1: %2</source>
        <translation>Runde %1: %2</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Pin</source>
        <translation>Anheften</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Pinned</source>
        <translation>Angeheftet</translation>
    </message>
</context>
<context>
    <name>RoundStatus</name>
    <message>
        <source>ROUND: %1</source>
        <translation>RUNDE: %1</translation>
    </message>
    <message>
        <source>Game Type: Scrambled</source>
        <translation>Spielart: Gemischt</translation>
    </message>
    <message>
        <source>Play To Score: %1</source>
        <translation>Spielen bis: %1</translation>
    </message>
    <message>
        <source>You Have Won The Game!</source>
        <translation>Du hast das Spiel gewonnen!</translation>
    </message>
    <message>
        <source>Game Type: STRAIGHT</source>
        <translation>Spielart: GERADE</translation>
    </message>
    <message>
        <source>Game Type: SCRAMBLED</source>
        <translation>Spielart: GEMISCHT</translation>
    </message>
    <message>
        <source>Welcome to Quillor </source>
        <translation>Willkommen bei Quillor </translation>
    </message>
</context>
<context>
    <name>ScorePanel</name>
    <message>
        <source>Remove From Game</source>
        <translation>Aus dem Spiel entfernen</translation>
    </message>
    <message>
        <source>Set to Just Watch</source>
        <translation>Auf nur Zuschauen setzen</translation>
    </message>
    <message>
        <source>Unset Just Watch</source>
        <translation>Zuschauen aufheben</translation>
    </message>
    <message>
        <source>Leads the game: starts it and may remove players</source>
        <translation>Leitet das Spiel: startet es und darf Spieler entfernen</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>%1 is away: the seat is kept for %2 more seconds</source>
        <translation>%1 ist weg: Der Platz wird noch %2 Sekunden freigehalten</translation>
    </message>
    <message>
        <source>Right-click for more</source>
        <translation>Rechtsklick für mehr</translation>
    </message>
</context>
<context>
    <name>SeatRoster</name>
    <message>
        <source>&lt;Waiting&gt;</source>
        <translation>&lt;Frei&gt;</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Could not start the game on port %1 (%2).</source>
        <translation>Das Spiel konnte auf Port %1 nicht starten (%2).</translation>
    </message>
    <message>
        <source>Loading Solo Game..Please wait.</source>
        <translation>Einzelspiel wird geladen..Bitte warten.</translation>
    </message>
    <message>
        <source>Loading Multi-player Game.. Please Wait.</source>
        <translation>Mehrspielerspiel wird geladen.. Bitte warten.</translation>
    </message>
    <message>
        <source>No game to join: choose Play with Others.</source>
        <translation>Kein Spiel zum Beitreten: Wähle „Mit anderen spielen“.</translation>
    </message>
</context>
<context>
    <name>Tabout</name>
    <message>
        <source>Quillor - About</source>
        <translation>Quillor - Über</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>A word-finding race for one to six players.
Free software under the MIT license.
Copyright © the Quillor developers.</source>
        <translation>Ein Wettlauf im Wörterfinden für einen bis sechs Spieler.
Freie Software unter der MIT-Lizenz.
Copyright © die Quillor-Entwickler.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Tchat</name>
    <message>
        <source>Leave</source>
        <translation>Verlassen</translation>
    </message>
    <message>
        <source>Stay</source>
        <translation>Bleiben</translation>
    </message>
    <message>
        <source>The windows will show the new language from the next start.</source>
        <translation>Die Fenster zeigen die neue Sprache ab dem nächsten Start.</translation>
    </message>
</context>
<context>
    <name>Tdownload</name>
    <message>
        <source>Download The Pelk22 Lobby</source>
        <translation>Die Pelk22-Lobby herunterladen</translation>
    </message>
    <message>
        <source>Download And Install The Pelk22 Lobby Now</source>
        <translation>Pelk22-Lobby jetzt herunterladen und installieren</translation>
    </message>
    <message>
        <source>Stop Download</source>
        <translation>Download abbrechen</translation>
    </message>
    <message>
        <source>Play Solo Game</source>
        <translation>Allein spielen</translation>
    </message>
    <message>
        <source>Play with Others</source>
        <translation>Mit anderen spielen</translation>
    </message>
    <message>
        <source>Show this at start</source>
        <translation>Beim Start zeigen</translation>
    </message>
    <message>
        <source>Untick to start solo games without this window; File &gt; Play with Others... stays.</source>
        <translation>Abwählen, um Einzelspiele ohne dieses Fenster zu starten; Datei &gt; Mit anderen spielen... bleibt.</translation>
    </message>
</context>
<context>
    <name>Tgamestart</name>
    <message>
        <source>Quillor - Game Start</source>
        <translation>Quillor - Spielstart</translation>
    </message>
    <message>
        <source>GAME OPTIONS</source>
        <translation>SPIELOPTIONEN</translation>
    </message>
    <message>
        <source>Play to Score:</source>
        <translation>Spielen bis:</translation>
    </message>
    <message>
        <source>Seconds per Turn:</source>
        <translation>Sekunden pro Zug:</translation>
    </message>
    <message>
        <source>: %1 to %2, in steps of %3</source>
        <translation>: %1 bis %2, in Schritten von %3</translation>
    </message>
    <message>
        <source>The score that wins the game</source>
        <translation>Die Punktzahl, die das Spiel gewinnt</translation>
    </message>
    <message>
        <source>Seconds to find each word</source>
        <translation>Sekunden, um jedes Wort zu finden</translation>
    </message>
    <message>
        <source>Words Scrambled:</source>
        <translation>Wörter gemischt:</translation>
    </message>
    <message>
        <source>Words Straight:</source>
        <translation>Wörter gerade:</translation>
    </message>
    <message>
        <source>Only Use Letters in the word:</source>
        <translation>Nur Buchstaben aus dem Wort:</translation>
    </message>
    <message>
        <source>Words:</source>
        <translation>Wörter:</translation>
    </message>
    <message>
        <source>Language of the words</source>
        <translation>Sprache der Wörter</translation>
    </message>
    <message>
        <source>The language the game&apos;s words are drawn from</source>
        <translation>Die Sprache, aus der die Wörter des Spiels stammen</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Spiel starten</translation>
    </message>
</context>
<context>
    <name>Thelp</name>
    <message>
        <source>Overview</source>
        <translation>Überblick</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Game Play</source>
        <translation>Spielablauf</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Documentation</source>
        <translation>Dokumentation</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Lizenz</translation>
    </message>
    <message>
        <source>Quillor - Help</source>
        <translation>Quillor - Hilfe</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>
&lt;h2&gt;Quillor&lt;/h2&gt;
&lt;p&gt;Quillor is a word-finding race for one to six players. Each round every player
sees the same board of 10 by 9 letters and the same word. Somewhere on the board the
word is hidden among other letters: find it and click its letters in order.&lt;/p&gt;
&lt;p&gt;The faster you are, the more you score. The first player whose total passes the
target score while leading alone wins the game.&lt;/p&gt;
&lt;p&gt;Up to three more people can join a full table and watch as spectators; they are
shown in the spy list.&lt;/p&gt;
</source>
        <translation>
&lt;h2&gt;Quillor&lt;/h2&gt;
&lt;p&gt;Quillor ist ein Wettlauf im Wörterfinden für einen bis sechs Spieler. In jeder Runde
sehen alle Spieler dasselbe Feld aus 10 mal 9 Buchstaben und dasselbe Wort. Irgendwo auf
dem Feld ist das Wort zwischen anderen Buchstaben versteckt: Finde es und klicke seine
Buchstaben der Reihe nach an.&lt;/p&gt;
&lt;p&gt;Je schneller du bist, desto mehr Punkte bekommst du. Wer als Erster mit seiner Summe die
Zielpunktzahl überschreitet und dabei allein vorn liegt, gewinnt das Spiel.&lt;/p&gt;
&lt;p&gt;Bis zu drei weitere Personen können an einem vollen Tisch als Zuschauer dabei sein; sie
stehen in der Zuschauerliste.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>
&lt;h2&gt;Connecting&lt;/h2&gt;
&lt;p&gt;Started without parameters, Quillor runs a solo game for one player called
&amp;ldquo;You&amp;rdquo;.&lt;/p&gt;
&lt;p&gt;For a game with others, one player hosts and the others join. Choose
&lt;b&gt;File &amp;gt; Play with Others...&lt;/b&gt;:&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Your name&lt;/b&gt; is the name the other players see.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Host a game&lt;/b&gt; runs the game on this computer. The dialog shows where your
friends can reach it, for example &amp;ldquo;Friends can join at 192.168.1.20 port
7772&amp;rdquo;, and once the game runs the chat says it again. Give them that address and
port.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Join a game&lt;/b&gt; connects to a friend&apos;s game: type the address (or the host
name) your friend gave you into &lt;b&gt;Host address&lt;/b&gt;.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Port&lt;/b&gt; is 7772 unless your group agrees on another one. Everybody in one game
uses the same port, and the hosting computer&apos;s firewall must let it in.&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;OK starts the game; this window closes and a new one opens for it. Your choice is
remembered for the next time.&lt;/p&gt;
&lt;p&gt;When a connection cannot be made, the line above the board says why, with &lt;b&gt;Try
Again&lt;/b&gt; and &lt;b&gt;Play with Others...&lt;/b&gt; beside it.&lt;/p&gt;
&lt;p&gt;The same works from the command line:
&lt;code&gt;quillor NAME HOST true|false [--port N]&lt;/code&gt;, where &lt;b&gt;true&lt;/b&gt; hosts on this
computer (HOST is then not used) and &lt;b&gt;false&lt;/b&gt; joins the host at HOST. For example,
Ann hosts with &lt;code&gt;quillor Ann 127.0.0.1 true&lt;/code&gt; and Bob joins her with
&lt;code&gt;quillor Bob 192.168.1.20 false&lt;/code&gt;.&lt;/p&gt;
&lt;p&gt;The first six players take the seats; players seven to nine watch. When the host
closes Quillor the game ends for everybody, so Quillor asks the hosting player before
it closes while others are in the game.&lt;/p&gt;
</source>
        <translation>
&lt;h2&gt;Verbinden&lt;/h2&gt;
&lt;p&gt;Ohne Parameter gestartet, spielt Quillor ein Einzelspiel für einen Spieler namens
&amp;ldquo;You&amp;rdquo;.&lt;/p&gt;
&lt;p&gt;Für ein Spiel mit anderen richtet ein Spieler es aus, die anderen treten bei. Wähle
&lt;b&gt;Datei &amp;gt; Mit anderen spielen...&lt;/b&gt;:&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Dein Name&lt;/b&gt; ist der Name, den die anderen Spieler sehen.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Ein Spiel ausrichten&lt;/b&gt; lässt das Spiel auf diesem Computer laufen. Das Fenster
zeigt, wo deine Freunde es erreichen, zum Beispiel &amp;bdquo;Freunde können beitreten unter
192.168.1.20, Port 7772&amp;ldquo;, und sobald das Spiel läuft, sagt es der Chat noch einmal.
Gib ihnen diese Adresse und diesen Port.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Einem Spiel beitreten&lt;/b&gt; verbindet mit dem Spiel eines Freundes: Tippe die Adresse
(oder den Rechnernamen), die er dir gegeben hat, in &lt;b&gt;Adresse des Hosts&lt;/b&gt;.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Port&lt;/b&gt; ist 7772, außer eure Gruppe einigt sich auf einen anderen. Alle in einem
Spiel nutzen denselben Port, und die Firewall des ausrichtenden Computers muss ihn
durchlassen.&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;OK startet das Spiel; dieses Fenster schließt sich, und ein neues öffnet sich dafür.
Deine Wahl wird für das nächste Mal gemerkt.&lt;/p&gt;
&lt;p&gt;Kommt keine Verbindung zustande, sagt die Zeile über dem Feld warum, daneben &lt;b&gt;Nochmal
versuchen&lt;/b&gt; und &lt;b&gt;Mit anderen spielen...&lt;/b&gt;.&lt;/p&gt;
&lt;p&gt;Dasselbe geht auf der Kommandozeile:
&lt;code&gt;quillor NAME HOST true|false [--port N]&lt;/code&gt;, wobei &lt;b&gt;true&lt;/b&gt; auf diesem Computer
ausrichtet (HOST wird dann nicht benutzt) und &lt;b&gt;false&lt;/b&gt; dem Host unter HOST beitritt.
Zum Beispiel richtet Ann mit &lt;code&gt;quillor Ann 127.0.0.1 true&lt;/code&gt; aus, und Bob tritt
mit &lt;code&gt;quillor Bob 192.168.1.20 false&lt;/code&gt; bei.&lt;/p&gt;
&lt;p&gt;Die ersten sechs Spieler nehmen die Plätze ein; Spieler sieben bis neun schauen zu.
Schließt der Host Quillor, endet das Spiel für alle; deshalb fragt Quillor den Host vor dem
Schließen, solange andere im Spiel sind.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>
&lt;h2&gt;Game Play&lt;/h2&gt;
&lt;p&gt;The hosting player presses &lt;b&gt;Start&lt;/b&gt; (or chooses Start Game) and picks the
options: the score to play to, the seconds per turn, scrambled or straight words, and
whether the other letters on the board are taken only from the word&apos;s own letters.&lt;/p&gt;
&lt;p&gt;In a &lt;b&gt;straight&lt;/b&gt; game the word lies along one straight line of the board. In a
&lt;b&gt;scrambled&lt;/b&gt; game it winds from cell to neighbouring cell and may turn at any
letter.&lt;/p&gt;
&lt;p&gt;When the word appears, click its letters on the board one after another, starting
with the first. A click that does not fit the word is not taken. In a straight game
each letter must follow on along the same line; in a scrambled game it must touch the
one before. A right click on your last letter takes it back; the &lt;b&gt;Clear&lt;/b&gt; button
(or a right click on a letter you have not picked) starts your pick again.&lt;/p&gt;
&lt;p&gt;After the last letter your pick goes to the host, who checks it. Found it? Your
score goes up and a mark appears beside your name. If not, try again while the clock
runs.&lt;/p&gt;
&lt;p&gt;The round ends when every player has found the word or the time is up. After a
short pause the next round begins.&lt;/p&gt;
&lt;p&gt;Tick &lt;b&gt;Just Watch&lt;/b&gt; to sit out the next rounds without leaving your seat.&lt;/p&gt;
</source>
        <translation>
&lt;h2&gt;Spielablauf&lt;/h2&gt;
&lt;p&gt;Der Host drückt &lt;b&gt;Start&lt;/b&gt; (oder wählt Spiel starten) und legt die Optionen fest: die
Zielpunktzahl, die Sekunden pro Zug, gemischte oder gerade Wörter und ob die übrigen
Buchstaben auf dem Feld nur aus den Buchstaben des Wortes stammen.&lt;/p&gt;
&lt;p&gt;In einem &lt;b&gt;geraden&lt;/b&gt; Spiel liegt das Wort auf einer geraden Linie des Feldes. In
einem &lt;b&gt;gemischten&lt;/b&gt; Spiel windet es sich von Feld zu Nachbarfeld und darf bei jedem
Buchstaben abbiegen.&lt;/p&gt;
&lt;p&gt;Sobald das Wort erscheint, klicke seine Buchstaben auf dem Feld nacheinander an,
beginnend mit dem ersten. Ein Klick, der nicht zum Wort passt, zählt nicht. In einem
geraden Spiel muss jeder Buchstabe auf derselben Linie folgen, in einem gemischten muss er
den vorigen berühren. Ein Rechtsklick auf deinen letzten Buchstaben nimmt ihn zurück; die
Taste &lt;b&gt;Löschen&lt;/b&gt; (oder ein Rechtsklick auf einen nicht gewählten Buchstaben) beginnt
deine Wahl von vorn.&lt;/p&gt;
&lt;p&gt;Nach dem letzten Buchstaben geht deine Wahl an den Host, der sie prüft. Gefunden? Deine
Punkte steigen, und neben deinem Namen erscheint eine Marke. Wenn nicht, versuche es
weiter, solange die Uhr läuft.&lt;/p&gt;
&lt;p&gt;Die Runde endet, wenn alle Spieler das Wort gefunden haben oder die Zeit abgelaufen ist.
Nach einer kurzen Pause beginnt die nächste Runde.&lt;/p&gt;
&lt;p&gt;Hake &lt;b&gt;Nur zuschauen&lt;/b&gt; an, um die nächsten Runden auszusetzen, ohne deinen Platz zu
verlassen.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>
&lt;h2&gt;Scoring&lt;/h2&gt;
&lt;p&gt;A word found scores the seconds left on the host&apos;s clock at the moment the host
accepts it, so the quickest finder scores the most. A player who does not find the
word in time scores nothing for that round.&lt;/p&gt;
&lt;p&gt;The game ends after a round in which one player&apos;s total has passed the target score
and nobody else has as many points. While two or more players share the lead, play
goes on.&lt;/p&gt;
&lt;p&gt;Your wins and losses against the players you follow are kept in the tally.&lt;/p&gt;
</source>
        <translation>
&lt;h2&gt;Punkte&lt;/h2&gt;
&lt;p&gt;Ein gefundenes Wort bringt so viele Punkte, wie Sekunden auf der Uhr des Hosts übrig
sind, wenn er es annimmt; wer am schnellsten findet, bekommt also am meisten. Wer das Wort
nicht rechtzeitig findet, bekommt in dieser Runde nichts.&lt;/p&gt;
&lt;p&gt;Das Spiel endet nach einer Runde, in der die Summe eines Spielers die Zielpunktzahl
überschritten hat und kein anderer so viele Punkte hat. Solange sich zwei oder mehr
Spieler die Führung teilen, geht das Spiel weiter.&lt;/p&gt;
&lt;p&gt;Deine Siege und Niederlagen gegen die Spieler, die du verfolgst, stehen in der
Bilanz.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>
&lt;h2&gt;Documentation&lt;/h2&gt;
&lt;p&gt;&lt;b&gt;Start Game&lt;/b&gt; (Ctrl+S, host only) opens the game options.&lt;br&gt;
&lt;b&gt;Spy List&lt;/b&gt; shows the spectators; the host can remove one with a right click.&lt;br&gt;
&lt;b&gt;View Tally&lt;/b&gt; shows your record against the players you follow.&lt;br&gt;
&lt;b&gt;Tiles&lt;/b&gt; chooses the look of the letters.&lt;br&gt;
&lt;b&gt;Phrase List&lt;/b&gt; lets you write your own quick phrases.&lt;br&gt;
&lt;b&gt;Content&lt;/b&gt; (F1) opens this help; &lt;b&gt;About&lt;/b&gt; shows the version.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Chat.&lt;/b&gt; Type in the box under the chat and press Enter to talk to everybody.
Start a line with &lt;code&gt;/me &lt;/code&gt; to describe an action (&amp;ldquo;/me waves&amp;rdquo; shows
as &amp;ldquo;Ann waves&amp;rdquo;). Links in the chat show a hand under the pointer; click one
to open it in your browser (links to files on your computer are not opened). Right-click
the chat to copy the selected text, hold it still with &lt;b&gt;Scroll Chat Off&lt;/b&gt;, or clear
it; right-click the box to paste.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Quick phrases.&lt;/b&gt; The small buttons P1 to P9 above the chat send their phrase
with one click (point at one to read it); afterwards the buttons rest for 2 seconds.
The note button opens the chatter sounds: players who have &lt;b&gt;Play Chatter
Sounds&lt;/b&gt; on hear the one you choose, the others see it named in the chat. Spectators
cannot send them.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Options&lt;/b&gt; sets your chat colour, your action colour and the chat&apos;s text size,
turns the game&apos;s sounds and the chatter sounds on or off, chooses the sound that
announces your turn, and puts the window back in its first place and size.&lt;/p&gt;
&lt;p&gt;Preferences are saved as you change them and come back the next time you play.&lt;/p&gt;
</source>
        <translation>
&lt;h2&gt;Dokumentation&lt;/h2&gt;
&lt;p&gt;&lt;b&gt;Spiel starten&lt;/b&gt; (Strg+S, nur der Host) öffnet die Spieloptionen.&lt;br&gt;
&lt;b&gt;Zuschauerliste&lt;/b&gt; zeigt die Zuschauer; der Host kann einen mit einem Rechtsklick
entfernen.&lt;br&gt;
&lt;b&gt;Bilanz anzeigen&lt;/b&gt; zeigt deine Bilanz gegen die Spieler, die du verfolgst.&lt;br&gt;
&lt;b&gt;Steine&lt;/b&gt; wählt das Aussehen der Buchstaben.&lt;br&gt;
&lt;b&gt;Satzliste&lt;/b&gt; lässt dich deine eigenen Schnellsätze schreiben.&lt;br&gt;
&lt;b&gt;Inhalt&lt;/b&gt; (F1) öffnet diese Hilfe; &lt;b&gt;Über&lt;/b&gt; zeigt die Version.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Chat.&lt;/b&gt; Tippe in das Feld unter dem Chat und drücke Enter, um mit allen zu reden.
Beginne eine Zeile mit &lt;code&gt;/me &lt;/code&gt;, um eine Handlung zu beschreiben (&amp;bdquo;/me
winkt&amp;ldquo; erscheint als &amp;bdquo;Ann winkt&amp;ldquo;). Links im Chat zeigen eine Hand unter dem
Mauszeiger; ein Klick öffnet sie im Browser (Links auf Dateien deines Computers werden
nicht geöffnet). Mit einem Rechtsklick in den Chat kopierst du den markierten Text, hältst
ihn mit &lt;b&gt;Chat nicht mitrollen&lt;/b&gt; an oder leerst ihn; ein Rechtsklick in das Feld fügt
ein.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Schnellsätze.&lt;/b&gt; Die kleinen Tasten P1 bis P9 über dem Chat senden ihren Satz mit
einem Klick (zeige auf eine, um ihn zu lesen); danach ruhen die Tasten 2 Sekunden. Die
Notentaste öffnet die Chat-Töne: Spieler, die &lt;b&gt;Chat-Töne abspielen&lt;/b&gt; eingeschaltet
haben, hören den gewählten, die anderen sehen ihn im Chat genannt. Zuschauer können sie
nicht senden.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Optionen&lt;/b&gt; stellt deine Chatfarbe, deine Aktionsfarbe und die Textgröße des Chats
ein, schaltet die Töne des Spiels und die Chat-Töne ein oder aus, wählt den Ton, der deinen
Zug ankündigt, und setzt das Fenster an seinen ersten Platz und seine erste Größe
zurück.&lt;/p&gt;
&lt;p&gt;Einstellungen werden gespeichert, sobald du sie änderst, und sind beim nächsten Spiel
wieder da.&lt;/p&gt;
</translation>
    </message>
</context>
<context>
    <name>Tphrases</name>
    <message>
        <source>Quillor - Phrase Buttons </source>
        <translation>Quillor - Satztasten </translation>
    </message>
    <message>
        <source>Phrase Button %1:</source>
        <translation>Satztaste %1:</translation>
    </message>
    <message>
        <source>Buttons can only be used once every 2 seconds</source>
        <translation>Die Tasten gehen nur einmal alle 2 Sekunden</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>Tspylist</name>
    <message>
        <source>Quillor - Spectators</source>
        <translation>Quillor - Zuschauer</translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation>Zuschauerliste</translation>
    </message>
    <message>
        <source>Nobody is watching.</source>
        <translation>Niemand schaut zu.</translation>
    </message>
    <message>
        <source>Remove From Game</source>
        <translation>Aus dem Spiel entfernen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>Ttallylist</name>
    <message>
        <source>Quillor - Tally List</source>
        <translation>Quillor - Bilanz</translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation>Spiele insgesamt:</translation>
    </message>
    <message>
        <source>Your Wins</source>
        <translation>Deine Siege</translation>
    </message>
    <message>
        <source>Players Being Tallied</source>
        <translation>Gezählte Spieler</translation>
    </message>
    <message>
        <source>Players In Current Game</source>
        <translation>Spieler im laufenden Spiel</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sitzung</translation>
    </message>
    <message>
        <source>Number of Games</source>
        <translation>Anzahl Spiele</translation>
    </message>
    <message>
        <source>Your Wins:</source>
        <translation>Deine Siege:</translation>
    </message>
    <message>
        <source>Neither Won:</source>
        <translation>Keiner gewann:</translation>
    </message>
    <message>
        <source>Reset Tally</source>
        <translation>Bilanz zurücksetzen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>This will delete %1&apos;s Tally, Are you want to delete it?</source>
        <translation>Damit wird die Bilanz von %1 gelöscht. Wirklich löschen?</translation>
    </message>
    <message>
        <source>%1 Wins:</source>
        <translation>Siege von %1:</translation>
    </message>
    <message>
        <source>%1&apos;s Tally</source>
        <translation>Bilanz von %1</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the Tally?</source>
        <translation>Soll die Bilanz wirklich zurückgesetzt werden?</translation>
    </message>
    <message>
        <source>Their Wins:</source>
        <translation>Seine Siege:</translation>
    </message>
    <message>
        <source>Nobody is followed yet.</source>
        <translation>Noch wird niemand verfolgt.</translation>
    </message>
    <message>
        <source>Tick a player to follow him: the games you play together count from then on.</source>
        <translation>Hake einen Spieler an, um ihn zu verfolgen: Ab dann zählen eure gemeinsamen Spiele.</translation>
    </message>
</context>
<context>
    <name>TurnClock</name>
    <message>
        <source>Time Per Turn: %1</source>
        <translation>Zeit pro Zug: %1</translation>
    </message>
    <message>
        <source>Time Per Turn: %1 secs</source>
        <translation>Zeit pro Zug: %1 s</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Could not start the new game.</source>
        <translation>Das neue Spiel konnte nicht gestartet werden.</translation>
    </message>
</context>
</TS>
