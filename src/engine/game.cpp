#include "engine/game.h"

#include "engine/deal.h"
#include "engine/draw.h"
#include "engine/hand_end.h"
#include "engine/play.h"
#include "engine/table_view.h"

namespace kov {

Game::Game(TableView& view, CardFile cardFile, GameState start)
    : view_(view), cardFile_(std::move(cardFile)), state_(std::move(start)) {}

std::optional<CardFileProblem> Game::ShuffleDeal() {
    return kov::ShuffleDeal(state_, view_, cardFile_);
}

void Game::CmdNewGame_Click() {
    dealOrReport();
}

void Game::PickupCard_Click() {
    drawForPlayerToMove(state_, view_);
}

void Game::playCardOf(Player player, int slot) {
    if (playCard(state_, view_, player, slot) == PlayOutcome::HandEmptied) {
        scoreHand(state_, view_, player);
        dealOrReport();
    }
}

void Game::dealOrReport() {
    // A refused deal changes nothing: a hand in progress goes on, and the players can mend the
    // file and press New Game. A hand already won stays over, so no one is shown to move.
    if (auto problem = ShuffleDeal()) {
        if (state_.phase == Phase::NoHand)
            view_.showTurn(std::nullopt);
        view_.showProblem(*problem);
    }
}

} // namespace kov
