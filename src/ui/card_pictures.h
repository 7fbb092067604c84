#pragma once

#include "cards/card.h"

#include <QImage>
#include <QSet>
#include <QString>

namespace kov {

// Loads card pictures from the program's folder: the file named after the card's code, read
// anew at every showing so that a picture changed on disk shows at once. A picture that cannot
// be loaded is replaced by a face drawn from the card's code, and reported once on standard
// error, so that play goes on.
class CardPictures {
public:
    explicit CardPictures(QString folder) : folder_(std::move(folder)) {}

    [[nodiscard]] QImage load(Card card);
    [[nodiscard]] QString pathOf(Card card) const;

private:
    QString folder_;
    QSet<QString> reported_;
};

// A plain face naming the card's colour and value, clearly not one of the supplied pictures.
[[nodiscard]] QImage drawnCardFace(Card card);

} // namespace kov
