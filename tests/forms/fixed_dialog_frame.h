#pragma once

#include "in_twips.h"
#include "show_and_wait.h"

#include <QDialog>
#include <QScreen>
#include <QTest>

// The frame both dialogs share: title, fixed size in twips, a close button alone, modal, the
// program's icon, and once shown the middle of the screen's work area.
inline void checkFixedDialogFrame(QDialog& box, const QString& title, QSize twips) {
    QCOMPARE(box.windowTitle(), title);
    QCOMPARE(inTwips(QRect(QPoint(), box.size())).size(), twips);
    QCOMPARE(box.minimumSize(), box.maximumSize());
    const Qt::WindowFlags flags = box.windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowTitleHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowContextHelpButtonHint));
    QVERIFY(box.isModal());
    QVERIFY(!box.windowIcon().isNull());
    QVERIFY(showExposed(box));
    const QPoint off = box.frameGeometry().center() - box.screen()->availableGeometry().center();
    QVERIFY2(off.manhattanLength() <= 2,
             qPrintable(QStringLiteral("off by %1, %2").arg(off.x()).arg(off.y())));
}

// The named control is the box's own child, at its place in twips.
inline void checkPlacedControl(const QWidget& box, const QString& name, QRect twips) {
    const auto* control = box.findChild<QWidget*>(name);
    QVERIFY2(control, qPrintable(name));
    QCOMPARE(control->parentWidget(), &box);
    QCOMPARE(inTwips(control->geometry()), twips);
}
