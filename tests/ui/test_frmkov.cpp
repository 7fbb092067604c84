#include "cards/card_names.h"
#include "support/card_files.h"
#include "ui/card_pictures.h"
#include "ui/frmkov.h"
#include "ui/picture_control.h"
#include "ui/startup.h"
#include "ui/twips.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <filesystem>

using namespace kov;
using namespace kov::test;
namespace fs = std::filesystem;

namespace {

QRect inTwips(const QRect& pixels) {
    return QRect(pixels.x() * twipsPerPixel, pixels.y() * twipsPerPixel,
                 pixels.width() * twipsPerPixel, pixels.height() * twipsPerPixel);
}

// A program folder holding the supplied pictures and a card file of the test's choosing.
struct Installed {
    explicit Installed(const std::string& cardFile = readBytes(fs::path(KOV_ASSETS_DIR) /
                                                               "card.txt")) {
        for (const auto& entry : fs::directory_iterator(KOV_ASSETS_DIR)) {
            if (entry.path().extension() == ".jpg")
                fs::copy_file(entry.path(), folder.path() / entry.path().filename());
        }
        folder.writeCardFile(cardFile);
    }
    [[nodiscard]] QString pictures() const {
        return QString::fromStdString(folder.path().string());
    }
    [[nodiscard]] std::unique_ptr<frmKOV> window() const {
        auto made = std::make_unique<frmKOV>(pictures(), folder.cardFilePath());
        if (made->Form_Load())
            return nullptr;
        return made;
    }
    ProgramFolder folder;
};

// The board's controls, found by name as a tester would.
template <typename Control> Control* child(const frmKOV& window, const QString& name) {
    auto* control = window.findChild<Control*>(name);
    if (control == nullptr)
        qFatal("no control named %s", qPrintable(name));
    return control;
}
PictureControl* slotOf(const frmKOV& window, Player player, int slot) {
    const auto row = player == Player::One ? QStringLiteral("PlayerOneCard%1")
                                           : QStringLiteral("PlayerTwoCard%1");
    return child<PictureControl>(window, row.arg(slot));
}
PictureControl* pickupCard(const frmKOV& window) {
    return child<PictureControl>(window, QStringLiteral("PickupCard"));
}
PictureControl* discardCard(const frmKOV& window) {
    return child<PictureControl>(window, QStringLiteral("DiscardCard"));
}
QLabel* turnLabel(const frmKOV& window, Player player) {
    return child<QLabel>(window, player == Player::One ? QStringLiteral("lblPlayerOne")
                                                       : QStringLiteral("lblPlayerTwo"));
}
QLabel* totalLabel(const frmKOV& window, Player player) {
    return child<QLabel>(window, player == Player::One ? QStringLiteral("lblPlayerOneScore")
                                                       : QStringLiteral("lblPlayerTwoScore"));
}
QLabel* colourInForce(const frmKOV& window) {
    return child<QLabel>(window, QStringLiteral("colourInForce"));
}

QImage loadedPicture(const fs::path& file) {
    return QImage(QString::fromStdString(file.string()), "JPG");
}

} // namespace

class TestFrmKov : public QObject {
    Q_OBJECT

private slots:
    void theWindow() {
        Installed installed;
        auto window = installed.window();
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), QStringLiteral("Vantrel KOV Beta"));
        QCOMPARE(inTwips(QRect(QPoint(), window->size())), QRect(0, 0, 9270, 6120));
        QVERIFY(!window->windowIcon().isNull());
        QVERIFY(window->maximumSize().width() > 618); // the frame stays resizable
    }

    void layout_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QString>("text");
        for (int index = 0; index < 7; ++index) {
            QTest::addRow("PlayerOneCard(%d)", index)
                << QStringLiteral("PlayerOneCard%1").arg(index)
                << QRect(1320 * index, 0, 1290, 1935) << QString();
            QTest::addRow("PlayerTwoCard(%d)", index)
                << QStringLiteral("PlayerTwoCard%1").arg(index)
                << QRect(1320 * index, 3900, 1290, 1935) << QString();
        }
        QTest::newRow("PickupCard") << "PickupCard" << QRect(1560, 1950, 1245, 1935) << QString();
        QTest::newRow("DiscardCard") << "DiscardCard" << QRect(3120, 1950, 1290, 1935) << QString();
        QTest::newRow("lblPlayerOne")
            << "lblPlayerOne" << QRect(120, 2040, 1095, 255) << "Player One";
        QTest::newRow("lblPlayerTwo")
            << "lblPlayerTwo" << QRect(120, 3480, 1095, 255) << "Player Two";
        QTest::newRow("lblPlayerOneScorelbl")
            << "lblPlayerOneScorelbl" << QRect(6480, 3000, 1575, 255) << "Player One Total";
        QTest::newRow("lblPlayerOneScore")
            << "lblPlayerOneScore" << QRect(8160, 3000, 735, 255) << "0";
        QTest::newRow("lblPlayerTwoScorelbl")
            << "lblPlayerTwoScorelbl" << QRect(6480, 3360, 1575, 255) << "Player Two Total";
        QTest::newRow("lblPlayerTwoScore")
            << "lblPlayerTwoScore" << QRect(8160, 3360, 735, 255) << "0";
        QTest::newRow("CmdNewGame") << "CmdNewGame" << QRect(4800, 2280, 1335, 495) << "&New Game";
        QTest::newRow("cmdExit") << "cmdExit" << QRect(6480, 2280, 1335, 495) << "E&xit";
        QTest::newRow("cmdAbout") << "cmdAbout" << QRect(4800, 3000, 1335, 495) << "&About";
    }
    void layout() {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        QFETCH(QString, text);
        Installed installed;
        auto window = installed.window();
        auto* control = window->findChild<QWidget*>(name);
        QVERIFY(control);
        QCOMPARE(inTwips(control->geometry()), twips);
        if (auto* label = qobject_cast<QLabel*>(control)) {
            QCOMPARE(label->text(), text);
            QCOMPARE(label->alignment(), Qt::AlignCenter);
            QCOMPARE(label->frameShape(), QFrame::Panel);
            QCOMPARE(label->frameShadow(), QFrame::Sunken);
            QCOMPARE(label->palette().color(QPalette::Window),
                     label->palette().color(QPalette::ToolTipBase));
        }
        if (auto* button = qobject_cast<QPushButton*>(control))
            QCOMPARE(button->text(), text);
    }

    // The added colour swatch sits in the gap right of the discard and touches no other control.
    void theColourInForceCoversNothing() {
        Installed installed;
        auto window = installed.window();
        const QRect swatch = colourInForce(*window)->geometry();
        for (auto* other : window->findChildren<QWidget*>()) {
            if (other != colourInForce(*window) && other->parentWidget() == window.get())
                QVERIFY2(!other->geometry().intersects(swatch), qPrintable(other->objectName()));
        }
        QVERIFY(swatch.left() > discardCard(*window)->geometry().right());
    }

    void afterStartUp() {
        Installed installed;
        auto window = installed.window();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        for (Player player : {Player::One, Player::Two}) {
            for (int slot = 0; slot < 7; ++slot)
                QVERIFY(slotOf(*window, player, slot)->showsPicture());
        }
        QVERIFY(discardCard(*window)->showsPicture());
        QVERIFY(pickupCard(*window)->showsPicture());
        QCOMPARE(pickupCard(*window)->picture().size(), QSize(120, 192));
        QVERIFY(turnLabel(*window, Player::One)->isVisible());
        QVERIFY(!turnLabel(*window, Player::Two)->isVisible());
        QCOMPARE(totalLabel(*window, Player::One)->text(), QStringLiteral("0"));
        QCOMPARE(totalLabel(*window, Player::Two)->text(), QStringLiteral("0"));
        QCOMPARE(installed.folder.cardFileBytes().size(), std::size_t(218));
        QVERIFY(installed.folder.cardFileBytes() !=
                readBytes(fs::path(KOV_ASSETS_DIR) / "card.txt"));
    }

    void onlyTheButtonsTakeTheFocus() {
        Installed installed;
        auto window = installed.window();
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        auto* newGame = window->findChild<QPushButton*>("CmdNewGame");
        auto* exitButton = window->findChild<QPushButton*>("cmdExit");
        auto* about = window->findChild<QPushButton*>("cmdAbout");
        QCOMPARE(QApplication::focusWidget(), newGame);
        QCOMPARE(newGame->nextInFocusChain(), exitButton);
        QCOMPARE(exitButton->nextInFocusChain(), about);
        for (auto* child : window->findChildren<QWidget*>()) {
            if (!qobject_cast<QPushButton*>(child))
                QCOMPARE(child->focusPolicy(), Qt::NoFocus);
        }
        QTest::mouseClick(slotOf(*window, Player::One, 3), Qt::LeftButton);
        QTest::mouseClick(pickupCard(*window), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), newGame);
        QCOMPARE(newGame->shortcut(), QKeySequence(Qt::ALT | Qt::Key_N));
        QCOMPARE(exitButton->shortcut(), QKeySequence(Qt::ALT | Qt::Key_X));
        QCOMPARE(about->shortcut(), QKeySequence(Qt::ALT | Qt::Key_A));
    }

    void altNDealsAgainKeepingTheTotals() {
        Installed installed;
        auto window = installed.window();
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTest::mouseClick(pickupCard(*window), Qt::LeftButton); // a full hand: Player Two's turn
        QCOMPARE(window->gameState().toMove, Player::Two);
        const std::string before = installed.folder.cardFileBytes();
        // A mnemonic presses its button the way a click does, a moment later.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_N, Qt::AltModifier);
        QTRY_VERIFY(installed.folder.cardFileBytes() != before);
        QCOMPARE(window->gameState().toMove, Player::One);
        QVERIFY(turnLabel(*window, Player::One)->isVisible());
        QCOMPARE(window->gameState().totals, (std::array<int, 2>{0, 0}));
    }

    void clicksOnThePileDraw() {
        Installed installed;
        auto window = installed.window();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        const GameState& state = window->gameState();
        // A full hand takes nothing and passes the turn.
        QTest::mouseClick(pickupCard(*window), Qt::LeftButton);
        QCOMPARE(state.DeckPosition, 31);
        QVERIFY(turnLabel(*window, Player::Two)->isVisible());
        QVERIFY(!turnLabel(*window, Player::One)->isVisible());
        // Clicks on the discard and the labels do nothing.
        const GameState before = state;
        QTest::mouseClick(discardCard(*window), Qt::LeftButton);
        QTest::mouseClick(turnLabel(*window, Player::Two), Qt::LeftButton);
        QTest::mouseClick(window.get(), Qt::LeftButton, {}, QPoint(600, 150));
        QCOMPARE(state, before);
    }

    void everyShowingReadsThePictureAgain() {
        std::string deck;
        for (int card = 0; card < 109; ++card)
            deck += "7R";
        Installed installed(deck);
        auto window = installed.window();
        // Another card's picture under this card's name shows at the next showing of the card.
        const fs::path file = installed.folder.path() / "7R.jpg";
        // Removed first: GCC 12's copy_file on Windows refuses overwrite_existing.
        fs::remove(file);
        fs::copy_file(installed.folder.path() / "5G.jpg", file);
        QTest::mouseClick(window->findChild<QPushButton*>("CmdNewGame"), Qt::LeftButton);
        QCOMPARE(slotOf(*window, Player::One, 0)->picture(), loadedPicture(file));
        QVERIFY(slotOf(*window, Player::One, 0)->picture() !=
                loadedPicture(fs::path(KOV_ASSETS_DIR) / "7R.jpg"));
    }

    void aPictureThatCannotBeLoadedIsDrawn_data() {
        QTest::addColumn<QString>("damage");
        QTest::newRow("missing") << "missing";
        QTest::newRow("truncated") << "truncated";
        QTest::newRow("not a JPEG") << "png";
        QTest::newRow("a folder") << "folder";
    }
    void aPictureThatCannotBeLoadedIsDrawn() {
        QFETCH(QString, damage);
        Installed installed;
        const fs::path file = installed.folder.path() / "7R.jpg";
        const std::string good = readBytes(file);
        fs::remove(file);
        if (damage == "truncated")
            writeBytes(file, good.substr(0, good.size() / 2));
        else if (damage == "png")
            QVERIFY(QImage(8, 8, QImage::Format_RGB32)
                        .save(QString::fromStdString(file.string()), "PNG"));
        else if (damage == "folder")
            fs::create_directory(file);

        CardPictures pictures(installed.pictures());
        const QImage drawn = pictures.load(cardFromCode("7R"));
        QCOMPARE(drawn, drawnCardFace(cardFromCode("7R")));
        QVERIFY(drawn != drawnCardFace(cardFromCode("7G")));
        // Mended, the real picture shows again.
        fs::remove_all(file);
        writeBytes(file, good);
        QCOMPARE(pictures.load(cardFromCode("7R")), loadedPicture(file));
    }

    // Codes that no file can be named by are drawn, each as itself.
    void codesOutsideFileNamesAreDrawn() {
        Installed installed;
        CardPictures pictures(installed.pictures());
        const Card lineFeed{CardCharacter('\n'), CardCharacter('R')};
        const Card high{CardCharacter('\x80'), CardCharacter('R')};
        const Card higher{CardCharacter('\x81'), CardCharacter('R')};
        const Card escaping{CardCharacter('/'), CardCharacter('R')};
        for (const Card& card : {lineFeed, high, higher, escaping})
            QCOMPARE(pictures.load(card), drawnCardFace(card));
        QVERIFY(drawnCardFace(high) != drawnCardFace(higher));
    }

    // On a double-density screen the control keeps the whole picture and paints it sharp.
    void picturesKeepTheirFullResolution() {
        Installed installed;
        auto window = installed.window();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        PictureControl* slot = slotOf(*window, Player::One, 0);
        QCOMPARE(slot->picture().size(), QSize(256, 384));
        const QImage shot = slot->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const qreal ratio = qEnvironmentVariableIntValue("QT_SCALE_FACTOR") == 2 ? 2.0 : 1.0;
        QCOMPARE(shot.devicePixelRatio(), ratio);
        const QSize device = slot->size() * ratio;
        QCOMPARE(shot.size(), device);
        if (ratio == 1.0)
            return;
        // Painted from the whole picture, the slot is closer to it than a picture first shrunk to
        // the slot's logical size and blown up again would be.
        const QImage& full = slot->picture();
        const QImage sharp = full.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                 .convertToFormat(QImage::Format_RGB32);
        const QImage blurred =
            full.scaled(slot->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                .scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                .convertToFormat(QImage::Format_RGB32);
        auto distance = [&](const QImage& other) {
            qint64 sum = 0;
            for (int y = 0; y < device.height(); ++y) {
                for (int x = 0; x < device.width(); ++x) {
                    const QRgb a = shot.pixel(x, y), b = other.pixel(x, y);
                    sum += qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) +
                           qAbs(qBlue(a) - qBlue(b));
                }
            }
            return sum;
        };
        QVERIFY2(
            distance(sharp) < distance(blurred),
            qPrintable(QStringLiteral("%1 vs %2").arg(distance(sharp)).arg(distance(blurred))));
    }

    void aCardFileThatCannotBeUsedStopsTheStart() {
        Installed installed("7R7G");
        QString told;
        auto window = openMainWindow(installed.pictures(), QString(),
                                     [&](const QString& problem) { told = problem; });
        QVERIFY(!window);
        QVERIFY(told.contains(QDir::toNativeSeparators(
            QString::fromStdString(installed.folder.cardFilePath().string()))));
        QVERIFY(told.contains("holds 2 whole cards, and a deck needs 108"));
        QCOMPARE(installed.folder.cardFileBytes(), std::string("7R7G"));
    }

    void theBoardIsReadByName() {
        std::string deck = readBytes(fs::path(KOV_ASSETS_DIR) / "card.txt");
        deck.replace(95 * 2, 2, "FG"); // the file's card 96 is the first one turned up
        Installed installed(deck);
        auto window = installed.window();
        const GameState& state = window->gameState();
        QCOMPARE(
            slotOf(*window, Player::One, 2)->accessibleName(),
            QString::fromStdString("Player One, card 3: " + cardName(state.PlayerOneHand.at(2))));
        QCOMPARE(
            slotOf(*window, Player::Two, 6)->accessibleName(),
            QString::fromStdString("Player Two, card 7: " + cardName(state.PlayerTwoHand.at(6))));
        QCOMPARE(pickupCard(*window)->accessibleName(), QStringLiteral("Draw pile"));
        QCOMPARE(discardCard(*window)->accessibleName(),
                 QStringLiteral("Discard: Wild Draw Four, colour in force Green"));
        QCOMPARE(colourInForce(*window)->accessibleName(),
                 QStringLiteral("Colour in force: Green"));
        QCOMPARE(totalLabel(*window, Player::Two)->accessibleName(),
                 QStringLiteral("Player Two Total: 0"));
        QCOMPARE(turnLabel(*window, Player::One)->accessibleName(),
                 QStringLiteral("Player One to move"));
    }
};

QTEST_MAIN(TestFrmKov)
#include "test_frmkov.moc"
