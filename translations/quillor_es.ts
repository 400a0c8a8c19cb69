<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>AccessibleGrid</name>
    <message>
        <source>Column %1</source>
        <translation>Columna %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Fila %1</translation>
    </message>
</context>
<context>
    <name>ChatEntry</name>
    <message>
        <source>&lt;Enter Chat Here&gt;</source>
        <translation>&lt;Escribe aquí&gt;</translation>
    </message>
</context>
<context>
    <name>ChatPane</name>
    <message>
        <source>Phrase %1</source>
        <translation>Frase %1</translation>
    </message>
    <message>
        <source>Scroll Chat Off</source>
        <translation>No desplazar el chat</translation>
    </message>
    <message>
        <source>Clear Main Chat</source>
        <translation>Vaciar el chat principal</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>&lt;Cancel&gt;</source>
        <translation>&lt;Cancelar&gt;</translation>
    </message>
    <message>
        <source>Chatter sounds</source>
        <translation>Sonidos del chat</translation>
    </message>
</context>
<context>
    <name>CheckImage</name>
    <message>
        <source>checked</source>
        <translation>marcado</translation>
    </message>
    <message>
        <source>unchecked</source>
        <translation>sin marcar</translation>
    </message>
</context>
<context>
    <name>GameClient</name>
    <message>
        <source>Could not connect to %1 port %2: %3.</source>
        <translation>No se pudo conectar a %1, puerto %2: %3.</translation>
    </message>
    <message>
        <source>The host sent more messages than this game could keep up with, so the connection was closed.</source>
        <translation>El anfitrión envió más mensajes de los que este juego podía procesar, así que se cerró la conexión.</translation>
    </message>
    <message>
        <source>You lead the game now; you start the next game.</source>
        <translation>Ahora diriges la partida; tú inicias la siguiente.</translation>
    </message>
    <message>
        <source>%1 leads the game now.</source>
        <translation>%1 dirige ahora la partida.</translation>
    </message>
    <message>
        <source>%1 has a different version of the game then you.</source>
        <translation>%1 tiene otra versión del juego que tú.</translation>
    </message>
    <message>
        <source>You have a differnt version of the game then the host.</source>
        <translation>Tienes otra versión del juego que el anfitrión.</translation>
    </message>
    <message>
        <source>Game is full</source>
        <translation>La partida está llena</translation>
    </message>
    <message>
        <source>The host ended the game or removed you from it.</source>
        <translation>El anfitrión terminó la partida o te sacó de ella.</translation>
    </message>
    <message>
        <source>The connection to the host was lost.</source>
        <translation>Se perdió la conexión con el anfitrión.</translation>
    </message>
    <message>
        <source>Connection lost. Reconnecting...</source>
        <translation>Conexión perdida. Reconectando...</translation>
    </message>
    <message>
        <source>You are back in the game.</source>
        <translation>Has vuelto a la partida.</translation>
    </message>
</context>
<context>
    <name>GameListModel</name>
    <message>
        <source>at %1</source>
        <translation>en %1</translation>
    </message>
    <message>
        <source>at %1 port %2</source>
        <translation>en %1, puerto %2</translation>
    </message>
    <message>
        <source>unknown version</source>
        <translation>versión desconocida</translation>
    </message>
    <message>
        <source>version %1</source>
        <translation>versión %1</translation>
    </message>
    <message>
        <source>
Led by %1</source>
        <translation>
Dirigida por %1</translation>
    </message>
    <message>
        <source>
Another version of the game: joining may not work.</source>
        <translation>
Otra versión del juego: puede que no puedas unirte.</translation>
    </message>
</context>
<context>
    <name>GameMenu</name>
    <message>
        <source>&amp;Remove From Game</source>
        <translation>&amp;Quitar de la partida</translation>
    </message>
    <message>
        <source>Set to Just &amp;Watch</source>
        <translation>Poner como &amp;espectador</translation>
    </message>
    <message>
        <source>&amp;Unset Just Watch</source>
        <translation>Dejar de ser es&amp;pectador</translation>
    </message>
    <message>
        <source>Only the player who leads the game can remove players or set them watching.</source>
        <translation>Solo quien dirige la partida puede quitar jugadores o ponerlos como espectadores.</translation>
    </message>
    <message>
        <source>(nobody)</source>
        <translation>(nadie)</translation>
    </message>
</context>
<context>
    <name>GameMessages</name>
    <message>
        <source>You are Connected.</source>
        <translation>Estás conectado.</translation>
    </message>
    <message>
        <source>%1 is back.</source>
        <translation>%1 ha vuelto.</translation>
    </message>
    <message>
        <source>%1 is Connected.</source>
        <translation>%1 se ha conectado.</translation>
    </message>
    <message>
        <source>You are spying.</source>
        <translation>Estás observando.</translation>
    </message>
    <message>
        <source>%1 is spying.</source>
        <translation>%1 está observando.</translation>
    </message>
    <message>
        <source>%1 has left.</source>
        <translation>%1 se ha ido.</translation>
    </message>
    <message>
        <source>STRAIGHT</source>
        <translation>RECTO</translation>
    </message>
    <message>
        <source>SCRAMBLED</source>
        <translation>REVUELTO</translation>
    </message>
    <message>
        <source>You have started a %1 game.</source>
        <translation>Has iniciado una partida %1.</translation>
    </message>
    <message>
        <source>%1 has started a %2 game.</source>
        <translation>%1 ha iniciado una partida %2.</translation>
    </message>
    <message>
        <source>Using only letters that are found in the word.</source>
        <translation>Solo con letras que están en la palabra.</translation>
    </message>
    <message>
        <source>Your Turn.</source>
        <translation>Tu turno.</translation>
    </message>
    <message>
        <source>%1&apos;s turn.</source>
        <translation>Turno de %1.</translation>
    </message>
    <message>
        <source>You have found the word!</source>
        <translation>¡Has encontrado la palabra!</translation>
    </message>
    <message>
        <source>%1 has found the word!</source>
        <translation>¡%1 ha encontrado la palabra!</translation>
    </message>
    <message>
        <source>You did not find the correct word.</source>
        <translation>No encontraste la palabra correcta.</translation>
    </message>
    <message>
        <source>Out of Time!</source>
        <translation>¡Se acabó el tiempo!</translation>
    </message>
    <message>
        <source>Round is over, please wait..</source>
        <translation>La ronda ha terminado, espera..</translation>
    </message>
    <message>
        <source>%1 is just watching.</source>
        <translation>%1 solo está mirando.</translation>
    </message>
    <message>
        <source>%1 is now playing again.</source>
        <translation>%1 vuelve a jugar.</translation>
    </message>
    <message>
        <source>You have Won the Game!</source>
        <translation>¡Has ganado la partida!</translation>
    </message>
    <message>
        <source>%1 has Won the Game!</source>
        <translation>¡%1 ha ganado la partida!</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <translation>¡Fin de la partida!</translation>
    </message>
    <message>
        <source>%1&apos;s seat is kept for %2 seconds.</source>
        <translation>El puesto de %1 se guarda durante %2 segundos.</translation>
    </message>
    <message>
        <source>%1 did not come back; the seat is free.</source>
        <translation>%1 no volvió; el puesto está libre.</translation>
    </message>
    <message>
        <source>You are just watching.</source>
        <translation>Solo estás mirando.</translation>
    </message>
</context>
<context>
    <name>GameSummaryWindow</name>
    <message>
        <source>Quillor - Game Summary</source>
        <translation>Quillor - Resumen de la partida</translation>
    </message>
    <message>
        <source>Put the table on the clipboard as plain text</source>
        <translation>Copiar la tabla al portapapeles como texto sin formato</translation>
    </message>
    <message>
        <source>Game summary</source>
        <translation>Resumen de la partida</translation>
    </message>
    <message>
        <source>%1 has Won the Game!</source>
        <translation>¡%1 ha ganado la partida!</translation>
    </message>
    <message>
        <source>Before you came</source>
        <translation>Antes de que llegaras</translation>
    </message>
    <message>
        <source>Average time</source>
        <translation>Tiempo medio</translation>
    </message>
    <message>
        <source>Nobody found a word in this game.</source>
        <translation>Nadie encontró ninguna palabra en esta partida.</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Ronda</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Palabra</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Primero</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
</context>
<context>
    <name>JoinAddresses</name>
    <message>
        <source>Friends cannot join from other computers: this computer has no network address.</source>
        <translation>Tus amigos no pueden unirse desde otros ordenadores: este ordenador no tiene dirección de red.</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>Friends can join at %1 port %2</source>
        <translation>Tus amigos pueden unirse en %1, puerto %2</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Play with Others...</source>
        <translation>Jugar con &amp;otros...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partida</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>&amp;Iniciar partida</translation>
    </message>
    <message>
        <source>&amp;Just Watch</source>
        <translation>Solo &amp;mirar</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Spy List</source>
        <translation>&amp;Lista de espectadores</translation>
    </message>
    <message>
        <source>View &amp;Tally</source>
        <translation>Ver &amp;recuento</translation>
    </message>
    <message>
        <source>T&amp;iles</source>
        <translation>Fic&amp;has</translation>
    </message>
    <message>
        <source>&amp;Phrase List</source>
        <translation>Lista de &amp;frases</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Content</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>More menus</source>
        <translation>Más menús</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>The language of the windows, from the next start</source>
        <translation>El idioma de las ventanas, desde el próximo inicio</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>&amp;Sistema</translation>
    </message>
    <message>
        <source>Takes effect at the next start</source>
        <translation>Se aplica en el próximo inicio</translation>
    </message>
</context>
<context>
    <name>OptionsMenu</name>
    <message>
        <source>&amp;Text Color</source>
        <translation>Color del &amp;texto</translation>
    </message>
    <message>
        <source>&amp;Action Color</source>
        <translation>Color de las &amp;acciones</translation>
    </message>
    <message>
        <source>Text Si&amp;ze</source>
        <translation>Tama&amp;ño del texto</translation>
    </message>
    <message>
        <source>Scroll &amp;Chat Off</source>
        <translation>No desplazar el &amp;chat</translation>
    </message>
    <message>
        <source>C&amp;lear Main Chat</source>
        <translation>&amp;Vaciar el chat principal</translation>
    </message>
    <message>
        <source>&amp;Play Sounds</source>
        <translation>&amp;Reproducir sonidos</translation>
    </message>
    <message>
        <source>Play C&amp;hatter Sounds</source>
        <translation>Reproducir sonidos del c&amp;hat</translation>
    </message>
    <message>
        <source>T&amp;urn Sound</source>
        <translation>Sonido de t&amp;urno</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <translation>&amp;Clásico</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>High C&amp;ontrast</source>
        <translation>Alto c&amp;ontraste</translation>
    </message>
    <message>
        <source>&amp;Reset Screen Location</source>
        <translation>Restablecer la &amp;posición en pantalla</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Color del texto</translation>
    </message>
    <message>
        <source>Action Color</source>
        <translation>Color de las acciones</translation>
    </message>
</context>
<context>
    <name>PlayAccessibility</name>
    <message>
        <source>Time left</source>
        <translation>Tiempo restante</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>Letters in %1 rows and %2 columns</source>
        <translation>Letras en %1 filas y %2 columnas</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Puntuaciones</translation>
    </message>
    <message>
        <source>Empty seat</source>
        <translation>Puesto libre</translation>
    </message>
</context>
<context>
    <name>PlayWithOthersDialog</name>
    <message>
        <source>Play with Others</source>
        <translation>Jugar con otros</translation>
    </message>
    <message>
        <source>Host a game</source>
        <translation>Organizar una partida</translation>
    </message>
    <message>
        <source>Join a game</source>
        <translation>Unirse a una partida</translation>
    </message>
    <message>
        <source>name or address of the host</source>
        <translation>nombre o dirección del anfitrión</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Tu nombre:</translation>
    </message>
    <message>
        <source>Host address:</source>
        <translation>Dirección del anfitrión:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Puerto:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Games on this network:</source>
        <translation>Partidas en esta red:</translation>
    </message>
    <message>
        <source>No games announced on this network yet.</source>
        <translation>Aún no se ha anunciado ninguna partida en esta red.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>PlayerCommands</name>
    <message>
        <source>You are not connected</source>
        <translation>No estás conectado</translation>
    </message>
    <message>
        <source>Untick to play again from the next round.</source>
        <translation>Desmárcalo para volver a jugar desde la próxima ronda.</translation>
    </message>
    <message>
        <source>Watch the rest of this game without playing.</source>
        <translation>Mirar el resto de esta partida sin jugar.</translation>
    </message>
    <message>
        <source>Just Watch works while a game is running: it lets you watch the rest of the game without playing.</source>
        <translation>Solo mirar funciona mientras hay una partida: te deja ver el resto sin jugar.</translation>
    </message>
    <message>
        <source>1 player is in your game. Leaving ends it for everyone.</source>
        <translation>Hay 1 jugador en tu partida. Si te vas, termina para todos.</translation>
    </message>
    <message>
        <source>%1 players are in your game. Leaving ends it for everyone.</source>
        <translation>Hay %1 jugadores en tu partida. Si te vas, termina para todos.</translation>
    </message>
</context>
<context>
    <name>RoundBar</name>
    <message>
        <source>Start Game</source>
        <translation>Iniciar partida</translation>
    </message>
    <message>
        <source>Clear the letters picked so far</source>
        <translation>Borrar las letras elegidas hasta ahora</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Jugar otra vez</translation>
    </message>
    <message>
        <source>Start a new game with the same options</source>
        <translation>Iniciar una partida nueva con las mismas opciones</translation>
    </message>
    <message>
        <source>Stop trying to reconnect and leave the game</source>
        <translation>Dejar de reconectar y salir de la partida</translation>
    </message>
    <message>
        <source>Just watching</source>
        <translation>Solo mirando</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>Play with Others...</source>
        <translation>Jugar con otros...</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>RoundReviewPanel</name>
    <message>
        <source>Nobody found it.</source>
        <translation>Nadie la encontró.</translation>
    </message>
    <message>
        <source>Keep this review open during the next round</source>
        <translation>Mantener este repaso abierto durante la ronda siguiente</translation>
    </message>
    <message>
        <source>Round %1: %2</source>
        <translation>Ronda %1: %2</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Pin</source>
        <translation>Fijar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Pinned</source>
        <translation>Fijado</translation>
    </message>
</context>
<context>
    <name>RoundStatus</name>
    <message>
        <source>ROUND: %1</source>
        <translation>RONDA: %1</translation>
    </message>
    <message>
        <source>Game Type: Scrambled</source>
        <translation>Tipo de partida: Revuelto</translation>
    </message>
    <message>
        <source>Play To Score: %1</source>
        <translation>Jugar hasta: %1</translation>
    </message>
    <message>
        <source>You Have Won The Game!</source>
        <translation>¡Has ganado la partida!</translation>
    </message>
    <message>
        <source>Game Type: STRAIGHT</source>
        <translation>Tipo de partida: RECTO</translation>
    </message>
    <message>
        <source>Game Type: SCRAMBLED</source>
        <translation>Tipo de partida: REVUELTO</translation>
    </message>
    <message>
        <source>Welcome to Quillor </source>
        <translation>Bienvenido a Quillor </translation>
    </message>
</context>
<context>
    <name>ScorePanel</name>
    <message>
        <source>Remove From Game</source>
        <translation>Quitar de la partida</translation>
    </message>
    <message>
        <source>Set to Just Watch</source>
        <translation>Poner como espectador</translation>
    </message>
    <message>
        <source>Unset Just Watch</source>
        <translation>Dejar de ser espectador</translation>
    </message>
    <message>
        <source>Leads the game: starts it and may remove players</source>
        <translation>Dirige la partida: la inicia y puede quitar jugadores</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>%1 is away: the seat is kept for %2 more seconds</source>
        <translation>%1 no está: el puesto se guarda %2 segundos más</translation>
    </message>
    <message>
        <source>Right-click for more</source>
        <translation>Clic derecho para más</translation>
    </message>
</context>
<context>
    <name>SeatRoster</name>
    <message>
        <source>&lt;Waiting&gt;</source>
        <translation>&lt;Esperando&gt;</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Could not start the game on port %1 (%2).</source>
        <translation>No se pudo iniciar la partida en el puerto %1 (%2).</translation>
    </message>
    <message>
        <source>Loading Solo Game..Please wait.</source>
        <translation>Cargando partida individual..Espera, por favor.</translation>
    </message>
    <message>
        <source>Loading Multi-player Game.. Please Wait.</source>
        <translation>Cargando partida multijugador.. Espera, por favor.</translation>
    </message>
    <message>
        <source>No game to join: choose Play with Others.</source>
        <translation>No hay partida a la que unirse: elige «Jugar con otros».</translation>
    </message>
</context>
<context>
    <name>Tabout</name>
    <message>
        <source>Quillor - About</source>
        <translation>Quillor - Acerca de</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>A word-finding race for one to six players.
Free software under the MIT license.
Copyright © the Quillor developers.</source>
        <translation>Una carrera de palabras para uno a seis jugadores.
Software libre bajo la licencia MIT.
Copyright © los desarrolladores de Quillor.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>Tchat</name>
    <message>
        <source>Leave</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Stay</source>
        <translation>Quedarse</translation>
    </message>
    <message>
        <source>The windows will show the new language from the next start.</source>
        <translation>Las ventanas mostrarán el nuevo idioma a partir del próximo inicio.</translation>
    </message>
</context>
<context>
    <name>Tdownload</name>
    <message>
        <source>Download The Pelk22 Lobby</source>
        <translation>Descargar el lobby Pelk22</translation>
    </message>
    <message>
        <source>Download And Install The Pelk22 Lobby Now</source>
        <translation>Descargar e instalar ya el lobby Pelk22</translation>
    </message>
    <message>
        <source>Stop Download</source>
        <translation>Detener la descarga</translation>
    </message>
    <message>
        <source>Play Solo Game</source>
        <translation>Jugar en solitario</translation>
    </message>
    <message>
        <source>Play with Others</source>
        <translation>Jugar con otros</translation>
    </message>
    <message>
        <source>Show this at start</source>
        <translation>Mostrar al inicio</translation>
    </message>
    <message>
        <source>Untick to start solo games without this window; File &gt; Play with Others... stays.</source>
        <translation>Desmárcalo para iniciar partidas individuales sin esta ventana; Archivo &gt; Jugar con otros... sigue disponible.</translation>
    </message>
</context>
<context>
    <name>Tgamestart</name>
    <message>
        <source>Quillor - Game Start</source>
        <translation>Quillor - Inicio de partida</translation>
    </message>
    <message>
        <source>GAME OPTIONS</source>
        <translation>OPCIONES DE PARTIDA</translation>
    </message>
    <message>
        <source>Play to Score:</source>
        <translation>Jugar hasta:</translation>
    </message>
    <message>
        <source>Seconds per Turn:</source>
        <translation>Segundos por turno:</translation>
    </message>
    <message>
        <source>: %1 to %2, in steps of %3</source>
        <translation>: de %1 a %2, en pasos de %3</translation>
    </message>
    <message>
        <source>The score that wins the game</source>
        <translation>La puntuación que gana la partida</translation>
    </message>
    <message>
        <source>Seconds to find each word</source>
        <translation>Segundos para encontrar cada palabra</translation>
    </message>
    <message>
        <source>Words Scrambled:</source>
        <translation>Palabras revueltas:</translation>
    </message>
    <message>
        <source>Words Straight:</source>
        <translation>Palabras rectas:</translation>
    </message>
    <message>
        <source>Only Use Letters in the word:</source>
        <translation>Solo letras de la palabra:</translation>
    </message>
    <message>
        <source>Words:</source>
        <translation>Palabras:</translation>
    </message>
    <message>
        <source>Language of the words</source>
        <translation>Idioma de las palabras</translation>
    </message>
    <message>
        <source>The language the game&apos;s words are drawn from</source>
        <translation>El idioma del que salen las palabras de la partida</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Iniciar partida</translation>
    </message>
</context>
<context>
    <name>Thelp</name>
    <message>
        <source>Overview</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Conexión</translation>
    </message>
    <message>
        <source>Game Play</source>
        <translation>Cómo se juega</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Documentation</source>
        <translation>Documentación</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licencia</translation>
    </message>
    <message>
        <source>Quillor - Help</source>
        <translation>Quillor - Ayuda</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
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
&lt;p&gt;Quillor es una carrera de búsqueda de palabras para uno a seis jugadores. En cada ronda
todos ven el mismo tablero de 10 por 9 letras y la misma palabra. En algún lugar del
tablero la palabra está escondida entre otras letras: encuéntrala y haz clic en sus letras
en orden.&lt;/p&gt;
&lt;p&gt;Cuanto más rápido seas, más puntos ganas. El primer jugador cuyo total supere la
puntuación objetivo yendo solo en cabeza gana la partida.&lt;/p&gt;
&lt;p&gt;Hasta tres personas más pueden unirse a una mesa llena y mirar como espectadores;
aparecen en la lista de espectadores.&lt;/p&gt;
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
&lt;h2&gt;Conexión&lt;/h2&gt;
&lt;p&gt;Iniciado sin parámetros, Quillor abre una partida individual para un jugador llamado
&amp;ldquo;You&amp;rdquo;.&lt;/p&gt;
&lt;p&gt;Para jugar con otros, un jugador organiza y los demás se unen. Elige
&lt;b&gt;Archivo &amp;gt; Jugar con otros...&lt;/b&gt;:&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Tu nombre&lt;/b&gt; es el nombre que ven los demás jugadores.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Organizar una partida&lt;/b&gt; ejecuta la partida en este ordenador. La ventana muestra
dónde pueden encontrarla tus amigos, por ejemplo «Tus amigos pueden unirse en
192.168.1.20, puerto 7772», y cuando la partida está en marcha el chat lo repite. Dales
esa dirección y ese puerto.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Unirse a una partida&lt;/b&gt; conecta con la partida de un amigo: escribe la dirección
(o el nombre del equipo) que te dio en &lt;b&gt;Dirección del anfitrión&lt;/b&gt;.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Puerto&lt;/b&gt; es 7772 salvo que el grupo acuerde otro. Todos en una partida usan el
mismo puerto, y el cortafuegos del ordenador anfitrión debe dejarlo pasar.&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;OK inicia la partida; esta ventana se cierra y se abre otra nueva para ella. Tu
elección se recuerda para la próxima vez.&lt;/p&gt;
&lt;p&gt;Si no se puede conectar, la línea sobre el tablero dice por qué, con &lt;b&gt;Reintentar&lt;/b&gt; y
&lt;b&gt;Jugar con otros...&lt;/b&gt; al lado.&lt;/p&gt;
&lt;p&gt;Lo mismo funciona desde la línea de órdenes:
&lt;code&gt;quillor NAME HOST true|false [--port N]&lt;/code&gt;, donde &lt;b&gt;true&lt;/b&gt; organiza en este
ordenador (HOST no se usa entonces) y &lt;b&gt;false&lt;/b&gt; se une al anfitrión en HOST. Por
ejemplo, Ann organiza con &lt;code&gt;quillor Ann 127.0.0.1 true&lt;/code&gt; y Bob se une con
&lt;code&gt;quillor Bob 192.168.1.20 false&lt;/code&gt;.&lt;/p&gt;
&lt;p&gt;Los seis primeros jugadores ocupan los puestos; los jugadores siete a nueve miran.
Cuando el anfitrión cierra Quillor, la partida termina para todos, así que Quillor pregunta
al anfitrión antes de cerrarse mientras haya otros en la partida.&lt;/p&gt;
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
&lt;h2&gt;Cómo se juega&lt;/h2&gt;
&lt;p&gt;El anfitrión pulsa &lt;b&gt;Start&lt;/b&gt; (o elige Iniciar partida) y elige las opciones: la
puntuación objetivo, los segundos por turno, palabras revueltas o rectas, y si las demás
letras del tablero salen solo de las letras de la palabra.&lt;/p&gt;
&lt;p&gt;En una partida &lt;b&gt;recta&lt;/b&gt; la palabra está en una sola línea recta del tablero. En una
partida &lt;b&gt;revuelta&lt;/b&gt; serpentea de casilla en casilla vecina y puede girar en cualquier
letra.&lt;/p&gt;
&lt;p&gt;Cuando aparezca la palabra, haz clic en sus letras del tablero una tras otra, empezando
por la primera. Un clic que no encaja con la palabra no cuenta. En una partida recta cada
letra debe seguir en la misma línea; en una revuelta debe tocar la anterior. Un clic
derecho en tu última letra la deshace; el botón &lt;b&gt;Borrar&lt;/b&gt; (o un clic derecho en una
letra no elegida) empieza tu elección de nuevo.&lt;/p&gt;
&lt;p&gt;Tras la última letra tu elección va al anfitrión, que la comprueba. ¿La encontraste? Tu
puntuación sube y aparece una marca junto a tu nombre. Si no, sigue intentándolo mientras
corre el reloj.&lt;/p&gt;
&lt;p&gt;La ronda termina cuando todos han encontrado la palabra o se acaba el tiempo. Tras una
breve pausa empieza la siguiente ronda.&lt;/p&gt;
&lt;p&gt;Marca &lt;b&gt;Solo mirar&lt;/b&gt; para saltarte las próximas rondas sin dejar tu puesto.&lt;/p&gt;
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
&lt;h2&gt;Puntuación&lt;/h2&gt;
&lt;p&gt;Una palabra encontrada suma los segundos que quedan en el reloj del anfitrión en el
momento en que la acepta, así que quien la encuentra antes suma más. Quien no encuentra la
palabra a tiempo no suma nada en esa ronda.&lt;/p&gt;
&lt;p&gt;La partida termina tras una ronda en la que el total de un jugador ha superado la
puntuación objetivo y nadie más tiene tantos puntos. Mientras dos o más jugadores
comparten el primer puesto, se sigue jugando.&lt;/p&gt;
&lt;p&gt;Tus victorias y derrotas contra los jugadores que sigues se guardan en el recuento.&lt;/p&gt;
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
&lt;h2&gt;Documentación&lt;/h2&gt;
&lt;p&gt;&lt;b&gt;Iniciar partida&lt;/b&gt; (Ctrl+S, solo el anfitrión) abre las opciones de partida.&lt;br&gt;
&lt;b&gt;Lista de espectadores&lt;/b&gt; muestra los espectadores; el anfitrión puede quitar uno con
un clic derecho.&lt;br&gt;
&lt;b&gt;Ver recuento&lt;/b&gt; muestra tu historial frente a los jugadores que sigues.&lt;br&gt;
&lt;b&gt;Fichas&lt;/b&gt; elige el aspecto de las letras.&lt;br&gt;
&lt;b&gt;Lista de frases&lt;/b&gt; te deja escribir tus propias frases rápidas.&lt;br&gt;
&lt;b&gt;Contenido&lt;/b&gt; (F1) abre esta ayuda; &lt;b&gt;Acerca de&lt;/b&gt; muestra la versión.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Chat.&lt;/b&gt; Escribe en la casilla bajo el chat y pulsa Intro para hablar con todos.
Empieza una línea con &lt;code&gt;/me &lt;/code&gt; para describir una acción («/me saluda» aparece como
«Ann saluda»). Los enlaces del chat muestran una mano bajo el puntero; haz clic en uno para
abrirlo en el navegador (los enlaces a archivos de tu ordenador no se abren). Con clic
derecho en el chat copias el texto elegido, lo detienes con &lt;b&gt;No desplazar el chat&lt;/b&gt; o
lo vacías; con clic derecho en la casilla pegas.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Frases rápidas.&lt;/b&gt; Los botoncitos P1 a P9 sobre el chat envían su frase con un clic
(señala uno para leerla); después los botones descansan 2 segundos. El botón de la nota
abre los sonidos del chat: quienes tienen activado &lt;b&gt;Reproducir sonidos del chat&lt;/b&gt; oyen
el que elijas, los demás lo ven nombrado en el chat. Los espectadores no pueden
enviarlos.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Opciones&lt;/b&gt; ajusta el color de tu chat, el de tus acciones y el tamaño del texto del
chat, activa o apaga los sonidos del juego y los del chat, elige el sonido que anuncia tu
turno y devuelve la ventana a su lugar y tamaño iniciales.&lt;/p&gt;
&lt;p&gt;Las preferencias se guardan al cambiarlas y vuelven la próxima vez que juegues.&lt;/p&gt;
</translation>
    </message>
</context>
<context>
    <name>Tphrases</name>
    <message>
        <source>Quillor - Phrase Buttons </source>
        <translation>Quillor - Botones de frases </translation>
    </message>
    <message>
        <source>Phrase Button %1:</source>
        <translation>Botón de frase %1:</translation>
    </message>
    <message>
        <source>Buttons can only be used once every 2 seconds</source>
        <translation>Los botones solo se pueden usar una vez cada 2 segundos</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
</context>
<context>
    <name>Tspylist</name>
    <message>
        <source>Quillor - Spectators</source>
        <translation>Quillor - Espectadores</translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation>Lista de espectadores</translation>
    </message>
    <message>
        <source>Nobody is watching.</source>
        <translation>Nadie está mirando.</translation>
    </message>
    <message>
        <source>Remove From Game</source>
        <translation>Quitar de la partida</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
</context>
<context>
    <name>Ttallylist</name>
    <message>
        <source>Quillor - Tally List</source>
        <translation>Quillor - Recuento</translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation>Partidas en total:</translation>
    </message>
    <message>
        <source>Your Wins</source>
        <translation>Tus victorias</translation>
    </message>
    <message>
        <source>Players Being Tallied</source>
        <translation>Jugadores contados</translation>
    </message>
    <message>
        <source>Players In Current Game</source>
        <translation>Jugadores de la partida actual</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sesión</translation>
    </message>
    <message>
        <source>Number of Games</source>
        <translation>Número de partidas</translation>
    </message>
    <message>
        <source>Your Wins:</source>
        <translation>Tus victorias:</translation>
    </message>
    <message>
        <source>Neither Won:</source>
        <translation>Ninguno ganó:</translation>
    </message>
    <message>
        <source>Reset Tally</source>
        <translation>Reiniciar recuento</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>This will delete %1&apos;s Tally, Are you want to delete it?</source>
        <translation>Se borrará el recuento de %1. ¿Seguro que quieres borrarlo?</translation>
    </message>
    <message>
        <source>%1 Wins:</source>
        <translation>Victorias de %1:</translation>
    </message>
    <message>
        <source>%1&apos;s Tally</source>
        <translation>Recuento de %1</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the Tally?</source>
        <translation>¿Seguro que quieres reiniciar el recuento?</translation>
    </message>
    <message>
        <source>Their Wins:</source>
        <translation>Sus victorias:</translation>
    </message>
    <message>
        <source>Nobody is followed yet.</source>
        <translation>Aún no sigues a nadie.</translation>
    </message>
    <message>
        <source>Tick a player to follow him: the games you play together count from then on.</source>
        <translation>Marca a un jugador para seguirlo: desde entonces cuentan las partidas que juguéis juntos.</translation>
    </message>
</context>
<context>
    <name>TurnClock</name>
    <message>
        <source>Time Per Turn: %1</source>
        <translation>Tiempo por turno: %1</translation>
    </message>
    <message>
        <source>Time Per Turn: %1 secs</source>
        <translation>Tiempo por turno: %1 s</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Could not start the new game.</source>
        <translation>No se pudo iniciar la nueva partida.</translation>
    </message>
</context>
</TS>
