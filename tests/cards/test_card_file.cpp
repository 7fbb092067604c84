#include "cards/card_file.h"
#include "engine/deal.h"
#include "engine/game_state.h"
#include "support/card_files.h"
#include "support/ordinary_user.h"
#include "support/recording_view.h"
#include "support/table.h"

#include <QTest>

#include <csignal>
#include <filesystem>
#include <set>
#ifndef _WIN32
#include <sys/resource.h>
#endif

using namespace kov;
using namespace kov::test;
namespace fs = std::filesystem;
using Kind = CardFileProblem::Kind;

class CardFileTest : public QObject {
    Q_OBJECT

private slots:
    // Refused and left as it was; nothing in its place is waited on or read past a deck.
    void refusesAFileThatCannotHoldADeck_data() {
        QTest::addColumn<QString>("made"); // "file" holding content, "missing", or putInPlaceOf's
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<int>("wholeCards");
        const QByteArray none;
        QTest::newRow("missing") << "missing" << none << Kind::Missing << 0;
        QTest::newRow("empty") << "file" << none << Kind::Empty << 0;
        QTest::newRow("one byte") << "file" << QByteArray("7") << Kind::TooShort << 0;
        QTest::newRow("one card") << "file" << QByteArray("7R") << Kind::TooShort << 1;
        QTest::newRow("one byte short")
            << "file" << QByteArray::fromStdString(numberedCardFile().substr(0, 215))
            << Kind::TooShort << 107;
        QTest::newRow("folder") << "folder" << none << Kind::Folder << 0;
#ifndef _WIN32 // FIFOs, devices and links: POSIX only
        QTest::newRow("FIFO") << "fifo" << none << Kind::NotAFile << 0;
        QTest::newRow("link to /dev/zero") << "/dev/zero" << none << Kind::NotAFile << 0;
        QTest::newRow("link loop") << "loop" << none << Kind::LinkLoop << 0;
#endif
    }
    void refusesAFileThatCannotHoldADeck() {
        QFETCH(QString, made);
        QFETCH(QByteArray, content);
        QFETCH(Kind, kind);
        QFETCH(int, wholeCards);
        ProgramFolder folder;
        const fs::path card = folder.cardFilePath();
        if (made == "file")
            folder.writeCardFile(content.toStdString());
        else if (made != "missing")
            putInPlaceOf(card, made.toStdString());
        const auto before = fs::symlink_status(card).type();

        GameState state;
        RecordingView view;
        auto problem = ShuffleDeal(state, view, CardFile(card));
        QCOMPARE(problem, (CardFileProblem{kind, card, wholeCards, {}}));
        QCOMPARE(state, GameState{});
        QCOMPARE(view.showings, 0);
        QVERIFY(!view.turn);
        QCOMPARE(fs::symlink_status(card).type(), before);
        if (made == "file")
            QCOMPARE(folder.cardFileBytes(), content.toStdString());
        QCOMPARE(folderEntries(folder.path()).size(), std::size_t(made == "missing" ? 0 : 1));
    }

    void refusalKeepsTheHandInProgress() {
        Table table;
        const GameState before = table.state();
        const auto shownBefore = table.view.slotCodes(Player::One);
        const int showingsBefore = table.view.showings;

        table.folder.writeCardFile("7R7G");
        QVERIFY(table.game->ShuffleDeal());
        QCOMPARE(table.state(), before);
        QCOMPARE(table.view.slotCodes(Player::One), shownBefore);
        QCOMPARE(table.view.showings, showingsBefore);
        QCOMPARE(table.folder.cardFileBytes(), std::string("7R7G"));
    }

#ifndef _WIN32 // file size limits, permission bits and links: POSIX only
    // A full disk: the write fails part-way, the old file stays whole and nothing is dealt.
    void aFailedWriteLeavesEverythingAsItWas() {
        ProgramFolder folder;
        folder.writeCardFile(numberedCardFile());
        GameState state;
        RecordingView view;

        rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = old;
        small.rlim_cur = 100;
        setrlimit(RLIMIT_FSIZE, &small);
        auto problem = ShuffleDeal(state, view, CardFile(folder.cardFilePath()));
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);

        QCOMPARE(problem, (CardFileProblem{Kind::NotSaved, folder.cardFilePath(), 0,
                                           std::make_error_code(std::errc::file_too_large)}));
        QCOMPARE(folder.cardFileBytes(), numberedCardFile());
        QCOMPARE(state, GameState{});
        QCOMPARE(view.showings, 0);
        QCOMPARE(folderEntries(folder.path()), std::vector<std::string>{"card.txt"});
    }

    void aReadOnlyFolderRefusesTheDealCleanly() {
        ProgramFolder folder;
        folder.writeCardFile(numberedCardFile());
        fs::permissions(folder.cardFilePath(), fs::perms(0644));
        fs::permissions(folder.path(), fs::perms(0555));
        // A deal as a player would run it: 0 dealt, 1 refused cleanly, 2 refused with a fault.
        const int status = runAsOrdinaryUser([&] {
            GameState state;
            RecordingView view;
            const auto problem = ShuffleDeal(state, view, CardFile(folder.cardFilePath()));
            const bool clean = problem && problem->path == folder.cardFilePath() &&
                               view.showings == 0 && !view.turn;
            return !problem ? 0 : clean ? 1 : 2;
        });
        fs::permissions(folder.path(), fs::perms(0700));
        QCOMPARE(status, 1);
        QCOMPARE(folder.cardFileBytes(), numberedCardFile());
        QCOMPARE(folderEntries(folder.path()), std::vector<std::string>{"card.txt"});
    }

#endif

    // The deck shipped with the game: the usual 108 cards, each with its picture.
    void theSuppliedDeckIsComplete() {
        const fs::path assets = KOV_ASSETS_DIR;
        const std::string bytes = readBytes(assets / "card.txt");
        QCOMPARE(bytes.size(), std::size_t(218));
        QCOMPARE(bytes.substr(216), std::string("  "));
        auto codes = [](const std::string& deck) {
            std::multiset<std::string> each;
            for (std::size_t at = 0; at < 216; at += 2)
                each.insert(deck.substr(at, 2));
            return each;
        };
        QCOMPARE(codes(bytes), codes(usualDeck()));
        for (const auto& code : codes(bytes))
            QVERIFY2(fs::is_regular_file(assets / (code + ".jpg")), code.c_str());
    }
};

QTEST_GUILESS_MAIN(CardFileTest)
#include "test_card_file.moc"
