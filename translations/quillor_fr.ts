<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>AccessibleGrid</name>
    <message>
        <source>Column %1</source>
        <translation>Colonne %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Ligne %1</translation>
    </message>
</context>
<context>
    <name>ChatEntry</name>
    <message>
        <source>&lt;Enter Chat Here&gt;</source>
        <translation>&lt;Écrivez ici&gt;</translation>
    </message>
</context>
<context>
    <name>ChatPane</name>
    <message>
        <source>Phrase %1</source>
        <translation>Phrase %1</translation>
    </message>
    <message>
        <source>Scroll Chat Off</source>
        <translation>Ne plus faire défiler le chat</translation>
    </message>
    <message>
        <source>Clear Main Chat</source>
        <translation>Vider le chat principal</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>&lt;Cancel&gt;</source>
        <translation>&lt;Annuler&gt;</translation>
    </message>
    <message>
        <source>Chatter sounds</source>
        <translation>Sons du chat</translation>
    </message>
</context>
<context>
    <name>CheckImage</name>
    <message>
        <source>checked</source>
        <translation>coché</translation>
    </message>
    <message>
        <source>unchecked</source>
        <translation>non coché</translation>
    </message>
</context>
<context>
    <name>GameClient</name>
    <message>
        <source>Could not connect to %1 port %2: %3.</source>
        <translation>Connexion impossible à %1 port %2 : %3.</translation>
    </message>
    <message>
        <source>The host sent more messages than this game could keep up with, so the connection was closed.</source>
        <translation>L&apos;hôte a envoyé plus de messages que ce jeu ne pouvait en traiter ; la connexion a été fermée.</translation>
    </message>
    <message>
        <source>You lead the game now; you start the next game.</source>
        <translation>Vous menez la partie maintenant ; c&apos;est vous qui lancez la prochaine.</translation>
    </message>
    <message>
        <source>%1 leads the game now.</source>
        <translation>%1 mène la partie maintenant.</translation>
    </message>
    <message>
        <source>%1 has a different version of the game then you.</source>
        <translation>%1 a une autre version du jeu que vous.</translation>
    </message>
    <message>
        <source>You have a differnt version of the game then the host.</source>
        <translation>Vous avez une autre version du jeu que l&apos;hôte.</translation>
    </message>
    <message>
        <source>Game is full</source>
        <translation>La partie est complète</translation>
    </message>
    <message>
        <source>The host ended the game or removed you from it.</source>
        <translation>L&apos;hôte a terminé la partie ou vous en a retiré.</translation>
    </message>
    <message>
        <source>The connection to the host was lost.</source>
        <translation>La connexion à l&apos;hôte a été perdue.</translation>
    </message>
    <message>
        <source>Connection lost. Reconnecting...</source>
        <translation>Connexion perdue. Reconnexion...</translation>
    </message>
    <message>
        <source>You are back in the game.</source>
        <translation>Vous êtes de retour dans la partie.</translation>
    </message>
</context>
<context>
    <name>GameListModel</name>
    <message>
        <source>at %1</source>
        <translation>à %1</translation>
    </message>
    <message>
        <source>at %1 port %2</source>
        <translation>à %1 port %2</translation>
    </message>
    <message>
        <source>unknown version</source>
        <translation>version inconnue</translation>
    </message>
    <message>
        <source>version %1</source>
        <translation>version %1</translation>
    </message>
    <message>
        <source>
Led by %1</source>
        <translation>
Menée par %1</translation>
    </message>
    <message>
        <source>
Another version of the game: joining may not work.</source>
        <translation>
Autre version du jeu : rejoindre pourrait échouer.</translation>
    </message>
</context>
<context>
    <name>GameMenu</name>
    <message>
        <source>&amp;Remove From Game</source>
        <translation>&amp;Retirer de la partie</translation>
    </message>
    <message>
        <source>Set to Just &amp;Watch</source>
        <translation>&amp;Mettre en spectateur</translation>
    </message>
    <message>
        <source>&amp;Unset Just Watch</source>
        <translation>&amp;Ne plus être spectateur</translation>
    </message>
    <message>
        <source>Only the player who leads the game can remove players or set them watching.</source>
        <translation>Seul le joueur qui mène la partie peut retirer des joueurs ou les mettre en spectateur.</translation>
    </message>
    <message>
        <source>(nobody)</source>
        <translation>(personne)</translation>
    </message>
</context>
<context>
    <name>GameMessages</name>
    <message>
        <source>You are Connected.</source>
        <translation>Vous êtes connecté.</translation>
    </message>
    <message>
        <source>%1 is back.</source>
        <translation>%1 est de retour.</translation>
    </message>
    <message>
        <source>%1 is Connected.</source>
        <translation>%1 est connecté.</translation>
    </message>
    <message>
        <source>You are spying.</source>
        <translation>Vous observez.</translation>
    </message>
    <message>
        <source>%1 is spying.</source>
        <translation>%1 observe.</translation>
    </message>
    <message>
        <source>%1 has left.</source>
        <translation>%1 est parti.</translation>
    </message>
    <message>
        <source>STRAIGHT</source>
        <translation>DROIT</translation>
    </message>
    <message>
        <source>SCRAMBLED</source>
        <translation>MÉLANGÉ</translation>
    </message>
    <message>
        <source>You have started a %1 game.</source>
        <translation>Vous avez lancé une partie %1.</translation>
    </message>
    <message>
        <source>%1 has started a %2 game.</source>
        <translation>%1 a lancé une partie %2.</translation>
    </message>
    <message>
        <source>Using only letters that are found in the word.</source>
        <translation>Seulement les lettres du mot.</translation>
    </message>
    <message>
        <source>Your Turn.</source>
        <translation>À vous.</translation>
    </message>
    <message>
        <source>%1&apos;s turn.</source>
        <translation>Au tour de %1.</translation>
    </message>
    <message>
        <source>You have found the word!</source>
        <translation>Vous avez trouvé le mot !</translation>
    </message>
    <message>
        <source>%1 has found the word!</source>
        <translation>%1 a trouvé le mot !</translation>
    </message>
    <message>
        <source>You did not find the correct word.</source>
        <translation>Vous n&apos;avez pas trouvé le bon mot.</translation>
    </message>
    <message>
        <source>Out of Time!</source>
        <translation>Temps écoulé !</translation>
    </message>
    <message>
        <source>Round is over, please wait..</source>
        <translation>La manche est finie, patientez..</translation>
    </message>
    <message>
        <source>%1 is just watching.</source>
        <translation>%1 est spectateur.</translation>
    </message>
    <message>
        <source>%1 is now playing again.</source>
        <translation>%1 rejoue maintenant.</translation>
    </message>
    <message>
        <source>You have Won the Game!</source>
        <translation>Vous avez gagné la partie !</translation>
    </message>
    <message>
        <source>%1 has Won the Game!</source>
        <translation>%1 a gagné la partie !</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <translation>Partie terminée !</translation>
    </message>
    <message>
        <source>%1&apos;s seat is kept for %2 seconds.</source>
        <translation>La place de %1 est gardée %2 secondes.</translation>
    </message>
    <message>
        <source>%1 did not come back; the seat is free.</source>
        <translation>%1 n&apos;est pas revenu ; la place est libre.</translation>
    </message>
    <message>
        <source>You are just watching.</source>
        <translation>Vous êtes spectateur.</translation>
    </message>
</context>
<context>
    <name>GameSummaryWindow</name>
    <message>
        <source>Quillor - Game Summary</source>
        <translation>Quillor - Bilan de la partie</translation>
    </message>
    <message>
        <source>Put the table on the clipboard as plain text</source>
        <translation>Copier le tableau dans le presse-papiers en texte brut</translation>
    </message>
    <message>
        <source>Game summary</source>
        <translation>Bilan de la partie</translation>
    </message>
    <message>
        <source>%1 has Won the Game!</source>
        <translation>%1 a gagné la partie !</translation>
    </message>
    <message>
        <source>Before you came</source>
        <translation>Avant votre arrivée</translation>
    </message>
    <message>
        <source>Average time</source>
        <translation>Temps moyen</translation>
    </message>
    <message>
        <source>Nobody found a word in this game.</source>
        <translation>Personne n&apos;a trouvé de mot dans cette partie.</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Manche</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Mot</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Premier</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
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
        <translation>Vos amis ne peuvent pas rejoindre depuis d&apos;autres ordinateurs : cet ordinateur n&apos;a pas d&apos;adresse réseau.</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>Friends can join at %1 port %2</source>
        <translation>Vos amis peuvent rejoindre à %1 port %2</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Play with Others...</source>
        <translation>Jouer &amp;avec d&apos;autres...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partie</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>&amp;Lancer la partie</translation>
    </message>
    <message>
        <source>&amp;Just Watch</source>
        <translation>&amp;Seulement regarder</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Spy List</source>
        <translation>&amp;Liste des spectateurs</translation>
    </message>
    <message>
        <source>View &amp;Tally</source>
        <translation>&amp;Voir le bilan</translation>
    </message>
    <message>
        <source>T&amp;iles</source>
        <translation>&amp;Tuiles</translation>
    </message>
    <message>
        <source>&amp;Phrase List</source>
        <translation>Liste des &amp;phrases</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>&amp;Content</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;À propos</translation>
    </message>
    <message>
        <source>More menus</source>
        <translation>Autres menus</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>La&amp;ngue</translation>
    </message>
    <message>
        <source>The language of the windows, from the next start</source>
        <translation>La langue des fenêtres, dès le prochain démarrage</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>&amp;Système</translation>
    </message>
    <message>
        <source>Takes effect at the next start</source>
        <translation>Prend effet au prochain démarrage</translation>
    </message>
</context>
<context>
    <name>OptionsMenu</name>
    <message>
        <source>&amp;Text Color</source>
        <translation>Couleur du &amp;texte</translation>
    </message>
    <message>
        <source>&amp;Action Color</source>
        <translation>Couleur des &amp;actions</translation>
    </message>
    <message>
        <source>Text Si&amp;ze</source>
        <translation>Tai&amp;lle du texte</translation>
    </message>
    <message>
        <source>Scroll &amp;Chat Off</source>
        <translation>Ne plus faire défiler le &amp;chat</translation>
    </message>
    <message>
        <source>C&amp;lear Main Chat</source>
        <translation>&amp;Vider le chat principal</translation>
    </message>
    <message>
        <source>&amp;Play Sounds</source>
        <translation>&amp;Jouer les sons</translation>
    </message>
    <message>
        <source>Play C&amp;hatter Sounds</source>
        <translation>Jouer les sons du c&amp;hat</translation>
    </message>
    <message>
        <source>T&amp;urn Sound</source>
        <translation>Son du to&amp;ur</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <translation>&amp;Classique</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>High C&amp;ontrast</source>
        <translation>C&amp;ontraste élevé</translation>
    </message>
    <message>
        <source>&amp;Reset Screen Location</source>
        <translation>&amp;Réinitialiser la position à l&apos;écran</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Couleur du texte</translation>
    </message>
    <message>
        <source>Action Color</source>
        <translation>Couleur des actions</translation>
    </message>
</context>
<context>
    <name>PlayAccessibility</name>
    <message>
        <source>Time left</source>
        <translation>Temps restant</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>Letters in %1 rows and %2 columns</source>
        <translation>Lettres sur %1 lignes et %2 colonnes</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Scores</translation>
    </message>
    <message>
        <source>Empty seat</source>
        <translation>Place libre</translation>
    </message>
</context>
<context>
    <name>PlayWithOthersDialog</name>
    <message>
        <source>Play with Others</source>
        <translation>Jouer avec d&apos;autres</translation>
    </message>
    <message>
        <source>Host a game</source>
        <translation>Héberger une partie</translation>
    </message>
    <message>
        <source>Join a game</source>
        <translation>Rejoindre une partie</translation>
    </message>
    <message>
        <source>name or address of the host</source>
        <translation>nom ou adresse de l&apos;hôte</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Votre nom :</translation>
    </message>
    <message>
        <source>Host address:</source>
        <translation>Adresse de l&apos;hôte :</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port :</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Games on this network:</source>
        <translation>Parties sur ce réseau :</translation>
    </message>
    <message>
        <source>No games announced on this network yet.</source>
        <translation>Aucune partie annoncée sur ce réseau pour l&apos;instant.</translation>
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
        <translation>Vous n&apos;êtes pas connecté</translation>
    </message>
    <message>
        <source>Untick to play again from the next round.</source>
        <translation>Décochez pour rejouer dès la manche suivante.</translation>
    </message>
    <message>
        <source>Watch the rest of this game without playing.</source>
        <translation>Regarder la suite de cette partie sans jouer.</translation>
    </message>
    <message>
        <source>Just Watch works while a game is running: it lets you watch the rest of the game without playing.</source>
        <translation>Seulement regarder marche pendant une partie : vous regardez la suite sans jouer.</translation>
    </message>
    <message>
        <source>1 player is in your game. Leaving ends it for everyone.</source>
        <translation>1 joueur est dans votre partie. Partir la termine pour tout le monde.</translation>
    </message>
    <message>
        <source>%1 players are in your game. Leaving ends it for everyone.</source>
        <translation>%1 joueurs sont dans votre partie. Partir la termine pour tout le monde.</translation>
    </message>
</context>
<context>
    <name>RoundBar</name>
    <message>
        <source>Start Game</source>
        <translation>Lancer la partie</translation>
    </message>
    <message>
        <source>Clear the letters picked so far</source>
        <translation>Effacer les lettres choisies</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Rejouer</translation>
    </message>
    <message>
        <source>Start a new game with the same options</source>
        <translation>Lancer une nouvelle partie avec les mêmes options</translation>
    </message>
    <message>
        <source>Stop trying to reconnect and leave the game</source>
        <translation>Arrêter de se reconnecter et quitter la partie</translation>
    </message>
    <message>
        <source>Just watching</source>
        <translation>Spectateur</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>Play with Others...</source>
        <translation>Jouer avec d&apos;autres...</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>RoundReviewPanel</name>
    <message>
        <source>Nobody found it.</source>
        <translation>Personne ne l&apos;a trouvé.</translation>
    </message>
    <message>
        <source>Keep this review open during the next round</source>
        <translation>Garder ce bilan ouvert pendant la manche suivante</translation>
    </message>
    <message>
        <source>Round %1: %2</source>
        <translation>Manche %1 : %2</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Pin</source>
        <translation>Épingler</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Pinned</source>
        <translation>Épinglé</translation>
    </message>
</context>
<context>
    <name>RoundStatus</name>
    <message>
        <source>ROUND: %1</source>
        <translation>MANCHE : %1</translation>
    </message>
    <message>
        <source>Game Type: Scrambled</source>
        <translation>Type de partie : Mélangé</translation>
    </message>
    <message>
        <source>Play To Score: %1</source>
        <translation>Jouer jusqu&apos;à : %1</translation>
    </message>
    <message>
        <source>You Have Won The Game!</source>
        <translation>Vous avez gagné la partie !</translation>
    </message>
    <message>
        <source>Game Type: STRAIGHT</source>
        <translation>Type de partie : DROIT</translation>
    </message>
    <message>
        <source>Game Type: SCRAMBLED</source>
        <translation>Type de partie : MÉLANGÉ</translation>
    </message>
    <message>
        <source>Welcome to Quillor </source>
        <translation>Bienvenue dans Quillor </translation>
    </message>
</context>
<context>
    <name>ScorePanel</name>
    <message>
        <source>Remove From Game</source>
        <translation>Retirer de la partie</translation>
    </message>
    <message>
        <source>Set to Just Watch</source>
        <translation>Mettre en spectateur</translation>
    </message>
    <message>
        <source>Unset Just Watch</source>
        <translation>Ne plus être spectateur</translation>
    </message>
    <message>
        <source>Leads the game: starts it and may remove players</source>
        <translation>Mène la partie : la lance et peut retirer des joueurs</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>%1 is away: the seat is kept for %2 more seconds</source>
        <translation>%1 est absent : la place est gardée encore %2 secondes</translation>
    </message>
    <message>
        <source>Right-click for more</source>
        <translation>Clic droit pour plus</translation>
    </message>
</context>
<context>
    <name>SeatRoster</name>
    <message>
        <source>&lt;Waiting&gt;</source>
        <translation>&lt;En attente&gt;</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Could not start the game on port %1 (%2).</source>
        <translation>Impossible de lancer la partie sur le port %1 (%2).</translation>
    </message>
    <message>
        <source>Loading Solo Game..Please wait.</source>
        <translation>Chargement de la partie solo..Patientez.</translation>
    </message>
    <message>
        <source>Loading Multi-player Game.. Please Wait.</source>
        <translation>Chargement de la partie multijoueur.. Patientez.</translation>
    </message>
    <message>
        <source>No game to join: choose Play with Others.</source>
        <translation>Aucune partie à rejoindre : choisissez « Jouer avec d&apos;autres ».</translation>
    </message>
</context>
<context>
    <name>Tabout</name>
    <message>
        <source>Quillor - About</source>
        <translation>Quillor - À propos</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>A word-finding race for one to six players.
Free software under the MIT license.
Copyright © the Quillor developers.</source>
        <translation>Une course aux mots pour un à six joueurs.
Logiciel libre sous licence MIT.
Copyright © les développeurs de Quillor.</translation>
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
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Stay</source>
        <translation>Rester</translation>
    </message>
    <message>
        <source>The windows will show the new language from the next start.</source>
        <translation>Les fenêtres afficheront la nouvelle langue au prochain démarrage.</translation>
    </message>
</context>
<context>
    <name>Tdownload</name>
    <message>
        <source>Download The Pelk22 Lobby</source>
        <translation>Télécharger le salon Pelk22</translation>
    </message>
    <message>
        <source>Download And Install The Pelk22 Lobby Now</source>
        <translation>Télécharger et installer le salon Pelk22</translation>
    </message>
    <message>
        <source>Stop Download</source>
        <translation>Arrêter le téléchargement</translation>
    </message>
    <message>
        <source>Play Solo Game</source>
        <translation>Jouer en solo</translation>
    </message>
    <message>
        <source>Play with Others</source>
        <translation>Jouer avec d&apos;autres</translation>
    </message>
    <message>
        <source>Show this at start</source>
        <translation>Afficher au démarrage</translation>
    </message>
    <message>
        <source>Untick to start solo games without this window; File &gt; Play with Others... stays.</source>
        <translation>Décochez pour lancer les parties solo sans cette fenêtre ; Fichier &gt; Jouer avec d&apos;autres... reste.</translation>
    </message>
</context>
<context>
    <name>Tgamestart</name>
    <message>
        <source>Quillor - Game Start</source>
        <translation>Quillor - Début de partie</translation>
    </message>
    <message>
        <source>GAME OPTIONS</source>
        <translation>OPTIONS DE PARTIE</translation>
    </message>
    <message>
        <source>Play to Score:</source>
        <translation>Jouer jusqu&apos;à :</translation>
    </message>
    <message>
        <source>Seconds per Turn:</source>
        <translation>Secondes par tour :</translation>
    </message>
    <message>
        <source>: %1 to %2, in steps of %3</source>
        <translation> : de %1 à %2, par pas de %3</translation>
    </message>
    <message>
        <source>The score that wins the game</source>
        <translation>Le score qui gagne la partie</translation>
    </message>
    <message>
        <source>Seconds to find each word</source>
        <translation>Secondes pour trouver chaque mot</translation>
    </message>
    <message>
        <source>Words Scrambled:</source>
        <translation>Mots mélangés :</translation>
    </message>
    <message>
        <source>Words Straight:</source>
        <translation>Mots droits :</translation>
    </message>
    <message>
        <source>Only Use Letters in the word:</source>
        <translation>Seulement les lettres du mot :</translation>
    </message>
    <message>
        <source>Words:</source>
        <translation>Mots :</translation>
    </message>
    <message>
        <source>Language of the words</source>
        <translation>Langue des mots</translation>
    </message>
    <message>
        <source>The language the game&apos;s words are drawn from</source>
        <translation>La langue dont les mots de la partie sont tirés</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Lancer la partie</translation>
    </message>
</context>
<context>
    <name>Thelp</name>
    <message>
        <source>Overview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>Game Play</source>
        <translation>Déroulement</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Documentation</source>
        <translation>Documentation</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licence</translation>
    </message>
    <message>
        <source>Quillor - Help</source>
        <translation>Quillor - Aide</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
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
&lt;p&gt;Quillor est une course à la recherche de mots pour un à six joueurs. À chaque manche,
tous les joueurs voient le même plateau de 10 sur 9 lettres et le même mot. Quelque part
sur le plateau, le mot est caché parmi d&apos;autres lettres : trouvez-le et cliquez ses lettres
dans l&apos;ordre.&lt;/p&gt;
&lt;p&gt;Plus vous êtes rapide, plus vous marquez. Le premier joueur dont le total dépasse le
score visé tout en menant seul gagne la partie.&lt;/p&gt;
&lt;p&gt;Jusqu&apos;à trois autres personnes peuvent rejoindre une table complète et regarder en
spectateurs ; elles figurent dans la liste des spectateurs.&lt;/p&gt;
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
&lt;h2&gt;Connexion&lt;/h2&gt;
&lt;p&gt;Lancé sans paramètres, Quillor lance une partie solo pour un joueur appelé
&amp;ldquo;You&amp;rdquo;.&lt;/p&gt;
&lt;p&gt;Pour jouer avec d&apos;autres, un joueur héberge et les autres rejoignent. Choisissez
&lt;b&gt;Fichier &amp;gt; Jouer avec d&apos;autres...&lt;/b&gt; :&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Votre nom&lt;/b&gt; est le nom que voient les autres joueurs.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Héberger une partie&lt;/b&gt; fait tourner la partie sur cet ordinateur. La fenêtre
montre où vos amis peuvent la joindre, par exemple « Vos amis peuvent rejoindre à
192.168.1.20 port 7772 », et une fois la partie lancée, le chat le redit. Donnez-leur
cette adresse et ce port.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Rejoindre une partie&lt;/b&gt; se connecte à la partie d&apos;un ami : tapez l&apos;adresse (ou le
nom de l&apos;ordinateur) qu&apos;il vous a donnée dans &lt;b&gt;Adresse de l&apos;hôte&lt;/b&gt;.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Port&lt;/b&gt; vaut 7772, sauf si votre groupe en choisit un autre. Tout le monde dans une
partie utilise le même port, et le pare-feu de l&apos;ordinateur hôte doit le laisser
passer.&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;OK lance la partie ; cette fenêtre se ferme et une nouvelle s&apos;ouvre pour elle. Votre
choix est retenu pour la prochaine fois.&lt;/p&gt;
&lt;p&gt;Quand la connexion échoue, la ligne au-dessus du plateau dit pourquoi, avec
&lt;b&gt;Réessayer&lt;/b&gt; et &lt;b&gt;Jouer avec d&apos;autres...&lt;/b&gt; à côté.&lt;/p&gt;
&lt;p&gt;La même chose marche en ligne de commande :
&lt;code&gt;quillor NAME HOST true|false [--port N]&lt;/code&gt;, où &lt;b&gt;true&lt;/b&gt; héberge sur cet
ordinateur (HOST n&apos;est alors pas utilisé) et &lt;b&gt;false&lt;/b&gt; rejoint l&apos;hôte à HOST. Par
exemple, Ann héberge avec &lt;code&gt;quillor Ann 127.0.0.1 true&lt;/code&gt; et Bob la rejoint avec
&lt;code&gt;quillor Bob 192.168.1.20 false&lt;/code&gt;.&lt;/p&gt;
&lt;p&gt;Les six premiers joueurs prennent les places ; les joueurs sept à neuf regardent. Quand
l&apos;hôte ferme Quillor, la partie se termine pour tous ; Quillor demande donc confirmation au
joueur qui héberge avant de se fermer tant que d&apos;autres sont dans la partie.&lt;/p&gt;
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
&lt;h2&gt;Déroulement&lt;/h2&gt;
&lt;p&gt;Le joueur qui héberge appuie sur &lt;b&gt;Start&lt;/b&gt; (ou choisit Lancer la partie) et fixe les
options : le score visé, les secondes par tour, mots mélangés ou droits, et si les autres
lettres du plateau sont prises seulement parmi les lettres du mot.&lt;/p&gt;
&lt;p&gt;Dans une partie &lt;b&gt;droite&lt;/b&gt;, le mot suit une seule ligne droite du plateau. Dans une
partie &lt;b&gt;mélangée&lt;/b&gt;, il serpente de case en case voisine et peut tourner à chaque
lettre.&lt;/p&gt;
&lt;p&gt;Quand le mot apparaît, cliquez ses lettres sur le plateau l&apos;une après l&apos;autre, en
commençant par la première. Un clic qui ne va pas avec le mot n&apos;est pas pris. Dans une
partie droite, chaque lettre doit suivre sur la même ligne ; dans une partie mélangée,
elle doit toucher la précédente. Un clic droit sur votre dernière lettre la reprend ; le
bouton &lt;b&gt;Effacer&lt;/b&gt; (ou un clic droit sur une lettre non choisie) recommence votre
choix.&lt;/p&gt;
&lt;p&gt;Après la dernière lettre, votre choix part chez l&apos;hôte, qui le vérifie. Trouvé ? Votre
score monte et une marque apparaît à côté de votre nom. Sinon, réessayez tant que
l&apos;horloge tourne.&lt;/p&gt;
&lt;p&gt;La manche se termine quand tous les joueurs ont trouvé le mot ou que le temps est
écoulé. Après une courte pause, la manche suivante commence.&lt;/p&gt;
&lt;p&gt;Cochez &lt;b&gt;Seulement regarder&lt;/b&gt; pour sauter les manches suivantes sans quitter votre
place.&lt;/p&gt;
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
&lt;h2&gt;Points&lt;/h2&gt;
&lt;p&gt;Un mot trouvé rapporte les secondes qui restent à l&apos;horloge de l&apos;hôte au moment où
l&apos;hôte l&apos;accepte : le plus rapide marque donc le plus. Un joueur qui ne trouve pas le mot
à temps ne marque rien pour cette manche.&lt;/p&gt;
&lt;p&gt;La partie se termine après une manche où le total d&apos;un joueur a dépassé le score visé
sans que personne d&apos;autre n&apos;ait autant de points. Tant que deux joueurs ou plus partagent
la tête, le jeu continue.&lt;/p&gt;
&lt;p&gt;Vos victoires et défaites contre les joueurs que vous suivez sont gardées dans le
bilan.&lt;/p&gt;
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
&lt;h2&gt;Documentation&lt;/h2&gt;
&lt;p&gt;&lt;b&gt;Lancer la partie&lt;/b&gt; (Ctrl+S, hôte seulement) ouvre les options de partie.&lt;br&gt;
&lt;b&gt;Liste des spectateurs&lt;/b&gt; montre les spectateurs ; l&apos;hôte peut en retirer un d&apos;un clic
droit.&lt;br&gt;
&lt;b&gt;Voir le bilan&lt;/b&gt; montre votre bilan face aux joueurs que vous suivez.&lt;br&gt;
&lt;b&gt;Tuiles&lt;/b&gt; choisit l&apos;aspect des lettres.&lt;br&gt;
&lt;b&gt;Liste des phrases&lt;/b&gt; vous laisse écrire vos propres phrases rapides.&lt;br&gt;
&lt;b&gt;Sommaire&lt;/b&gt; (F1) ouvre cette aide ; &lt;b&gt;À propos&lt;/b&gt; montre la version.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Chat.&lt;/b&gt; Tapez dans la case sous le chat et appuyez sur Entrée pour parler à tout
le monde. Commencez une ligne par &lt;code&gt;/me &lt;/code&gt; pour décrire une action (« /me fait
signe » s&apos;affiche « Ann fait signe »). Les liens du chat montrent une main sous le
pointeur ; un clic les ouvre dans votre navigateur (les liens vers des fichiers de votre
ordinateur ne sont pas ouverts). Un clic droit dans le chat copie le texte choisi, le fige
avec &lt;b&gt;Ne plus faire défiler le chat&lt;/b&gt; ou le vide ; un clic droit dans la case
colle.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Phrases rapides.&lt;/b&gt; Les petits boutons P1 à P9 au-dessus du chat envoient leur
phrase d&apos;un clic (pointez-en un pour la lire) ; ensuite les boutons se reposent 2 secondes.
Le bouton à la note ouvre les sons du chat : les joueurs qui ont activé &lt;b&gt;Jouer les sons
du chat&lt;/b&gt; entendent celui que vous choisissez, les autres le voient nommé dans le chat.
Les spectateurs ne peuvent pas en envoyer.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Options&lt;/b&gt; règle la couleur de votre chat, celle de vos actions et la taille du texte
du chat, active ou coupe les sons du jeu et ceux du chat, choisit le son qui annonce votre
tour et remet la fenêtre à sa place et à sa taille de départ.&lt;/p&gt;
&lt;p&gt;Les préférences sont enregistrées dès que vous les changez et reviennent la prochaine
fois que vous jouez.&lt;/p&gt;
</translation>
    </message>
</context>
<context>
    <name>Tphrases</name>
    <message>
        <source>Quillor - Phrase Buttons </source>
        <translation>Quillor - Boutons de phrases </translation>
    </message>
    <message>
        <source>Phrase Button %1:</source>
        <translation>Bouton de phrase %1 :</translation>
    </message>
    <message>
        <source>Buttons can only be used once every 2 seconds</source>
        <translation>Les boutons ne servent qu&apos;une fois toutes les 2 secondes</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
</context>
<context>
    <name>Tspylist</name>
    <message>
        <source>Quillor - Spectators</source>
        <translation>Quillor - Spectateurs</translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation>Liste des spectateurs</translation>
    </message>
    <message>
        <source>Nobody is watching.</source>
        <translation>Personne ne regarde.</translation>
    </message>
    <message>
        <source>Remove From Game</source>
        <translation>Retirer de la partie</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
</context>
<context>
    <name>Ttallylist</name>
    <message>
        <source>Quillor - Tally List</source>
        <translation>Quillor - Bilan</translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation>Parties en tout :</translation>
    </message>
    <message>
        <source>Your Wins</source>
        <translation>Vos victoires</translation>
    </message>
    <message>
        <source>Players Being Tallied</source>
        <translation>Joueurs suivis</translation>
    </message>
    <message>
        <source>Players In Current Game</source>
        <translation>Joueurs de la partie en cours</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Session</translation>
    </message>
    <message>
        <source>Number of Games</source>
        <translation>Nombre de parties</translation>
    </message>
    <message>
        <source>Your Wins:</source>
        <translation>Vos victoires :</translation>
    </message>
    <message>
        <source>Neither Won:</source>
        <translation>Aucun gagnant :</translation>
    </message>
    <message>
        <source>Reset Tally</source>
        <translation>Remettre à zéro</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>This will delete %1&apos;s Tally, Are you want to delete it?</source>
        <translation>Le bilan de %1 sera supprimé. Voulez-vous vraiment le supprimer ?</translation>
    </message>
    <message>
        <source>%1 Wins:</source>
        <translation>Victoires de %1 :</translation>
    </message>
    <message>
        <source>%1&apos;s Tally</source>
        <translation>Bilan de %1</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the Tally?</source>
        <translation>Voulez-vous vraiment remettre le bilan à zéro ?</translation>
    </message>
    <message>
        <source>Their Wins:</source>
        <translation>Ses victoires :</translation>
    </message>
    <message>
        <source>Nobody is followed yet.</source>
        <translation>Personne n&apos;est encore suivi.</translation>
    </message>
    <message>
        <source>Tick a player to follow him: the games you play together count from then on.</source>
        <translation>Cochez un joueur pour le suivre : vos parties communes comptent dès lors.</translation>
    </message>
</context>
<context>
    <name>TurnClock</name>
    <message>
        <source>Time Per Turn: %1</source>
        <translation>Temps par tour : %1</translation>
    </message>
    <message>
        <source>Time Per Turn: %1 secs</source>
        <translation>Temps par tour : %1 s</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Could not start the new game.</source>
        <translation>Impossible de lancer la nouvelle partie.</translation>
    </message>
</context>
</TS>
