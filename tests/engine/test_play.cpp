#include "support/table.h"

#include <QTest>

#include <tuple>

using namespace kov;
using namespace kov::test;

class PlayTest : public QObject {
    Q_OBJECT

private slots:
    void ignoredActionsChangeNothing_data() {
        QTest::addColumn<Codes>("playerOneHand");
        // "play PLAYER SLOT", "draw" or "new game"; after "chooser: " or "hand won: " when it
        // arrives from inside that question.
        QTest::addColumn<QString>("action");
        // Player One to move, a red 5 in force.
        const Codes hand{"7B", "8G", "9Y"};
        QTest::newRow("out of turn") << hand << "play 2 0";
        QTest::newRow("not matching") << hand << "play 1 0";
        QTest::newRow("empty slot") << hand << "play 1 3";
        // The wild card in slot 0 asks for the colour and, as the last card, wins the hand.
        const Codes wildFirst{"WY", "3Y"};
        QTest::newRow("play under the chooser") << wildFirst << "chooser: play 1 1";
        QTest::newRow("draw under the chooser") << wildFirst << "chooser: draw";
        QTest::newRow("new game under the chooser") << wildFirst << "chooser: new game";
        QTest::newRow("new game under the won hand") << Codes{"WY"} << "hand won: new game";
    }
    void ignoredActionsChangeNothing() {
        QFETCH(Codes, playerOneHand);
        QFETCH(QString, action);
        const QStringList during = action.split(QStringLiteral(": "));
        const QStringList words = during.last().split(' ');
        // The same table with and without the action: it must end the same.
        auto outcome = [&](bool acting) {
            Table table;
            table.setHand(Player::One, playerOneHand);
            table.setHand(Player::Two, {"5R", "7R"});
            table.setInForce("5R");
            const auto act = [&] {
                if (words[0] == "draw")
                    table.game->draw();
                else if (words[0] == "new")
                    table.game->newGame();
                else
                    table.game->play(words[1] == "1" ? Player::One : Player::Two, words[2].toInt());
            };
            if (acting && during.size() == 1)
                act();
            else if (acting)
                (during[0] == "chooser" ? table.view.whileChoosing : table.view.whileHandWon) = act;
            if (during.size() > 1)
                table.game->play(Player::One, 0);
            return std::tuple(table.state(), table.view.showings, table.view.discard,
                              table.view.chooserOpenings, table.view.handsWon,
                              table.folder.cardFileBytes());
        };
        QCOMPARE(outcome(true), outcome(false));
    }

    void theMatchTest_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("blue 7") << "7B" << false;
        QTest::newRow("red 7") << "7R" << true;
        QTest::newRow("blue 5") << "5B" << true;
        QTest::newRow("wild") << "WY" << true;
        QTest::newRow("wild draw four with red in hand") << "FB" << true;
    }
    void theMatchTest() {
        QFETCH(QString, code);
        QFETCH(bool, accepted);
        Table table;
        table.setHand(Player::One, {code.toStdString(), "2R", "3R"});
        table.setInForce("5R");
        table.game->play(Player::One, 0);
        QCOMPARE(table.handSize(Player::One), accepted ? 2 : 3);
        QCOMPARE(table.view.discard == cardFromCode(code.toStdString()), accepted);
    }

    void playingFromSlotZeroClosesTheGap() {
        Table table;
        table.setHand(Player::One, {"1R", "2G", "3B", "4Y", "SR", "VG", "DB"});
        table.setInForce("1B");
        table.game->play(Player::One, 0);
        QCOMPARE(table.view.slotCodes(Player::One),
                 (Codes{"2G", "3B", "4Y", "SR", "VG", "DB", ""}));
        QCOMPARE(*table.view.discard, cardFromCode("1R"));
        QCOMPARE(table.state().inForce, (CardInForce{CardCharacter('1'), CardCharacter('R')}));
    }

    void theTurnAfterEachKindOfCard_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("samePlayerAgain");
        QTest::newRow("number") << "7R" << false;
        QTest::newRow("skip") << "SR" << true;
        QTest::newRow("reverse") << "VR" << true;
        QTest::newRow("draw two") << "DR" << true;
        QTest::newRow("wild") << "WR" << false;
        QTest::newRow("wild draw four") << "FR" << true;
    }
    void theTurnAfterEachKindOfCard() {
        QFETCH(QString, code);
        QFETCH(bool, samePlayerAgain);
        for (Player player : {Player::One, Player::Two}) {
            Table table;
            table.setHand(player, {code.toStdString(), "1Y"});
            table.setInForce("5R");
            table.setToMove(player);
            table.game->play(player, 0);
            const Player next = samePlayerAgain ? player : opponentOf(player);
            QCOMPARE(table.state().toMove, next);
            QCOMPARE(table.view.turn, std::optional(next));
        }
    }

    void penaltiesGoOnlyIntoFreeSlots_data() {
        QTest::addColumn<QString>("played");
        QTest::addColumn<int>("opponentCards");
        QTest::addColumn<int>("cardsDrawn");
        QTest::newRow("draw two against seven") << "DR" << 7 << 0;
        QTest::newRow("draw two against six") << "DR" << 6 << 1;
        QTest::newRow("draw two against three") << "DR" << 3 << 2;
        QTest::newRow("draw four against five") << "FR" << 5 << 2;
        QTest::newRow("draw four against two") << "FR" << 2 << 4;
    }
    void penaltiesGoOnlyIntoFreeSlots() {
        QFETCH(QString, played);
        QFETCH(int, opponentCards);
        QFETCH(int, cardsDrawn);
        Table table;
        table.setHand(Player::One, {played.toStdString(), "1Y"});
        table.setHand(Player::Two, Codes(static_cast<std::size_t>(opponentCards), "9G"));
        table.setInForce("5R");
        table.game->play(Player::One, 0);
        QCOMPARE(table.handSize(Player::Two), opponentCards + cardsDrawn);
        QCOMPARE(table.state().DeckPosition, 31 + 2 * cardsDrawn);
        for (int slot = 0; slot < 7; ++slot)
            QCOMPARE(table.state().shown(Player::Two)[slotIndex(slot)],
                     slot < opponentCards + cardsDrawn);
        QCOMPARE(table.handSize(Player::One), 1);
    }

    void aWildCardAsksForTheColour() {
        Table table;
        table.setHand(Player::One, {"WY", "1B"});
        table.setInForce("5R");
        table.view.colourAnswers = {'G'};
        table.game->play(Player::One, 0);
        QCOMPARE(table.view.chooserOpenings, 1);
        QCOMPARE(table.state().inForce, (CardInForce{CardCharacter('W'), CardCharacter('G')}));
        QCOMPARE(table.view.colourInForce, std::optional(CardCharacter('G')));
        QCOMPARE(*table.view.discard, cardFromCode("WY")); // the pile keeps the wild card's picture
    }

    void closingTheChooserKeepsTheWildCardsOwnColour() {
        Table table;
        table.setHand(Player::One, {"FY", "1B"});
        table.setInForce("5R");
        table.view.colourAnswers = {std::nullopt};
        table.game->play(Player::One, 0);
        QCOMPARE(table.state().inForce.CurrentColour, CardCharacter('Y'));
        QCOMPARE(table.view.colourInForce, std::optional(CardCharacter('Y')));
        QCOMPARE(table.state().toMove, Player::One);
    }

    void aBlankCardStaysOutOfTheSlots() {
        Table table;
        table.setHand(Player::One, {"3R", "4R", " R", "6R"});
        table.setInForce("5R");
        table.game->play(Player::One, 0);
        QCOMPARE(table.view.slotCodes(Player::One), (Codes{"4R", "", "6R", "", "", "", ""}));
        QCOMPARE(table.state().shown(Player::One),
                 (SlotsShown{true, false, true, false, false, false, false}));
        // The blank card's slot counts as free: the next draw lands there.
        table.setToMove(Player::One);
        table.game->draw();
        QCOMPARE(table.view.slot(Player::One, 1), std::optional(table.state().Deck.cardAt(31)));
    }
};

QTEST_GUILESS_MAIN(PlayTest)
#include "test_play.moc"
