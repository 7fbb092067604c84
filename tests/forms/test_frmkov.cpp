#include "forms/control_names.h"
#include "forms/fitted_text.h"
#include "forms/frmabout.h"
#include "forms/frmcolour.h"
#include "forms/frmkov.h"
#include "forms/picture_control.h"
#include "support/card_files.h"
#include "support/decoded_picture.h"
#include "support/table.h"
#include "texts/table_texts.h"
#include "texts/translation.h"
#include "version.h"

#include "in_twips.h"
#include "languages.h"
#include "show_and_wait.h"
#include "text_ink.h"

#include <QAccessible>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QProcessEnvironment>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QWindow>
#include <QtTest>

#include <array>
#include <filesystem>
#include <optional>

using namespace kov;
using namespace kov::test;
namespace fs = std::filesystem;

namespace {

// A window's control, found by name as a tester would.
template <typename Control> Control* child(const QWidget& window, const QString& name) {
    auto* control = window.findChild<Control*>(name);
    if (control == nullptr)
        qFatal("no control named %s", qPrintable(name));
    return control;
}

// The window loaded from a program folder holding the supplied pictures and a card file of the
// test's choosing (null when it refuses to start), and its controls.
struct Board {
    explicit Board(const std::string& cardFile = readBytes(fs::path(KOV_ASSETS_DIR) / "card.txt")) {
        folder.copyPicturesFrom(KOV_ASSETS_DIR);
        folder.writeCardFile(cardFile);
        window = std::make_unique<frmKOV>(folder.path(), folder.cardFilePath());
        if (window->Form_Load())
            window.reset();
    }
    template <typename Control> Control* get(const QString& name) const {
        return child<Control>(*window, name);
    }
    PictureControl* slot(Player player, int slot) const {
        return get<PictureControl>(cardSlotControlName(player, slot));
    }
    PictureControl* pile() const { return get<PictureControl>(pickupCardControlName()); }
    PictureControl* discard() const { return get<PictureControl>(discardCardControlName()); }
    QLabel* turnLabel(Player player) const { return get<QLabel>(turnLabelControlName(player)); }
    QLabel* total(Player player) const { return get<QLabel>(totalLabelControlName(player)); }
    QLabel* colourInForce() const { return get<QLabel>(colourInForceControlName()); }
    QPushButton* button(const QString& name) const { return get<QPushButton>(name); }
    [[nodiscard]] const GameState& state() const { return window->gameState(); }
    ProgramFolder folder;
    std::unique_ptr<frmKOV> window;
};

// The three windows, the board on the supplied card file.
struct AllWindows {
    Board board;
    frmColour chooser;
    frmAbout about;
    [[nodiscard]] std::array<QWidget*, 3> each() { return {board.window.get(), &chooser, &about}; }
};

// A left click, or a double-click, at the control's middle, delivered to its window.
void clickOn(QWidget* control, bool doubleClick = false) {
    const QPoint at = control->mapTo(control->window(), control->rect().center());
    if (doubleClick)
        QTest::mouseDClick(control->window()->windowHandle(), Qt::LeftButton, {}, at);
    else
        QTest::mouseClick(control->window()->windowHandle(), Qt::LeftButton, {}, at);
}

// Presses the control as a screen reader does: the key named for the press, or none if no press.
QString pressAsAScreenReader(QWidget* control) {
    QAccessibleActionInterface* actions =
        QAccessible::queryAccessibleInterface(control)->actionInterface();
    if (actions == nullptr || actions->actionNames() != QStringList{actions->pressAction()})
        return {};
    actions->doAction(actions->pressAction());
    return actions->keyBindingsForAction(actions->pressAction()).join(' ');
}

// Mean difference of two equal-sized pictures, per colour channel (0 to 255).
double difference(const QImage& a, const QImage& b) {
    const QImage one = a.convertToFormat(QImage::Format_RGB888);
    const QImage other = b.convertToFormat(QImage::Format_RGB888);
    if (one.size() != other.size())
        return 255.0;
    qint64 sum = 0;
    for (int y = 0; y < one.height(); ++y) {
        for (int byte = 0; byte < 3 * one.width(); ++byte) // red, green and blue of each pixel
            sum += qAbs(one.constScanLine(y)[byte] - other.constScanLine(y)[byte]);
    }
    return static_cast<double>(sum) / (3.0 * one.width() * one.height());
}

// The window shown on a screen of this pixel ratio; false if none (frmKOV_pixel_density has 1, 2).
bool showOnScreenOfRatio(QWidget& window, qreal ratio) {
    if (!showExposed(window))
        return false;
    for (QScreen* screen : QGuiApplication::screens()) {
        if (screen->devicePixelRatio() == ratio) {
            window.windowHandle()->setScreen(screen);
            QCoreApplication::processEvents();
            return window.devicePixelRatioF() == ratio;
        }
    }
    return false;
}

void addRatioRows() {
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("ratio 1") << 1.0;
    QTest::newRow("ratio 2") << 2.0;
}

// The desktop's colours: the classic light ones; GNOME's dark style as Qt takes it over, light
// button text beside the light tooltip colour left from the light palette; and a high-contrast
// scheme of yellow text on black whose tooltip colour was left white.
QPalette desktopPalette(const QString& name) {
    static const QPalette classic = QApplication::palette();
    if (name == "light")
        return classic;
    const bool dark = name == "dark";
    const QColor text = dark ? QColor(0xf0f0f0) : QColor(Qt::yellow);
    QPalette palette(dark ? QColor(0x323232) : QColor(Qt::black));
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::ToolTipBase, dark ? QColor(0xffffdc) : QColor(Qt::white));
    palette.setColor(QPalette::ToolTipText, dark ? QColor(Qt::black) : text);
    return palette;
}

// What a screen reader reads of a window: each name and description (tooltips too) in its tree.
QStringList spokenTexts(QWidget& window) {
    QStringList texts;
    QList<QAccessibleInterface*> pending{QAccessible::queryAccessibleInterface(&window)};
    while (!pending.isEmpty()) {
        QAccessibleInterface* each = pending.takeFirst();
        texts << each->text(QAccessible::Name) << each->text(QAccessible::Description);
        for (int child = 0; child < each->childCount(); ++child)
            pending << each->child(child);
    }
    texts.removeAll(QString());
    return texts;
}

} // namespace

class TestFrmKov : public QObject {
    Q_OBJECT

private slots:
    void layout_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QString>("text");
        const auto row = [](const QString& name, QRect twips, const QString& text) {
            QTest::newRow(qPrintable(name)) << name << twips << text;
        };
        for (int index = 0; index < 7; ++index) {
            row(cardSlotControlName(Player::One, index), QRect(1320 * index, 0, 1290, 1935), {});
            row(cardSlotControlName(Player::Two, index), QRect(1320 * index, 3900, 1290, 1935), {});
        }
        row(pickupCardControlName(), QRect(1560, 1950, 1245, 1935), {});
        row(discardCardControlName(), QRect(3120, 1950, 1290, 1935), {});
        row(turnLabelControlName(Player::One), QRect(120, 2040, 1095, 255), "Player One");
        row(turnLabelControlName(Player::Two), QRect(120, 3480, 1095, 255), "Player Two");
        row(totalCaptionControlName(Player::One), QRect(6480, 3000, 1575, 255), "Player One Total");
        row(totalLabelControlName(Player::One), QRect(8160, 3000, 735, 255), "0");
        row(totalCaptionControlName(Player::Two), QRect(6480, 3360, 1575, 255), "Player Two Total");
        row(totalLabelControlName(Player::Two), QRect(8160, 3360, 735, 255), "0");
        row(newGameControlName(), QRect(4800, 2280, 1335, 495), "&New Game");
        row(exitControlName(), QRect(6480, 2280, 1335, 495), "E&xit");
        row(aboutControlName(), QRect(4800, 3000, 1335, 495), "&About");
    }
    void layout() {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        QFETCH(QString, text);
        Board board;
        auto* control = board.window->findChild<QWidget*>(name);
        QVERIFY(control);
        QCOMPARE(inTwips(control->geometry()), twips);
        if (auto* label = qobject_cast<QLabel*>(control)) {
            QCOMPARE(label->text(), text);
            QCOMPARE(label->alignment(), Qt::AlignCenter);
            QCOMPARE(label->frameShape(), QFrame::Panel);
            QCOMPARE(label->frameShadow(), QFrame::Sunken);
            QCOMPARE(label->palette().color(QPalette::Window),
                     label->palette().color(QPalette::ToolTipBase));
            QCOMPARE(label->palette().color(QPalette::WindowText),
                     label->palette().color(QPalette::ButtonText));
        }
        if (auto* button = qobject_cast<QPushButton*>(control))
            QCOMPARE(button->text(), text);
    }

    // The added colour swatch sits in the gap right of the discard and touches no other control.
    void theColourInForceCoversNothing() {
        Board board;
        const QRect swatch = board.colourInForce()->geometry();
        for (auto* other : board.window->findChildren<QWidget*>()) {
            if (other != board.colourInForce() && other->parentWidget() == board.window.get())
                QVERIFY2(!other->geometry().intersects(swatch), qPrintable(other->objectName()));
        }
        QVERIFY(swatch.left() > board.discard()->geometry().right());
    }

    void afterStartUp() {
        Board board;
        QVERIFY(board.window);
        QCOMPARE(board.window->windowTitle(), QStringLiteral(KOV_WINDOW_TITLE));
        QCOMPARE(inTwips(QRect(QPoint(), board.window->size())), QRect(0, 0, 9270, 6120));
        QVERIFY(!board.window->windowIcon().isNull());
        QVERIFY(board.window->maximumSize().width() > 618); // the frame stays resizable
        QVERIFY(showExposed(*board.window));
        for (Player player : {Player::One, Player::Two}) {
            for (int slot = 0; slot < 7; ++slot)
                QVERIFY(board.slot(player, slot)->showsPicture());
        }
        QVERIFY(board.discard()->showsPicture());
        QVERIFY(board.pile()->showsPicture());
        QVERIFY(board.turnLabel(Player::One)->isVisible());
        QVERIFY(!board.turnLabel(Player::Two)->isVisible());
        QCOMPARE(board.total(Player::One)->text(), QStringLiteral("0"));
        QCOMPARE(board.total(Player::Two)->text(), QStringLiteral("0"));
        QCOMPARE(board.folder.cardFileBytes().size(), std::size_t(218));
        QVERIFY(board.folder.cardFileBytes() != readBytes(fs::path(KOV_ASSETS_DIR) / "card.txt"));
    }

    void onlyTheButtonsTakeTheFocus() {
        Board board;
        QVERIFY(showActive(*board.window));
        auto* newGame = board.button(newGameControlName());
        auto* exitButton = board.button(exitControlName());
        auto* about = board.button(aboutControlName());
        QCOMPARE(QApplication::focusWidget(), newGame);
        QCOMPARE(newGame->nextInFocusChain(), exitButton);
        QCOMPARE(exitButton->nextInFocusChain(), about);
        for (auto* child : board.window->findChildren<QWidget*>()) {
            if (!qobject_cast<QPushButton*>(child))
                QCOMPARE(child->focusPolicy(), Qt::NoFocus);
        }
        QTest::mouseClick(board.slot(Player::One, 3), Qt::LeftButton);
        QTest::mouseClick(board.pile(), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), newGame);
        QCOMPARE(exitButton->shortcut(), QKeySequence(Qt::ALT | Qt::Key_X));
        QCOMPARE(about->shortcut(), QKeySequence(Qt::ALT | Qt::Key_A));
    }

    void altNDealsAgainKeepingTheTotals() {
        Board board;
        QVERIFY(showActive(*board.window));
        QTest::mouseClick(board.pile(), Qt::LeftButton); // a full hand: Player Two's turn
        QCOMPARE(board.state().toMove, Player::Two);
        const std::string before = board.folder.cardFileBytes();
        // A mnemonic presses its button the way a click does, a moment later.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_N, Qt::AltModifier);
        QTRY_VERIFY(board.folder.cardFileBytes() != before);
        QCOMPARE(board.state().toMove, Player::One);
        QVERIFY(board.turnLabel(Player::One)->isVisible());
        QCOMPARE(board.state().totals, (std::array<int, 2>{0, 0}));
    }

    void clicksOnThePileDraw() {
        Board board;
        QVERIFY(showExposed(*board.window));
        const GameState& state = board.state();
        // A full hand takes nothing and passes the turn.
        QTest::mouseClick(board.pile(), Qt::LeftButton);
        QCOMPARE(state.DeckPosition, 31);
        QVERIFY(board.turnLabel(Player::Two)->isVisible());
        QVERIFY(!board.turnLabel(Player::One)->isVisible());
        // Clicks on the discard and the labels do nothing.
        const GameState before = state;
        QTest::mouseClick(board.discard(), Qt::LeftButton);
        QTest::mouseClick(board.turnLabel(Player::Two), Qt::LeftButton);
        QTest::mouseClick(board.window.get(), Qt::LeftButton, {}, QPoint(600, 150));
        QCOMPARE(state, before);
    }

    // A double-click is one click; two clicks further apart than a double-click stay two.
    void aDoubleClickIsOneClick_data() {
        QTest::addColumn<bool>("onThePile");
        QTest::addColumn<bool>("doubleClick");
        QTest::addColumn<bool>("playerTwoToMove");
        QTest::addColumn<int>("playerOneCards");
        QTest::addColumn<int>("cardsDrawn");
        // After a skip, Player One draws an unplayable card into the free slot and the turn
        // passes; Player Two, whose hand is full, draws nothing and hands it back.
        QTest::newRow("pile, double-click") << true << true << true << 7 << 1;
        QTest::newRow("pile, two clicks") << true << false << false << 7 << 1;
        // The skip keeps the turn; the card that slid into its slot passes it.
        QTest::newRow("skip, double-click") << false << true << false << 6 << 0;
        QTest::newRow("skip, two clicks") << false << false << true << 5 << 0;
    }
    void aDoubleClickIsOneClick() {
        QFETCH(bool, onThePile);
        QFETCH(bool, doubleClick);
        QFETCH(bool, playerTwoToMove);
        QFETCH(int, playerOneCards);
        QFETCH(int, cardsDrawn);
        Board board(cardFileDealing({"SG", "5G"}, {}, "3G", "7R"));
        QVERIFY(showExposed(*board.window));
        const GameState& state = board.state();
        const int deckPosition = state.DeckPosition;
        if (onThePile)
            clickOn(board.slot(Player::One, 0)); // the skip frees a slot
        clickOn(onThePile ? board.pile() : board.slot(Player::One, 0), doubleClick);
        if (!doubleClick)
            clickOn(onThePile ? board.pile() : board.slot(Player::One, 0));
        QCOMPARE(state.toMove, playerTwoToMove ? Player::Two : Player::One);
        QCOMPARE(state.DeckPosition, deckPosition + 2 * cardsDrawn);
        QCOMPARE(cardsHeld(board.state().hand(Player::One)), playerOneCards);
    }

    // Keys 1 to 7 click that slot of the player to move, and D the pile, as clicks would.
    void keysPlayForThePlayerToMove() {
        Board board(cardFileDealing({"9R", "9R", "5G"}, {"9R", "9R", "6G"}, "3G", "7R"));
        QVERIFY(showActive(*board.window));
        const GameState& state = board.state();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_3);
        QCOMPARE(state.inForce.CurrentValue, CardCharacter('5'));
        QCOMPARE(state.toMove, Player::Two);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_3);
        QCOMPARE(state.inForce.CurrentValue, CardCharacter('6'));
        QCOMPARE(state.toMove, Player::One);
        // Player One's third card is a red 9 now: nothing happens, as with a click.
        const GameState before = state;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_3);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_8);
        QCOMPARE(state, before);
        // He draws an unplayable card into his free slot, and the turn passes.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_D);
        QCOMPARE(cardsHeld(board.state().hand(Player::One)), 7);
        QCOMPARE(state.toMove, Player::Two);
        QCOMPARE(QApplication::focusWidget(), board.button(newGameControlName()));
        // While a box of the window's own is open, the keys are the box's.
        const GameState beforeBox = state;
        QTimer::singleShot(0, [] {
            QWidget* box = QApplication::activeModalWidget();
            QVERIFY(box);
            QTest::keyClick(box, Qt::Key_D);
            QTest::keyClick(box, Qt::Key_1);
            QTest::keyClick(box, Qt::Key_Escape);
        });
        board.button(aboutControlName())->click();
        QCOMPARE(state, beforeBox);
    }

    // A wild card by the keys alone: the chooser opens with the focus on its colours.
    void aWildCardByTheKeysAlone() {
        Board board(cardFileDealing({"9R", "WX"}, {}, "3G", "7R"));
        QVERIFY(showActive(*board.window));
        QString focused;
        QTimer::singleShot(0, [&focused] {
            auto* chooser = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (chooser == nullptr)
                return;
            if (QTest::qWaitFor([chooser] { return QApplication::activeWindow() == chooser; })) {
                focused = QApplication::focusWidget()->objectName();
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            }
            chooser->reject(); // no test waits on a box left open
        });
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_2);
        QCOMPARE(focused, colourOptionControlName(0));
        QCOMPARE(board.state().inForce.CurrentColour, CardCharacter('G'));
        QCOMPARE(board.state().toMove, Player::Two);
    }

    // A screen reader presses the slots and the pile, and hears of the turn and the discard.
    void screenReadersPressTheCards() {
        Board board(cardFileDealing({"9R", "9R", "9R", "9R", "5G"}, {}, "3G", "7R"));
        QVERIFY(showExposed(*board.window));
        const GameState& state = board.state();
        QCOMPARE(QAccessible::queryAccessibleInterface(board.slot(Player::One, 4))->role(),
                 QAccessible::Button);
        QCOMPARE(pressAsAScreenReader(board.slot(Player::One, 4)), QStringLiteral("5"));
        QTRY_COMPARE(state.toMove, Player::Two);
        QCOMPARE(board.discard()->accessibleName(),
                 QStringLiteral("Discard: Green 5, colour in force Green"));
        QCOMPARE(board.turnLabel(Player::Two)->accessibleName(),
                 QStringLiteral("Player Two to move"));
        QCOMPARE(board.turnLabel(Player::One)->accessibleName(), QStringLiteral("Player One"));
        // Player Two's hand is full: the pile gives nothing and the turn comes back.
        QCOMPARE(pressAsAScreenReader(board.pile()), QStringLiteral("D"));
        QTRY_COMPARE(state.toMove, Player::One);
        QCOMPARE(board.turnLabel(Player::One)->accessibleName(),
                 QStringLiteral("Player One to move"));
        QCOMPARE(pressAsAScreenReader(board.discard()), QString());
    }

    // Another picture under a card's name shows at the card's next showing, at either density.
    void everyShowingReadsThePictureAgain_data() { addRatioRows(); }
    void everyShowingReadsThePictureAgain() {
        QFETCH(qreal, ratio);
        Board board(uniformCardFile("7R"));
        const fs::path file = board.folder.path() / "7R.jpg";
        if (!showOnScreenOfRatio(*board.window, ratio))
            QSKIP("no screen of this pixel density");
        // Removed first: GCC 12's copy_file on Windows refuses overwrite_existing.
        fs::remove(file);
        fs::copy_file(board.folder.path() / "5G.jpg", file);
        QTest::mouseClick(board.button(newGameControlName()), Qt::LeftButton);
        const QSize device = slotPixels * ratio;
        QCOMPARE(board.slot(Player::One, 0)->picture(), decodedAt(file, device, ratio));
        QVERIFY(board.slot(Player::One, 0)->picture() !=
                decodedAt(fs::path(KOV_ASSETS_DIR) / "7R.jpg", device, ratio));
    }

    void picturesAreDecodedAtTheSlotsDeviceSize_data() { addRatioRows(); }
    void picturesAreDecodedAtTheSlotsDeviceSize() {
        QFETCH(qreal, ratio);
        Board board;
        if (!showOnScreenOfRatio(*board.window, ratio))
            QSKIP("no screen of this pixel density");
        PictureControl* slot = board.slot(Player::One, 0);
        const QSize device = slotPixels * ratio;
        QTRY_COMPARE(slot->picture().size(), device);
        QCOMPARE(board.discard()->picture().size(), device);
        const QImage shot = slot->grab().toImage();
        QCOMPARE(shot.size(), device);
        const fs::path file =
            board.folder.path() / (board.state().PlayerOneHand.at(0).code() + ".jpg");
        const double sharp = difference(shot, decodedAt(file, device));
        const double enlarged =
            difference(shot, decodedAt(file, slotPixels)
                                 .scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        QVERIFY2(sharp < 0.5, qPrintable(QString::number(sharp)));
        if (ratio > 1)
            QVERIFY2(enlarged > 4 * sharp + 2, qPrintable(QString::number(enlarged)));

        // A picture smaller than its slot (the back, at ratio 2) is held as is, scaled as painted.
        PictureControl* pile = board.pile();
        const QSize pileDevice = pile->size() * ratio;
        QCOMPARE(pile->picture().size(), pileDevice.boundedTo(QImage(":/cardback.jpg").size()));
        const double filled = difference(
            pile->grab().toImage(),
            pile->picture().scaled(pileDevice, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        QVERIFY2(filled < 2, qPrintable(QString::number(filled)));
    }

    // Every text of every window reads under each desktop's colours, and after a switch of theme.
    void everyTextReads_data() {
        QTest::addColumn<QString>("palette");
        for (const char* palette : {"light", "dark", "high contrast"})
            QTest::newRow(palette) << palette;
    }
    void everyTextReads() {
        QFETCH(QString, palette);
        const QPalette classic = desktopPalette("light");
        // Windows' own style paints light button faces whatever the palette, and Windows pairs it
        // with no other colours than its own: these palettes come with a style that follows them.
        const QString nativeStyle = QApplication::style()->name();
        QApplication::setStyle(QStringLiteral("fusion"));
        const auto restore = qScopeGuard([&] {
            QApplication::setStyle(nativeStyle);
            QApplication::setPalette(classic);
        });
        QApplication::setPalette(desktopPalette(palette));
        AllWindows windows;
        const QStringList themes{"light", "dark", "high contrast", "light"};
        for (const QString& theme : {palette, themes[themes.indexOf(palette) + 1]}) {
            QApplication::setPalette(desktopPalette(theme));
            QCoreApplication::processEvents();
            for (QWidget* window : windows.each()) {
                int texts = 0;
                for (QWidget* control : window->findChildren<QWidget*>()) {
                    if (control->property("text").toString().isEmpty())
                        continue;
                    const double contrast = textContrast(*control);
                    QVERIFY2(contrast >= readableContrast,
                             qPrintable(QStringLiteral("%1 %2 under %3: %4")
                                            .arg(window->metaObject()->className(),
                                                 control->objectName(), theme)
                                            .arg(contrast)));
                    ++texts;
                }
                QVERIFY(texts >= 5);
            }
            QCOMPARE(windows.board.turnLabel(Player::One)->palette().color(QPalette::Window),
                     QApplication::palette().color(QPalette::ToolTipBase));
        }
    }

    // Every text fits in every language and at common desktops' faces, drawn smaller only where
    // it must and then at the largest size that fits: on opening, after a font change and a deal.
    // An enormous font costs a few measures a text, and leaves the colour in force its colour.
    void textsFitTheirControls_data() {
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<QString>("family");      // the desktop's face; empty for the usual one
        QTest::addColumn<qreal>("points");        // its size; 0 for the usual one
        QTest::addColumn<QStringList>("shrinks"); // the texts drawn smaller; "*" for any
        for (const char* language : desktopLanguages)
            QTest::newRow(language)
                << QStringList{QString::fromLatin1(language)} << QString() << 0.0 << QStringList();
        QTest::newRow("de-DE, 12 pt") << QStringList{"de-DE"} << "" << 12.0 << QStringList{"*"};
        const QStringList english{"en-US"};
        QTest::newRow("Noto Sans 9 pt") << english << "Noto Sans" << 9.0 << QStringList();
        QTest::newRow("Noto Sans 10 pt") << english << "Noto Sans" << 10.0 << QStringList();
        QTest::newRow("DejaVu Sans 9 pt") << english << "DejaVu Sans" << 9.0 << QStringList();
        QTest::newRow("Cantarell 11 pt")
            << english << "Cantarell" << 11.0
            << QStringList{turnLabelControlName(Player::One), totalCaptionControlName(Player::One),
                           turnLabelControlName(Player::Two), totalCaptionControlName(Player::Two)};
        QTest::newRow("4000 pt") << english << "" << 4000.0 << QStringList{"*"};
    }
    void textsFitTheirControls() {
        QFETCH(QStringList, uiLanguages);
        QFETCH(QString, family);
        QFETCH(qreal, points);
        QFETCH(QStringList, shrinks);
        const Translation translation(uiLanguages);
        const QFont usual = QApplication::font();
        const auto restore = qScopeGuard([&] { QApplication::setFont(usual); });
        QFont desktop = usual;
        desktop.setFamily(family.isEmpty() ? usual.family() : family);
        desktop.setPointSizeF(points > 0 ? points : usual.pointSizeF());
        if (!family.isEmpty() && QFontInfo(desktop).family() != family)
            QSKIP("the face is not among this run's fonts (frmKOV_desktop_fonts has it)");
        QApplication::setFont(desktop);
        AllWindows windows;
        for (const QFont& font : {usual, desktop})
            QApplication::setFont(font);
        windows.board.button(newGameControlName())->click(); // a new colour in force
        for (QWidget* window : windows.each()) {
            int texts = 0;
            for (auto* control : window->findChildren<QWidget*>()) {
                const QString name = control->objectName();
                if (control->property("text").toString().isEmpty())
                    continue;
                ++texts;
                QVERIFY2(textOverflow(*control) <= 0, qPrintable(name));
                auto* label = qobject_cast<QLabel*>(control);
                QVERIFY2(!label || label->wordWrap() || !cutsItsInk(*label), qPrintable(name));
                QFont font = control->font();
                QFont unfitted = font;
                unfitted.setPointSizeF(window->font().pointSizeF());
                const bool smaller = unfitted == window->font() && font != unfitted;
                QVERIFY2(smaller == shrinks.contains(name) || shrinks == QStringList{"*"},
                         qPrintable(name));
                if (smaller) { // and no larger than it must
                    font.setPointSizeF(font.pointSizeF() + 0.5);
                    control->setFont(font);
                    QVERIFY2(textOverflow(*control) > 0, qPrintable(name));
                }
            }
            const int measured = fitTexts(*window);
            QVERIFY2(measured <= 5 * texts, qPrintable(QString::number(measured)));
        }
    }

    // The desktop's first language KOV speaks, unless English comes first; Qt's own OK likewise.
    void buttonsReadInThePlayersLanguage_data() {
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<QStringList>("captions"); // the buttons, the boxes' OK, Qt's OK
        const QStringList english{"&New Game", "E&xit", "&About", "&OK", "OK", "OK"};
        const QStringList german{"&Neues Spiel", "&Beenden", "&Über", "&OK", "OK", "OK"};
        const QStringList french{"&Redistribuer", "&Quitter", "À &propos", "&OK", "OK", "OK"};
        const QStringList spanish{"&Repartir", "&Salir",  "&Acerca de",
                                  "&Aceptar",  "Aceptar", "Aceptar"};
        QTest::newRow("C") << QStringList{"C"} << english;
        QTest::newRow("en_US") << QStringList{"en-US", "en"} << english;
        QTest::newRow("English before German") << QStringList{"en-GB", "de-DE"} << english;
        QTest::newRow("de_DE") << QStringList{"de-DE", "de"} << german;
        QTest::newRow("fr_FR") << QStringList{"fr-FR", "fr"} << french;
        QTest::newRow("es_ES") << QStringList{"es-ES", "es"} << spanish;
        QTest::newRow("Italian, then French") << QStringList{"it-IT", "fr-CA"} << french;
        // The desktop's own list, as the program reads it from the environment.
        QTest::newRow("LANGUAGE=xx:de LANG=C") << QStringList{"LANGUAGE=xx:de", "LANG=C"} << german;
        QTest::newRow("LANGUAGE=zz_ZZ:de") << QStringList{"LANGUAGE=zz_ZZ:de", "LANG="} << german;
        QTest::newRow("LANGUAGE=xx:C:de") << QStringList{"LANGUAGE=xx:C:de", "LANG=C"} << english;
    }
    void buttonsReadInThePlayersLanguage() {
        QFETCH(QStringList, uiLanguages);
        QFETCH(QStringList, captions);
        std::optional<Translation> translation;
        if (uiLanguages.first().contains('=')) {
#ifdef _WIN32
            QSKIP("Windows names the player's languages in its settings, not in the environment");
#endif
            const QProcessEnvironment before = QProcessEnvironment::systemEnvironment();
            const char* names[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
            for (const char* name : names)
                qunsetenv(name);
            for (const QString& variable : uiLanguages)
                qputenv(qPrintable(variable.section('=', 0, 0)), variable.section('=', 1).toUtf8());
            translation.emplace();
            for (const char* name : names) {
                if (before.contains(name))
                    qputenv(name, before.value(name).toUtf8());
                else
                    qunsetenv(name);
            }
        } else {
            translation.emplace(uiLanguages);
        }
        const frmKOV window{fs::path(), fs::path()};
        QStringList shown;
        for (const QString& name : {newGameControlName(), exitControlName(), aboutControlName()})
            shown << child<QPushButton>(window, name)->text();
        const QMessageBox box(QMessageBox::Information, handWonTitle(), handWonText(Player::One),
                              QMessageBox::Ok);
        shown << frmColour().findChild<QPushButton*>(okControlName())->text()
              << frmAbout().findChild<QPushButton*>(okControlName())->text()
              << box.button(QMessageBox::Ok)->text();
        QCOMPARE(shown, captions);
    }

    // In a language of English texts behind a marker, every text shown carries the marker.
    void noTextEscapesTranslation() {
        QTranslator pseudo;
        QVERIFY(pseudo.load(QStringLiteral(":/i18n/kov_pseudo.qm")));
        QCoreApplication::installTranslator(&pseudo);
        AllWindows windows;
        QStringList texts;
        for (QWidget* window : windows.each())
            texts << spokenTexts(*window);
        texts.removeOne(QStringLiteral(KOV_WINDOW_TITLE)); // the one text that is a name
        for (Player player : {Player::One, Player::Two})
            texts << handWonText(player) << matchWonText(player, 512);
        texts << handWonTitle() << matchWonTitle() << missingPictureNote();
        for (Card card : {cardFromCode("7B"), cardFromCode("SG"), cardFromCode("VR"),
                          cardFromCode("DY"), cardFromCode("WX"), cardFromCode("FX")})
            texts << cardName(card);
        using Kind = CardFileProblem::Kind;
        for (int kind = 0; kind <= static_cast<int>(Kind::ProgramFolderNotFound); ++kind)
            texts << problemText({static_cast<Kind>(kind), "card.txt", 2, {}});
        for (const QString& text : texts)
            QVERIFY2(text.startsWith(QStringLiteral("[T]")), qPrintable(text));
        QVERIFY(texts.size() > 60);
    }

    void theBoardIsReadByName() {
        std::string deck = readBytes(fs::path(KOV_ASSETS_DIR) / "card.txt");
        deck.replace(95 * 2, 2, "FG"); // the file's card 96 is the first one turned up
        Board board(deck);
        const GameState& state = board.state();
        QCOMPARE(board.slot(Player::One, 2)->accessibleName(),
                 "Player One, card 3: " + cardName(state.PlayerOneHand.at(2)));
        QCOMPARE(board.slot(Player::Two, 6)->accessibleName(),
                 "Player Two, card 7: " + cardName(state.PlayerTwoHand.at(6)));
        QCOMPARE(board.pile()->accessibleName(), QStringLiteral("Draw pile"));
        QCOMPARE(board.discard()->accessibleName(),
                 QStringLiteral("Discard: Wild Draw Four, colour in force Green"));
        QCOMPARE(board.colourInForce()->accessibleName(), QStringLiteral("Colour in force: Green"));
        QCOMPARE(board.total(Player::Two)->accessibleName(), QStringLiteral("Player Two Total: 0"));
        QCOMPARE(board.turnLabel(Player::One)->accessibleName(),
                 QStringLiteral("Player One to move"));
        QCOMPARE(board.turnLabel(Player::Two)->accessibleName(), QStringLiteral("Player Two"));
        QCOMPARE(board.slot(Player::Two, 2)->toolTip(),
                 QStringLiteral("Key 3 plays this card when Player Two is to move"));
        QCOMPARE(board.pile()->toolTip(), QStringLiteral("Draw pile: key D draws a card"));
    }
};

QTEST_MAIN(TestFrmKov)
#include "test_frmkov.moc"
