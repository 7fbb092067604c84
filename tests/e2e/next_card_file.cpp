// Prints the card file the program writes when it deals from the given one, so the scripts can
// check each rewrite against the real shuffle instead of a copy of it. With --dealing, prints
// instead the card file whose deal gives the given deck, so a script can lay out a table.
#include "cards/card_file.h"
#include "cards/shuffle.h"
#include "support/card_files.h"

#include <cstdio>
#include <string_view>

int main(int argc, char* argv[]) {
    const bool dealing = argc == 3 && std::string_view(argv[1]) == "--dealing";
    if (argc != 2 && !dealing) {
        std::fprintf(stderr, "usage: kov_next_card_file [--dealing] CARD_FILE > NEXT_CARD_FILE\n");
        return 2;
    }
    const char* path = argv[argc - 1];
    const auto contents = kov::CardFile(path).read();
    if (!contents.cards) {
        std::fprintf(stderr, "kov_next_card_file: cannot deal from %s\n", path);
        return 1;
    }
    const std::string bytes = dealing ? kov::test::cardFileDealing(*contents.cards) + "  "
                                      : kov::cardFileBytes(kov::shuffledDeck(*contents.cards));
    return std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size() ? 0 : 1;
}
