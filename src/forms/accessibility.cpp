#include "forms/accessibility.h"

#include "forms/modal_windows.h"
#include "forms/picture_control.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeySequence>
#include <QMetaObject>

namespace kov {

namespace {

// Where a pressable control keeps the key that presses it.
constexpr const char* pressKeyProperty = "kovPressKey";

// A card slot or the draw pile as a screen reader sees it: a button whose press is a click.
class PressablePicture : public QAccessibleWidget {
public:
    explicit PressablePicture(PictureControl* control)
        : QAccessibleWidget(control, QAccessible::Button) {}

    QStringList actionNames() const override { return {pressAction()}; }

    // Does nothing while a modal window is open, as a click would.
    void doAction(const QString& actionName) override {
        auto* control = static_cast<PictureControl*>(widget());
        if (actionName != pressAction() || blockedByModalWindow(*control))
            return;
        // Later, from the event loop: a play may open the colour chooser or a message box, and
        // the screen reader's call must not wait for the player to close it. A press queued
        // behind one that opened such a window finds it open, and is dropped.
        QMetaObject::invokeMethod(
            control,
            [control] {
                if (!blockedByModalWindow(*control))
                    control->click();
            },
            Qt::QueuedConnection);
    }

    QStringList keyBindingsForAction(const QString& actionName) const override {
        if (actionName != pressAction())
            return {};
        return {widget()->property(pressKeyProperty).value<QKeySequence>().toString()};
    }
};

QAccessibleInterface* pressableFactory(const QString&, QObject* object) {
    auto* control = qobject_cast<PictureControl*>(object);
    if (control == nullptr || !control->property(pressKeyProperty).isValid())
        return nullptr;
    return new PressablePicture(control);
}

} // namespace

void offerPress(PictureControl& control, const QKeySequence& key) {
    static const bool installed = [] {
        QAccessible::installFactory(&pressableFactory);
        return true;
    }();
    (void)installed;
    control.setProperty(pressKeyProperty, QVariant::fromValue(key));
}

void announceName(QWidget& widget, const QString& name) {
    if (widget.accessibleName() != name) {
        widget.setAccessibleName(name);
        return;
    }
    QAccessibleEvent event(&widget, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

} // namespace kov
