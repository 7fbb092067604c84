#include "support/table.h"

#include <stdexcept>

namespace kov::test {

Card card(const std::string& code) {
    if (code.size() != 2)
        throw std::invalid_argument("a card code has two characters");
    return Card{CardCharacter(code[0]), CardCharacter(code[1])};
}

Table::Table(const std::string& cardFileBytes) {
    folder.writeCardFile(cardFileBytes);
    game.emplace(view, CardFile(folder.cardFilePath()));
    if (game->ShuffleDeal())
        throw std::runtime_error("the table's card file cannot be dealt from");
}

void Table::adjust(const std::function<void(GameState&)>& change) {
    GameState position = game->state();
    change(position);
    game.emplace(view, CardFile(folder.cardFilePath()), position);
}

void Table::setHand(Player player, const std::vector<std::string>& codes) {
    adjust([&](GameState& state) {
        for (int slot = 0; slot < Hand::slotCount; ++slot) {
            const auto index = static_cast<std::size_t>(slot);
            const bool shown = index < codes.size() && !codes[index].empty();
            state.hand(player).put(slot, shown ? card(codes[index]) : Card{});
            state.shown(player)[index] = shown;
            if (shown)
                view.showCardInSlot(player, slot, state.hand(player).at(slot));
            else
                view.clearSlot(player, slot);
        }
    });
}

void Table::setInForce(const std::string& code) {
    const Card top = card(code);
    adjust([&](GameState& state) { state.inForce = CardInForce{top.value, top.colour}; });
}

void Table::setToMove(Player player) {
    adjust([&](GameState& state) { state.toMove = player; });
    view.showTurn(player);
}

int Table::handSize(Player player) const {
    int size = 0;
    for (int slot = 0; slot < Hand::slotCount; ++slot)
        size += state().hand(player).at(slot).value.isEmpty() ? 0 : 1;
    return size;
}

} // namespace kov::test
