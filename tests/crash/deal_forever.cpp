// Deals from <folder>/card.txt again and again, for the crash test to kill at random moments.
// Writes one byte to standard output once it is about to deal, then deals [deals] times, or
// until killed when no count is given.
#include "cards/card_file.h"
#include "cards/deal.h"
#include "cards/game_state.h"
#include "ui/platform.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include <unistd.h>

namespace {

// The deal shows nothing anyone could see here.
class NoScreen : public kov::Platform {
public:
    void showCardInSlot(kov::Player, int, kov::Card) override {}
    void clearSlot(kov::Player, int) override {}
    [[nodiscard]] bool slotShowsPicture(kov::Player, int) const override { return false; }
    void showDiscard(kov::Card) override {}
    void showColourInForce(kov::CardCharacter) override {}
    void showTurn(kov::Player) override {}
    void showTotal(kov::Player, int) override {}
    [[nodiscard]] std::optional<char> chooseColour() override { return std::nullopt; }
    void showMessage(const std::string&, const std::string&) override {}
    void showProblem(const std::string&, const std::string&) override {}
};

} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s <folder> [deals]\n", argv[0]);
        return 2;
    }
    const kov::CardFile cardFile(std::filesystem::path(argv[1]) / "card.txt");
    const long deals = argc == 3 ? std::atol(argv[2]) : -1;
    kov::GameState state;
    NoScreen screen;

    if (::write(STDOUT_FILENO, "R", 1) != 1)
        return 1;
    for (long done = 0; deals < 0 || done < deals; ++done) {
        if (auto problem = kov::ShuffleDeal(state, screen, cardFile)) {
            std::fprintf(stderr, "%s\n", problem->c_str());
            return 1;
        }
    }
    return 0;
}
