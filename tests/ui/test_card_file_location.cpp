#include "cards/card_file.h"
#include "engine/deal.h"
#include "engine/game_state.h"
#include "support/card_files.h"
#include "support/ordinary_user.h"
#include "support/recording_view.h"
#include "ui/card_file_location.h"

#include <QTest>

using namespace kov;
using namespace kov::test;
namespace fs = std::filesystem;

namespace {

QString qt(const fs::path& path) {
    return QString::fromStdString(path.string());
}

#ifndef _WIN32
// The card file search and one deal as a player would run them. 0: dealt from the user's copy.
int dealAsOrdinaryUser(const fs::path& programFolder, const fs::path& userFolder) {
    return runAsOrdinaryUser([&] {
        const CardFileLocation location = locateCardFile(qt(programFolder), qt(userFolder));
        if (location.path != userFolder / "card.txt")
            return 4;
        GameState state;
        RecordingView view;
        return ShuffleDeal(state, view, CardFile(location.path)) ? 5 : 0;
    });
}
#endif

} // namespace

class CardFileLocationTest : public QObject {
    Q_OBJECT

private slots:
    void aWritableProgramFolderKeepsItsOwnCardFile() {
        ProgramFolder program, user;
        program.writeCardFile(numberedCardFile());
        const auto location = locateCardFile(qt(program.path()), qt(user.path() / "kov"));
        QCOMPARE(location.path, program.cardFilePath());
        QVERIFY(!fs::exists(user.path() / "kov"));
    }

#ifndef _WIN32 // permission bits and ordinary users: POSIX only
    void aReadOnlyInstallDealsFromTheUsersOwnCopy() {
        ProgramFolder program, user;
        program.writeCardFile(numberedCardFile());
        fs::permissions(program.cardFilePath(), fs::perms(0644));
        fs::permissions(program.path(), fs::perms(0555));
        fs::permissions(user.path(), fs::perms(0777));
        const fs::path userFolder = user.path() / "share" / "KOV";

        QCOMPARE(dealAsOrdinaryUser(program.path(), userFolder), 0);
        const std::string afterFirst = readBytes(userFolder / "card.txt");
        QCOMPARE(afterFirst.size(), std::size_t(218));
        QCOMPARE(program.cardFileBytes(), numberedCardFile());

        // The next run goes on from the user's copy, not from the shipped order.
        QCOMPARE(dealAsOrdinaryUser(program.path(), userFolder), 0);
        const std::string afterSecond = readBytes(userFolder / "card.txt");
        QVERIFY(afterSecond != afterFirst);
        GameState state;
        RecordingView view;
        ProgramFolder replay;
        replay.writeCardFile(afterFirst);
        QVERIFY(!ShuffleDeal(state, view, CardFile(replay.cardFilePath())));
        QCOMPARE(replay.cardFileBytes(), afterSecond);
        QCOMPARE(program.cardFileBytes(), numberedCardFile());
        fs::permissions(program.path(), fs::perms(0700));
    }
#endif
};

QTEST_GUILESS_MAIN(CardFileLocationTest)
#include "test_card_file_location.moc"
