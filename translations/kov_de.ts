<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutBox</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>%1 — a card game for two</source>
        <extracomment>%1 is the program&apos;s name</extracomment>
        <translation>%1 — ein Kartenspiel für zwei</translation>
    </message>
    <message>
        <source>Version %1 Beta</source>
        <translation>Version %1 Beta</translation>
    </message>
    <message>
        <source>Two players take turns. Match the discard by colour or value, or play a wild card; click the pile to draw. First past 500 wins.</source>
        <translation>Abwechselnd Farbe oder Wert bedienen oder Farbwahl legen; Klick auf den Stapel zieht. Wer zuerst 500 übertrifft, gewinnt.</translation>
    </message>
    <message>
        <source>Copyright © %1 %2. All rights reserved. This program is provided as is, without warranty of any kind.</source>
        <extracomment>%1 is the year, %2 the company&apos;s name</extracomment>
        <translation>Copyright © %1 %2. Alle Rechte vorbehalten. Dieses Programm wird ohne Mängelgewähr und ohne jegliche Garantie bereitgestellt.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>Player One</source>
        <translation>Spieler 1</translation>
    </message>
    <message>
        <source>Player Two</source>
        <translation>Spieler 2</translation>
    </message>
    <message>
        <source>Player One Total</source>
        <translation>Punkte Spieler 1</translation>
    </message>
    <message>
        <source>Player Two Total</source>
        <translation>Punkte Spieler 2</translation>
    </message>
    <message>
        <source>%1, card %2: %3</source>
        <extracomment>a card slot read aloud: %1 the player, %2 the slot from 1 to 7, %3 the card</extracomment>
        <translation>%1, Karte %2: %3</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>read aloud for a card slot that holds no card</extracomment>
        <translation>leer</translation>
    </message>
    <message>
        <source>Discard: %1, colour in force %2</source>
        <extracomment>the discard pile read aloud: %1 its top card, %2 the colour the next card must match</extracomment>
        <translation>Ablage: %1, geltende Farbe %2</translation>
    </message>
    <message>
        <source>Colour in force: %1</source>
        <extracomment>the colour the next card must match</extracomment>
        <translation>Geltende Farbe: %1</translation>
    </message>
    <message>
        <source>Player One to move</source>
        <translation>Spieler 1 ist am Zug</translation>
    </message>
    <message>
        <source>Player Two to move</source>
        <translation>Spieler 2 ist am Zug</translation>
    </message>
    <message>
        <source>Key %1 plays this card when Player One is to move</source>
        <extracomment>%1 is a key from 1 to 7</extracomment>
        <translation>Taste %1 spielt diese Karte, wenn Spieler 1 am Zug ist</translation>
    </message>
    <message>
        <source>Key %1 plays this card when Player Two is to move</source>
        <translation>Taste %1 spielt diese Karte, wenn Spieler 2 am Zug ist</translation>
    </message>
    <message>
        <source>Draw pile</source>
        <translation>Stapel</translation>
    </message>
    <message>
        <source>%1: key %2 draws a card</source>
        <extracomment>%1 is the draw pile&apos;s name, %2 the key that draws</extracomment>
        <translation>%1: Taste %2 zieht eine Karte</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>a running total read aloud: %1 its caption, %2 the points</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <extracomment>deals a new hand and keeps the totals; &amp; marks the access key</extracomment>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
</context>
<context>
    <name>Cards</name>
    <message>
        <source>Blue</source>
        <comment>a colour</comment>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Green</source>
        <comment>a colour</comment>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Red</source>
        <comment>a colour</comment>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Yellow</source>
        <comment>a colour</comment>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>nothing</source>
        <extracomment>a card code&apos;s character that is missing</extracomment>
        <translation>nichts</translation>
    </message>
    <message>
        <source>blank</source>
        <extracomment>a card code&apos;s character that is a space</extracomment>
        <translation>Leerzeichen</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Aussetzen</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Richtungswechsel</translation>
    </message>
    <message>
        <source>Draw Two</source>
        <translation>+2</translation>
    </message>
    <message>
        <source>Wild</source>
        <translation>Farbwahl</translation>
    </message>
    <message>
        <source>Wild Draw Four</source>
        <translation>Farbwahl +4</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>a card&apos;s name: %1 its colour, %2 its value, as in &quot;Red 7&quot; or &quot;Blue Skip&quot;</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>picture missing</source>
        <translation>Bild fehlt</translation>
    </message>
    <message>
        <source>Blue</source>
        <comment>within a text, as in &quot;Blue 7&quot;</comment>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Green</source>
        <comment>within a text, as in &quot;Green 7&quot;</comment>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Red</source>
        <comment>within a text, as in &quot;Red 7&quot;</comment>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Yellow</source>
        <comment>within a text, as in &quot;Yellow 7&quot;</comment>
        <translation>Gelb</translation>
    </message>
</context>
<context>
    <name>ColourChooser</name>
    <message>
        <source>Select A Colour</source>
        <translation>Farbe wählen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Play Again</source>
        <extracomment>the title of the message that a hand is won</extracomment>
        <translation>Nächste Runde</translation>
    </message>
    <message>
        <source>Player One is the winner.</source>
        <translation>Spieler 1 gewinnt die Runde.</translation>
    </message>
    <message>
        <source>Player Two is the winner.</source>
        <translation>Spieler 2 gewinnt die Runde.</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Spielende</translation>
    </message>
    <message>
        <source>Player One is the Total Game winner. %1 Total Points.</source>
        <extracomment>%1 is the winner&apos;s total, more than 500</extracomment>
        <translation>Spieler 1 gewinnt das Spiel mit %1 Punkten.</translation>
    </message>
    <message>
        <source>Player Two is the Total Game winner. %1 Total Points.</source>
        <translation>Spieler 2 gewinnt das Spiel mit %1 Punkten.</translation>
    </message>
</context>
<context>
    <name>Problems</name>
    <message>
        <source>The card file %1 %2

%3 keeps the order of its %4 cards in this file and cannot deal without it. The file has not been changed.</source>
        <extracomment>%1 is the file, %2 what is wrong with it (one of the texts that follow the file&apos;s name), %3 the program&apos;s name, %4 the number of cards in a deck</extracomment>
        <translation>Die Kartendatei %1 %2

%3 speichert die Reihenfolge seiner %4 Karten in dieser Datei und kann ohne sie nicht geben. Die Datei wurde nicht verändert.</translation>
    </message>
    <message>
        <source>1 whole card</source>
        <translation>1 ganze Karte</translation>
    </message>
    <message numerus="yes">
        <source>%n whole cards</source>
        <translation>
            <numerusform>%n ganze Karte</numerusform>
            <numerusform>%n ganze Karten</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot be found.</source>
        <translation>wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>is a folder, not a file.</source>
        <translation>ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>is not an ordinary file.</source>
        <translation>ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>is a link that leads round in a loop, never to a file.</source>
        <translation>ist eine Verknüpfung, die im Kreis führt und nie zu einer Datei.</translation>
    </message>
    <message>
        <source>cannot be read: %1.</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>kann nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>is empty: it holds no cards, and a deck needs %1.</source>
        <translation>ist leer: Sie enthält keine Karten, ein Kartenspiel braucht aber %1.</translation>
    </message>
    <message>
        <source>is too short: it holds %1, and a deck needs %2.</source>
        <extracomment>%1 is a number of whole cards, %2 the number of cards in a deck</extracomment>
        <translation>ist zu kurz: Sie enthält %1, ein Kartenspiel braucht aber %2.</translation>
    </message>
    <message>
        <source>The new order of the cards could not be saved to the card file %1: %2.

The cards have not been dealt again, and the file has not been changed.</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason</extracomment>
        <translation>Die neue Reihenfolge der Karten konnte nicht in der Kartendatei %1 gespeichert werden: %2.

Die Karten wurden nicht neu gegeben, und die Datei wurde nicht verändert.</translation>
    </message>
    <message>
        <source>The new order of the cards cannot be saved in the folder of the card file %1: %2.

The cards have not been dealt, and the file has not been changed.</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason</extracomment>
        <translation>Die neue Reihenfolge der Karten kann nicht im Ordner der Kartendatei %1 gespeichert werden: %2.

Die Karten wurden nicht gegeben, und die Datei wurde nicht verändert.</translation>
    </message>
    <message>
        <source>The folder %1 for your own copy of the card file could not be made: %2.</source>
        <extracomment>%1 is the folder, %2 the system&apos;s reason</extracomment>
        <translation>Der Ordner %1 für deine eigene Kopie der Kartendatei konnte nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>The folder %1 for your own copy of the card file is not a full path, so it would be another folder for each folder that %2 is started from. Set HOME to the full path of your home folder.</source>
        <extracomment>%1 is the folder, %2 the program&apos;s name</extracomment>
        <translation>Der Ordner %1 für deine eigene Kopie der Kartendatei ist kein vollständiger Pfad und wäre damit für jeden Ordner, aus dem %2 gestartet wird, ein anderer. Setze HOME auf den vollständigen Pfad deines Home-Ordners.</translation>
    </message>
    <message>
        <source>Your own copy of the card file could not be made at %1: %2.</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason</extracomment>
        <translation>Deine eigene Kopie der Kartendatei konnte nicht unter %1 angelegt werden: %2.</translation>
    </message>
    <message>
        <source>The folder that holds %1 cannot be found, so neither can its card file.

%1 keeps the order of its %2 cards in %3 beside the program and cannot deal without it.</source>
        <extracomment>%1 is the program&apos;s name, %2 the number of cards in a deck, %3 the card file&apos;s name</extracomment>
        <translation>Der Ordner, in dem %1 liegt, wurde nicht gefunden, und damit auch nicht seine Kartendatei.

%1 speichert die Reihenfolge seiner %2 Karten in %3 neben dem Programm und kann ohne sie nicht geben.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <extracomment>a file&apos;s name in the language&apos;s quotation marks</extracomment>
        <translation>„%1“</translation>
    </message>
</context>
</TS>
