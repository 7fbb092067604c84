#include "forms/control_names.h"
#include "forms/frmabout.h"
#include "texts/translation.h"

#include "fixed_dialog_frame.h"
#include "languages.h"
#include "show_and_wait.h"
#include "text_ink.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace kov;

class TestFrmAbout : public QObject {
    Q_OBJECT

private slots:
    void window() {
        frmAbout box;
        checkFixedDialogFrame(box, QStringLiteral("About"), QSize(4335, 4410));
        const QPixmap icon = box.findChild<QLabel*>(aboutIconControlName())->pixmap();
        QVERIFY(!icon.isNull());
        QCOMPARE(icon.deviceIndependentSize().toSize(), QSize(32, 32));
    }

    void layout_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");
        QTest::newRow("picIcon") << aboutIconControlName() << QRect(240, 120, 540, 540);
        QTest::newRow("lblTitle") << aboutTitleControlName() << QRect(960, 120, 3165, 600);
        QTest::newRow("lblVersion") << aboutVersionControlName() << QRect(960, 840, 3165, 225);
        QTest::newRow("lblDescription")
            << aboutDescriptionControlName() << QRect(960, 1200, 3195, 1050);
        QTest::newRow("Label1") << aboutNoticeControlName() << QRect(120, 2520, 2550, 1785);
        QTest::newRow("cmdOK") << okControlName() << QRect(2880, 3840, 1260, 345);
    }
    void layout() {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        checkPlacedControl(frmAbout(), name, twips);
    }

    void textsFitTheirBoxes_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<qreal>("points");
        QTest::addColumn<QStringList>("uiLanguages");
        const qreal defaultPoints = QApplication::font().pointSizeF();
        for (const char* language : desktopLanguages) {
            const QStringList languages{QString::fromLatin1(language)};
            QTest::addRow("lblTitle %s", language) << aboutTitleControlName() << 9.75 << languages;
            QTest::addRow("lblVersion %s", language)
                << aboutVersionControlName() << 9.75 << languages;
            QTest::addRow("lblDescription %s", language)
                << aboutDescriptionControlName() << 9.75 << languages;
            QTest::addRow("Label1 %s", language)
                << aboutNoticeControlName() << defaultPoints << languages;
        }
    }
    void textsFitTheirBoxes() {
        QFETCH(QString, name);
        QFETCH(qreal, points);
        QFETCH(QStringList, uiLanguages);
        const kov::Translation translation(uiLanguages);
        frmAbout box;
        auto* label = box.findChild<QLabel*>(name);
        QVERIFY(label);
        QVERIFY(!label->text().isEmpty());
        QCOMPARE(label->font().pointSizeF(), points);
        QCOMPARE(label->font().weight(), QFont::Normal);
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::black));
        QVERIFY(label->wordWrap());
        // Same width, so the words wrap as they do in the box, but room below for any overflow.
        QLabel probe(label->text());
        probe.setFont(label->font());
        probe.setPalette(label->palette());
        probe.setAlignment(label->alignment());
        probe.setWordWrap(true);
        const QRect ink = inkWhenGiven(probe, QSize(label->width(), label->height() * 3));
        QVERIFY(!ink.isNull());
        QCOMPARE(label->rect().united(ink), label->rect());
        // A word too long for the width would run past the edge rather than wrap.
        const int widest = label->fontMetrics()
                               .boundingRect(label->rect(), int(Qt::TextWordWrap), label->text())
                               .width();
        QVERIFY(widest <= label->width());
    }

    void etchedSeparator() {
        frmAbout box;
        const QImage face = box.grab().toImage();
        const QColor grey(128, 128, 128);
        const QColor white(Qt::white);
        // The lines run from x 8 (grey) and 7 (white) to x 280; y 155 grey, 156 and 157 white.
        for (int x : {8, 150, 280}) {
            QCOMPARE(face.pixelColor(x, 155), grey);
            QCOMPARE(face.pixelColor(x, 156), white);
            QCOMPARE(face.pixelColor(x, 157), white);
            QVERIFY(face.pixelColor(x, 154) != grey);
            QVERIFY(face.pixelColor(x, 158) != white);
        }
        QCOMPARE(face.pixelColor(7, 156), white);
        QVERIFY(face.pixelColor(7, 155) != grey);
        QVERIFY(face.pixelColor(281, 155) != grey);
        QVERIFY(face.pixelColor(281, 156) != white);
    }

    // OK holds the focus, and every way out of the box is OK.
    void everyWayOutIsOk_data() {
        QTest::addColumn<int>("key"); // 0 for a click on OK, -1 for the close control
        QTest::newRow("OK") << 0;
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
        QTest::newRow("close control") << -1;
    }
    void everyWayOutIsOk() {
        QFETCH(int, key);
        frmAbout box;
        QVERIFY(showActive(box));
        auto* ok = box.findChild<QPushButton*>(okControlName());
        QCOMPARE(QApplication::focusWidget(), ok);
        if (key == 0)
            QTest::mouseClick(ok, Qt::LeftButton);
        else if (key < 0)
            QVERIFY(box.close());
        else // to the box, not the button, so that it is the default button that answers
            QTest::keyClick(&box, Qt::Key(key));
        QTRY_VERIFY(!box.isVisible());
        QCOMPARE(box.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(TestFrmAbout)
#include "test_frmabout.moc"
