#include "forms/frmkov.h"
#include "program/startup.h"
#include "support/card_files.h"

#include <QDir>
#include <QtTest>

using namespace kov;
using namespace kov::test;

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void aCardFileThatCannotBeUsedStopsTheStart() {
        ProgramFolder folder;
        folder.writeCardFile("7R7G");
        QString told;
        auto window = openMainWindow(folder.path(), std::filesystem::path(),
                                     [&](const QString& problem) { told = problem; });
        QVERIFY(!window);
        QVERIFY(told.contains(
            QDir::toNativeSeparators(QString::fromStdString(folder.cardFilePath().string()))));
        QVERIFY(told.contains("holds 2 whole cards, and a deck needs 108"));
        QCOMPARE(folder.cardFileBytes(), std::string("7R7G"));
    }

    // Never the working directory instead: the start is refused with the reason.
    void anUnknownProgramFolderIsRefused() {
        QString told;
        QVERIFY(!openMainWindow({}, {}, [&](const QString& text) { told = text; }));
        QVERIFY2(told.startsWith("The folder that holds KOV cannot be found"), qPrintable(told));
    }
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
