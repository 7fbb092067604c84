#include "ui/qt_platform.h"

#include "cards/card_names.h"
#include "ui/accessibility.h"
#include "ui/frmabout.h"
#include "ui/frmcolour.h"
#include "ui/frmkov.h"
#include "ui/picture_control.h"
#include "ui/program_icon.h"

#include <QLabel>
#include <QMessageBox>

namespace kov {

namespace {

QString playerName(Player player) {
    return player == Player::One ? QStringLiteral("Player One") : QStringLiteral("Player Two");
}

QColor swatchColour(CardCharacter colour) {
    if (colour.is('R'))
        return QColor(255, 0, 0);
    if (colour.is('G'))
        return QColor(0, 255, 0);
    if (colour.is('B'))
        return QColor(0, 255, 255); // the chooser's own blue swatch
    if (colour.is('Y'))
        return QColor(255, 255, 0);
    return QColor(192, 192, 192);
}

void showMessageBox(QMessageBox::Icon icon, const std::string& title, const std::string& text) {
    QMessageBox box(icon, QString::fromStdString(title), QString::fromStdString(text),
                    QMessageBox::Ok);
    box.setWindowIcon(programIcon());
    box.exec();
}

} // namespace

QtPlatform::QtPlatform(frmKOV& window, const QString& pictureFolder)
    : window_(window), pictures_(pictureFolder) {}

void QtPlatform::showCardInSlot(Player player, int slot, Card card) {
    PictureControl* control = window_.slot(player, slot);
    control->setPicture(pictures_.load(card));
    control->setAccessibleName(QStringLiteral("%1, card %2: %3")
                                   .arg(playerName(player))
                                   .arg(slot + 1)
                                   .arg(QString::fromStdString(cardName(card))));
}

void QtPlatform::clearSlot(Player player, int slot) {
    PictureControl* control = window_.slot(player, slot);
    control->clearPicture();
    control->setAccessibleName(
        QStringLiteral("%1, card %2: empty").arg(playerName(player)).arg(slot + 1));
}

bool QtPlatform::slotShowsPicture(Player player, int slot) const {
    return window_.slot(player, slot)->showsPicture();
}

void QtPlatform::showDiscard(Card card) {
    window_.DiscardCard()->setPicture(pictures_.load(card));
    discard_ = card;
    nameDiscard();
}

void QtPlatform::showColourInForce(CardCharacter colour) {
    colourInForce_ = colour;
    QLabel* swatch = window_.colourInForce();
    const QString name = QString::fromStdString(colourName(colour));
    QPalette palette = swatch->palette();
    palette.setColor(QPalette::Window, swatchColour(colour));
    palette.setColor(QPalette::WindowText, Qt::black);
    swatch->setPalette(palette);
    // The letter is shown when there is one to show; any other byte is left to the tooltip.
    const char letter = colour.recordByte();
    swatch->setText(letter > ' ' && letter < 0x7F ? QString(QLatin1Char(letter)) : QString());
    swatch->setToolTip(QStringLiteral("Colour in force: %1").arg(name));
    swatch->setAccessibleName(QStringLiteral("Colour in force: %1").arg(name));
    nameDiscard();
}

void QtPlatform::nameDiscard() {
    announceName(*window_.DiscardCard(),
                 QStringLiteral("Discard: %1, colour in force %2")
                     .arg(QString::fromStdString(cardName(discard_)),
                          QString::fromStdString(colourName(colourInForce_))));
}

void QtPlatform::showTurn(Player toMove) {
    // Show the new marker before hiding the old one, so one name is always on the board.
    window_.turnLabel(toMove)->setVisible(true);
    window_.turnLabel(opponentOf(toMove))->setVisible(false);
    window_.nameTurnLabels();
}

void QtPlatform::showTotal(Player player, int total) {
    QLabel* label = window_.totalLabel(player);
    label->setText(QString::number(total));
    label->setAccessibleName(QStringLiteral("%1 Total: %2").arg(playerName(player)).arg(total));
}

std::optional<char> QtPlatform::chooseColour() {
    frmColour chooser(&window_);
    chooser.exec();
    return chooser.chosenColour();
}

void QtPlatform::showMessage(const std::string& title, const std::string& text) {
    showMessageBox(QMessageBox::Information, title, text);
}

void QtPlatform::showProblem(const std::string& title, const std::string& text) {
    showMessageBox(QMessageBox::Warning, title, text);
}

} // namespace kov
