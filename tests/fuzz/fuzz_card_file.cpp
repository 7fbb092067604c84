// Arbitrary bytes as card.txt: the deal either deals from them or refuses them cleanly, and the
// bytes after the first 216 (which the reader ignores) drive a few clicks on the dealt table.
#include "cards/card_file.h"
#include "engine/deal.h"
#include "engine/draw.h"
#include "engine/game_state.h"
#include "engine/hand_display.h"
#include "engine/hand_end.h"
#include "engine/play.h"
#include "support/recording_view.h"
#include "support/scratch_folder.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <unistd.h>

using namespace kov;

namespace {

// Stops at once, naming the rule, so that the fuzzer records the input as a crash.
#define KOV_FUZZ_CHECK(condition)                                                                  \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "fuzz check failed at line %d: %s\n", __LINE__, #condition);      \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

constexpr std::size_t clicksAtMost = 64;

std::string readAll(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

void writeAll(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    KOV_FUZZ_CHECK(file.good());
}

std::string sorted(std::string bytes) {
    std::sort(bytes.begin(), bytes.end());
    return bytes;
}

void checkTable(const GameState& state, const test::RecordingView& view) {
    KOV_FUZZ_CHECK(state.DeckPosition % 2 == 1);
    KOV_FUZZ_CHECK(state.DeckPosition >= 3 && state.DeckPosition <= 215);
    KOV_FUZZ_CHECK(view.turn == state.toMove);
    for (Player player : {Player::One, Player::Two}) {
        const Hand& hand = state.hand(player);
        int held = 0;
        for (int slot = 0; slot < Hand::slotCount; ++slot) {
            if (!hand.at(slot).value.isEmpty()) {
                KOV_FUZZ_CHECK(held == slot); // cards stand in slots 0 to k-1
                ++held;
            }
            // A shown picture is the card the hand holds there.
            const auto picture = view.slot(player, slot);
            KOV_FUZZ_CHECK(!picture || *picture == hand.at(slot));
            KOV_FUZZ_CHECK(picture || hand.at(slot).value.isBlank());
        }
        KOV_FUZZ_CHECK(state.total(player) >= 0 && state.total(player) <= matchTarget);
    }
}

// A click chosen by one byte: a slot of either player, or the draw pile; the high bits answer
// the colour chooser, 0 meaning closed without OK.
void click(GameState& state, test::RecordingView& view, unsigned char byte, bool& handOver) {
    static constexpr char answers[] = {'B', 'G', 'R', 'Y'};
    const unsigned answer = (byte >> 4U) % 5U;
    view.colourAnswers.clear();
    if (answer > 0)
        view.colourAnswers.push_back(answers[answer - 1]);
    else
        view.colourAnswers.push_back(std::nullopt);

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
    writeAll(path, input);

    GameState state;
    test::RecordingView view;
    const auto problem = ShuffleDeal(state, view, CardFile(path));
    const std::string after = readAll(path);

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
    KOV_FUZZ_CHECK(after.size() == static_cast<std::size_t>(CardFile::bytesWritten));
    KOV_FUZZ_CHECK(after.substr(deck) == "  ");
    KOV_FUZZ_CHECK(sorted(after.substr(0, deck)) == sorted(input.substr(0, deck)));
    KOV_FUZZ_CHECK(state.DeckPosition == 31);
    checkTable(state, view);

    bool handOver = false;
    for (std::size_t at = deck; at < size && at < deck + clicksAtMost && !handOver; ++at) {
        click(state, view, data[at], handOver);
        checkTable(state, view);
    }
    return 0;
}
