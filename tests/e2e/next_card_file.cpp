// Prints the card file the program writes when it deals from the given one, so the scripts can
// check each rewrite against the real shuffle instead of a copy of it. With --dealing, prints
// instead the card file whose deal gives the given deck, so a script can lay out a table.
#include "cards/card_file.h"
#include "cards/shuffle.h"

#include <cstdio>
#include <string_view>

namespace {

// Where each card of a file of 108 different codes lands is where any file's card lands.
kov::CardElements fileDealing(const kov::CardElements& deck) {
    kov::CardElements numbered;
    for (int n = 0; n < kov::CardFile::cardsInDeck; ++n) {
        numbered(2 * n + 1) = kov::CardCharacter(static_cast<char>('a' + n / 26));
        numbered(2 * n + 2) = kov::CardCharacter(static_cast<char>('a' + n % 26));
    }
    const kov::CardElements landed = kov::shuffledDeck(numbered);
    kov::CardElements file;
    for (int element = 1; element < 2 * kov::CardFile::cardsInDeck; element += 2) {
        const char value = landed(element).recordByte();
        const char colour = landed(element + 1).recordByte();
        const int from = 2 * ((value - 'a') * 26 + (colour - 'a')) + 1;
        file(from) = deck(element);
        file(from + 1) = deck(element + 1);
    }
    return file;
}

} // namespace

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
    const kov::CardElements next =
        dealing ? fileDealing(*contents.cards) : kov::shuffledDeck(*contents.cards);
    const std::string bytes = kov::cardFileBytes(next);
    return std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size() ? 0 : 1;
}
