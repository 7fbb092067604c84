// Prints the card file the program writes when it deals from the given one, so the scripts can
// check each rewrite against the real shuffle instead of a copy of it.
#include "cards/card_file.h"
#include "cards/shuffle.h"

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: kov_next_card_file CARD_FILE > NEXT_CARD_FILE\n");
        return 2;
    }
    const auto contents = kov::CardFile(argv[1]).read();
    if (!contents.cards) {
        std::fprintf(stderr, "kov_next_card_file: cannot deal from %s\n", argv[1]);
        return 1;
    }
    const std::string bytes = kov::cardFileBytes(kov::shuffledDeck(*contents.cards));
    return std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size() ? 0 : 1;
}
