#pragma once

#include "cards/card.h"
#include "pictures/decoded_pictures.h"
#include "pictures/jpeg_picture.h"
#include "pictures/picture_source.h"

#include <QImage>
#include <QSet>
#include <QSize>
#include <QString>

#include <filesystem>

namespace kov {

// Card pictures from the program's folder: the file named after the card's code, read anew at
// every showing so that a picture changed on disk shows at once, and decoded at the size it is
// shown (or at its own size, if smaller), unless the same bytes were decoded for that size
// before. A picture that cannot be shown
// is replaced by a face drawn from the card's code, and reported once, so that play goes on.
class CardPictures {
public:
    explicit CardPictures(std::filesystem::path folder) : folder_(std::move(folder)) {}

    // The card's picture for a control to show: read whenever the control asks, at its size.
    // The control must not ask after this object has gone.
    [[nodiscard]] PictureSource load(Card card);
    // The card's picture read now, for a slot of size (device pixels): at that size, or at the
    // picture's own where it is smaller; a drawn face at size, up to largestDrawnCard.
    [[nodiscard]] QImage read(Card card, QSize size);
    [[nodiscard]] std::filesystem::path pathOf(Card card) const;

    // How many pictures have been decoded, and the memory that decoded ones are kept in.
    [[nodiscard]] int decodes() const { return decodes_; }
    [[nodiscard]] std::size_t keptBytes() const { return decoded_.heldBytes(); }

private:
    [[nodiscard]] JpegPicture readPicture(Card card, QSize size);

    std::filesystem::path folder_;
    QSet<QString> reported_;
    DecodedPictures decoded_;
    int decodes_ = 0;
};

// The card back of the draw pile, from the program's own resources (or from file, for a test),
// drawn when it cannot be shown and then reported once.
[[nodiscard]] PictureSource cardBackPicture(const QString& file = QStringLiteral(":/cardback.jpg"));

} // namespace kov
