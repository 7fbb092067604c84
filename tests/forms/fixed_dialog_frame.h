#pragma once

#include "in_twips.h"

#include <QDialog>
#include <QTest>

// The frame both dialogs share: the title, the size in twips and no other, a close button but
// no minimise, maximise or help button, and modal.
inline void checkFixedDialogFrame(const QDialog& box, const QString& title, QSize twips) {
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
}
