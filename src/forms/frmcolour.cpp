#include "forms/frmcolour.h"

#include "forms/control_names.h"
#include "forms/fitted_text.h"
#include "forms/twips.h"
#include "texts/card_colours.h"
#include "texts/table_texts.h"

#include <QButtonGroup>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>
#include <array>

namespace kov {

namespace {

// One row per colour, in the order of cardColours: the rows' tops and the swatches' handlers.
constexpr int firstRowTop = 120;
constexpr int rowStep = 480;
using SwatchClick = void (frmColour::*)();
constexpr std::array<SwatchClick, cardColours.size()> swatchClicks{
    &frmColour::lblBlue_Click, &frmColour::lblGreen_Click, &frmColour::lblRed_Click,
    &frmColour::lblYellow_Click};

void widenToFit(QRadioButton& option, int widest) {
    QStyleOptionButton style;
    style.initFrom(&option);
    const int room =
        option.style()->subElementRect(QStyle::SE_RadioButtonContents, &style, &option).width();
    const int wanted =
        option.width() + option.fontMetrics().horizontalAdvance(option.text()) - room;
    if (wanted > option.width())
        option.resize(std::min(wanted, widest), option.height());
}

} // namespace

frmColour::frmColour(QWidget* parent) : FixedDialog(parent, colourChooserTitle(), 3390, 2010) {
    options_ = new QButtonGroup(this);
    options_->setExclusive(true);

    QWidget* previous = nullptr;
    for (std::size_t i = 0; i < cardColours.size(); ++i) {
        const CardColour& colour = cardColours[i];
        const QString name = colourName(CardCharacter(colour.letter));
        const int index = static_cast<int>(i);
        const int top = firstRowTop + rowStep * index;

        auto* swatch = new QLabel(this);
        swatch->setObjectName(colourSwatchControlName(index));
        swatch->setGeometry(rectFromTwips(120, top, 855, 255));
        swatch->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        swatch->setLineWidth(1);
        swatch->setAutoFillBackground(true);
        QPalette swatchPalette = swatch->palette();
        swatchPalette.setColor(QPalette::Window, QColor(colour.swatch));
        swatch->setPalette(swatchPalette);
        swatch->setCursor(Qt::PointingHandCursor);
        swatch->setAccessibleName(name);
        swatch->installEventFilter(this);
        swatches_[i] = swatch;

        auto* option = new QRadioButton(name, this);
        option->setObjectName(colourOptionControlName(index));
        option->setGeometry(rectFromTwips(1080, top, 855, 375));
        // A name too long for the box takes the free room to its right, up to the dialog's
        // margin; in the first row OK stands there.
        if (index > 0)
            widenToFit(*option, fromTwips(3390 - 120 - 1080));
        options_->addButton(option, index);
        if (previous != nullptr) {
            setTabOrder(previous, option);
        }
        previous = option;
    }
    options_->button(0)->setChecked(true);

    auto* ok = new QPushButton(colourChooserOkCaption(), this);
    ok->setObjectName(okControlName());
    ok->setGeometry(rectFromTwips(2040, 120, 1215, 495));
    ok->setDefault(true);
    setTabOrder(previous, ok);
    connect(ok, &QPushButton::clicked, this, &frmColour::cmdOK_Click);
    fitTexts(*this);
}

void frmColour::lblBlue_Click() {
    selectOption(0);
}
void frmColour::lblGreen_Click() {
    selectOption(1);
}
void frmColour::lblRed_Click() {
    selectOption(2);
}
void frmColour::lblYellow_Click() {
    selectOption(3);
}

void frmColour::cmdOK_Click() {
    const int index = options_->checkedId();
    if (index >= 0) {
        chosen_ = cardColours.at(static_cast<std::size_t>(index)).letter;
    }
    accept();
}

// Like a click on the option itself, except that the keyboard focus stays where it was.
void frmColour::selectOption(int index) {
    options_->button(index)->setChecked(true);
}

// A swatch is clicked like a button: a left press and a release on the same swatch. The second
// press of a double-click selects nothing more.
bool frmColour::eventFilter(QObject* watched, QEvent* event) {
    const auto found = std::find(swatches_.begin(), swatches_.end(), watched);
    if (found == swatches_.end())
        return FixedDialog::eventFilter(watched, event);
    const int index = static_cast<int>(found - swatches_.begin());
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        pressedSwatch_ = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton ? index : -1;
        return true;
    case QEvent::MouseButtonDblClick:
        pressedSwatch_ = -1;
        return true;
    case QEvent::MouseButtonRelease: {
        const auto* release = static_cast<QMouseEvent*>(event);
        const bool click = pressedSwatch_ == index && release->button() == Qt::LeftButton &&
                           (*found)->rect().contains(release->position().toPoint());
        pressedSwatch_ = -1;
        if (click)
            (this->*swatchClicks.at(static_cast<std::size_t>(index)))();
        return true;
    }
    default:
        return FixedDialog::eventFilter(watched, event);
    }
}

} // namespace kov
