#pragma once

#include "ui/card_pictures.h"
#include "ui/platform.h"

namespace kov {

class frmKOV;

// The game's screen on the main window's controls, with Qt's dialogs and message boxes.
class QtPlatform : public Platform {
public:
    QtPlatform(frmKOV& window, const QString& pictureFolder);

    void showCardInSlot(Player player, int slot, Card card) override;
    void clearSlot(Player player, int slot) override;
    [[nodiscard]] bool slotShowsPicture(Player player, int slot) const override;
    void showDiscard(Card card) override;
    void showColourInForce(CardCharacter colour) override;
    void showTurn(Player toMove) override;
    void showTotal(Player player, int total) override;
    [[nodiscard]] std::optional<char> chooseColour() override;
    void showMessage(const std::string& title, const std::string& text) override;
    void showProblem(const std::string& title, const std::string& text) override;

private:
    void nameDiscard();

    frmKOV& window_;
    CardPictures pictures_;
    Card discard_;
    CardCharacter colourInForce_;
};

} // namespace kov
