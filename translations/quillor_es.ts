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
