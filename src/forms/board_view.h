#pragma once

#include "cards/hand.h"
#include "engine/table_view.h"
#include "pictures/card_pictures.h"

#include <array>
#include <filesystem>

class QLabel;
class QWidget;

namespace kov {

class PictureControl;

// The main window's controls that show the game.
struct BoardControls {
    std::array<std::array<PictureControl*, Hand::slotCount>, 2>
        cardSlots{}; // Player One's row first
    PictureControl* discard = nullptr;
    QLabel* colourInForce = nullptr;
    std::array<QLabel*, 2> turnLabels{};
    std::array<QLabel*, 2> totalLabels{};
};

// The table on the main window's controls, with Qt's dialogs and message boxes.
class BoardView : public TableView {
public:
    // The controls are made by the window after this view and must outlive it.
    BoardView(QWidget& window, const BoardControls& controls,
              const std::filesystem::path& pictureFolder);

    void showCardInSlot(Player player, int slot, Card card) override;
    void clearSlot(Player player, int slot) override;
    void showDiscard(Card card) override;
    void showColourInForce(CardCharacter colour) override;
    void showTurn(std::optional<Player> toMove) override;
    void showTotal(Player player, int total) override;
    [[nodiscard]] std::optional<char> chooseColour() override;
    void showHandWon(Player winner) override;
    void showMatchWon(Player winner, int total) override;
    void showProblem(const CardFileProblem& problem) override;

private:
    [[nodiscard]] PictureControl* slot(Player player, int slot) const;
    void nameDiscard();

    QWidget& window_;
    const BoardControls& controls_;
    CardPictures pictures_;
    Card discard_;
    CardCharacter colourInForce_;
};

} // namespace kov
