#include "forms/fixed_dialog.h"

#include "forms/centre_on_screen.h"
#include "forms/fitted_text.h"
#include "forms/twips.h"
#include "pictures/program_icon.h"

#include <QEvent>

namespace kov {

FixedDialog::FixedDialog(QWidget* parent, const QString& title, int widthTwips, int heightTwips)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint) {
    setWindowTitle(title);
    setWindowIcon(programIcon());
    setModal(true);
    setFixedSize(fromTwips(widthTwips), fromTwips(heightTwips));
}

void FixedDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange)
        fitTexts(*this); // the controls have the new font by now
    QDialog::changeEvent(event);
}

void FixedDialog::showEvent(QShowEvent* event) {
    centreOnScreen(*this);
    QDialog::showEvent(event);
}

} // namespace kov
