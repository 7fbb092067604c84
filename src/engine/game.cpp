#include "engine/game.h"

#include "cards/deal.h"
#include "engine/draw.h"
#include "engine/hand_end.h"
#include "engine/play.h"
#include "ui/platform.h"

namespace kov {

Game::Game(Platform& platform, CardFile cardFile)
    : platform_(platform), cardFile_(std::move(cardFile)) {}

std::optional<std::string> Game::ShuffleDeal() {
    return kov::ShuffleDeal(state_, platform_, cardFile_);
}

void Game::CmdNewGame_Click() {
    dealOrReport();
}

void Game::PickupCard_Click() {
    drawForPlayerToMove(state_, platform_);
}

void Game::PickUpOneCardPlayerOne() {
    drawOneCard(state_, platform_, Player::One);
}

void Game::PickUpOneCardPlayerTwo() {
    drawOneCard(state_, platform_, Player::Two);
}

void Game::playCardOf(Player player, int slot) {
    if (playCard(state_, platform_, player, slot) == PlayOutcome::HandEmptied) {
        scoreHand(state_, platform_, player);
        dealOrReport();
    }
}

void Game::dealOrReport() {
    // The table stays as it was when the card file cannot be used; the players can mend the
    // file and press New Game.
    if (auto problem = ShuffleDeal())
        platform_.showProblem("KOV", *problem);
}

} // namespace kov
