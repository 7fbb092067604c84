#pragma once

class QWidget;

namespace kov {

// How many pixels of the text of a label or button its control cuts off, in the control's own
// font: 0 or less when none. A text is cut when it is wider than the room its control gives it,
// or when its glyphs' ink reaches outside that room; a line taller than the room whose every
// glyph lies inside is not cut. A word-wrapped label is measured by the lines it takes, and by
// its longest word.
[[nodiscard]] int textOverflow(const QWidget& control);

// The windows keep their places in twips whatever the desktop's font. Where a text in that font
// would be cut by its control, it is drawn at the largest smaller size that fits, or else at the
// smallest size a text is drawn at; a one-line label whose ink fits its height but not where the
// centred line puts it is drawn from its top or bottom edge instead. Every other text keeps the
// window's font and place. A font the window gave a control on purpose is left as it is. Done
// again after a font change, and for a control whose text changes. Returns how many sizes it
// measured: a handful, whatever the font's size.
int fitText(QWidget& control);
int fitTexts(QWidget& window);

} // namespace kov
