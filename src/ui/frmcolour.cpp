#include "ui/frmcolour.h"

#include "ui/centre_on_screen.h"
#include "ui/program_icon.h"
#include "ui/swatch_colours.h"
#include "ui/twips.h"

#include <QButtonGroup>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <array>

namespace kov {

namespace {

struct Row {
    const char* swatchName;
    const char* optionText;
    char letter;
    int top;
};

const std::array<Row, 4> rows{{
    {"lblBlue", "Blue", 'B', 120},
    {"lblGreen", "Green", 'G', 600},
    {"lblRed", "Red", 'R', 1080},
    {"lblYellow", "Yellow", 'Y', 1560},
}};

} // namespace

frmColour::frmColour(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint) {
    setWindowTitle(QStringLiteral("Select A Colour"));
    setWindowIcon(programIcon());
    setModal(true);
    setFixedSize(fromTwips(3390), fromTwips(2010));

    options_ = new QButtonGroup(this);
    options_->setExclusive(true);

    QWidget* previous = nullptr;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Row& row = rows[i];
        const int index = static_cast<int>(i);

        auto* swatch = new QLabel(this);
        swatch->setObjectName(QString::fromLatin1(row.swatchName));
        swatch->setGeometry(rectFromTwips(120, row.top, 855, 255));
        swatch->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        swatch->setLineWidth(1);
        swatch->setAutoFillBackground(true);
        QPalette swatchPalette = swatch->palette();
        swatchPalette.setColor(QPalette::Window, swatchColour(CardCharacter(row.letter)));
        swatch->setPalette(swatchPalette);
        swatch->setCursor(Qt::PointingHandCursor);
        swatch->setAccessibleName(QString::fromLatin1(row.optionText));
        swatch->installEventFilter(this);
        swatches_[i] = swatch;

        auto* option = new QRadioButton(QString::fromLatin1(row.optionText), this);
        option->setObjectName(QStringLiteral("OptColour%1").arg(index));
        option->setGeometry(rectFromTwips(1080, row.top, 855, 375));
        options_->addButton(option, index);
        if (previous != nullptr) {
            setTabOrder(previous, option);
        }
        previous = option;
    }
    options_->button(0)->setChecked(true);

    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setGeometry(rectFromTwips(2040, 120, 1215, 495));
    ok->setDefault(true);
    setTabOrder(previous, ok);
    connect(ok, &QPushButton::clicked, this, &frmColour::cmdOK_Click);
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
        chosen_ = rows.at(static_cast<std::size_t>(index)).letter;
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
    using Handler = void (frmColour::*)();
    static constexpr std::array<Handler, 4> clicks{
        &frmColour::lblBlue_Click, &frmColour::lblGreen_Click, &frmColour::lblRed_Click,
        &frmColour::lblYellow_Click};
    const auto found = std::find(swatches_.begin(), swatches_.end(), watched);
    if (found == swatches_.end())
        return QDialog::eventFilter(watched, event);
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
            (this->*clicks.at(static_cast<std::size_t>(index)))();
        return true;
    }
    default:
        return QDialog::eventFilter(watched, event);
    }
}

void frmColour::showEvent(QShowEvent* event) {
    centreOnScreen();
    QDialog::showEvent(event);
}

void frmColour::centreOnScreen() {
    kov::centreOnScreen(*this);
}

} // namespace kov
