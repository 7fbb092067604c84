#include "support/table.h"

#include <stdexcept>

namespace kov::test {

int cardsHeld(const Hand& hand) {
    int held = 0;
    for (int slot = 0; slot < Hand::slotCount; ++slot)
        held += hand.at(slot).value.isEmpty() ? 0 : 1;
    return held;
}

std::string cardFileDealing(const std::vector<std::string>& one,
                            const std::vector<std::string>& two, const std::string& discard,
                            const std::string& nextDraw) {
    // Where the numbered file's cards land is where any file's cards land.
    const Table numbered;
    const GameState& dealt = numbered.state();
    std::string file = uniformCardFile("9R");
    auto put = [&](Card landed, const std::string& code) {
        file.replace(static_cast<std::size_t>(fileNumberOf(landed) - 1) * 2, 2, code);
    };
    for (std::size_t slot = 0; slot < one.size(); ++slot)
        put(dealt.PlayerOneHand.at(static_cast<int>(slot)), one[slot]);
    for (std::size_t slot = 0; slot < two.size(); ++slot)
        put(dealt.PlayerTwoHand.at(static_cast<int>(slot)), two[slot]);
    put(Card{dealt.inForce.CurrentValue, dealt.inForce.CurrentColour}, discard);
    put(dealt.Deck.cardAt(dealt.DeckPosition), nextDraw);
    return file;
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
            state.hand(player).put(slot, shown ? cardFromCode(codes[index]) : Card{});
            state.shown(player)[index] = shown;
            if (shown)
                view.showCardInSlot(player, slot, state.hand(player).at(slot));
            else
                view.clearSlot(player, slot);
        }
    });
}

void Table::setInForce(const std::string& code) {
    const Card top = cardFromCode(code);
    adjust([&](GameState& state) { state.inForce = CardInForce{top.value, top.colour}; });
}

void Table::setToMove(Player player) {
    adjust([&](GameState& state) { state.toMove = player; });
    view.showTurn(player);
}

} // namespace kov::test
