#include "forms/fitted_text.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>

#include <algorithm>
#include <optional>

namespace kov {

namespace {

// Marks a control whose smaller font came from fitting, not from the window's design.
constexpr char fittedProperty[] = "kovFittedFont";
constexpr qreal smallestPoints = 6;

QRect buttonRoom(const QAbstractButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    const bool radio = qobject_cast<const QRadioButton*>(&button) != nullptr;
    return button.style()->subElementRect(
        radio ? QStyle::SE_RadioButtonContents : QStyle::SE_PushButtonContents, &option, &button);
}

// A smaller copy of font, or nothing when it is as small as a text may be drawn.
std::optional<QFont> smaller(QFont font) {
    if (font.pointSizeF() > 0) {
        if (font.pointSizeF() - 0.5 < smallestPoints)
            return std::nullopt;
        font.setPointSizeF(font.pointSizeF() - 0.5);
    } else {
        if (font.pixelSize() <= 8)
            return std::nullopt;
        font.setPixelSize(font.pixelSize() - 1);
    }
    return font;
}

void fitText(QWidget& control) {
    if (control.property(fittedProperty).toBool()) {
        control.setFont(QFont()); // the window's font again, which may fit now
        control.setProperty(fittedProperty, false);
    } else if (control.testAttribute(Qt::WA_SetFont)) {
        return;
    }
    while (textOverflow(control) > 0) {
        const std::optional<QFont> font = smaller(control.font());
        if (!font)
            return;
        control.setFont(*font);
        control.setProperty(fittedProperty, true);
    }
}

} // namespace

int textOverflow(const QWidget& control) {
    const QFontMetrics metrics = control.fontMetrics();
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        const QRect room = label->contentsRect();
        if (label->text().isEmpty())
            return 0;
        if (label->wordWrap()) {
            const QRect lines = metrics.boundingRect(room, Qt::TextWordWrap, label->text());
            return std::max(lines.width() - room.width(), lines.height() - room.height());
        }
        return std::max(metrics.horizontalAdvance(label->text()) - room.width(),
                        metrics.height() - room.height());
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control)) {
        // The access key's mark takes no room.
        const QString text = button->text().remove(QLatin1Char('&'));
        const QRect room = buttonRoom(*button);
        return std::max(metrics.horizontalAdvance(text) - room.width(),
                        metrics.height() - room.height());
    }
    return 0;
}

void fitTexts(QWidget& window) {
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (qobject_cast<QLabel*>(control) || qobject_cast<QAbstractButton*>(control))
            fitText(*control);
    }
}

} // namespace kov
