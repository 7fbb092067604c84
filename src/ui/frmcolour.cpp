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

void frmColour::selectOption(int index) {
    // As if the option itself had been clicked: it takes the focus too, so the arrow keys and
    // Tab carry on from the chosen row.
    QAbstractButton* option = options_->button(index);
    option->setChecked(true);
    option->setFocus(Qt::MouseFocusReason);
}

bool frmColour::eventFilter(QObject* watched, QEvent* event) {
    using Handler = void (frmColour::*)();
    static constexpr std::array<Handler, 4> clicks{
        &frmColour::lblBlue_Click, &frmColour::lblGreen_Click, &frmColour::lblRed_Click,
        &frmColour::lblYellow_Click};
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        for (std::size_t i = 0; i < swatches_.size(); ++i) {
            if (watched == swatches_[i]) {
                (this->*clicks[i])();
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmColour::showEvent(QShowEvent* event) {
    centreOnScreen();
    QDialog::showEvent(event);
}

void frmColour::centreOnScreen() {
    kov::centreOnScreen(*this);
}

} // namespace kov
