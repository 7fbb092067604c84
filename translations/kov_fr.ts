<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutBox</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>%1 — a card game for two</source>
        <extracomment>%1 is the program&apos;s name</extracomment>
        <translation>%1 — un jeu de cartes à deux</translation>
    </message>
    <message>
        <source>Version %1 Beta</source>
        <translation>Version %1 bêta</translation>
    </message>
    <message>
        <source>Two players take turns. Match the discard by colour or value, or play a wild card; click the pile to draw. First past 500 wins.</source>
        <translation>Chacun son tour, posez même couleur ou valeur, ou un joker, sinon piochez d’un clic. Le premier à dépasser 500 gagne.</translation>
    </message>
    <message>
        <source>Copyright © %1 %2. All rights reserved. This program is provided as is, without warranty of any kind.</source>
        <extracomment>%1 is the year, %2 the company&apos;s name</extracomment>
        <translation>Copyright © %1 %2. Tous droits réservés. Ce programme est fourni tel quel, sans garantie d’aucune sorte.</translation>
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
        <translation>Joueur 1</translation>
    </message>
    <message>
        <source>Player Two</source>
        <translation>Joueur 2</translation>
    </message>
    <message>
        <source>Player One Total</source>
        <translation>Score joueur 1</translation>
    </message>
    <message>
        <source>Player Two Total</source>
        <translation>Score joueur 2</translation>
    </message>
    <message>
        <source>%1, card %2: %3</source>
        <extracomment>a card slot read aloud: %1 the player, %2 the slot from 1 to 7, %3 the card</extracomment>
        <translation>%1, carte %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>read aloud for a card slot that holds no card</extracomment>
        <translation>vide</translation>
    </message>
    <message>
        <source>Discard: %1, colour in force %2</source>
        <extracomment>the discard pile read aloud: %1 its top card, %2 the colour the next card must match</extracomment>
        <translation>Défausse&#xa0;: %1, couleur demandée %2</translation>
    </message>
    <message>
        <source>Colour in force: %1</source>
        <extracomment>the colour the next card must match</extracomment>
        <translation>Couleur demandée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Player One to move</source>
        <translation>Au tour du joueur 1</translation>
    </message>
    <message>
        <source>Player Two to move</source>
        <translation>Au tour du joueur 2</translation>
    </message>
    <message>
        <source>Key %1 plays this card when Player One is to move</source>
        <extracomment>%1 is a key from 1 to 7</extracomment>
        <translation>La touche %1 joue cette carte quand c’est au tour du joueur 1</translation>
    </message>
    <message>
        <source>Key %1 plays this card when Player Two is to move</source>
        <translation>La touche %1 joue cette carte quand c’est au tour du joueur 2</translation>
    </message>
    <message>
        <source>Draw pile</source>
        <translation>Pioche</translation>
    </message>
    <message>
        <source>%1: key %2 draws a card</source>
        <extracomment>%1 is the draw pile&apos;s name, %2 the key that draws</extracomment>
        <translation>%1&#xa0;: touche %2 pour piocher</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>a running total read aloud: %1 its caption, %2 the points</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <extracomment>deals a new hand and keeps the totals; &amp; marks the access key</extracomment>
        <translation>&amp;Redistribuer</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
</context>
<context>
    <name>Cards</name>
    <message>
        <source>Blue</source>
        <comment>a colour</comment>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Green</source>
        <comment>a colour</comment>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Red</source>
        <comment>a colour</comment>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Yellow</source>
        <comment>a colour</comment>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>nothing</source>
        <extracomment>a card code&apos;s character that is missing</extracomment>
        <translation>rien</translation>
    </message>
    <message>
        <source>blank</source>
        <extracomment>a card code&apos;s character that is a space</extracomment>
        <translation>espace</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Passe ton tour</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Changement de sens</translation>
    </message>
    <message>
        <source>Draw Two</source>
        <translation>+2</translation>
    </message>
    <message>
        <source>Wild</source>
        <translation>Joker</translation>
    </message>
    <message>
        <source>Wild Draw Four</source>
        <translation>Joker +4</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>a card&apos;s name: %1 its colour, %2 its value, as in &quot;Red 7&quot; or &quot;Blue Skip&quot;</extracomment>
        <translation>%2 %1</translation>
    </message>
    <message>
        <source>picture missing</source>
        <translation>image manquante</translation>
    </message>
    <message>
        <source>Blue</source>
        <comment>within a text, as in &quot;Blue 7&quot;</comment>
        <translation>bleu</translation>
    </message>
    <message>
        <source>Green</source>
        <comment>within a text, as in &quot;Green 7&quot;</comment>
        <translation>vert</translation>
    </message>
    <message>
        <source>Red</source>
        <comment>within a text, as in &quot;Red 7&quot;</comment>
        <translation>rouge</translation>
    </message>
    <message>
        <source>Yellow</source>
        <comment>within a text, as in &quot;Yellow 7&quot;</comment>
        <translation>jaune</translation>
    </message>
</context>
<context>
    <name>ColourChooser</name>
    <message>
        <source>Select A Colour</source>
        <translation>Choisir une couleur</translation>
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
        <translation>Nouvelle manche</translation>
    </message>
    <message>
        <source>Player One is the winner.</source>
        <translation>Le joueur 1 remporte la manche.</translation>
    </message>
    <message>
        <source>Player Two is the winner.</source>
        <translation>Le joueur 2 remporte la manche.</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Fin de la partie</translation>
    </message>
    <message>
        <source>Player One is the Total Game winner. %1 Total Points.</source>
        <extracomment>%1 is the winner&apos;s total, more than 500</extracomment>
        <translation>Le joueur 1 remporte la partie avec %1 points.</translation>
    </message>
    <message>
        <source>Player Two is the Total Game winner. %1 Total Points.</source>
        <translation>Le joueur 2 remporte la partie avec %1 points.</translation>
    </message>
</context>
<context>
    <name>Problems</name>
    <message>
        <source>The card file %1 %2

%3 keeps the order of its %4 cards in this file and cannot deal without it. The file has not been changed.</source>
        <extracomment>%1 is the file, %2 what is wrong with it (one of the texts that follow the file&apos;s name), %3 the program&apos;s name, %4 the number of cards in a deck</extracomment>
        <translation>Le fichier de cartes %1 %2

%3 garde l’ordre de ses %4 cartes dans ce fichier et ne peut pas distribuer sans lui. Le fichier n’a pas été modifié.</translation>
    </message>
    <message>
        <source>1 whole card</source>
        <translation>1 carte entière</translation>
    </message>
    <message numerus="yes">
        <source>%n whole cards</source>
        <translation>
            <numerusform>%n carte entière</numerusform>
            <numerusform>%n cartes entières</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot be found.</source>
        <translation>est introuvable.</translation>
    </message>
    <message>
        <source>is a folder, not a file.</source>
        <translation>est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>is not an ordinary file.</source>
        <translation>n’est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>is a link that leads round in a loop, never to a file.</source>
        <translation>est un lien qui tourne en boucle sans jamais mener à un fichier.</translation>
    </message>
    <message>
        <source>cannot be read: %1.</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>ne peut pas être lu&#xa0;: %1.</translation>
    </message>
    <message>
        <source>is empty: it holds no cards, and a deck needs %1.</source>
        <translation>est vide&#xa0;: il ne contient aucune carte, alors qu’un jeu en compte %1.</translation>
    </message>
    <message>
        <source>is too short: it holds %1, and a deck needs %2.</source>
        <extracomment>%1 is a number of whole cards, %2 the number of cards in a deck</extracomment>
        <translation>est trop court&#xa0;: il contient %1, alors qu’un jeu en compte %2.</translation>
    </message>
    <message>
        <source>The new order of the cards could not be saved to the card file %1: %2.

The cards have not been dealt again, and the file has not been changed.</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason</extracomment>
        <translation>Le nouvel ordre des cartes n’a pas pu être enregistré dans le fichier de cartes %1&#xa0;: %2.

Les cartes n’ont pas été redistribuées et le fichier n’a pas été modifié.</translation>
    </message>
    <message>
        <source>The new order of the cards cannot be saved in the folder of the card file %1: %2.

The cards have not been dealt, and the file has not been changed.</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason</extracomment>
        <translation>Le nouvel ordre des cartes ne peut pas être enregistré dans le dossier du fichier de cartes %1&#xa0;: %2.

Les cartes n’ont pas été distribuées et le fichier n’a pas été modifié.</translation>
    </message>
    <message>
        <source>The folder %1 for your own copy of the card file could not be made: %2.</source>
        <extracomment>%1 is the folder, %2 the system&apos;s reason</extracomment>
        <translation>Le dossier %1 destiné à votre propre copie du fichier de cartes n’a pas pu être créé&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The folder %1 for your own copy of the card file is not a full path, so it would be another folder for each folder that %2 is started from. Set HOME to the full path of your home folder.</source>
        <extracomment>%1 is the folder, %2 the program&apos;s name</extracomment>
        <translation>Le dossier %1 destiné à votre propre copie du fichier de cartes n’est pas un chemin complet&#xa0;: il serait différent pour chaque dossier depuis lequel %2 est lancé. Donnez à HOME le chemin complet de votre dossier personnel.</translation>
    </message>
    <message>
        <source>Your own copy of the card file could not be made at %1: %2.</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason</extracomment>
        <translation>Votre propre copie du fichier de cartes n’a pas pu être créée dans %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The folder that holds %1 cannot be found, so neither can its card file.

%1 keeps the order of its %2 cards in %3 beside the program and cannot deal without it.</source>
        <extracomment>%1 is the program&apos;s name, %2 the number of cards in a deck, %3 the card file&apos;s name</extracomment>
        <translation>Le dossier qui contient %1 est introuvable, et son fichier de cartes l’est donc aussi.

%1 garde l’ordre de ses %2 cartes dans %3, à côté du programme, et ne peut pas distribuer sans lui.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <extracomment>a file&apos;s name in the language&apos;s quotation marks</extracomment>
        <translation>«&#xa0;%1&#xa0;»</translation>
    </message>
</context>
</TS>
