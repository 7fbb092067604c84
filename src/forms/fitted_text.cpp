#include "forms/fitted_text.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>

#include <algorithm>
#include <array>
#include <cmath>

namespace kov {

namespace {

// Marks a control whose smaller font came from fitting, not from the window's design.
constexpr char fittedProperty[] = "kovFittedFont";
// Marks a centred label whose line was moved to its top or bottom edge by fitting.
constexpr char movedProperty[] = "kovFittedPlace";

QRect buttonRoom(const QAbstractButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    const bool radio = qobject_cast<const QRadioButton*>(&button) != nullptr;
    return button.style()->subElementRect(
        radio ? QStyle::SE_RadioButtonContents : QStyle::SE_PushButtonContents, &option, &button);
}

// How a text in one font and one place meets its room.
struct Measure {
    int overflow = 0;     // pixels cut off; 0 or less when none
    double scale = 1;     // room / need, below 1 when too large
    Qt::Alignment moveTo; // the edge a centred line goes to, to cut less or nothing; none to stay
};

// Pixels of a line's ink outside the room's height when the line is placed as Qt places it:
// the line box aligned in the room, the baseline on a whole pixel.
int inkOutside(const QFontMetrics& metrics, const QRect& ink, const QRect& room,
               Qt::Alignment vertical) {
    const double line = metrics.ascent() + metrics.descent();
    double top = 0;
    if (vertical & Qt::AlignBottom)
        top = room.height() - line;
    else if (vertical & Qt::AlignVCenter)
        top = (room.height() - line) / 2;
    const int baseline = static_cast<int>(std::lround(top + metrics.ascent()));
    return std::max(-(baseline + ink.top()), baseline + ink.top() + ink.height() - room.height());
}

// One line of text centred or aligned in room. With moves, the top and bottom edges are tried
// too when the centred line would cut its ink.
Measure measureLine(const QFontMetrics& metrics, const QString& text, const QRect& room,
                    Qt::Alignment vertical, bool moves) {
    const int advance = metrics.horizontalAdvance(text);
    const QRect ink = metrics.tightBoundingRect(text);
    Measure measure;
    const std::array<Qt::Alignment, 3> places{vertical, Qt::AlignBottom, Qt::AlignTop};
    measure.overflow = inkOutside(metrics, ink, room, vertical);
    for (std::size_t i = 1; moves && measure.overflow > 0 && i < places.size(); ++i) {
        const int outside = inkOutside(metrics, ink, room, places.at(i));
        if (outside < measure.overflow) {
            measure.overflow = outside;
            measure.moveTo = places.at(i);
        }
    }
    // How much larger the text could be, or how much smaller it must be: a line that sticks out
    // of a room tall enough for it needs its ink smaller by what sticks out.
    const double inkHeight = std::max(1.0, double(ink.height()));
    measure.scale =
        std::min(room.width() / std::max(1.0, double(advance)), room.height() / inkHeight);
    if (measure.overflow > 0)
        measure.scale = std::min(measure.scale, 1 - measure.overflow / inkHeight);
    measure.overflow = std::max(measure.overflow, advance - room.width());
    return measure;
}

// The control's text drawn in font, where it is placed now; with moves, also where fitting may
// move a centred label's line.
Measure measureText(const QWidget& control, const QFont& font, bool moves) {
    const QFontMetrics metrics(font, &control);
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        const int margin = label->margin();
        const QRect room = label->contentsRect().adjusted(margin, margin, -margin, -margin);
        const QString text = label->text();
        if (text.isEmpty())
            return {};
        const Qt::Alignment vertical = label->alignment() & Qt::AlignVertical_Mask;
        if (!label->wordWrap())
            return measureLine(metrics, text, room, vertical,
                               moves && vertical == Qt::AlignVCenter);
        // Lines from the top: the last line's ink ends where its glyphs do, within its descent.
        const QRect lines = metrics.boundingRect(room, Qt::TextWordWrap, text);
        const QRect ink = metrics.tightBoundingRect(text);
        const int below = std::min(metrics.descent(), ink.top() + ink.height());
        Measure measure;
        const int height = lines.height() - metrics.descent() + below;
        measure.overflow = std::max(lines.width() - room.width(), height - room.height());
        measure.scale = std::min(room.width() / std::max(1.0, double(lines.width())),
                                 std::sqrt(room.height() / std::max(1.0, double(height))));
        return measure;
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control)) {
        // The access key's mark takes no room.
        const QString text = button->text().remove(QLatin1Char('&'));
        if (text.isEmpty())
            return {};
        return measureLine(metrics, text, buttonRoom(*button), Qt::AlignVCenter, false);
    }
    return {};
}

// Sizes a text may be drawn at below its design size: design - step x n, down to the smallest.
struct Sizes {
    QFont design;
    bool inPoints = true;
    double size = 0;
    double step = 0.5;
    int last = 0; // the most steps down

    explicit Sizes(const QFont& font) : design(font), inPoints(font.pointSizeF() > 0) {
        size = inPoints ? font.pointSizeF() : font.pixelSize();
        step = inPoints ? 0.5 : 1;
        const double smallest = inPoints ? 6 : 8;
        last = std::max(0, static_cast<int>(std::floor((size - smallest) / step)));
    }
    [[nodiscard]] double sizeAt(int steps) const { return size - step * steps; }
    [[nodiscard]] QFont at(int steps) const {
        QFont font = design;
        if (inPoints)
            font.setPointSizeF(sizeAt(steps));
        else
            font.setPixelSize(static_cast<int>(sizeAt(steps)));
        return font;
    }
    // About how many steps further down (or, when negative, up) a text would fit that is
    // 1 / scale times as large as its room at a size: at least one either way.
    [[nodiscard]] int stepsFor(int steps, double scale) const {
        const int change = static_cast<int>(std::ceil(sizeAt(steps) * (1 - scale) / step));
        return scale < 1 ? std::max(1, change) : std::min(-1, change);
    }
};

// A framed label keeps an indent from the edge its line is aligned to: a line moved there
// needs all the room, and gets its indent back when it is centred again.
void moveLine(QWidget& control, Qt::Alignment vertical) {
    if (auto* label = qobject_cast<QLabel*>(&control)) {
        const bool moved = vertical != Qt::AlignVCenter;
        label->setAlignment((label->alignment() & ~Qt::AlignVertical_Mask) | vertical);
        label->setIndent(moved ? 0 : -1);
        label->setProperty(movedProperty, moved);
    }
}

} // namespace

int textOverflow(const QWidget& control) {
    return measureText(control, control.font(), false).overflow;
}

int fitText(QWidget& control) {
    if (control.property(fittedProperty).toBool()) {
        control.setFont(QFont()); // the window's font again, which may fit now
        control.setProperty(fittedProperty, false);
    } else if (control.testAttribute(Qt::WA_SetFont)) {
        return 0;
    }
    if (control.property(movedProperty).toBool())
        moveLine(control, Qt::AlignVCenter);
    if (control.property("text").toString().isEmpty())
        return 0;

    const Sizes sizes(control.font());
    Measure found = measureText(control, sizes.design, true);
    int measured = 1;
    if (found.overflow > 0 && sizes.last > 0) {
        // Steps down known to cut the text, and known to fit it (last + 1 while none is). Each
        // size measured tells how much too large or small the text is, which guesses the next
        // one, usually the answer or its neighbour; halving takes over where guessing has not
        // closed the gap.
        int cuts = 0;
        int fits = sizes.last + 1;
        int probe = sizes.stepsFor(0, found.scale);
        for (int guesses = 1; fits - cuts > 1; ++guesses) {
            probe = std::clamp(probe, cuts + 1, fits - 1);
            const Measure measure = measureText(control, sizes.at(probe), true);
            ++measured;
            if (measure.overflow <= 0) {
                fits = probe;
                found = measure;
            } else {
                cuts = probe;
                if (probe == sizes.last) // the smallest size, where a cut text stays
                    found = measure;
            }
            probe = guesses < 4 ? probe + sizes.stepsFor(probe, measure.scale)
                                : cuts + (fits - cuts) / 2;
        }
        control.setFont(sizes.at(std::min(fits, sizes.last)));
        control.setProperty(fittedProperty, true);
    }
    if (found.moveTo != Qt::Alignment())
        moveLine(control, found.moveTo);
    return measured;
}

int fitTexts(QWidget& window) {
    int measured = 0;
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (qobject_cast<QLabel*>(control) || qobject_cast<QAbstractButton*>(control))
            measured += fitText(*control);
    }
    return measured;
}

} // namespace kov
