#include "support/table.h"

#include <QTest>

using namespace kov;
using namespace kov::test;

class HandEndTest : public QObject {
    Q_OBJECT

private slots:
    void theWinnerScoresTheLosersCards_data() {
        QTest::addColumn<Codes>("loserHand");
        QTest::addColumn<int>("points");
        QTest::newRow("7, skip and wild") << Codes{"7B", "SG", "WR"} << 77;
        QTest::newRow("only zeros") << Codes{"0B", "0G"} << 0;
        QTest::newRow("draw two, reverse, wild draw four") << Codes{"DR", "VY", "FG"} << 90;
    }
    void theWinnerScoresTheLosersCards() {
        QFETCH(Codes, loserHand);
        QFETCH(int, points);
        for (Player winner : {Player::One, Player::Two}) {
            Table table;
            table.setHand(opponentOf(winner), loserHand);
            table.setHand(winner, {"3R"});
            table.setInForce("5R");
            table.setToMove(winner);
            table.adjust([&](GameState& state) { state.total(opponentOf(winner)) = 40; });
            table.view.showTotal(opponentOf(winner), 40);
            const std::string before = table.folder.cardFileBytes();

            table.game->play(winner, 0);
            QCOMPARE(table.view.handsWon, std::vector{winner});
            QVERIFY(table.view.matchesWon.empty());
            QCOMPARE(table.state().total(winner), points);
            QCOMPARE(table.state().total(opponentOf(winner)), 40);
            // A new hand is dealt, with Player One to move whoever won.
            QVERIFY(table.folder.cardFileBytes() != before);
            QCOMPARE(table.brokenDealRule(), QString());
        }
    }

    void theMatchEndsOnlyOverFiveHundred_data() {
        QTest::addColumn<int>("totalBefore");
        QTest::addColumn<bool>("matchOver");
        QTest::newRow("exactly 500") << 493 << false;
        QTest::newRow("501") << 494 << true;
        QTest::newRow("512") << 505 << true;
    }
    void theMatchEndsOnlyOverFiveHundred() {
        QFETCH(int, totalBefore);
        QFETCH(bool, matchOver);
        Table table;
        table.setHand(Player::One, {"3R"});
        table.setHand(Player::Two, {"7G"});
        table.setInForce("5R");
        table.adjust([&](GameState& state) { state.totals = {totalBefore, 300}; });
        table.view.totals = {totalBefore, 300};

        table.game->play(Player::One, 0);
        const int total = totalBefore + 7;
        QCOMPARE(table.view.handsWon, std::vector{Player::One});
        using Wins = std::vector<std::pair<Player, int>>;
        const Wins wins = matchOver ? Wins{{Player::One, total}} : Wins();
        QCOMPARE(table.view.matchesWon, wins);
        QCOMPARE(table.state().totals, (matchOver ? std::array{0, 0} : std::array{total, 300}));
        QCOMPARE(table.brokenDealRule(), QString()); // totals shown as held, Player One to move
    }

    void aLastWildCardStillAsksForTheColour() {
        Table table;
        table.setHand(Player::Two, {"WB"});
        table.setHand(Player::One, {"2G"});
        table.setToMove(Player::Two);
        table.view.colourAnswers = {'R'};
        table.game->play(Player::Two, 0);
        QCOMPARE(table.view.chooserOpenings, 1);
        QCOMPARE(table.state().total(Player::Two), 2);
        QCOMPARE(table.view.handsWon, std::vector{Player::Two});
    }

    void cardsDrawnAsALastPenaltyCount() {
        Table table;
        table.setHand(Player::One, {"DR"});
        table.setHand(Player::Two, {"1G", "1G", "1G", "1G", "1G", "1G"});
        table.setInForce("5R");
        table.adjust([](GameState& state) {
            state.Deck(31) = CardCharacter('W');
            state.Deck(32) = CardCharacter('B');
        });
        table.game->play(Player::One, 0);
        // Six ones and the wild card that fitted the seventh slot; the second draw found no room.
        QCOMPARE(table.state().total(Player::One), 56);
    }

    // The hand is over once won: when the next deal is refused, no one is to move and the
    // finished hand takes no clicks until New Game deals.
    void aRefusedDealAfterAWinClosesTheTable() {
        Table table;
        table.setHand(Player::One, {"3R"});
        table.setHand(Player::Two, {"7G", "5R"});
        table.setInForce("5R");
        const std::string good = table.folder.cardFileBytes();
        table.folder.writeCardFile("7R7G");

        table.game->play(Player::One, 0);
        const CardFileProblem tooShort{
            CardFileProblem::Kind::TooShort, table.folder.cardFilePath(), 2, {}};
        QCOMPARE(table.view.problems, std::vector{tooShort});
        QCOMPARE(table.state().phase, Phase::NoHand);
        QCOMPARE(table.view.turn, std::optional<Player>());
        QCOMPARE(table.state().total(Player::One), 12);

        const GameState over = table.state();
        const int showings = table.view.showings;
        table.game->draw();
        table.game->play(Player::Two, 1);
        table.game->play(Player::One, 0);
        QCOMPARE(table.state(), over);
        QCOMPARE(table.view.showings, showings);

        table.game->newGame();
        QCOMPARE(table.view.problems.size(), std::size_t(2));
        table.folder.writeCardFile(good);
        table.game->newGame();
        QCOMPARE(table.state().phase, Phase::HandInPlay);
        QCOMPARE(table.view.turn, std::optional(Player::One));
        QCOMPARE(table.state().total(Player::One), 12);
    }
};

QTEST_GUILESS_MAIN(HandEndTest)
#include "test_hand_end.moc"
