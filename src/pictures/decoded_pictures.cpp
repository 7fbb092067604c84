#include "pictures/decoded_pictures.h"

namespace kov {

namespace {

std::size_t costOf(const std::string& bytes, const QImage& picture) {
    return bytes.size() + static_cast<std::size_t>(picture.sizeInBytes());
}

} // namespace

QImage DecodedPictures::find(std::string_view bytes, QSize size) {
    if (size != size_) {
        byBytes_.clear();
        kept_.clear();
        held_ = 0;
        size_ = size;
        return {};
    }
    const auto found = byBytes_.find(bytes);
    if (found == byBytes_.end())
        return {};
    kept_.splice(kept_.begin(), kept_, found->second);
    return found->second->picture;
}

void DecodedPictures::keep(std::string bytes, const QImage& picture) {
    const std::size_t cost = costOf(bytes, picture);
    if (picture.size().boundedTo(size_) != picture.size() || cost > mostKeptBytes ||
        byBytes_.contains(bytes))
        return;
    kept_.push_front({std::move(bytes), picture});
    byBytes_.emplace(kept_.front().bytes, kept_.begin());
    held_ += cost;
    while (held_ > mostKeptBytes)
        dropOldest();
}

void DecodedPictures::dropOldest() {
    const Kept& oldest = kept_.back();
    held_ -= costOf(oldest.bytes, oldest.picture);
    byBytes_.erase(oldest.bytes);
    kept_.pop_back();
}

} // namespace kov
