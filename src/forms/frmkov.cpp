#include "forms/frmkov.h"

#include "forms/accessibility.h"
#include "forms/control_names.h"
#include "forms/fitted_text.h"
#include "forms/frmabout.h"
#include "forms/modal_windows.h"
#include "forms/picture_control.h"
#include "forms/table_keys.h"
#include "forms/twips.h"
#include "pictures/card_pictures.h"
#include "pictures/program_icon.h"
#include "texts/table_texts.h"
#include "texts/text_contrast.h"
#include "version.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>

namespace kov {

namespace {

constexpr int slotLeftStep = 1320;
constexpr int slotWidth = 1290;
constexpr int slotHeight = 1935;
constexpr int playerOneRowTop = 0;
constexpr int playerTwoRowTop = 3900;

// The desktop's tooltip background with its button text; where a dark theme pairs light button
// text with a light tooltip background, the tooltip text, or else black or white.
void colourBoardLabel(QLabel& label, const QPalette& desktop) {
    const QColor background = desktop.color(QPalette::ToolTipBase);
    QPalette palette = label.palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText,
                     readableText(background, {desktop.color(QPalette::ButtonText),
                                               desktop.color(QPalette::ToolTipText)}));
    label.setPalette(palette);
}

// The boxed look all six labels share: tooltip background, sunken single line, centred text.
QLabel* boardLabel(QWidget* parent, const QString& name, const QString& text, QRect geometry) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignCenter);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setLineWidth(1);
    label->setMargin(0);
    label->setAutoFillBackground(true);
    colourBoardLabel(*label, parent->palette());
    return label;
}

QPushButton* button(QWidget* parent, const QString& name, const QString& caption, QRect geometry) {
    auto* pushButton = new QPushButton(caption, parent);
    pushButton->setObjectName(name);
    pushButton->setGeometry(geometry);
    pushButton->setAutoDefault(false);
    return pushButton;
}

PictureControl* picture(QWidget* parent, const QString& name, QRect geometry) {
    auto* control = new PictureControl(parent);
    control->setObjectName(name);
    control->setGeometry(geometry);
    return control;
}

// The cards and the pile answer a click, a key and a screen reader's press; the hand cursor and
// the tooltip say so.
PictureControl* clickablePicture(QWidget* parent, const QString& name, QRect geometry,
                                 const QKeySequence& key, const QString& toolTip) {
    auto* control = new PictureControl(parent);
    // Before anything else touches the control, so that screen readers meet it as pressable.
    offerPress(*control, key);
    control->setObjectName(name);
    control->setGeometry(geometry);
    control->setCursor(Qt::PointingHandCursor);
    control->setToolTip(toolTip);
    return control;
}

} // namespace

frmKOV::frmKOV(const std::filesystem::path& pictureFolder, const std::filesystem::path& cardFile,
               QWidget* parent)
    : QWidget(parent), view_(*this, board_, pictureFolder), game_(view_, CardFile(cardFile)) {
    setObjectName(QStringLiteral("frmKOV"));
    setWindowTitle(QStringLiteral(KOV_WINDOW_TITLE));
    setWindowIcon(programIcon());
    resize(fromTwips(9270), fromTwips(6120));

    for (int index = 0; index < Hand::slotCount; ++index) {
        const int left = slotLeftStep * index;
        const auto at = static_cast<std::size_t>(index);
        auto* one = clickablePicture(this, cardSlotControlName(Player::One, index),
                                     rectFromTwips(left, playerOneRowTop, slotWidth, slotHeight),
                                     slotKey(index), slotKeyTip(Player::One, slotKey(index)));
        auto* two = clickablePicture(this, cardSlotControlName(Player::Two, index),
                                     rectFromTwips(left, playerTwoRowTop, slotWidth, slotHeight),
                                     slotKey(index), slotKeyTip(Player::Two, slotKey(index)));
        board_.cardSlots[0][at] = one;
        board_.cardSlots[1][at] = two;
        connect(one, &PictureControl::clicked, this, [this, index] { PlayerOneCard_Click(index); });
        connect(two, &PictureControl::clicked, this, [this, index] { PlayerTwoCard_Click(index); });
        view_.clearSlot(Player::One, index);
        view_.clearSlot(Player::Two, index);
    }

    PickupCard_ =
        clickablePicture(this, pickupCardControlName(), rectFromTwips(1560, 1950, 1245, 1935),
                         drawPileKey(), drawPileKeyTip(drawPileKey()));
    PickupCard_->setPicture(cardBackPicture());
    PickupCard_->setAccessibleName(drawPileName());
    connect(PickupCard_, &PictureControl::clicked, this, &frmKOV::PickupCard_Click);
    board_.discard = picture(this, discardCardControlName(), rectFromTwips(3120, 1950, 1290, 1935));

    // The colour in force, beside the discard pile: after a wild card the pile still shows the
    // wild card, and this is where the players see the colour that was chosen.
    auto* colourInForce = new QLabel(this);
    colourInForce->setObjectName(colourInForceControlName());
    colourInForce->setGeometry(rectFromTwips(4500, 2040, 180, 1755));
    colourInForce->setAlignment(Qt::AlignCenter);
    colourInForce->setAutoFillBackground(true);
    colourInForce->setFrameStyle(QFrame::Box | QFrame::Plain);
    colourInForce->setLineWidth(1);
    board_.colourInForce = colourInForce;

    // Each player's name, shown while he is to move, and his running total.
    for (Player player : {Player::One, Player::Two}) {
        const auto at = indexOf(player);
        const bool one = player == Player::One;
        const int totalTop = one ? 3000 : 3360;
        QLabel* turn = boardLabel(this, turnLabelControlName(player), playerName(player),
                                  rectFromTwips(120, one ? 2040 : 3480, 1095, 255));
        board_.turnLabels[at] = turn;
        QLabel* caption = boardLabel(this, totalCaptionControlName(player), totalCaption(player),
                                     rectFromTwips(6480, totalTop, 1575, 255));
        board_.totalLabels[at] =
            boardLabel(this, totalLabelControlName(player), QStringLiteral("0"),
                       rectFromTwips(8160, totalTop, 735, 255));
        boardLabels_.append({turn, caption, board_.totalLabels[at]});
        view_.showTotal(player, 0);
    }
    view_.showTurn(Player::One);

    CmdNewGame_ =
        button(this, newGameControlName(), newGameCaption(), rectFromTwips(4800, 2280, 1335, 495));
    cmdExit_ = button(this, exitControlName(), exitCaption(), rectFromTwips(6480, 2280, 1335, 495));
    cmdAbout_ =
        button(this, aboutControlName(), aboutCaption(), rectFromTwips(4800, 3000, 1335, 495));
    // A screen reader's press on a button is no click Qt keeps from the window while a modal
    // window is open; such a press does nothing, as the mouse would.
    const auto unlessBlocked = [this](void (frmKOV::*handler)()) {
        return [this, handler] {
            if (!blockedByModalWindow(*this))
                (this->*handler)();
        };
    };
    connect(CmdNewGame_, &QPushButton::clicked, this, unlessBlocked(&frmKOV::CmdNewGame_Click));
    connect(cmdExit_, &QPushButton::clicked, this, unlessBlocked(&frmKOV::cmdExit_Click));
    connect(cmdAbout_, &QPushButton::clicked, this, unlessBlocked(&frmKOV::cmdAbout_Click));
    setTabOrder(CmdNewGame_, cmdExit_);
    setTabOrder(cmdExit_, cmdAbout_);
    CmdNewGame_->setFocus();

    // The keys act as clicks, whichever button has the focus. A held key acts once.
    for (int index = 0; index < Hand::slotCount; ++index) {
        auto* key = new QShortcut(slotKey(index), this);
        key->setAutoRepeat(false);
        connect(key, &QShortcut::activated, this, [this, index] {
            const std::optional<Player> player = playerToMove();
            if (!player)
                return;
            const auto& row = board_.cardSlots[indexOf(*player)];
            row[static_cast<std::size_t>(index)]->click();
        });
    }
    auto* drawKey = new QShortcut(drawPileKey(), this);
    drawKey->setAutoRepeat(false);
    connect(drawKey, &QShortcut::activated, PickupCard_, &PictureControl::click);
    fitTexts(*this);
}

frmKOV::~frmKOV() = default;

// The desktop's colours and font change while the game is open when the player switches theme.
void frmKOV::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange) {
        for (QLabel* label : std::as_const(boardLabels_))
            colourBoardLabel(*label, palette());
    }
    if (event->type() == QEvent::FontChange)
        fitTexts(*this); // the controls have the new font by now
    QWidget::changeEvent(event);
}

std::optional<CardFileProblem> frmKOV::Form_Load() {
    return game_.ShuffleDeal();
}

std::optional<Player> frmKOV::playerToMove() const {
    const GameState& state = game_.state();
    if (state.phase != Phase::HandInPlay)
        return std::nullopt;
    return state.toMove;
}

void frmKOV::PlayerOneCard_Click(int index) {
    game_.play(Player::One, index);
}

void frmKOV::PlayerTwoCard_Click(int index) {
    game_.play(Player::Two, index);
}

void frmKOV::PickupCard_Click() {
    game_.draw();
}

void frmKOV::CmdNewGame_Click() {
    game_.newGame();
}

void frmKOV::cmdExit_Click() {
    QApplication::exit(0);
}

void frmKOV::cmdAbout_Click() {
    frmAbout about(this);
    about.exec();
}

} // namespace kov
