<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>FileDialog</name>
    <message>
        <source>Drive</source>
        <translation>Lecteur</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Are you sure you want to exit</source>
        <translation>Voulez-vous vraiment quitter ?</translation>
    </message>
    <message>
        <source>VORN Exit</source>
        <translation>Quitter VORN</translation>
    </message>
    <message>
        <source>No winning line is left from here. Undo takes jumps back.</source>
        <translation>Plus aucun chemin gagnant à partir d&apos;ici. « Annuler » reprend les sauts.</translation>
    </message>
    <message>
        <source>Are you sure you want to reset this game</source>
        <translation>Voulez-vous vraiment recommencer cette partie ?</translation>
    </message>
    <message>
        <source>Reset VORN</source>
        <translation>Recommencer VORN</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>Row %1, hole %2: empty</source>
        <translation>Rangée %1, trou %2 : vide</translation>
    </message>
    <message>
        <source>Row %1, hole %2: ball</source>
        <translation>Rangée %1, trou %2 : bille</translation>
    </message>
    <message>
        <source>Row %1, hole %2: ball, can jump</source>
        <translation>Rangée %1, trou %2 : bille, peut sauter</translation>
    </message>
    <message>
        <source>Row %1, hole %2: ball, lifted</source>
        <translation>Rangée %1, trou %2 : bille, soulevée</translation>
    </message>
    <message>
        <source>Row %1, hole %2: empty, the lifted ball can land here</source>
        <translation>Rangée %1, trou %2 : vide, la bille soulevée peut s’y poser</translation>
    </message>
    <message>
        <source>No winning line is left from here. Right-click a ball, or press Shift+Space on it, to start from another hole.</source>
        <translation>Plus aucun chemin gagnant à partir d&apos;ici. Cliquez avec le bouton droit sur une bille, ou appuyez sur Maj+Espace dessus, pour commencer depuis un autre trou.</translation>
    </message>
    <message>
        <source>Your best time could not be saved: %1</source>
        <translation>Votre meilleur temps n&apos;a pas pu être enregistré : %1</translation>
    </message>
    <message>
        <source>The level and board size could not be saved: %1</source>
        <translation>Le niveau et la taille du plateau n&apos;ont pas pu être enregistrés : %1</translation>
    </message>
    <message>
        <source>1 ball left.</source>
        <translation>Il reste 1 bille.</translation>
    </message>
    <message>
        <source>%1 balls left.</source>
        <translation>Il reste %1 billes.</translation>
    </message>
    <message>
        <source>Redone: row %1, hole %2 to row %3, hole %4.</source>
        <translation>Rétabli : rangée %1, trou %2 vers rangée %3, trou %4.</translation>
    </message>
    <message>
        <source>Row %1, hole %2 to row %3, hole %4. Ball taken from row %5, hole %6.</source>
        <translation>Rangée %1, trou %2 vers rangée %3, trou %4. Bille prise en rangée %5, trou %6.</translation>
    </message>
    <message>
        <source>Undone: row %1, hole %2 back to row %3, hole %4.</source>
        <translation>Annulé : rangée %1, trou %2 revenu en rangée %3, trou %4.</translation>
    </message>
    <message>
        <source>Starting hole: row %1, hole %2.</source>
        <translation>Trou de départ : rangée %1, trou %2.</translation>
    </message>
    <message>
        <source>Lifted. 1 landing hole.</source>
        <translation>Soulevée. 1 trou d’arrivée.</translation>
    </message>
    <message>
        <source>Lifted. %1 landing holes.</source>
        <translation>Soulevée. %1 trous d’arrivée.</translation>
    </message>
    <message>
        <source>Put back.</source>
        <translation>Reposée.</translation>
    </message>
    <message>
        <source>Edge of the board.</source>
        <translation>Bord du plateau.</translation>
    </message>
    <message>
        <source>No other landing hole.</source>
        <translation>Aucun autre trou d’arrivée.</translation>
    </message>
    <message>
        <source>No other ball can jump.</source>
        <translation>Aucune autre bille ne peut sauter.</translation>
    </message>
    <message>
        <source>No ball here.</source>
        <translation>Pas de bille ici.</translation>
    </message>
    <message>
        <source>This ball cannot jump.</source>
        <translation>Cette bille ne peut pas sauter.</translation>
    </message>
    <message>
        <source>The starting hole is chosen before the first jump.</source>
        <translation>Le trou de départ se choisit avant le premier saut.</translation>
    </message>
    <message>
        <source>No jump yet.</source>
        <translation>Pas encore de saut.</translation>
    </message>
    <message>
        <source>Time since the first jump: %1:%2.</source>
        <translation>Temps depuis le premier saut : %1:%2.</translation>
    </message>
    <message>
        <source>Hint: row %1, hole %2 to row %3, hole %4.</source>
        <translation>Indice : rangée %1, trou %2 vers rangée %3, trou %4.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Congratulations, You have Won!</source>
        <translation>Félicitations, vous avez gagné !</translation>
    </message>
    <message>
        <source>Your time was:%1 Seconds. Would you like to play again?</source>
        <translation>Votre temps : %1 secondes. Voulez-vous rejouer ?</translation>
    </message>
    <message>
        <source>Sorry, No more moves are posible</source>
        <translation>Désolé, plus aucun coup n&apos;est possible</translation>
    </message>
    <message>
        <source>Would you like to play again?</source>
        <translation>Voulez-vous rejouer ?</translation>
    </message>
    <message>
        <source>Error Saving Game</source>
        <translation>Erreur à l&apos;enregistrement de la partie</translation>
    </message>
    <message>
        <source>Error Restoring Game</source>
        <translation>Erreur au chargement de la partie</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>VORN Game Files(*.VORN)</source>
        <translation>Parties VORN (*.VORN)</translation>
    </message>
    <message>
        <source>Jump %1 of this saved game is damaged: it names a hole or ball that does not exist.</source>
        <translation>Le saut %1 de cette partie enregistrée est endommagé : il désigne un trou ou une bille qui n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Jump %1 of this saved game is not possible on the board.</source>
        <translation>Le saut %1 de cette partie enregistrée est impossible sur le plateau.</translation>
    </message>
    <message>
        <source>This saved game has more jumps than any game can have.</source>
        <translation>Cette partie enregistrée compte plus de sauts qu&apos;une partie ne peut en avoir.</translation>
    </message>
    <message>
        <source>Is a directory, not a file</source>
        <translation>Est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>The file&apos;s old contents could not all be put back.</source>
        <translation>L&apos;ancien contenu du fichier n&apos;a pas pu être entièrement rétabli.</translation>
    </message>
    <message>
        <source>Not a regular file (a device, a pipe, a socket or a loop of symbolic links)</source>
        <translation>N&apos;est pas un fichier ordinaire (un périphérique, un tube, une socket ou une boucle de liens symboliques)</translation>
    </message>
    <message>
        <source>Another copy of VORN kept it locked</source>
        <translation>Une autre copie de VORN le gardait verrouillé</translation>
    </message>
    <message>
        <source>It is larger (%1 bytes) than any settings file VORN writes, and is left alone</source>
        <translation>Il est plus grand (%1 octets) que tout fichier de réglages écrit par VORN, et reste intact</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>VORN Game</source>
        <translation>Jeu VORN</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>VORN Game is a game to entretain kids and adults. </source>
        <translation>Jeu VORN est un jeu pour divertir les enfants et les adultes.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Système...</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Les informations système ne sont pas disponibles pour le moment</translation>
    </message>
</context>
<context>
    <name>frmBestTimes</name>
    <message>
        <source>VORN Best Times</source>
        <translation>Meilleurs temps de VORN</translation>
    </message>
    <message>
        <source>Best Time</source>
        <translation>Meilleur temps</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Victoires</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>%1 Seconds</source>
        <translation>%1 secondes</translation>
    </message>
    <message>
        <source>Clear the best times of every level?</source>
        <translation>Effacer les meilleurs temps de tous les niveaux ?</translation>
    </message>
    <message>
        <source>The best times could not be cleared: %1</source>
        <translation>Les meilleurs temps n&apos;ont pas pu être effacés : %1</translation>
    </message>
    <message>
        <source>Level %1 (%2 rows)</source>
        <translation>Niveau %1 (%2 rangées)</translation>
    </message>
    <message>
        <source>Highlighted: the best time of your last win.</source>
        <translation>En surbrillance : le meilleur temps de votre dernière victoire.</translation>
    </message>
</context>
<context>
    <name>frmInst</name>
    <message>
        <source>The purpose of this game is to finish with only one circle on the board. You can only move a circle from one position to another by jumping over another one.<byte value="xd"/>
You may start with the empty circle any where, just Right_Click on the circle you want to be the initial empty one at the beggining of the game.</source>
        <translation>Le but du jeu est de finir avec un seul cercle sur le plateau. Un cercle ne se déplace qu&apos;en sautant par-dessus un autre.<byte value="xd"/>
Le cercle vide peut être n&apos;importe où : au début, cliquez avec le bouton droit sur le cercle à vider.</translation>
    </message>
    <message>
        <source>Game Instructions</source>
        <translation>Règles du jeu</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>With the mouse, drag a ball over a neighbour into an empty hole, or click the ball and then the hole it is to land in.
With the keys, the arrows move the white ring from hole to hole and Tab goes to the next ball that can jump. Space or Enter lifts the ringed ball; Tab then goes over the holes it can land in, and Space or Enter jumps it there. Escape puts it back. Before the first jump, Shift+Space empties the ringed hole to start from there.
F3 shows a jump on a line that can still be won. F8 undoes a jump and F9 makes it again. F4 tells the balls left and the time since the first jump. F2 starts again, and F1, the Menu key or Shift+F10 opens the menu.</source>
        <translation>À la souris, faites glisser une bille par-dessus une voisine dans un trou vide, ou cliquez la bille puis le trou où elle doit arriver.
Au clavier, les flèches déplacent l’anneau blanc de trou en trou et Tab va à la bille suivante qui peut sauter. Espace ou Entrée soulève la bille sous l’anneau ; Tab parcourt alors les trous où elle peut arriver, et Espace ou Entrée l’y fait sauter. Échap la repose. Avant le premier saut, Maj+Espace vide le trou sous l’anneau pour partir de là.
F3 montre un saut sur une ligne encore gagnante. F8 annule un saut et F9 le refait. F4 donne les billes restantes et le temps depuis le premier saut. F2 recommence, et F1, la touche Menu ou Maj+F10 ouvre le menu.</translation>
    </message>
</context>
<context>
    <name>mnuPopUp</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>Ré&amp;tablir</translation>
    </message>
    <message>
        <source>Restore &amp;Game</source>
        <translation>&amp;Charger une partie</translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <translation>&amp;Enregistrer la partie</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Recommencer</translation>
    </message>
    <message>
        <source>&amp;Game Level</source>
        <translation>&amp;Niveau de jeu</translation>
    </message>
    <message>
        <source>Level &amp;1</source>
        <translation>Niveau &amp;1</translation>
    </message>
    <message>
        <source>Level &amp;2</source>
        <translation>Niveau &amp;2</translation>
    </message>
    <message>
        <source>Level &amp;3</source>
        <translation>Niveau &amp;3</translation>
    </message>
    <message>
        <source>&amp;Board Size</source>
        <translation>Taille du &amp;plateau</translation>
    </message>
    <message>
        <source>Best &amp;Times</source>
        <translation>&amp;Meilleurs temps</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Règles du jeu</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos de VORN</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>H&amp;int</source>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <source>%1 rows</source>
        <translation>%1 rangées</translation>
    </message>
</context>
</TS>
