#pragma once

#include <QDialog>

namespace kov {

// The About box: the program's name, version, a word on how to play, and the notice.
class frmAbout : public QDialog {
    Q_OBJECT

public:
    explicit frmAbout(QWidget* parent = nullptr);

    // Puts the whole window, frame included, in the middle of its screen's work area. Done on
    // every show.
    void centreOnScreen();

public slots:
    void cmdOK_Click();
    // The box has only one answer: Esc and the close control mean OK as well.
    void reject() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
};

} // namespace kov
