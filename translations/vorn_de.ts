<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>FileDialog</name>
    <message>
        <source>Drive</source>
        <translation>Laufwerk</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Are you sure you want to exit</source>
        <translation>Wollen Sie das Spiel wirklich beenden?</translation>
    </message>
    <message>
        <source>VORN Exit</source>
        <translation>VORN beenden</translation>
    </message>
    <message>
        <source>No winning line is left from here. Undo takes jumps back.</source>
        <translation>Von hier aus führt kein Weg mehr zum Sieg. Mit „Rückgängig“ lassen sich Sprünge zurücknehmen.</translation>
    </message>
    <message>
        <source>Are you sure you want to reset this game</source>
        <translation>Wollen Sie dieses Spiel wirklich neu beginnen?</translation>
    </message>
    <message>
        <source>Reset VORN</source>
        <translation>VORN neu beginnen</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Spielbrett</translation>
    </message>
    <message>
        <source>Row %1, hole %2: empty</source>
        <translation>Reihe %1, Loch %2: leer</translation>
    </message>
    <message>
        <source>Row %1, hole %2: ball</source>
        <translation>Reihe %1, Loch %2: Kugel</translation>
    </message>
    <message>
        <source>Row %1, hole %2: ball, can jump</source>
        <translation>Reihe %1, Loch %2: Kugel, kann springen</translation>
    </message>
    <message>
        <source>Row %1, hole %2: ball, lifted</source>
        <translation>Reihe %1, Loch %2: Kugel, angehoben</translation>
    </message>
    <message>
        <source>Row %1, hole %2: empty, the lifted ball can land here</source>
        <translation>Reihe %1, Loch %2: leer, die angehobene Kugel kann hier landen</translation>
    </message>
    <message>
        <source>No winning line is left from here. Right-click a ball, or press Shift+Space on it, to start from another hole.</source>
        <translation>Von hier aus führt kein Weg mehr zum Sieg. Klicken Sie mit der rechten Maustaste auf eine Kugel oder drücken Sie Umschalt+Leertaste darauf, um von einem anderen Loch aus zu beginnen.</translation>
    </message>
    <message>
        <source>Your best time could not be saved: %1</source>
        <translation>Ihre Bestzeit konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>The level and board size could not be saved: %1</source>
        <translation>Stufe und Brettgröße konnten nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>1 ball left.</source>
        <translation>1 Kugel übrig.</translation>
    </message>
    <message>
        <source>%1 balls left.</source>
        <translation>%1 Kugeln übrig.</translation>
    </message>
    <message>
        <source>Redone: row %1, hole %2 to row %3, hole %4.</source>
        <translation>Wiederholt: Reihe %1, Loch %2 nach Reihe %3, Loch %4.</translation>
    </message>
    <message>
        <source>Row %1, hole %2 to row %3, hole %4. Ball taken from row %5, hole %6.</source>
        <translation>Reihe %1, Loch %2 nach Reihe %3, Loch %4. Kugel genommen aus Reihe %5, Loch %6.</translation>
    </message>
    <message>
        <source>Undone: row %1, hole %2 back to row %3, hole %4.</source>
        <translation>Rückgängig: Reihe %1, Loch %2 zurück nach Reihe %3, Loch %4.</translation>
    </message>
    <message>
        <source>Starting hole: row %1, hole %2.</source>
        <translation>Startloch: Reihe %1, Loch %2.</translation>
    </message>
    <message>
        <source>Lifted. 1 landing hole.</source>
        <translation>Angehoben. 1 Landeloch.</translation>
    </message>
    <message>
        <source>Lifted. %1 landing holes.</source>
        <translation>Angehoben. %1 Landelöcher.</translation>
    </message>
    <message>
        <source>Put back.</source>
        <translation>Zurückgelegt.</translation>
    </message>
    <message>
        <source>Edge of the board.</source>
        <translation>Rand des Bretts.</translation>
    </message>
    <message>
        <source>No other landing hole.</source>
        <translation>Kein anderes Landeloch.</translation>
    </message>
    <message>
        <source>No other ball can jump.</source>
        <translation>Keine andere Kugel kann springen.</translation>
    </message>
    <message>
        <source>No ball here.</source>
        <translation>Hier ist keine Kugel.</translation>
    </message>
    <message>
        <source>This ball cannot jump.</source>
        <translation>Diese Kugel kann nicht springen.</translation>
    </message>
    <message>
        <source>The starting hole is chosen before the first jump.</source>
        <translation>Das Startloch wird vor dem ersten Sprung gewählt.</translation>
    </message>
    <message>
        <source>No jump yet.</source>
        <translation>Noch kein Sprung.</translation>
    </message>
    <message>
        <source>Time since the first jump: %1:%2.</source>
        <translation>Zeit seit dem ersten Sprung: %1:%2.</translation>
    </message>
    <message>
        <source>Hint: row %1, hole %2 to row %3, hole %4.</source>
        <translation>Tipp: Reihe %1, Loch %2 nach Reihe %3, Loch %4.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Congratulations, You have Won!</source>
        <translation>Glückwunsch, Sie haben gewonnen!</translation>
    </message>
    <message>
        <source>Your time was:%1 Seconds. Would you like to play again?</source>
        <translation>Ihre Zeit: %1 Sekunden. Möchten Sie noch einmal spielen?</translation>
    </message>
    <message>
        <source>Sorry, No more moves are posible</source>
        <translation>Leider ist kein Zug mehr möglich</translation>
    </message>
    <message>
        <source>Would you like to play again?</source>
        <translation>Möchten Sie noch einmal spielen?</translation>
    </message>
    <message>
        <source>Error Saving Game</source>
        <translation>Fehler beim Speichern des Spiels</translation>
    </message>
    <message>
        <source>Error Restoring Game</source>
        <translation>Fehler beim Laden des Spiels</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>VORN Game Files(*.VORN)</source>
        <translation>VORN-Spieldateien (*.VORN)</translation>
    </message>
    <message>
        <source>Jump %1 of this saved game is damaged: it names a hole or ball that does not exist.</source>
        <translation>Sprung %1 dieses gespeicherten Spiels ist beschädigt: Er nennt ein Loch oder eine Kugel, die es nicht gibt.</translation>
    </message>
    <message>
        <source>Jump %1 of this saved game is not possible on the board.</source>
        <translation>Sprung %1 dieses gespeicherten Spiels ist auf dem Brett nicht möglich.</translation>
    </message>
    <message>
        <source>This saved game has more jumps than any game can have.</source>
        <translation>Dieses gespeicherte Spiel hat mehr Sprünge, als ein Spiel haben kann.</translation>
    </message>
    <message>
        <source>Is a directory, not a file</source>
        <translation>Ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>The file&apos;s old contents could not all be put back.</source>
        <translation>Der alte Inhalt der Datei konnte nicht vollständig wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>Not a regular file (a device, a pipe, a socket or a loop of symbolic links)</source>
        <translation>Keine gewöhnliche Datei (ein Gerät, eine Pipe, ein Socket oder eine Schleife symbolischer Links)</translation>
    </message>
    <message>
        <source>Another copy of VORN kept it locked</source>
        <translation>Ein anderes laufendes VORN hielt sie gesperrt</translation>
    </message>
    <message>
        <source>It is larger (%1 bytes) than any settings file VORN writes, and is left alone</source>
        <translation>Sie ist größer (%1 Bytes) als jede Einstellungsdatei, die VORN schreibt, und bleibt unangetastet</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>VORN Game</source>
        <translation>VORN-Spiel</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>VORN Game is a game to entretain kids and adults. </source>
        <translation>VORN-Spiel ist ein Spiel zur Unterhaltung von Kindern und Erwachsenen.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeminfo...</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Die Systeminformationen sind zurzeit nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>frmBestTimes</name>
    <message>
        <source>VORN Best Times</source>
        <translation>VORN-Bestzeiten</translation>
    </message>
    <message>
        <source>Best Time</source>
        <translation>Bestzeit</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Siege</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>%1 Seconds</source>
        <translation>%1 Sekunden</translation>
    </message>
    <message>
        <source>Clear the best times of every level?</source>
        <translation>Die Bestzeiten aller Stufen löschen?</translation>
    </message>
    <message>
        <source>The best times could not be cleared: %1</source>
        <translation>Die Bestzeiten konnten nicht gelöscht werden: %1</translation>
    </message>
    <message>
        <source>Level %1 (%2 rows)</source>
        <translation>Stufe %1 (%2 Reihen)</translation>
    </message>
    <message>
        <source>Highlighted: the best time of your last win.</source>
        <translation>Hervorgehoben: die Bestzeit Ihres letzten Siegs.</translation>
    </message>
</context>
<context>
    <name>frmInst</name>
    <message>
        <source>The purpose of this game is to finish with only one circle on the board. You can only move a circle from one position to another by jumping over another one.<byte value="xd"/>
You may start with the empty circle any where, just Right_Click on the circle you want to be the initial empty one at the beggining of the game.</source>
        <translation>Ziel des Spiels: Nur ein Kreis bleibt auf dem Brett. Ein Kreis zieht nur, indem er über einen anderen springt.<byte value="xd"/>
Der leere Kreis kann zu Beginn überall sein: Klicken Sie vor dem ersten Zug mit rechts auf den Kreis, der leer sein soll.</translation>
    </message>
    <message>
        <source>Game Instructions</source>
        <translation>Spielanleitung</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>With the mouse, drag a ball over a neighbour into an empty hole, or click the ball and then the hole it is to land in.
With the keys, the arrows move the white ring from hole to hole and Tab goes to the next ball that can jump. Space or Enter lifts the ringed ball; Tab then goes over the holes it can land in, and Space or Enter jumps it there. Escape puts it back. Before the first jump, Shift+Space empties the ringed hole to start from there.
F3 shows a jump on a line that can still be won. F8 undoes a jump and F9 makes it again. F4 tells the balls left and the time since the first jump. F2 starts again, and F1, the Menu key or Shift+F10 opens the menu.</source>
        <translation>Mit der Maus ziehen Sie eine Kugel über eine benachbarte in ein leeres Loch, oder Sie klicken die Kugel und dann das Loch an, in dem sie landen soll.
Mit der Tastatur bewegen die Pfeiltasten den weißen Ring von Loch zu Loch, und Tab geht zur nächsten Kugel, die springen kann. Leertaste oder Eingabe hebt die Kugel im Ring an; Tab geht dann über die Löcher, in denen sie landen kann, und Leertaste oder Eingabe lässt sie dorthin springen. Escape legt sie zurück. Vor dem ersten Sprung leert Umschalt+Leertaste das Loch im Ring, um von dort zu beginnen.
F3 zeigt einen Sprung auf einem Weg, der noch gewonnen werden kann. F8 nimmt einen Sprung zurück, F9 macht ihn wieder. F4 sagt die übrigen Kugeln und die Zeit seit dem ersten Sprung. F2 beginnt neu, und F1, die Menütaste oder Umschalt+F10 öffnet das Menü.</translation>
    </message>
</context>
<context>
    <name>mnuPopUp</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Restore &amp;Game</source>
        <translation>Spiel &amp;laden</translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <translation>Spiel &amp;speichern</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Neu beginnen</translation>
    </message>
    <message>
        <source>&amp;Game Level</source>
        <translation>Schwierigkeits&amp;grad</translation>
    </message>
    <message>
        <source>Level &amp;1</source>
        <translation>Stufe &amp;1</translation>
    </message>
    <message>
        <source>Level &amp;2</source>
        <translation>Stufe &amp;2</translation>
    </message>
    <message>
        <source>Level &amp;3</source>
        <translation>Stufe &amp;3</translation>
    </message>
    <message>
        <source>&amp;Board Size</source>
        <translation>&amp;Brettgröße</translation>
    </message>
    <message>
        <source>Best &amp;Times</source>
        <translation>Best&amp;zeiten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Anleitung</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über VORN</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>H&amp;int</source>
        <translation>&amp;Tipp</translation>
    </message>
    <message>
        <source>%1 rows</source>
        <translation>%1 Reihen</translation>
    </message>
</context>
</TS>
