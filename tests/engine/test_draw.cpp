#include "engine/draw.h"
#include "support/table.h"

#include <QTest>

using namespace kov;
using namespace kov::test;

class DrawTest : public QObject {
    Q_OBJECT

private slots:
    void aFullHandTakesNothingAndPassesTheTurn() {
        Table table;
        table.game->draw();
        QCOMPARE(table.state().DeckPosition, 31);
        QCOMPARE(table.handSize(Player::One), 7);
        QCOMPARE(table.state().toMove, Player::Two);
        QCOMPARE(table.view.turn, std::optional(Player::Two));
        QVERIFY(table.view.handsWon.empty());
    }

    void fillsTheLowestFreeSlot_data() {
        QTest::addColumn<Codes>("hand");
        QTest::addColumn<int>("filled");
        QTest::newRow("slots 0 to 4 taken") << Codes{"1R", "2R", "3R", "4R", "5R"} << 5;
        QTest::newRow("gap at slot 2") << Codes{"1R", "2R", "", "4R", "5R", "6R", "7R"} << 2;
        QTest::newRow("empty hand") << Codes{} << 0;
    }
    void fillsTheLowestFreeSlot() {
        QFETCH(Codes, hand);
        QFETCH(int, filled);
        Table table;
        table.setHand(Player::One, hand);
        GameState state = table.state();
        const Card next = state.Deck.cardAt(31);

        QCOMPARE(drawOneCard(state, table.view, Player::One), std::optional(next));
        QCOMPARE(table.view.slot(Player::One, filled), std::optional(next));
        QCOMPARE(state.PlayerOneHand.at(filled), next);
        QVERIFY(state.shown(Player::One)[static_cast<std::size_t>(filled)]);
        QCOMPARE(state.DeckPosition, 33);
        QCOMPARE(state.toMove, Player::One); // the one-card draw leaves the turn alone
    }

    void theDeckPositionWrapsAfterTheLastCard() {
        Table table;
        table.setHand(Player::One, {"1R"});
        GameState state = table.state();
        state.DeckPosition = 213;
        const std::vector<Card> expected{state.Deck.cardAt(213), state.Deck.cardAt(215),
                                         state.Deck.cardAt(3)};
        const std::vector<int> positions{215, 3, 5};
        for (std::size_t draw = 0; draw < 3; ++draw) {
            drawOneCard(state, table.view, Player::One);
            QCOMPARE(state.PlayerOneHand.at(static_cast<int>(draw) + 1), expected[draw]);
            QCOMPARE(state.DeckPosition, positions[draw]);
        }
    }

    void aPlayableDrawnCardKeepsTheTurn_data() {
        QTest::addColumn<QString>("drawn");
        QTest::addColumn<bool>("keepsTurn");
        // A red 5 is in force.
        QTest::newRow("wild") << "WB" << true;
        QTest::newRow("wild draw four") << "FG" << true;
        QTest::newRow("same colour") << "9R" << true;
        QTest::newRow("same value") << "5Y" << true;
        QTest::newRow("neither") << "7B" << false;
        QTest::newRow("skip of another colour") << "SG" << false;
    }
    void aPlayableDrawnCardKeepsTheTurn() {
        QFETCH(QString, drawn);
        QFETCH(bool, keepsTurn);
        for (Player player : {Player::One, Player::Two}) {
            for (int position : {31, 215}) {
                Table table;
                table.setHand(player, {"1G", "2G"});
                table.setInForce("5R");
                table.setToMove(player);
                table.adjust([&](GameState& state) {
                    state.DeckPosition = position;
                    state.Deck(position) = CardCharacter(drawn.toLatin1()[0]);
                    state.Deck(position + 1) = CardCharacter(drawn.toLatin1()[1]);
                });

                table.game->draw();
                QCOMPARE(table.view.slot(player, 2)->code(), drawn.toStdString());
                QCOMPARE(table.handSize(opponentOf(player)), 7);
                QCOMPARE(table.state().toMove, keepsTurn ? player : opponentOf(player));
                QCOMPARE(table.view.turn, std::optional(table.state().toMove));
                QVERIFY(table.view.handsWon.empty());
            }
        }
    }
};

QTEST_GUILESS_MAIN(DrawTest)
#include "test_draw.moc"
