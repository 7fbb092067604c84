// Arbitrary bytes as card.txt: the deal either deals from them or refuses them cleanly, and the
// bytes after the first 216 (which the reader ignores) drive a few clicks on the dealt table.
#include "cards/card_file.h"
#include "engine/deal.h"
#include "engine/draw.h"
#include "engine/game_state.h"
#include "engine/hand_end.h"
#include "engine/play.h"
#include "fuzz_check.h"
#include "support/file_bytes.h"
#include "support/recording_view.h"
#include "support/scratch_folder.h"
#include "support/table_rules.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

using namespace kov;

namespace {

constexpr std::size_t clicksAtMost = 64;

// Stops as KOV_FUZZ_CHECK does, for a rule the shared table checks find broken.
void stopIfBroken(const std::optional<std::string>& broken) {
    if (broken) {
        std::fprintf(stderr, "fuzz check failed: %s\n", broken->c_str());
        std::abort();
    }
}

// A click chosen by one byte: a slot of either player, or the draw pile; the high bits answer
// the colour chooser, 0 meaning closed without OK.
void click(GameState& state, test::RecordingView& view, unsigned char byte, bool& handOver) {
    const unsigned answer = (byte >> 4U) % 5U;
    view.colourAnswers = {answer > 0 ? std::optional("BGRY"[answer - 1]) : std::nullopt};

    const int target = byte & 0x0F;
    if (target >= 14) {
        drawForPlayerToMove(state, view);
        return;
    }
    const Player player = target < 7 ? Player::One : Player::Two;
    if (playCard(state, view, player, target % 7) == PlayOutcome::HandEmptied) {
        scoreHand(state, view, player);
        handOver = true;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // One folder for the whole run: a fresh one per input would cost more than the deal itself.
    static const kov::test::ScratchFolder folder("kov-fuzz");
    KOV_FUZZ_CHECK(folder.isValid());
    const std::filesystem::path path = folder.path() / "card.txt";
    const std::string input(reinterpret_cast<const char*>(data), size);
    test::writeBytes(path, input);

    GameState state;
    test::RecordingView view;
    const auto problem = ShuffleDeal(state, view, CardFile(path));
    const std::string after = test::readBytes(path);

    if (problem) {
        // Refused: said why, and touched neither the file, the game nor the screen.
        KOV_FUZZ_CHECK(problem->path == path);
        KOV_FUZZ_CHECK(after == input);
        KOV_FUZZ_CHECK(state == GameState{});
        KOV_FUZZ_CHECK(view.showings == 0 && !view.turn);
        return 0;
    }

    const auto deck = static_cast<std::size_t>(CardFile::bytesRead);
    KOV_FUZZ_CHECK(size >= deck);
    stopIfBroken(test::brokenDealtFile(after, input));
    stopIfBroken(test::brokenDealRule(state, view));

    bool handOver = false;
    for (std::size_t at = deck; at < size && at < deck + clicksAtMost && !handOver; ++at) {
        click(state, view, data[at], handOver);
        stopIfBroken(test::brokenTableRule(state, view));
    }
    return 0;
}
