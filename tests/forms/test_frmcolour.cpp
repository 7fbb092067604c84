#include "forms/control_names.h"
#include "forms/frmcolour.h"
#include "texts/translation.h"

#include "fixed_dialog_frame.h"
#include "languages.h"
#include "show_and_wait.h"
#include "text_ink.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace kov;

namespace {

QRadioButton* option(const frmColour& box, int index) {
    return box.findChild<QRadioButton*>(colourOptionControlName(index));
}

// The one selected row; -1 for none, -2 when more than one is selected.
int checkedOption(const frmColour& box) {
    int checked = -1;
    for (int i = 0; i < 4; ++i) {
        if (option(box, i)->isChecked())
            checked = checked == -1 ? i : -2;
    }
    return checked;
}

} // namespace

class TestFrmColour : public QObject {
    Q_OBJECT

private slots:
    void window() {
        frmColour box;
        checkFixedDialogFrame(box, QStringLiteral("Select A Colour"), QSize(3390, 2010));
    }

    void layout_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("fill");
        // A row a colour, top to bottom: its swatch, then its option.
        const char* texts[] = {"Blue", "Green", "Red", "Yellow"};
        const QColor fills[] = {{0, 255, 255}, {0, 255, 0}, {255, 0, 0}, {255, 255, 0}};
        for (int row = 0; row < 4; ++row) {
            const int top = 120 + 480 * row;
            QTest::newRow(qPrintable(colourSwatchControlName(row)))
                << colourSwatchControlName(row) << QRect(120, top, 855, 255) << texts[row]
                << fills[row];
            QTest::newRow(qPrintable(colourOptionControlName(row)))
                << colourOptionControlName(row) << QRect(1080, top, 855, 375) << texts[row]
                << QColor();
        }
        QTest::newRow("cmdOK") << okControlName() << QRect(2040, 120, 1215, 495) << "&OK"
                               << QColor();
    }
    void layout() {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        QFETCH(QString, text);
        QFETCH(QColor, fill);
        frmColour box;
        checkPlacedControl(box, name, twips);
        if (QTest::currentTestFailed())
            return;
        auto* control = box.findChild<QWidget*>(name);
        if (auto* swatch = qobject_cast<QLabel*>(control)) {
            QVERIFY(swatch->text().isEmpty());
            QCOMPARE(swatch->accessibleName(), text);
            QCOMPARE(swatch->focusPolicy(), Qt::NoFocus);
            QCOMPARE(swatch->cursor().shape(), Qt::PointingHandCursor);
            const QImage picture = swatch->grab().toImage();
            QCOMPARE(picture.pixelColor(picture.rect().center()), fill);
        } else {
            auto* button = qobject_cast<QAbstractButton*>(control);
            QVERIFY(button);
            QCOMPARE(button->text(), text);
            if (qobject_cast<QRadioButton*>(button) != nullptr) {
                QRadioButton probe(button->text());
                probe.setFont(button->font());
                // Twice the width: the caption is one line, centred on the button's height.
                const QRect ink = inkWhenGiven(probe, QSize(button->width() * 2, button->height()));
                QVERIFY(!ink.isNull());
                QCOMPARE(button->rect().united(ink), button->rect());
            }
        }
    }

    // A name too long for its option's box takes the free room to its right, over no other control.
    void captionsFitInEveryLanguage_data() {
        QTest::addColumn<QStringList>("uiLanguages");
        for (const char* language : desktopLanguages)
            QTest::newRow(language) << QStringList{QString::fromLatin1(language)};
    }
    void captionsFitInEveryLanguage() {
        QFETCH(QStringList, uiLanguages);
        const kov::Translation translation(uiLanguages);
        frmColour box;
        for (auto* control : box.findChildren<QAbstractButton*>()) {
            QVERIFY(box.rect().contains(control->geometry()));
            for (auto* other : box.findChildren<QWidget*>()) {
                if (other != control && other->parentWidget() == &box)
                    QVERIFY2(!other->geometry().intersects(control->geometry()),
                             qPrintable(control->text()));
            }
        }
    }

    void opensOnBlueEveryTime() {
        {
            frmColour first;
            QCOMPARE(checkedOption(first), 0);
            first.lblYellow_Click();
            first.cmdOK_Click();
        }
        frmColour second;
        QCOMPARE(checkedOption(second), 0);
        QCOMPARE(second.chosenColour(), std::nullopt);
    }

    // A click on a swatch or an option selects its row and keeps the box open, the right button
    // selects nothing, and OK stores the row's letter. Green first, so Blue is a change back.
    void aClickSelectsItsRowAndOkStoresItsLetter_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("row");
        QTest::addColumn<char>("letter");
        QTest::newRow("green swatch") << colourSwatchControlName(1) << 1 << 'G';
        QTest::newRow("red swatch") << colourSwatchControlName(2) << 2 << 'R';
        QTest::newRow("yellow swatch") << colourSwatchControlName(3) << 3 << 'Y';
        QTest::newRow("blue swatch after green") << colourSwatchControlName(0) << 0 << 'B';
        QTest::newRow("red option") << colourOptionControlName(2) << 2 << 'R';
        QTest::newRow("blue option after green") << colourOptionControlName(0) << 0 << 'B';
    }
    void aClickSelectsItsRowAndOkStoresItsLetter() {
        QFETCH(QString, control);
        QFETCH(int, row);
        QFETCH(char, letter);
        frmColour box;
        QVERIFY(showExposed(box));
        QTest::mouseClick(box.findChild<QLabel*>(colourSwatchControlName(1)), Qt::LeftButton);
        QTest::mouseClick(box.findChild<QWidget*>(control), Qt::LeftButton);
        QCOMPARE(checkedOption(box), row);
        QTest::mouseClick(box.findChild<QLabel*>(colourSwatchControlName(row == 3 ? 2 : 3)),
                          Qt::RightButton);
        QCOMPARE(checkedOption(box), row);
        QVERIFY(box.isVisible());
        QCOMPARE(box.chosenColour(), std::nullopt);
        QTest::mouseClick(box.findChild<QPushButton*>(okControlName()), Qt::LeftButton);
        QCOMPARE(box.chosenColour(), std::optional<char>(letter));
        QCOMPARE(box.result(), int(QDialog::Accepted));
        QVERIFY(!box.isVisible());
    }

    void aSwatchSelectsOnAWholeClickOnly() {
        frmColour box;
        QVERIFY(showExposed(box));
        auto* red = box.findChild<QLabel*>(colourSwatchControlName(2));
        // The press alone selects nothing, and neither does a press dragged off the swatch.
        QTest::mousePress(red, Qt::LeftButton);
        QCOMPARE(checkedOption(box), 0);
        QTest::mouseRelease(red, Qt::LeftButton, {}, QPoint(red->width() + 4, red->height() / 2));
        QCOMPARE(checkedOption(box), 0);
        // Nor does a release whose press was on another swatch.
        QTest::mousePress(box.findChild<QLabel*>(colourSwatchControlName(3)), Qt::LeftButton);
        QTest::mouseRelease(red, Qt::LeftButton);
        QCOMPARE(checkedOption(box), 0);
        // A double-click is one click.
        QTest::mouseDClick(box.windowHandle(), Qt::LeftButton, {},
                           red->mapTo(&box, red->rect().center()));
        QCOMPARE(checkedOption(box), 2);
    }

    // Alt+O and Enter answer as OK does; Esc and the close control store nothing.
    void everyWayOut_data() {
        QTest::addColumn<int>("key"); // 0 for the close control
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("Alt+O") << int(Qt::Key_O) << Qt::KeyboardModifiers(Qt::AltModifier) << true;
        QTest::newRow("Enter") << int(Qt::Key_Return) << Qt::KeyboardModifiers() << true;
        QTest::newRow("Esc") << int(Qt::Key_Escape) << Qt::KeyboardModifiers() << false;
        QTest::newRow("close control") << 0 << Qt::KeyboardModifiers() << false;
    }
    void everyWayOut() {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(bool, accepted);
        frmColour box;
        QVERIFY(showActive(box));
        box.lblGreen_Click();
        if (key == 0)
            QVERIFY(box.close());
        else
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
        QTRY_VERIFY(!box.isVisible());
        QCOMPARE(box.result(), int(accepted ? QDialog::Accepted : QDialog::Rejected));
        QCOMPARE(box.chosenColour(), accepted ? std::optional<char>('G') : std::nullopt);
    }

    void keyboardRunsDownTheOptionsThenToOk() {
        frmColour box;
        QVERIFY(showActive(box));
        QStringList chain;
        QWidget* widget = option(box, 0);
        do {
            if (qobject_cast<QAbstractButton*>(widget) != nullptr)
                chain << widget->objectName();
            widget = widget->nextInFocusChain();
        } while (widget != option(box, 0));
        QCOMPARE(chain, QStringList({colourOptionControlName(0), colourOptionControlName(1),
                                     colourOptionControlName(2), colourOptionControlName(3),
                                     okControlName()}));
        // The options are one tab stop walked by arrows; Tab goes on to OK, back to the row chosen.
        QCOMPARE(QApplication::focusWidget(), option(box, 0));
        for (int row = 1; row < 4; ++row) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
            QCOMPARE(checkedOption(box), row);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), box.findChild<QPushButton*>(okControlName()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), option(box, 3));
        // A swatch click selects without moving the focus.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::mouseClick(box.findChild<QLabel*>(colourSwatchControlName(1)), Qt::LeftButton);
        QCOMPARE(checkedOption(box), 1);
        QCOMPARE(QApplication::focusWidget(), box.findChild<QPushButton*>(okControlName()));
    }
};

QTEST_MAIN(TestFrmColour)
#include "test_frmcolour.moc"
