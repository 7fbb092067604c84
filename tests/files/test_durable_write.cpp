#include "files/durable_write.h"
#include "support/card_files.h"
#include "support/file_bytes.h"
#include "support/ordinary_user.h"

#include <QTest>

#include <chrono>
#include <filesystem>
#ifndef _WIN32
#include <sys/mount.h>
#endif

using namespace kov;
using namespace kov::test;
namespace fs = std::filesystem;

class DurableWriteTest : public QObject {
    Q_OBJECT

private slots:
#ifndef _WIN32 // mounts, permission bits and links: POSIX only
    // Without /proc an unnamed new file cannot be named: it is written under a temporary name.
    void writesWithoutProc() {
        ProgramFolder folder;
        folder.writeCardFile("old");
        const int status = runWithOwnMounts([&] {
            if (::mount("kov-no-proc", "/proc", "tmpfs", 0, nullptr) != 0)
                return 3;
            return replaceFileDurably(folder.cardFilePath(), numberedCardFile()) ? 1 : 0;
        });
        if (status == noOwnMounts)
            QSKIP("no file system of its own can be mounted here (not root)");
        QCOMPARE(status, 0);
        QCOMPARE(folder.cardFileBytes(), numberedCardFile());
        QCOMPARE(folderEntries(folder.path()), std::vector<std::string>{"card.txt"});
    }

    void keepsTheFilesPermissionsAndFollowsALink() {
        ProgramFolder folder;
        const fs::path real = folder.path() / "deck-order";
        writeBytes(real, "old");
        fs::permissions(real, fs::perms(0640));
        fs::create_symlink(real, folder.cardFilePath());
        QVERIFY(!replaceFileDurably(folder.cardFilePath(), numberedCardFile()));
        QVERIFY(fs::is_symlink(folder.cardFilePath()));
        QCOMPARE(readBytes(real), numberedCardFile());
        QCOMPARE(fs::status(real).permissions() & fs::perms::all, fs::perms(0640));
    }
#endif

    // A write killed mid-way may leave its temporary file. The start-up sweep clears away old
    // ones of exactly that form, and nothing else: a young one may be another copy's write.
    void sweepsOnlyAbandonedTemporaryFiles_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("minutesOld");
        QTest::addColumn<bool>("kept");
        QTest::newRow("abandoned") << ".card.txt.kov-tmp-Ab12Cd" << 60 << false;
        QTest::newRow("young") << ".card.txt.kov-tmp-Ef34Gh" << 0 << true;
        QTest::newRow("complete, named for its rename") << ".card.txt.kov-new-Ef34Gh" << 0 << false;
        QTest::newRow("editor's swap file") << ".card.txt.swp" << 60 << true;
        QTest::newRow("hidden backup") << ".card.txt.Ab12Cd" << 60 << true;
        QTest::newRow("longer random part") << ".card.txt.kov-tmp-Ab12Cde" << 60 << true;
        QTest::newRow("another file's") << ".deck.txt.kov-tmp-Ab12Cd" << 60 << true;
    }
    void sweepsOnlyAbandonedTemporaryFiles() {
        QFETCH(QString, name);
        QFETCH(int, minutesOld);
        QFETCH(bool, kept);
        ProgramFolder folder;
        folder.writeCardFile(numberedCardFile());
        const fs::path file = folder.path() / name.toStdString();
        writeBytes(file, "half");
        fs::last_write_time(file,
                            fs::file_time_type::clock::now() - std::chrono::minutes(minutesOld));
        removeAbandonedTemporaryFiles(folder.cardFilePath());
        QVERIFY(!replaceFileDurably(folder.cardFilePath(), "new"));
        QCOMPARE(fs::exists(file), kept);
        QCOMPARE(folderEntries(folder.path()).size(), std::size_t(kept ? 2 : 1));
    }
};

QTEST_GUILESS_MAIN(DurableWriteTest)
#include "test_durable_write.moc"
