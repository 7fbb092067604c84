#include "engine/game.h"

#include "engine/deal.h"
#include "engine/draw.h"
#include "engine/hand_end.h"
#include "engine/play.h"
#include "engine/table_view.h"

namespace kov {

namespace {

// Marks an action as running for as long as it lasts. One that starts while another runs is
// not let in.
class OneAction {
public:
    explicit OneAction(bool& acting) : acting_(acting), admitted_(!acting) { acting_ = true; }
    ~OneAction() {
        if (admitted_)
            acting_ = false;
    }
    OneAction(const OneAction&) = delete;
    OneAction& operator=(const OneAction&) = delete;

    [[nodiscard]] bool admitted() const { return admitted_; }

private:
    bool& acting_;
    bool admitted_;
};

} // namespace

Game::Game(TableView& view, CardFile cardFile, GameState start)
    : view_(view), cardFile_(std::move(cardFile)), state_(std::move(start)) {}

std::optional<CardFileProblem> Game::ShuffleDeal() {
    return kov::ShuffleDeal(state_, view_, cardFile_);
}

void Game::newGame() {
    const OneAction action(acting_);
    if (action.admitted())
        dealOrReport();
}

void Game::draw() {
    const OneAction action(acting_);
    if (action.admitted())
        drawForPlayerToMove(state_, view_);
}

void Game::play(Player player, int slot) {
    const OneAction action(acting_);
    if (!action.admitted())
        return;
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
