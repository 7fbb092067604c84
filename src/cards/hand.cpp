#include "cards/hand.h"

#include <algorithm>

namespace kov {

void Hand::remove(int slot) {
    auto gap = cards_.begin() + slot;
    std::move(gap + 1, cards_.end(), gap);
    cards_.back() = Card{};
}

} // namespace kov
