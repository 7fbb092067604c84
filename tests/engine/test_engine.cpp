#include "cards/shuffle.h"
#include "engine/deal.h"
#include "engine/draw.h"
#include "support/table.h"

#include <QTest>

#include <tuple>
#include <vector>

using namespace kov;
using namespace kov::test;

class EngineTest : public QObject {
    Q_OBJECT

private:
    static std::vector<int> fileNumbersInSlots(const RecordingView& view, Player player) {
        std::vector<int> numbers;
        for (int slot = 0; slot < 7; ++slot)
            numbers.push_back(fileNumberOf(view.slot(player, slot).value_or(Card{})));
        return numbers;
    }

private slots:
    // Pins the deal: change the rearrangement or the swaps and every player's next deal changes.
    void dealsTheFixedCardsFromTheFile() {
        const Table table;
        const GameState& state = table.state();
        const RecordingView& view = table.view;

        QCOMPARE(fileNumbersInSlots(view, Player::One),
                 (std::vector<int>{71, 46, 6, 23, 75, 51, 98}));
        QCOMPARE(fileNumbersInSlots(view, Player::Two),
                 (std::vector<int>{41, 64, 18, 4, 67, 89, 99}));
        QCOMPARE(fileNumberOf(*view.discard), 96);
        QCOMPARE(fileNumberOf(state.Deck.cardAt(31)), 97);
        QCOMPARE(state.inForce, (CardInForce{state.Deck(29), state.Deck(30)}));
        QCOMPARE(table.brokenDealRule(), QString());
    }

    void writesTheDealtOrderBackByteForByte() {
        const Table table;
        const std::string written = table.folder.cardFileBytes();
        QCOMPARE(brokenDealtFile(written, numberedCardFile()), std::optional<std::string>());
        for (int index = 1; index <= 216; ++index)
            QCOMPARE(written[std::size_t(index - 1)], table.state().Deck(index).recordByte());
    }

    void returnsToTheFirstOrderAfterNinetySixDeals() {
        Table table;
        for (int deal = 1; deal <= 96; ++deal) {
            QVERIFY(deal == 1 || !table.game->ShuffleDeal());
            const bool backToFirst =
                table.folder.cardFileBytes().substr(0, 216) == numberedCardFile();
            QVERIFY2(backToFirst == (deal == 96), qPrintable(QStringLiteral("deal %1").arg(deal)));
        }
    }

    void cardShuffleExchangesOneCardPair() {
        CardElements deck;
        for (int index = 1; index <= 216; ++index)
            deck(index) = CardCharacter(static_cast<char>('!' + index % 90));
        CardElements expected = deck;
        std::swap(expected(87), expected(1));
        std::swap(expected(88), expected(2));
        CardShuffle(deck, 87, 88, 1, 2);
        QCOMPARE(deck, expected);
    }

    void dealsTheSameFromEveryFileLength_data() {
        QTest::addColumn<QByteArray>("tail");
        QTest::newRow("108 records") << QByteArray();
        QTest::newRow("as written") << QByteArray("  ");
        QTest::newRow("editor's line end") << QByteArray("\r\n");
        QTest::newRow("any two bytes") << QByteArray("zz");
        QTest::newRow("odd byte") << QByteArray("x");
        QTest::newRow("much longer") << QByteArray(5000, 'Q');
    }
    void dealsTheSameFromEveryFileLength() {
        QFETCH(QByteArray, tail);
        const Table plain;
        const Table longer(numberedCardFile() + tail.toStdString());
        QCOMPARE(longer.state(), plain.state());
        QCOMPARE(longer.folder.cardFileBytes(), plain.folder.cardFileBytes());
    }

    void carriesCharactersOutsideTheCardAlphabetThrough() {
        // Lower case, a digit as colour, spaces, a NUL and a byte above 127, all in dealt places.
        const std::string high{'\0', static_cast<char>(0xE9)};
        const std::string bytes = cardFileDealing({"r5"}, {}, "  ", high);
        const Table table(bytes);
        const GameState& state = table.state();
        const RecordingView& view = table.view;

        QCOMPARE(view.slot(Player::One, 0)->code(), std::string("r5"));
        QCOMPARE(view.discard->code(), std::string("  "));
        QCOMPARE(state.inForce.CurrentValue, CardCharacter(' '));
        QCOMPARE(state.Deck.cardAt(31).code(), high);
        QCOMPARE(brokenDealtFile(table.folder.cardFileBytes(), bytes),
                 std::optional<std::string>());
    }

    void twoRunsFromTheSameFileDealAlike() {
        Table first, second;
        for (int deal = 0; deal < 3; ++deal) {
            QCOMPARE(second.state(), first.state());
            QCOMPARE(second.folder.cardFileBytes(), first.folder.cardFileBytes());
            QVERIFY(!first.game->ShuffleDeal() && !second.game->ShuffleDeal());
        }
    }

    void newDealReplacesAHandInProgressButNotTheTotals() {
        Table table;
        table.adjust([](GameState& state) {
            state.toMove = Player::Two;
            state.totals = {120, 45};
            state.PlayerOneHand.remove(0);
            state.DeckPosition = 77;
        });
        table.view.totals = {120, 45};

        QVERIFY(!table.game->ShuffleDeal());
        QCOMPARE(table.brokenDealRule(), QString());
        QCOMPARE(table.state().totals, (std::array<int, 2>{120, 45}));
    }

    // Playing a card.
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
        // The wild draw four is played though a red card could have been.
        table.setHand(Player::One, {played.toStdString(), "1R"});
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

    // Drawing.
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

    // The end of a hand.
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

    // Once won, a hand whose next deal is refused leaves no one to move and takes no clicks.
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

QTEST_GUILESS_MAIN(EngineTest)
#include "test_engine.moc"
