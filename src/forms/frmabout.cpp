#include "forms/frmabout.h"

#include "forms/control_names.h"
#include "forms/fitted_text.h"
#include "forms/twips.h"
#include "pictures/program_icon.h"
#include "texts/classic_font.h"
#include "texts/table_texts.h"
#include "texts/text_contrast.h"
#include "version.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace kov {

namespace {

QLabel* addText(QWidget* parent, const QString& name, const QString& text, const QRect& place) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(place);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

} // namespace

frmAbout::frmAbout(QWidget* parent) : FixedDialog(parent, aboutTitle(), 4335, 4410) {

    auto* icon = new QLabel(this);
    icon->setObjectName(aboutIconControlName());
    icon->setGeometry(rectFromTwips(240, 120, 540, 540));
    icon->setAlignment(Qt::AlignCenter);
    icon->setPixmap(programIcon().pixmap(32, 32));

    const QFont heading = classicSansFont(font(), 9.75);
    addText(this, aboutTitleControlName(), aboutHeading(), rectFromTwips(960, 120, 3165, 600))
        ->setFont(heading);
    addText(this, aboutVersionControlName(), aboutVersion(QStringLiteral(KOV_VERSION)),
            rectFromTwips(960, 840, 3165, 225))
        ->setFont(heading);
    addText(this, aboutDescriptionControlName(), aboutDescription(),
            rectFromTwips(960, 1200, 3195, 1050))
        ->setFont(heading);
    addText(this, aboutNoticeControlName(), aboutNotice(), rectFromTwips(120, 2520, 2550, 1785));

    auto* ok = new QPushButton(aboutOkCaption(), this);
    ok->setObjectName(okControlName());
    ok->setGeometry(rectFromTwips(2880, 3840, 1260, 345));
    ok->setDefault(true);
    ok->setFocus();
    connect(ok, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    colourTexts();
    fitTexts(*this);
}

// Black, where black reads on the desktop's window colour; on a dark one, the desktop's own text
// colour, or else white.
void frmAbout::colourTexts() {
    const QColor text = readableText(palette().color(QPalette::Window),
                                     {Qt::black, palette().color(QPalette::WindowText)});
    for (QLabel* label : findChildren<QLabel*>()) {
        QPalette coloured = label->palette();
        coloured.setColor(QPalette::WindowText, text);
        label->setPalette(coloured);
    }
}

void frmAbout::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange)
        colourTexts();
    FixedDialog::changeEvent(event);
}

void frmAbout::cmdOK_Click() {
    accept();
}

void frmAbout::reject() {
    cmdOK_Click();
}

void frmAbout::paintEvent(QPaintEvent* event) {
    FixedDialog::paintEvent(event);
    // An etched separator: a grey line with a white one below it. Filled rectangles rather
    // than pen strokes, so the 2-pixel line does not spread onto the grey one.
    QPainter painter(this);
    const int right = fromTwips(4200);
    const int greyLeft = fromTwips(120);
    const int whiteLeft = fromTwips(105);
    const int greyTop = fromTwips(2325);
    const int whiteTop = fromTwips(2340);
    painter.fillRect(QRect(greyLeft, greyTop, right - greyLeft + 1, 1), QColor(128, 128, 128));
    painter.fillRect(QRect(whiteLeft, whiteTop, right - whiteLeft + 1, 2), Qt::white);
}

} // namespace kov
