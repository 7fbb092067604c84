#pragma once

#include "forms/fixed_dialog.h"

#include <array>
#include <optional>

class QButtonGroup;
class QLabel;

namespace kov {

// Asks the player who has just played a wild card which colour the next card must match.
// The caller makes a fresh one for every question, so each opening starts on Blue.
class frmColour : public FixedDialog {
    Q_OBJECT

public:
    explicit frmColour(QWidget* parent = nullptr);

    // 'B', 'G', 'R' or 'Y' once OK has been pressed; nothing when the box was closed otherwise.
    [[nodiscard]] std::optional<char> chosenColour() const { return chosen_; }

public slots:
    void lblBlue_Click();
    void lblGreen_Click();
    void lblRed_Click();
    void lblYellow_Click();
    void cmdOK_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void selectOption(int index);

    QButtonGroup* options_ = nullptr;
    std::array<QLabel*, 4> swatches_{};
    int pressedSwatch_ = -1; // the swatch under a left press not yet released, if any
    std::optional<char> chosen_;
};

} // namespace kov
