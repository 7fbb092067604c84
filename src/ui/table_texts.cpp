#include "ui/table_texts.h"

#include "cards/card_file.h"
#include "cards/card_names.h"
#include "ui/paths.h"

#include <QKeySequence>

namespace kov {

namespace {

using Kind = CardFileProblem::Kind;

QString quoted(const std::filesystem::path& path) {
    return QLatin1Char('"') + displayPath(path) + QLatin1Char('"');
}

QString reason(const std::error_code& error) {
    return QString::fromLocal8Bit(error.message());
}

QString refusal(const std::filesystem::path& path, const QString& what) {
    return QStringLiteral("The card file %1 %2\n\nKOV keeps the order of its %3 cards in this file "
                          "and cannot deal without it. The file has not been changed.")
        .arg(quoted(path), what, QString::number(CardFile::cardsInDeck));
}

QString wholeCards(int cards) {
    return cards == 1 ? QStringLiteral("1 whole card")
                      : QStringLiteral("%1 whole cards").arg(cards);
}

} // namespace

QString playerName(Player player) {
    return player == Player::One ? QStringLiteral("Player One") : QStringLiteral("Player Two");
}

QString totalCaption(Player player) {
    return QStringLiteral("%1 Total").arg(playerName(player));
}

QString slotName(Player player, int slot, const Card* card) {
    return QStringLiteral("%1, card %2: %3")
        .arg(playerName(player), QString::number(slot + 1),
             card ? QString::fromStdString(cardName(*card)) : QStringLiteral("empty"));
}

QString discardName(Card discard, CardCharacter colourInForce) {
    return QStringLiteral("Discard: %1, colour in force %2")
        .arg(QString::fromStdString(cardName(discard)),
             QString::fromStdString(colourName(colourInForce)));
}

QString colourInForceName(CardCharacter colour) {
    return QStringLiteral("Colour in force: %1").arg(QString::fromStdString(colourName(colour)));
}

QString turnName(Player player) {
    return QStringLiteral("%1 to move").arg(playerName(player));
}

QString slotKeyTip(Player player, const QKeySequence& key) {
    return QStringLiteral("Key %1 plays this card when %2 is to move")
        .arg(key.toString(QKeySequence::NativeText), playerName(player));
}

QString drawPileName() {
    return QStringLiteral("Draw pile");
}

QString drawPileKeyTip(const QKeySequence& key) {
    return QStringLiteral("%1: key %2 draws a card")
        .arg(drawPileName(), key.toString(QKeySequence::NativeText));
}

QString totalName(Player player, int total) {
    return QStringLiteral("%1: %2").arg(totalCaption(player), QString::number(total));
}

QString programTitle() {
    return QStringLiteral("KOV");
}

QString handWonTitle() {
    return QStringLiteral("Play Again");
}

QString handWonText(Player winner) {
    return QStringLiteral("%1 is the winner.").arg(playerName(winner));
}

QString matchWonTitle() {
    return QStringLiteral("Game Over");
}

QString matchWonText(Player winner, int total) {
    return QStringLiteral("%1 is the Total Game winner. %2 Total Points.")
        .arg(playerName(winner))
        .arg(total);
}

QString problemText(const CardFileProblem& problem) {
    const auto& path = problem.path;
    switch (problem.kind) {
    case Kind::Missing:
        return refusal(path, QStringLiteral("cannot be found."));
    case Kind::Folder:
        return refusal(path, QStringLiteral("is a folder, not a file."));
    case Kind::NotAFile:
        return refusal(path, QStringLiteral("is not an ordinary file."));
    case Kind::LinkLoop:
        return refusal(path,
                       QStringLiteral("is a link that leads round in a loop, never to a file."));
    case Kind::Unreadable:
        return refusal(path, QStringLiteral("cannot be read: %1.").arg(reason(problem.error)));
    case Kind::Empty:
        return refusal(path, QStringLiteral("is empty: it holds no cards, and a deck needs %1.")
                                 .arg(CardFile::cardsInDeck));
    case Kind::TooShort:
        return refusal(path, QStringLiteral("is too short: it holds %1, and a deck needs %2.")
                                 .arg(wholeCards(problem.wholeCards))
                                 .arg(CardFile::cardsInDeck));
    case Kind::NotSaved:
        return QStringLiteral("The new order of the cards could not be saved to the card file %1: "
                              "%2.\n\nThe cards have not been dealt again, and the file has not "
                              "been changed.")
            .arg(quoted(path), reason(problem.error));
    case Kind::FolderNotWritable:
        return QStringLiteral(
                   "The new order of the cards cannot be saved in the folder of the card "
                   "file %1: %2.\n\nThe cards have not been dealt, and the file has "
                   "not been changed.")
            .arg(quoted(path), reason(problem.error));
    case Kind::UserFolderNotMade:
        return QStringLiteral("The folder %1 for your own copy of the card file could not be made.")
            .arg(displayPath(path));
    case Kind::UserCopyNotMade:
        return QStringLiteral("Your own copy of the card file could not be made at %1: %2.")
            .arg(quoted(path), reason(problem.error));
    case Kind::ProgramFolderNotFound:
        return QStringLiteral("The folder that holds KOV cannot be found, so neither can its card "
                              "file.\n\nKOV keeps the order of its %1 cards in card.txt beside "
                              "the program and cannot deal without it.")
            .arg(CardFile::cardsInDeck);
    }
    return {};
}

} // namespace kov
