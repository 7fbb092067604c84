#pragma once

class QWidget;

namespace kov {

// How many pixels the text of a label or button needs beyond the room its control gives it, in
// the control's own font: 0 or less when it fits. A word-wrapped label is measured by the
// height its lines take, and by its longest word.
[[nodiscard]] int textOverflow(const QWidget& control);

// The windows keep their places in twips whatever the desktop's font. Where that font is larger
// than the layout was made for, a text that no longer fits its control is drawn half a point
// smaller at a time until it does, rather than cut; every other text keeps the window's font.
// A font the window gave a control on purpose is left as it is. Done again after a font change.
void fitTexts(QWidget& window);

} // namespace kov
