#include "ui/frmkov.h"

#include "ui/accessibility.h"
#include "ui/frmabout.h"
#include "ui/picture_control.h"
#include "ui/program_icon.h"
#include "ui/table_keys.h"
#include "ui/twips.h"

#include <QApplication>
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
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::ToolTipBase));
    palette.setColor(QPalette::WindowText, palette.color(QPalette::ButtonText));
    label->setPalette(palette);
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
    control->setToolTip(toolTip.arg(key.toString(QKeySequence::NativeText)));
    return control;
}

} // namespace

frmKOV::frmKOV(const QString& pictureFolder, const std::filesystem::path& cardFile, QWidget* parent)
    : QWidget(parent), platform_(*this, pictureFolder), game_(platform_, CardFile(cardFile)) {
    setObjectName(QStringLiteral("frmKOV"));
    setWindowTitle(QStringLiteral("Vantrel KOV Beta"));
    setWindowIcon(programIcon());
    resize(fromTwips(9270), fromTwips(6120));

    for (int index = 0; index < 7; ++index) {
        const int left = slotLeftStep * index;
        PlayerOneCard_[static_cast<std::size_t>(index)] = clickablePicture(
            this, QStringLiteral("PlayerOneCard%1").arg(index),
            rectFromTwips(left, playerOneRowTop, slotWidth, slotHeight), slotKey(index),
            QStringLiteral("Key %1 plays this card when Player One is to move"));
        PlayerTwoCard_[static_cast<std::size_t>(index)] = clickablePicture(
            this, QStringLiteral("PlayerTwoCard%1").arg(index),
            rectFromTwips(left, playerTwoRowTop, slotWidth, slotHeight), slotKey(index),
            QStringLiteral("Key %1 plays this card when Player Two is to move"));
        connect(PlayerOneCard_[static_cast<std::size_t>(index)], &PictureControl::clicked, this,
                [this, index] { game_.PlayerOneCard_Click(index); });
        connect(PlayerTwoCard_[static_cast<std::size_t>(index)], &PictureControl::clicked, this,
                [this, index] { game_.PlayerTwoCard_Click(index); });
        platform_.clearSlot(Player::One, index);
        platform_.clearSlot(Player::Two, index);
    }

    PickupCard_ =
        clickablePicture(this, QStringLiteral("PickupCard"), rectFromTwips(1560, 1950, 1245, 1935),
                         drawPileKey(), QStringLiteral("Draw pile: key %1 draws a card"));
    PickupCard_->setPicture(QImage(QStringLiteral(":/cardback.jpg")));
    PickupCard_->setAccessibleName(QStringLiteral("Draw pile"));
    connect(PickupCard_, &PictureControl::clicked, this, [this] { game_.PickupCard_Click(); });
    DiscardCard_ =
        picture(this, QStringLiteral("DiscardCard"), rectFromTwips(3120, 1950, 1290, 1935));

    // The colour in force, beside the discard pile: after a wild card the pile still shows the
    // wild card, and this is where the players see the colour that was chosen.
    colourInForce_ = new QLabel(this);
    colourInForce_->setObjectName(QStringLiteral("colourInForce"));
    colourInForce_->setGeometry(rectFromTwips(4500, 2040, 180, 1755));
    colourInForce_->setAlignment(Qt::AlignCenter);
    colourInForce_->setAutoFillBackground(true);
    colourInForce_->setFrameStyle(QFrame::Box | QFrame::Plain);
    colourInForce_->setLineWidth(1);

    lblPlayerOne_ = boardLabel(this, QStringLiteral("lblPlayerOne"), QStringLiteral("Player One"),
                               rectFromTwips(120, 2040, 1095, 255));
    lblPlayerTwo_ = boardLabel(this, QStringLiteral("lblPlayerTwo"), QStringLiteral("Player Two"),
                               rectFromTwips(120, 3480, 1095, 255));
    lblPlayerTwo_->setVisible(false);
    nameTurnLabels();
    boardLabel(this, QStringLiteral("lblPlayerOneScorelbl"), QStringLiteral("Player One Total"),
               rectFromTwips(6480, 3000, 1575, 255));
    lblPlayerOneScore_ = boardLabel(this, QStringLiteral("lblPlayerOneScore"), QStringLiteral("0"),
                                    rectFromTwips(8160, 3000, 735, 255));
    boardLabel(this, QStringLiteral("lblPlayerTwoScorelbl"), QStringLiteral("Player Two Total"),
               rectFromTwips(6480, 3360, 1575, 255));
    lblPlayerTwoScore_ = boardLabel(this, QStringLiteral("lblPlayerTwoScore"), QStringLiteral("0"),
                                    rectFromTwips(8160, 3360, 735, 255));
    platform_.showTotal(Player::One, 0);
    platform_.showTotal(Player::Two, 0);

    CmdNewGame_ = button(this, QStringLiteral("CmdNewGame"), QStringLiteral("&New Game"),
                         rectFromTwips(4800, 2280, 1335, 495));
    cmdExit_ = button(this, QStringLiteral("cmdExit"), QStringLiteral("E&xit"),
                      rectFromTwips(6480, 2280, 1335, 495));
    cmdAbout_ = button(this, QStringLiteral("cmdAbout"), QStringLiteral("&About"),
                       rectFromTwips(4800, 3000, 1335, 495));
    connect(CmdNewGame_, &QPushButton::clicked, this, &frmKOV::CmdNewGame_Click);
    connect(cmdExit_, &QPushButton::clicked, this, &frmKOV::cmdExit_Click);
    connect(cmdAbout_, &QPushButton::clicked, this, &frmKOV::cmdAbout_Click);
    setTabOrder(CmdNewGame_, cmdExit_);
    setTabOrder(cmdExit_, cmdAbout_);
    CmdNewGame_->setFocus();

    // The keys act as clicks, whichever button has the focus. A held key acts once.
    for (int index = 0; index < 7; ++index) {
        auto* key = new QShortcut(slotKey(index), this);
        key->setAutoRepeat(false);
        connect(key, &QShortcut::activated, this, [this, index] {
            if (const std::optional<Player> player = playerToMove())
                slot(*player, index)->click();
        });
    }
    auto* drawKey = new QShortcut(drawPileKey(), this);
    drawKey->setAutoRepeat(false);
    connect(drawKey, &QShortcut::activated, PickupCard_, &PictureControl::click);
}

frmKOV::~frmKOV() = default;

std::optional<std::string> frmKOV::Form_Load() {
    return game_.ShuffleDeal();
}

PictureControl* frmKOV::slot(Player player, int slot) const {
    const auto& row = player == Player::One ? PlayerOneCard_ : PlayerTwoCard_;
    return row.at(static_cast<std::size_t>(slot));
}

QLabel* frmKOV::turnLabel(Player player) const {
    return player == Player::One ? lblPlayerOne_ : lblPlayerTwo_;
}

QLabel* frmKOV::totalLabel(Player player) const {
    return player == Player::One ? lblPlayerOneScore_ : lblPlayerTwoScore_;
}

std::optional<Player> frmKOV::playerToMove() const {
    if (!lblPlayerOne_->isHidden())
        return Player::One;
    if (!lblPlayerTwo_->isHidden())
        return Player::Two;
    return std::nullopt;
}

void frmKOV::nameTurnLabels() {
    // Only the shown marker claims the move, so a screen reader never finds a stale one.
    for (QLabel* label : {lblPlayerOne_, lblPlayerTwo_}) {
        announceName(*label, label->isHidden() ? label->text() : label->text() + " to move");
    }
}

void frmKOV::CmdNewGame_Click() {
    game_.CmdNewGame_Click();
}

void frmKOV::cmdExit_Click() {
    QApplication::exit(0);
}

void frmKOV::cmdAbout_Click() {
    frmAbout about(this);
    about.exec();
}

} // namespace kov
