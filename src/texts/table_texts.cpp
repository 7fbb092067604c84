#include "texts/table_texts.h"

#include "cards/card_file.h"
#include "cards/rules.h"
#include "system/paths.h"
#include "texts/card_colours.h"

#include <QCoreApplication>
#include <QKeySequence>

#include <array>

namespace kov {

namespace {

// The translators' contexts: where the players meet each text.
struct Board {
    Q_DECLARE_TR_FUNCTIONS(Board)
};
struct Cards {
    Q_DECLARE_TR_FUNCTIONS(Cards)
};
struct Messages {
    Q_DECLARE_TR_FUNCTIONS(Messages)
};
struct Problems {
    Q_DECLARE_TR_FUNCTIONS(Problems)
};
struct ColourChooser {
    Q_DECLARE_TR_FUNCTIONS(ColourChooser)
};
struct AboutBox {
    Q_DECLARE_TR_FUNCTIONS(AboutBox)
};

// Names, the same in every language.
constexpr QLatin1String program("KOV");
constexpr QLatin1String company("Vantrel");

using Kind = CardFileProblem::Kind;

QString byPlayer(Player player, const QString& one, const QString& two) {
    return player == Player::One ? one : two;
}

struct Source {
    const char* text;
    const char* comment;
};
struct ColourWords {
    Source alone;  // as the colour chooser offers it
    Source inText; // within a text ("Red 7"), which some languages write otherwise
};
// In the order of cardColours.
constexpr std::array<ColourWords, cardColours.size()> colourWords{{
    {QT_TRANSLATE_NOOP3("Cards", "Blue", "a colour"),
     QT_TRANSLATE_NOOP3("Cards", "Blue", "within a text, as in \"Blue 7\"")},
    {QT_TRANSLATE_NOOP3("Cards", "Green", "a colour"),
     QT_TRANSLATE_NOOP3("Cards", "Green", "within a text, as in \"Green 7\"")},
    {QT_TRANSLATE_NOOP3("Cards", "Red", "a colour"),
     QT_TRANSLATE_NOOP3("Cards", "Red", "within a text, as in \"Red 7\"")},
    {QT_TRANSLATE_NOOP3("Cards", "Yellow", "a colour"),
     QT_TRANSLATE_NOOP3("Cards", "Yellow", "within a text, as in \"Yellow 7\"")},
}};

QString translated(const Source& source) {
    return Cards::tr(source.text, source.comment);
}

QString characterName(CardCharacter character) {
    if (character.isEmpty())
        //: a card code's character that is missing
        return Cards::tr("nothing");
    const auto byte = static_cast<unsigned char>(character.recordByte());
    if (byte == ' ')
        //: a card code's character that is a space
        return Cards::tr("blank");
    if (!isPrintableAscii(static_cast<char>(byte)))
        return QString::asprintf("0x%02X", static_cast<unsigned>(byte));
    return QString(QLatin1Char(static_cast<char>(byte)));
}

QString colourWord(CardCharacter colour, Source ColourWords::*form) {
    const CardColour* known = cardColourOf(colour);
    if (known == nullptr)
        return characterName(colour);
    return translated(colourWords.at(static_cast<std::size_t>(known - cardColours.data())).*form);
}

QString quoted(const std::filesystem::path& path) {
    //: a file's name in the language's quotation marks
    return Problems::tr("\"%1\"").arg(displayPath(path));
}

// The system's own words, in the system's language.
QString reason(const std::error_code& error) {
    return QString::fromLocal8Bit(error.message());
}

QString refusal(const std::filesystem::path& path, const QString& what) {
    //: %1 is the file, %2 what is wrong with it (one of the texts that follow the file's
    //: name), %3 the program's name, %4 the number of cards in a deck
    return Problems::tr("The card file %1 %2\n\n%3 keeps the order of its %4 cards in this file "
                        "and cannot deal without it. The file has not been changed.")
        .arg(quoted(path), what, program, QString::number(CardFile::cardsInDeck));
}

QString wholeCards(int cards) {
    return cards == 1 ? Problems::tr("1 whole card")
                      : Problems::tr("%n whole cards", nullptr, cards);
}

} // namespace

QString playerName(Player player) {
    return byPlayer(player, Board::tr("Player One"), Board::tr("Player Two"));
}

QString totalCaption(Player player) {
    return byPlayer(player, Board::tr("Player One Total"), Board::tr("Player Two Total"));
}

QString valueName(CardCharacter value) {
    static constexpr std::array<std::pair<char, const char*>, 5> actions{{
        {'S', QT_TRANSLATE_NOOP("Cards", "Skip")},
        {'V', QT_TRANSLATE_NOOP("Cards", "Reverse")},
        {'D', QT_TRANSLATE_NOOP("Cards", "Draw Two")},
        {'W', QT_TRANSLATE_NOOP("Cards", "Wild")},
        {'F', QT_TRANSLATE_NOOP("Cards", "Wild Draw Four")},
    }};
    for (const auto& [letter, name] : actions) {
        if (value.is(letter))
            return Cards::tr(name);
    }
    return characterName(value);
}

QString colourName(CardCharacter colour) {
    return colourWord(colour, &ColourWords::alone);
}

QString cardName(Card card) {
    if (isWild(card.value))
        return valueName(card.value);
    //: a card's name: %1 its colour, %2 its value, as in "Red 7" or "Blue Skip"
    return Cards::tr("%1 %2").arg(colourWord(card.colour, &ColourWords::inText),
                                  valueName(card.value));
}

QString missingPictureNote() {
    return Cards::tr("picture missing");
}

QString slotName(Player player, int slot, const Card* card) {
    //: a card slot read aloud: %1 the player, %2 the slot from 1 to 7, %3 the card
    return Board::tr("%1, card %2: %3")
        .arg(playerName(player), QString::number(slot + 1),
             //: read aloud for a card slot that holds no card
             card ? cardName(*card) : Board::tr("empty"));
}

QString discardName(Card discard, CardCharacter colourInForce) {
    //: the discard pile read aloud: %1 its top card, %2 the colour the next card must match
    return Board::tr("Discard: %1, colour in force %2")
        .arg(cardName(discard), colourWord(colourInForce, &ColourWords::inText));
}

QString colourInForceName(CardCharacter colour) {
    //: the colour the next card must match
    return Board::tr("Colour in force: %1").arg(colourWord(colour, &ColourWords::inText));
}

QString turnName(Player player) {
    return byPlayer(player, Board::tr("Player One to move"), Board::tr("Player Two to move"));
}

QString slotKeyTip(Player player, const QKeySequence& key) {
    const QString keyName = key.toString(QKeySequence::NativeText);
    //: %1 is a key from 1 to 7
    return byPlayer(player, Board::tr("Key %1 plays this card when Player One is to move"),
                    Board::tr("Key %1 plays this card when Player Two is to move"))
        .arg(keyName);
}

QString drawPileName() {
    return Board::tr("Draw pile");
}

QString drawPileKeyTip(const QKeySequence& key) {
    //: %1 is the draw pile's name, %2 the key that draws
    return Board::tr("%1: key %2 draws a card")
        .arg(drawPileName(), key.toString(QKeySequence::NativeText));
}

QString totalName(Player player, int total) {
    //: a running total read aloud: %1 its caption, %2 the points
    return Board::tr("%1: %2").arg(totalCaption(player), QString::number(total));
}

QString newGameCaption() {
    //: deals a new hand and keeps the totals; & marks the access key
    return Board::tr("&New Game");
}

QString exitCaption() {
    return Board::tr("E&xit");
}

QString aboutCaption() {
    return Board::tr("&About");
}

QString colourChooserTitle() {
    return ColourChooser::tr("Select A Colour");
}

QString colourChooserOkCaption() {
    return ColourChooser::tr("&OK");
}

QString aboutTitle() {
    return AboutBox::tr("About");
}

QString aboutHeading() {
    //: %1 is the program's name
    return AboutBox::tr("%1 \u2014 a card game for two").arg(program);
}

QString aboutVersion(const QString& version) {
    return AboutBox::tr("Version %1 Beta").arg(version);
}

QString aboutDescription() {
    return AboutBox::tr("Two players take turns. Match the discard by colour or value, or play a "
                        "wild card; click the pile to draw. First past 500 wins.");
}

QString aboutNotice() {
    //: %1 is the year, %2 the company's name
    return AboutBox::tr("Copyright \u00a9 %1 %2. All rights reserved. This program is provided "
                        "as is, without warranty of any kind.")
        .arg(QStringLiteral("2026"), company);
}

QString aboutOkCaption() {
    return AboutBox::tr("OK");
}

QString programTitle() {
    return QString(program);
}

QString handWonTitle() {
    //: the title of the message that a hand is won
    return Messages::tr("Play Again");
}

QString handWonText(Player winner) {
    return byPlayer(winner, Messages::tr("Player One is the winner."),
                    Messages::tr("Player Two is the winner."));
}

QString matchWonTitle() {
    return Messages::tr("Game Over");
}

QString matchWonText(Player winner, int total) {
    //: %1 is the winner's total, more than 500
    return byPlayer(winner, Messages::tr("Player One is the Total Game winner. %1 Total Points."),
                    Messages::tr("Player Two is the Total Game winner. %1 Total Points."))
        .arg(total);
}

QString problemText(const CardFileProblem& problem) {
    const auto& path = problem.path;
    switch (problem.kind) {
    case Kind::Missing:
        return refusal(path, Problems::tr("cannot be found."));
    case Kind::Folder:
        return refusal(path, Problems::tr("is a folder, not a file."));
    case Kind::NotAFile:
        return refusal(path, Problems::tr("is not an ordinary file."));
    case Kind::LinkLoop:
        return refusal(path,
                       Problems::tr("is a link that leads round in a loop, never to a file."));
    case Kind::Unreadable:
        //: %1 is the system's reason
        return refusal(path, Problems::tr("cannot be read: %1.").arg(reason(problem.error)));
    case Kind::Empty:
        return refusal(path, Problems::tr("is empty: it holds no cards, and a deck needs %1.")
                                 .arg(CardFile::cardsInDeck));
    case Kind::TooShort:
        //: %1 is a number of whole cards, %2 the number of cards in a deck
        return refusal(path, Problems::tr("is too short: it holds %1, and a deck needs %2.")
                                 .arg(wholeCards(problem.wholeCards))
                                 .arg(CardFile::cardsInDeck));
    case Kind::NotSaved:
        //: %1 is the file, %2 the system's reason
        return Problems::tr("The new order of the cards could not be saved to the card file %1: "
                            "%2.\n\nThe cards have not been dealt again, and the file has not "
                            "been changed.")
            .arg(quoted(path), reason(problem.error));
    case Kind::FolderNotWritable:
        //: %1 is the file, %2 the system's reason
        return Problems::tr("The new order of the cards cannot be saved in the folder of the card "
                            "file %1: %2.\n\nThe cards have not been dealt, and the file has not "
                            "been changed.")
            .arg(quoted(path), reason(problem.error));
    case Kind::UserFolderNotMade:
        //: %1 is the folder, %2 the system's reason
        return Problems::tr("The folder %1 for your own copy of the card file could not be made: "
                            "%2.")
            .arg(displayPath(path), reason(problem.error));
    case Kind::UserFolderNotFullPath:
        //: %1 is the folder, %2 the program's name
        return Problems::tr("The folder %1 for your own copy of the card file is not a full path, "
                            "so it would be another folder for each folder that %2 is started "
                            "from. Set HOME to the full path of your home folder.")
            .arg(displayPath(path), program);
    case Kind::UserCopyNotMade:
        //: %1 is the file, %2 the system's reason
        return Problems::tr("Your own copy of the card file could not be made at %1: %2.")
            .arg(quoted(path), reason(problem.error));
    case Kind::ProgramFolderNotFound:
        //: %1 is the program's name, %2 the number of cards in a deck, %3 the card file's name
        return Problems::tr("The folder that holds %1 cannot be found, so neither can its card "
                            "file.\n\n%1 keeps the order of its %2 cards in %3 beside the program "
                            "and cannot deal without it.")
            .arg(program, QString::number(CardFile::cardsInDeck),
                 QString::fromLatin1(CardFile::fileName));
    }
    return {};
}

} // namespace kov
