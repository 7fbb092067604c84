#pragma once

#include <QDialog>

namespace kov {

// The frame the colour chooser and the About box share: a modal dialog of fixed size, in twips,
// with a title bar, the close control and the program icon, no minimise or maximise button and
// no task-bar entry. It sits in the middle of its screen's work area each time it is shown.
class FixedDialog : public QDialog {
    Q_OBJECT

public:
    FixedDialog(QWidget* parent, const QString& title, int widthTwips, int heightTwips);

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
};

} // namespace kov
