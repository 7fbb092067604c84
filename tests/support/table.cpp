#include "support/table.h"

#include <stdexcept>

namespace kov::test {

Card card(const std::string& code) {
    if (code.size() != 2)
        throw std::invalid_argument("a card code has two characters");
    return Card{CardCharacter(code[0]), CardCharacter(code[1])};
}

Table::Table(const std::string& cardFileBytes) : game(platform, CardFile(folder.cardFilePath())) {
    folder.writeCardFile(cardFileBytes);
    if (auto problem = game.ShuffleDeal())
        throw std::runtime_error(*problem);
}

void Table::setHand(Player player, const std::vector<std::string>& codes) {
    Hand& hand = game.state().hand(player);
    for (int slot = 0; slot < Hand::slotCount; ++slot) {
        const auto index = static_cast<std::size_t>(slot);
        if (index < codes.size() && !codes[index].empty()) {
            hand.put(slot, card(codes[index]));
            platform.showCardInSlot(player, slot, hand.at(slot));
        } else {
            hand.put(slot, Card{});
            platform.clearSlot(player, slot);
        }
    }
}

void Table::setInForce(const std::string& code) {
    const Card top = card(code);
    game.state().inForce = CardInForce{top.value, top.colour};
}

void Table::setToMove(Player player) {
    game.state().toMove = player;
    platform.showTurn(player);
}

int Table::handSize(Player player) const {
    int size = 0;
    for (int slot = 0; slot < Hand::slotCount; ++slot)
        size += game.state().hand(player).at(slot).value.isEmpty() ? 0 : 1;
    return size;
}

} // namespace kov::test
