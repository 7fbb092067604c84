#include "cards/hand_display.h"

#include "ui/platform.h"

namespace kov {

void showHand(Platform& platform, Player player, const Hand& hand) {
    for (int slot = 0; slot < Hand::slotCount; ++slot)
        platform.clearSlot(player, slot);
    for (int slot = 0; slot < Hand::slotCount; ++slot) {
        if (!hand.at(slot).value.isBlank())
            platform.showCardInSlot(player, slot, hand.at(slot));
    }
}

std::optional<int> firstFreeSlot(const Platform& platform, Player player) {
    for (int slot = 0; slot < Hand::slotCount; ++slot) {
        if (!platform.slotShowsPicture(player, slot))
            return slot;
    }
    return std::nullopt;
}

} // namespace kov
