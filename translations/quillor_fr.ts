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
