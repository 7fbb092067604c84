<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutBox</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>%1 — a card game for two</source>
        <extracomment>%1 is the program&apos;s name</extracomment>
        <translation>%1 — juego de cartas para dos</translation>
    </message>
    <message>
        <source>Version %1 Beta</source>
        <translation>Versión %1 beta</translation>
    </message>
    <message>
        <source>Two players take turns. Match the discard by colour or value, or play a wild card; click the pile to draw. First past 500 wins.</source>
        <translation>Por turnos, echa el mismo color o valor, o un comodín; haz clic en el mazo para robar. Gana el primero que pase de 500.</translation>
    </message>
    <message>
        <source>Copyright © %1 %2. All rights reserved. This program is provided as is, without warranty of any kind.</source>
        <extracomment>%1 is the year, %2 the company&apos;s name</extracomment>
        <translation>Copyright © %1 %2. Todos los derechos reservados. Este programa se ofrece tal cual, sin garantía de ningún tipo.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>Player One</source>
        <translation>Jugador 1</translation>
    </message>
    <message>
        <source>Player Two</source>
        <translation>Jugador 2</translation>
    </message>
    <message>
        <source>Player One Total</source>
        <translation>Total jugador 1</translation>
    </message>
    <message>
        <source>Player Two Total</source>
        <translation>Total jugador 2</translation>
    </message>
    <message>
        <source>%1, card %2: %3</source>
        <extracomment>a card slot read aloud: %1 the player, %2 the slot from 1 to 7, %3 the card</extracomment>
        <translation>%1, carta %2: %3</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>read aloud for a card slot that holds no card</extracomment>
        <translation>vacía</translation>
    </message>
    <message>
        <source>Discard: %1, colour in force %2</source>
        <extracomment>the discard pile read aloud: %1 its top card, %2 the colour the next card must match</extracomment>
        <translation>Descarte: %1, color en juego %2</translation>
    </message>
    <message>
        <source>Colour in force: %1</source>
        <extracomment>the colour the next card must match</extracomment>
        <translation>Color en juego: %1</translation>
    </message>
    <message>
        <source>Player One to move</source>
        <translation>Turno del jugador 1</translation>
    </message>
    <message>
        <source>Player Two to move</source>
        <translation>Turno del jugador 2</translation>
    </message>
    <message>
        <source>Key %1 plays this card when Player One is to move</source>
        <extracomment>%1 is a key from 1 to 7</extracomment>
        <translation>La tecla %1 juega esta carta cuando es el turno del jugador 1</translation>
    </message>
    <message>
        <source>Key %1 plays this card when Player Two is to move</source>
        <translation>La tecla %1 juega esta carta cuando es el turno del jugador 2</translation>
    </message>
    <message>
        <source>Draw pile</source>
        <translation>Mazo</translation>
    </message>
    <message>
        <source>%1: key %2 draws a card</source>
        <extracomment>%1 is the draw pile&apos;s name, %2 the key that draws</extracomment>
        <translation>%1: la tecla %2 roba una carta</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>a running total read aloud: %1 its caption, %2 the points</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <extracomment>deals a new hand and keeps the totals; &amp; marks the access key</extracomment>
        <translation>&amp;Repartir</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
</context>
<context>
    <name>Cards</name>
    <message>
        <source>Blue</source>
        <comment>a colour</comment>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Green</source>
        <comment>a colour</comment>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Red</source>
        <comment>a colour</comment>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Yellow</source>
        <comment>a colour</comment>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>nothing</source>
        <extracomment>a card code&apos;s character that is missing</extracomment>
        <translation>nada</translation>
    </message>
    <message>
        <source>blank</source>
        <extracomment>a card code&apos;s character that is a space</extracomment>
        <translation>espacio</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Salto</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Cambio de sentido</translation>
    </message>
    <message>
        <source>Draw Two</source>
        <translation>+2</translation>
    </message>
    <message>
        <source>Wild</source>
        <translation>Comodín</translation>
    </message>
    <message>
        <source>Wild Draw Four</source>
        <translation>Comodín +4</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>a card&apos;s name: %1 its colour, %2 its value, as in &quot;Red 7&quot; or &quot;Blue Skip&quot;</extracomment>
        <translation>%2 %1</translation>
    </message>
    <message>
        <source>picture missing</source>
        <translation>falta la imagen</translation>
    </message>
    <message>
        <source>Blue</source>
        <comment>within a text, as in &quot;Blue 7&quot;</comment>
        <translation>azul</translation>
    </message>
    <message>
        <source>Green</source>
        <comment>within a text, as in &quot;Green 7&quot;</comment>
        <translation>verde</translation>
    </message>
    <message>
        <source>Red</source>
        <comment>within a text, as in &quot;Red 7&quot;</comment>
        <translation>rojo</translation>
    </message>
    <message>
        <source>Yellow</source>
        <comment>within a text, as in &quot;Yellow 7&quot;</comment>
        <translation>amarillo</translation>
    </message>
</context>
<context>
    <name>ColourChooser</name>
    <message>
        <source>Select A Colour</source>
        <translation>Elige un color</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Play Again</source>
        <extracomment>the title of the message that a hand is won</extracomment>
        <translation>Nueva mano</translation>
    </message>
    <message>
        <source>Player One is the winner.</source>
        <translation>¡El jugador 1 gana la mano!</translation>
    </message>
    <message>
        <source>Player Two is the winner.</source>
        <translation>¡El jugador 2 gana la mano!</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Fin de la partida</translation>
    </message>
    <message>
        <source>Player One is the Total Game winner. %1 Total Points.</source>
        <extracomment>%1 is the winner&apos;s total, more than 500</extracomment>
        <translation>¡El jugador 1 gana la partida con %1 puntos!</translation>
    </message>
    <message>
        <source>Player Two is the Total Game winner. %1 Total Points.</source>
        <translation>¡El jugador 2 gana la partida con %1 puntos!</translation>
    </message>
</context>
<context>
    <name>Problems</name>
    <message>
        <source>The card file %1 %2

%3 keeps the order of its %4 cards in this file and cannot deal without it. The file has not been changed.</source>
        <extracomment>%1 is the file, %2 what is wrong with it (one of the texts that follow the file&apos;s name), %3 the program&apos;s name, %4 the number of cards in a deck</extracomment>
        <translation>El archivo de cartas %1 %2

%3 guarda el orden de sus %4 cartas en este archivo y no puede repartir sin él. El archivo no se ha modificado.</translation>
    </message>
    <message>
        <source>1 whole card</source>
        <translation>1 carta entera</translation>
    </message>
    <message numerus="yes">
        <source>%n whole cards</source>
        <translation>
            <numerusform>%n carta entera</numerusform>
            <numerusform>%n cartas enteras</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot be found.</source>
        <translation>no se encuentra.</translation>
    </message>
    <message>
        <source>is a folder, not a file.</source>
        <translation>es una carpeta, no un archivo.</translation>
    </message>
    <message>
        <source>is not an ordinary file.</source>
        <translation>no es un archivo normal.</translation>
    </message>
    <message>
        <source>is a link that leads round in a loop, never to a file.</source>
        <translation>es un enlace que da vueltas en círculo sin llevar nunca a un archivo.</translation>
    </message>
    <message>
        <source>cannot be read: %1.</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>no se puede leer: %1.</translation>
    </message>
    <message>
        <source>is empty: it holds no cards, and a deck needs %1.</source>
        <translation>está vacío: no contiene ninguna carta, y una baraja necesita %1.</translation>
    </message>
    <message>
        <source>is too short: it holds %1, and a deck needs %2.</source>
        <extracomment>%1 is a number of whole cards, %2 the number of cards in a deck</extracomment>
        <translation>es demasiado corto: contiene %1, y una baraja necesita %2.</translation>
    </message>
    <message>
        <source>The new order of the cards could not be saved to the card file %1: %2.

The cards have not been dealt again, and the file has not been changed.</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason</extracomment>
        <translation>No se ha podido guardar el nuevo orden de las cartas en el archivo de cartas %1: %2.

No se han vuelto a repartir las cartas y el archivo no se ha modificado.</translation>
    </message>
    <message>
        <source>The new order of the cards cannot be saved in the folder of the card file %1: %2.

The cards have not been dealt, and the file has not been changed.</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason</extracomment>
        <translation>No se puede guardar el nuevo orden de las cartas en la carpeta del archivo de cartas %1: %2.

No se han repartido las cartas y el archivo no se ha modificado.</translation>
    </message>
    <message>
        <source>The folder %1 for your own copy of the card file could not be made: %2.</source>
        <extracomment>%1 is the folder, %2 the system&apos;s reason</extracomment>
        <translation>No se ha podido crear la carpeta %1 para tu propia copia del archivo de cartas: %2.</translation>
    </message>
    <message>
        <source>The folder %1 for your own copy of the card file is not a full path, so it would be another folder for each folder that %2 is started from. Set HOME to the full path of your home folder.</source>
        <extracomment>%1 is the folder, %2 the program&apos;s name</extracomment>
        <translation>La carpeta %1 para tu propia copia del archivo de cartas no es una ruta completa, así que sería otra carpeta para cada carpeta desde la que se inicie %2. Da a HOME la ruta completa de tu carpeta personal.</translation>
    </message>
    <message>
        <source>Your own copy of the card file could not be made at %1: %2.</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason</extracomment>
        <translation>No se ha podido crear tu propia copia del archivo de cartas en %1: %2.</translation>
    </message>
    <message>
        <source>The folder that holds %1 cannot be found, so neither can its card file.

%1 keeps the order of its %2 cards in %3 beside the program and cannot deal without it.</source>
        <extracomment>%1 is the program&apos;s name, %2 the number of cards in a deck, %3 the card file&apos;s name</extracomment>
        <translation>No se encuentra la carpeta que contiene %1, ni por tanto su archivo de cartas.

%1 guarda el orden de sus %2 cartas en %3, junto al programa, y no puede repartir sin él.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <extracomment>a file&apos;s name in the language&apos;s quotation marks</extracomment>
        <translation>«%1»</translation>
    </message>
</context>
</TS>
