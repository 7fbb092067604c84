#include "cards/card_file.h"
#include "cards/card_file_location.h"
#include "engine/deal.h"
#include "engine/game_state.h"
#include "support/card_files.h"
#include "support/ordinary_user.h"
#include "support/recording_view.h"
#include "support/table_rules.h"
#include "system/folders.h"

#include <QTest>

#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

using namespace kov;
using namespace kov::test;
namespace fs = std::filesystem;

namespace {

using Kind = CardFileProblem::Kind;

// What a deal as a player would run it came to: dealt from the user's copy or from the program's
// own file, or refused for a kind of problem, with or without the system's reason.
constexpr int usersCopy = 0, programsOwn = 1, refused = 2;
constexpr int refusedFor(Kind kind, bool withReason) {
    return 16 + 2 * static_cast<int>(kind) + (withReason ? 1 : 0);
}

// The card file search and one deal as a player would run them, within 5 s and 512 MB; negative
// when the run went wrong. A full file system has no inode left, and anyone may write to it.
int dealAsOrdinaryUser(const fs::path& programFolder, const fs::path& userFolder,
                       bool onAFullFileSystem = false) {
    auto deal = [&] {
        return runAsOrdinaryUser([&] {
            ::alarm(5);
#ifndef __SANITIZE_ADDRESS__
            // AddressSanitizer reserves far more address space than this for its own books.
            constexpr rlim_t memoryLimit = rlim_t{512} << 20;
            const rlimit memory{memoryLimit, memoryLimit};
            ::setrlimit(RLIMIT_AS, &memory);
#endif
            const CardFileLocation location = locateCardFile(programFolder, userFolder);
            if (const auto& problem = location.problem) {
                if (problem->path != programFolder / "card.txt" && problem->path != userFolder)
                    return 4;
                return refusedFor(problem->kind, static_cast<bool>(problem->error));
            }
            const bool own = location.path == userFolder / "card.txt";
            if (!own && location.path != programFolder / "card.txt")
                return 5;
            GameState state;
            RecordingView view;
            if (ShuffleDeal(state, view, CardFile(location.path)))
                return 6;
            return own ? usersCopy : programsOwn;
        });
    };
    const int outcome = !onAFullFileSystem ? deal() : runWithOwnMounts([&] {
        if (::mount("kov-full", programFolder.c_str(), "tmpfs", 0, "nr_inodes=2,mode=0777") != 0)
            return 3;
        writeBytes(programFolder / "card.txt", numberedCardFile());
        return deal();
    });
    return outcome >= 3 && outcome < refusedFor(Kind{}, false) ? -outcome : outcome;
}

// A program folder that an ordinary user cannot write to, and a home for that user whose name is
// not valid UTF-8.
struct ReadOnlyInstall {
    ReadOnlyInstall() { fs::permissions(user.path(), fs::perms(0777)); }
    ~ReadOnlyInstall() {
        fs::permissions(program.path(), fs::perms(0700));
        std::error_code ignored; // the home's name is one that Qt's own clean-up cannot spell
        fs::remove_all(userFolder.parent_path(), ignored);
    }
    void lock() const { fs::permissions(program.path(), fs::perms(0555)); }
    ProgramFolder program, user;
    const fs::path userFolder = user.path() / "h\xE9" / "KOV";
};

} // namespace

class CardFileLocationTest : public QObject {
    Q_OBJECT

private slots:
    void aWritableProgramFolderKeepsItsOwnCardFile() {
        ProgramFolder program, user;
        program.writeCardFile(numberedCardFile());
        const auto location = locateCardFile(program.path(), user.path() / "kov");
        QCOMPARE(location.path, program.cardFilePath());
        QVERIFY(!fs::exists(user.path() / "kov"));
    }

    // The base-directory rules: only an absolute XDG_DATA_HOME counts, and no doubled slash.
    void theUsersDataFolderFollowsTheBaseDirectoryRules_data() {
        QTest::addColumn<QByteArray>("dataHome");
        QTest::addColumn<QByteArray>("home");
        QTest::addColumn<QByteArray>("folder");
        const auto row = [](const char* name, QByteArray dataHome, QByteArray home, QByteArray in) {
            QTest::newRow(name) << dataHome << home << in + "/Vantrel/KOV";
        };
        row("absolute", "/x/data", "/home/p", "/x/data");
        row("relative, ignored", "x/data", "/home/p", "/home/p/.local/share");
        row("HOME empty", "", "", "/.local/share");
        row("HOME not UTF-8", "", "/home/h\xE9", "/home/h\xE9/.local/share");
    }
    void theUsersDataFolderFollowsTheBaseDirectoryRules() {
        QFETCH(QByteArray, dataHome);
        QFETCH(QByteArray, home);
        QFETCH(QByteArray, folder);
        const QByteArray oldDataHome = qgetenv("XDG_DATA_HOME"), oldHome = qgetenv("HOME");
        QCoreApplication::setOrganizationName("Vantrel");
        QCoreApplication::setApplicationName("KOV");
        qputenv("XDG_DATA_HOME", dataHome);
        qputenv("HOME", home);
        const fs::path found = userDataFolder();
        qputenv("XDG_DATA_HOME", oldDataHome);
        qputenv("HOME", oldHome);
        QCOMPARE(QByteArray::fromStdString(found.native()), folder);
    }

    void aReadOnlyInstallDealsFromTheUsersOwnCopy() {
        ReadOnlyInstall install;
        install.program.writeCardFile(numberedCardFile());
        install.lock();
        const fs::path own = install.userFolder / "card.txt";

        QCOMPARE(dealAsOrdinaryUser(install.program.path(), install.userFolder), usersCopy);
        const std::string afterFirst = readBytes(own);
        QCOMPARE(afterFirst.size(), std::size_t(218));
        QCOMPARE(install.program.cardFileBytes(), numberedCardFile());

        // The next run goes on from the user's copy, not from the shipped order.
        QCOMPARE(dealAsOrdinaryUser(install.program.path(), install.userFolder), usersCopy);
        QCOMPARE(readBytes(own), nextOrder(afterFirst));
        QCOMPARE(install.program.cardFileBytes(), numberedCardFile());
    }

    // The shipped file is checked as a deal checks it before any copy is made: a bad one is refused
    // by name, at once, and leaves nothing in the user's folder. A folder the player may write
    // deals from its own file whatever the player's folder holds; a refused folder says why.
    void aReadOnlyInstallCopiesOnlyAUsableFile_data() {
        QTest::addColumn<QString>("shipped");
        QTest::addColumn<int>("dealtFrom");
        QTest::addColumn<Kind>("kind");
        QTest::newRow("100 bytes") << "100" << refused << Kind::TooShort;
        QTest::newRow("0 bytes") << "0" << refused << Kind::Empty;
        QTest::newRow("folder") << "folder" << refused << Kind::Folder;
        QTest::newRow("FIFO") << "fifo" << refused << Kind::NotAFile;
        QTest::newRow("link to /dev/zero") << "/dev/zero" << refused << Kind::NotAFile;
        QTest::newRow("link loop") << "loop" << refused << Kind::LinkLoop;
        QTest::newRow("10 MB, a deck first") << "10M" << usersCopy << Kind::Missing;
        QTest::newRow("writable, beside the user's copy")
            << "own copy" << programsOwn << Kind::Missing;
        QTest::newRow("writable, beside a damaged user's copy")
            << "own copy 0" << programsOwn << Kind::Missing;
        QTest::newRow("full file system") << "full" << refused << Kind::FolderNotWritable;
        QTest::newRow("user's folder cannot be made")
            << "home a file" << refused << Kind::UserFolderNotMade;
    }
    void aReadOnlyInstallCopiesOnlyAUsableFile() {
        QFETCH(QString, shipped);
        QFETCH(int, dealtFrom);
        QFETCH(Kind, kind);
        ReadOnlyInstall install;
        const fs::path card = install.program.cardFilePath();
        const fs::path own = install.userFolder / "card.txt";
        if (shipped == "folder" || shipped == "fifo" || shipped == "loop" ||
            shipped.startsWith('/'))
            putInPlaceOf(card, shipped.toStdString());
        else if (shipped == "10M")
            install.program.writeCardFile(numberedCardFile() + std::string(10 << 20, 'x'));
        else if (shipped[0].isDigit())
            install.program.writeCardFile(numberedCardFile().substr(0, shipped.toUInt()));
        else if (shipped != "full")
            install.program.writeCardFile(numberedCardFile());
        if (shipped.startsWith("own copy")) {
            fs::create_directories(install.userFolder);
            writeBytes(own, shipped == "own copy" ? uniformCardFile("7R") : std::string());
            fs::permissions(install.userFolder, fs::perms(0777));
            fs::permissions(install.program.path(), fs::perms(0777));
        } else if (shipped == "home a file")
            writeBytes(install.userFolder.parent_path(), "not a folder");
        if (!shipped.startsWith("own") && shipped != "full")
            install.lock();
        const std::string ownBefore = readBytes(own);

        const int status =
            dealAsOrdinaryUser(install.program.path(), install.userFolder, shipped == "full");
        if (status == noOwnMounts)
            QSKIP("no file system of its own can be mounted here (not root)");
        const bool withReason = kind == Kind::FolderNotWritable || kind == Kind::UserFolderNotMade;
        QCOMPARE(status, dealtFrom == refused ? refusedFor(kind, withReason) : dealtFrom);
        if (dealtFrom == usersCopy) {
            QCOMPARE(readBytes(own).size(), std::size_t(218));
        } else if (dealtFrom == programsOwn) {
            QCOMPARE(install.program.cardFileBytes().size(), std::size_t(218));
            QVERIFY(install.program.cardFileBytes() != numberedCardFile());
            QCOMPARE(readBytes(own), ownBefore);
        } else {
            QVERIFY(!fs::is_directory(install.userFolder));
        }
    }
};

QTEST_GUILESS_MAIN(CardFileLocationTest)
#include "test_card_file_location.moc"
