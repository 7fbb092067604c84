#pragma once

#include "forms/fixed_dialog.h"

namespace kov {

// The About box: the program's name, version, a word on how to play, and the notice.
class frmAbout : public FixedDialog {
    Q_OBJECT

public:
    explicit frmAbout(QWidget* parent = nullptr);

public slots:
    void cmdOK_Click();
    // The box has only one answer: Esc and the close control mean OK as well.
    void reject() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void colourTexts();
};

} // namespace kov
