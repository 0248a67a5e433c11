<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>FileDialog</name>
    <message>
        <source>Drive</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Are you sure you want to exit</source>
        <translation>¿Seguro que quiere salir?</translation>
    </message>
    <message>
        <source>VORN Exit</source>
        <translation>Salir de VORN</translation>
    </message>
    <message>
        <source>No winning line is left from here. Undo takes jumps back.</source>
        <translation>Desde aquí ya no queda ningún camino ganador. «Deshacer» devuelve los saltos.</translation>
    </message>
    <message>
        <source>Are you sure you want to reset this game</source>
        <translation>¿Seguro que quiere reiniciar esta partida?</translation>
    </message>
    <message>
        <source>Reset VORN</source>
        <translation>Reiniciar VORN</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>Row %1, hole %2: empty</source>
        <translation>Fila %1, hueco %2: vacío</translation>
    </message>
    <message>
        <source>Row %1, hole %2: ball</source>
        <translation>Fila %1, hueco %2: bola</translation>
    </message>
    <message>
        <source>Row %1, hole %2: ball, can jump</source>
        <translation>Fila %1, hueco %2: bola, puede saltar</translation>
    </message>
    <message>
        <source>Row %1, hole %2: ball, lifted</source>
        <translation>Fila %1, hueco %2: bola, levantada</translation>
    </message>
    <message>
        <source>Row %1, hole %2: empty, the lifted ball can land here</source>
        <translation>Fila %1, hueco %2: vacío, la bola levantada puede caer aquí</translation>
    </message>
    <message>
        <source>No winning line is left from here. Right-click a ball, or press Shift+Space on it, to start from another hole.</source>
        <translation>Desde aquí ya no queda ningún camino ganador. Haga clic derecho en una bola, o pulse Mayús+Espacio sobre ella, para empezar desde otro hueco.</translation>
    </message>
    <message>
        <source>Your best time could not be saved: %1</source>
        <translation>No se pudo guardar su mejor tiempo: %1</translation>
    </message>
    <message>
        <source>The level and board size could not be saved: %1</source>
        <translation>No se pudieron guardar el nivel y el tamaño del tablero: %1</translation>
    </message>
    <message>
        <source>1 ball left.</source>
        <translation>Queda 1 bola.</translation>
    </message>
    <message>
        <source>%1 balls left.</source>
        <translation>Quedan %1 bolas.</translation>
    </message>
    <message>
        <source>Redone: row %1, hole %2 to row %3, hole %4.</source>
        <translation>Rehecho: fila %1, hoyo %2 a fila %3, hoyo %4.</translation>
    </message>
    <message>
        <source>Row %1, hole %2 to row %3, hole %4. Ball taken from row %5, hole %6.</source>
        <translation>Fila %1, hoyo %2 a fila %3, hoyo %4. Bola quitada de fila %5, hoyo %6.</translation>
    </message>
    <message>
        <source>Undone: row %1, hole %2 back to row %3, hole %4.</source>
        <translation>Deshecho: fila %1, hoyo %2 vuelve a fila %3, hoyo %4.</translation>
    </message>
    <message>
        <source>Starting hole: row %1, hole %2.</source>
        <translation>Hoyo inicial: fila %1, hoyo %2.</translation>
    </message>
    <message>
        <source>Lifted. 1 landing hole.</source>
        <translation>Levantada. 1 hoyo de llegada.</translation>
    </message>
    <message>
        <source>Lifted. %1 landing holes.</source>
        <translation>Levantada. %1 hoyos de llegada.</translation>
    </message>
    <message>
        <source>Put back.</source>
        <translation>Devuelta.</translation>
    </message>
    <message>
        <source>Edge of the board.</source>
        <translation>Borde del tablero.</translation>
    </message>
    <message>
        <source>No other landing hole.</source>
        <translation>Ningún otro hoyo de llegada.</translation>
    </message>
    <message>
        <source>No other ball can jump.</source>
        <translation>Ninguna otra bola puede saltar.</translation>
    </message>
    <message>
        <source>No ball here.</source>
        <translation>Aquí no hay bola.</translation>
    </message>
    <message>
        <source>This ball cannot jump.</source>
        <translation>Esta bola no puede saltar.</translation>
    </message>
    <message>
        <source>The starting hole is chosen before the first jump.</source>
        <translation>El hoyo inicial se elige antes del primer salto.</translation>
    </message>
    <message>
        <source>No jump yet.</source>
        <translation>Aún no hay saltos.</translation>
    </message>
    <message>
        <source>Time since the first jump: %1:%2.</source>
        <translation>Tiempo desde el primer salto: %1:%2.</translation>
    </message>
    <message>
        <source>Hint: row %1, hole %2 to row %3, hole %4.</source>
        <translation>Pista: fila %1, hoyo %2 a fila %3, hoyo %4.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Congratulations, You have Won!</source>
        <translation>¡Enhorabuena, ha ganado!</translation>
    </message>
    <message>
        <source>Your time was:%1 Seconds. Would you like to play again?</source>
        <translation>Su tiempo: %1 segundos. ¿Quiere volver a jugar?</translation>
    </message>
    <message>
        <source>Sorry, No more moves are posible</source>
        <translation>Lo siento, no quedan movimientos posibles</translation>
    </message>
    <message>
        <source>Would you like to play again?</source>
        <translation>¿Quiere volver a jugar?</translation>
    </message>
    <message>
        <source>Error Saving Game</source>
        <translation>Error al guardar la partida</translation>
    </message>
    <message>
        <source>Error Restoring Game</source>
        <translation>Error al cargar la partida</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Todos los archivos (*.*)</translation>
    </message>
    <message>
        <source>VORN Game Files(*.VORN)</source>
        <translation>Partidas de VORN (*.VORN)</translation>
    </message>
    <message>
        <source>Jump %1 of this saved game is damaged: it names a hole or ball that does not exist.</source>
        <translation>El salto %1 de esta partida guardada está dañado: nombra un hueco o una bola que no existe.</translation>
    </message>
    <message>
        <source>Jump %1 of this saved game is not possible on the board.</source>
        <translation>El salto %1 de esta partida guardada no es posible en el tablero.</translation>
    </message>
    <message>
        <source>This saved game has more jumps than any game can have.</source>
        <translation>Esta partida guardada tiene más saltos de los que puede tener una partida.</translation>
    </message>
    <message>
        <source>Is a directory, not a file</source>
        <translation>Es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>The file&apos;s old contents could not all be put back.</source>
        <translation>No se pudo restaurar todo el contenido anterior del archivo.</translation>
    </message>
    <message>
        <source>Not a regular file (a device, a pipe, a socket or a loop of symbolic links)</source>
        <translation>No es un archivo normal (un dispositivo, una tubería, un socket o un bucle de enlaces simbólicos)</translation>
    </message>
    <message>
        <source>Another copy of VORN kept it locked</source>
        <translation>Otra copia de VORN lo mantenía bloqueado</translation>
    </message>
    <message>
        <source>It is larger (%1 bytes) than any settings file VORN writes, and is left alone</source>
        <translation>Es más grande (%1 bytes) que cualquier archivo de configuración que escribe VORN, y se deja intacto</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>VORN Game</source>
        <translation>Juego VORN</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versión %1.%2.%3</translation>
    </message>
    <message>
        <source>VORN Game is a game to entretain kids and adults. </source>
        <translation>Juego VORN es un juego para entretener a niños y adultos.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Sistema...</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>La información del sistema no está disponible en este momento</translation>
    </message>
</context>
<context>
    <name>frmBestTimes</name>
    <message>
        <source>VORN Best Times</source>
        <translation>Mejores tiempos de VORN</translation>
    </message>
    <message>
        <source>Best Time</source>
        <translation>Mejor tiempo</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Victorias</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>%1 Seconds</source>
        <translation>%1 segundos</translation>
    </message>
    <message>
        <source>Clear the best times of every level?</source>
        <translation>¿Borrar los mejores tiempos de todos los niveles?</translation>
    </message>
    <message>
        <source>The best times could not be cleared: %1</source>
        <translation>No se pudieron borrar los mejores tiempos: %1</translation>
    </message>
    <message>
        <source>Level %1 (%2 rows)</source>
        <translation>Nivel %1 (%2 filas)</translation>
    </message>
    <message>
        <source>Highlighted: the best time of your last win.</source>
        <translation>Resaltado: el mejor tiempo de su última victoria.</translation>
    </message>
</context>
<context>
    <name>frmInst</name>
    <message>
        <source>The purpose of this game is to finish with only one circle on the board. You can only move a circle from one position to another by jumping over another one.<byte value="xd"/>
You may start with the empty circle any where, just Right_Click on the circle you want to be the initial empty one at the beggining of the game.</source>
        <translation>El objetivo es terminar con un solo círculo en el tablero. Un círculo solo se mueve saltando sobre otro.<byte value="xd"/>
El círculo vacío puede estar en cualquier lugar: al principio, haga clic derecho en el círculo que quiera vaciar.</translation>
    </message>
    <message>
        <source>Game Instructions</source>
        <translation>Instrucciones del juego</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>With the mouse, drag a ball over a neighbour into an empty hole, or click the ball and then the hole it is to land in.
With the keys, the arrows move the white ring from hole to hole and Tab goes to the next ball that can jump. Space or Enter lifts the ringed ball; Tab then goes over the holes it can land in, and Space or Enter jumps it there. Escape puts it back. Before the first jump, Shift+Space empties the ringed hole to start from there.
F3 shows a jump on a line that can still be won. F8 undoes a jump and F9 makes it again. F4 tells the balls left and the time since the first jump. F2 starts again, and F1, the Menu key or Shift+F10 opens the menu.</source>
        <translation>Con el ratón, arrastre una bola por encima de una vecina hasta un hoyo vacío, o haga clic en la bola y luego en el hoyo donde debe caer.
Con el teclado, las flechas mueven el anillo blanco de hoyo en hoyo y Tab va a la siguiente bola que puede saltar. Espacio o Intro levanta la bola del anillo; Tab recorre entonces los hoyos donde puede caer, y Espacio o Intro la hace saltar allí. Escape la devuelve. Antes del primer salto, Mayús+Espacio vacía el hoyo del anillo para empezar desde allí.
F3 muestra un salto en una línea que aún se puede ganar. F8 deshace un salto y F9 lo rehace. F4 dice las bolas que quedan y el tiempo desde el primer salto. F2 vuelve a empezar, y F1, la tecla Menú o Mayús+F10 abre el menú.</translation>
    </message>
</context>
<context>
    <name>mnuPopUp</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Restore &amp;Game</source>
        <translation>&amp;Cargar partida</translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <translation>&amp;Guardar partida</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>Re&amp;iniciar</translation>
    </message>
    <message>
        <source>&amp;Game Level</source>
        <translation>&amp;Nivel de juego</translation>
    </message>
    <message>
        <source>Level &amp;1</source>
        <translation>Nivel &amp;1</translation>
    </message>
    <message>
        <source>Level &amp;2</source>
        <translation>Nivel &amp;2</translation>
    </message>
    <message>
        <source>Level &amp;3</source>
        <translation>Nivel &amp;3</translation>
    </message>
    <message>
        <source>&amp;Board Size</source>
        <translation>&amp;Tamaño del tablero</translation>
    </message>
    <message>
        <source>Best &amp;Times</source>
        <translation>&amp;Mejores tiempos</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Instrucciones</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de VORN</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>H&amp;int</source>
        <translation>&amp;Pista</translation>
    </message>
    <message>
        <source>%1 rows</source>
        <translation>%1 filas</translation>
    </message>
</context>
</TS>
