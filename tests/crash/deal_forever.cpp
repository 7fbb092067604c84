// Deals from <folder>/card.txt [deals] times, or until the crash test kills it; writes one byte to
// standard output just before the first deal.
#include "cards/card_file.h"
#include "engine/deal.h"
#include "engine/game_state.h"
#include "files/durable_write.h"
#include "support/recording_view.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include <unistd.h>

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s <folder> [deals]\n", argv[0]);
        return 2;
    }
    const auto path = std::filesystem::path(argv[1]) / "card.txt";
    const kov::CardFile cardFile(path);
    const long deals = argc == 3 ? std::atol(argv[2]) : -1;
    kov::GameState state;
    kov::test::RecordingView view;

    // As the program does at start-up.
    kov::removeAbandonedTemporaryFiles(path);
    if (::write(STDOUT_FILENO, "R", 1) != 1)
        return 1;
    for (long done = 0; deals < 0 || done < deals; ++done) {
        if (kov::ShuffleDeal(state, view, cardFile)) {
            std::fprintf(stderr, "deal_forever: cannot deal from %s/card.txt\n", argv[1]);
            return 1;
        }
    }
    return 0;
}
