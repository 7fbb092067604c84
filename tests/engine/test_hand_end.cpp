#include "support/table.h"

#include <QTest>

using namespace kov;
using namespace kov::test;

using Message = FakePlatform::Message;

class HandEndTest : public QObject {
    Q_OBJECT

private slots:
    void theWinnerScoresTheLosersCards_data() {
        QTest::addColumn<QStringList>("loserHand");
        QTest::addColumn<int>("points");
        QTest::newRow("7, skip and wild") << QStringList{"7B", "SG", "WR"} << 77;
        QTest::newRow("only zeros") << QStringList{"0B", "0G"} << 0;
        QTest::newRow("draw two, reverse, wild draw four") << QStringList{"DR", "VY", "FG"} << 90;
    }
    void theWinnerScoresTheLosersCards() {
        QFETCH(QStringList, loserHand);
        QFETCH(int, points);
        for (Player winner : {Player::One, Player::Two}) {
            Table table;
            std::vector<std::string> codes;
            for (const auto& code : loserHand)
                codes.push_back(code.toStdString());
            table.setHand(opponentOf(winner), codes);
            table.setHand(winner, {"3R"});
            table.setInForce("5R");
            table.setToMove(winner);
            table.game.state().total(opponentOf(winner)) = 40;
            const std::string before = table.folder.cardFileBytes();

            winner == Player::One ? table.game.PlayerOneCard_Click(0)
                                  : table.game.PlayerTwoCard_Click(0);
            const std::string name = winner == Player::One ? "Player One" : "Player Two";
            QCOMPARE(table.platform.messages,
                     (std::vector<Message>{{"Play Again", name + " is the winner."}}));
            QCOMPARE(table.game.state().total(winner), points);
            QCOMPARE(table.game.state().total(opponentOf(winner)), 40);
            QCOMPARE(table.platform.totals[static_cast<std::size_t>(indexOf(winner))], points);
            // A new hand is dealt, with Player One to move whoever won.
            QVERIFY(table.folder.cardFileBytes() != before);
            QCOMPARE(table.handSize(Player::One), 7);
            QCOMPARE(table.handSize(Player::Two), 7);
            QCOMPARE(table.game.state().toMove, Player::One);
            QCOMPARE(table.game.state().DeckPosition, 31);
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
        table.game.state().totals = {totalBefore, 300};
        table.platform.totals = {totalBefore, 300};

        table.game.PlayerOneCard_Click(0);
        const int total = totalBefore + 7;
        std::vector<Message> expected{{"Play Again", "Player One is the winner."}};
        if (matchOver) {
            expected.push_back({"Game Over", "Player One is the Total Game winner. " +
                                                 std::to_string(total) + " Total Points."});
        }
        QCOMPARE(table.platform.messages, expected);
        const std::array<int, 2> totals =
            matchOver ? std::array<int, 2>{0, 0} : std::array<int, 2>{total, 300};
        QCOMPARE(table.game.state().totals, totals);
        QCOMPARE(table.platform.totals, totals);
        QCOMPARE(table.game.state().toMove, Player::One);
    }

    void aLastWildCardStillAsksForTheColour() {
        Table table;
        table.setHand(Player::Two, {"WB"});
        table.setHand(Player::One, {"2G"});
        table.setToMove(Player::Two);
        table.platform.colourAnswers = {'R'};
        table.game.PlayerTwoCard_Click(0);
        QCOMPARE(table.platform.chooserOpenings, 1);
        QCOMPARE(table.game.state().total(Player::Two), 2);
        QCOMPARE(table.platform.messages.front().text, std::string("Player Two is the winner."));
    }

    void cardsDrawnAsALastPenaltyCount() {
        Table table;
        table.setHand(Player::One, {"DR"});
        table.setHand(Player::Two, {"1G", "1G", "1G", "1G", "1G", "1G"});
        table.setInForce("5R");
        GameState& state = table.game.state();
        state.Deck(31) = CardCharacter('W');
        state.Deck(32) = CardCharacter('B');
        table.game.PlayerOneCard_Click(0);
        // Six ones and the wild card that fitted into the seventh slot; the second draw found
        // no room.
        QCOMPARE(state.total(Player::One), 56);
    }
};

QTEST_GUILESS_MAIN(HandEndTest)
#include "test_hand_end.moc"
