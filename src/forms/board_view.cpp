#include "forms/board_view.h"

#include "forms/accessibility.h"
#include "forms/fitted_text.h"
#include "forms/frmcolour.h"
#include "forms/picture_control.h"
#include "pictures/program_icon.h"
#include "texts/card_colours.h"
#include "texts/table_texts.h"
#include "texts/text_contrast.h"

#include <QLabel>
#include <QMessageBox>

namespace kov {

namespace {

void showMessageBox(QMessageBox::Icon icon, const QString& title, const QString& text) {
    QMessageBox box(icon, title, text, QMessageBox::Ok);
    box.setWindowIcon(programIcon());
    box.exec();
}

} // namespace

BoardView::BoardView(QWidget& window, const BoardControls& controls,
                     const std::filesystem::path& pictureFolder)
    : window_(window), controls_(controls), pictures_(pictureFolder) {}

PictureControl* BoardView::slot(Player player, int slot) const {
    return controls_.cardSlots[indexOf(player)].at(slotIndex(slot));
}

void BoardView::showCardInSlot(Player player, int index, Card card) {
    PictureControl* control = slot(player, index);
    control->setPicture(pictures_.load(card));
    control->setAccessibleName(slotName(player, index, &card));
}

void BoardView::clearSlot(Player player, int index) {
    PictureControl* control = slot(player, index);
    control->clearPicture();
    control->setAccessibleName(slotName(player, index, nullptr));
}

void BoardView::showDiscard(Card card) {
    controls_.discard->setPicture(pictures_.load(card));
    discard_ = card;
    nameDiscard();
}

void BoardView::showColourInForce(CardCharacter colour) {
    colourInForce_ = colour;
    QLabel* swatch = controls_.colourInForce;
    QPalette palette = swatch->palette();
    palette.setColor(QPalette::Window, swatchColour(colour));
    palette.setColor(QPalette::WindowText, readableText(swatchColour(colour), {Qt::black}));
    swatch->setPalette(palette);
    // The letter is shown when there is one to show; any other byte is left to the tooltip.
    const char letter = colour.recordByte();
    swatch->setText(letter != ' ' && isPrintableAscii(letter) ? QString(QLatin1Char(letter))
                                                              : QString());
    fitText(*swatch);
    swatch->setToolTip(colourInForceName(colour));
    swatch->setAccessibleName(colourInForceName(colour));
    nameDiscard();
}

void BoardView::nameDiscard() {
    announceName(*controls_.discard, discardName(discard_, colourInForce_));
}

void BoardView::showTurn(std::optional<Player> toMove) {
    // Show the new marker before hiding the old one, so one name is always on the board.
    if (toMove)
        controls_.turnLabels[indexOf(*toMove)]->setVisible(true);
    for (Player player : {Player::One, Player::Two}) {
        if (player != toMove)
            controls_.turnLabels[indexOf(player)]->setVisible(false);
    }
    // Only the shown marker claims the move, so a screen reader never finds a stale one.
    for (Player player : {Player::One, Player::Two}) {
        announceName(*controls_.turnLabels[indexOf(player)],
                     player == toMove ? turnName(player) : playerName(player));
    }
}

void BoardView::showTotal(Player player, int total) {
    QLabel* label = controls_.totalLabels[indexOf(player)];
    label->setText(QString::number(total));
    fitText(*label);
    label->setAccessibleName(totalName(player, total));
}

std::optional<char> BoardView::chooseColour() {
    frmColour chooser(&window_);
    chooser.exec();
    return chooser.chosenColour();
}

void BoardView::showHandWon(Player winner) {
    showMessageBox(QMessageBox::Information, handWonTitle(), handWonText(winner));
}

void BoardView::showMatchWon(Player winner, int total) {
    showMessageBox(QMessageBox::Information, matchWonTitle(), matchWonText(winner, total));
}

void BoardView::showProblem(const CardFileProblem& problem) {
    showMessageBox(QMessageBox::Warning, programTitle(), problemText(problem));
}

} // namespace kov
