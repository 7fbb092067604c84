#pragma once

#include <QString>

class QKeySequence;
class QWidget;

namespace kov {

class PictureControl;

// Offers screen readers a press action on the control that does what a click does; key is the
// key that does the same, which they may read out with it.
void offerPress(PictureControl& control, const QKeySequence& key);

// Renames the widget for screen readers and tells them so, even when the name stays the same:
// the same card played twice in a row is still news.
void announceName(QWidget& widget, const QString& name);

} // namespace kov
