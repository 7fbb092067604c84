#include "cards/shuffle.h"
#include "engine/deal.h"
#include "support/table.h"

#include <QTest>

#include <vector>

using namespace kov;
using namespace kov::test;

class DealTest : public QObject {
    Q_OBJECT

private:
    static std::vector<int> fileNumbersInSlots(const RecordingView& view, Player player) {
        std::vector<int> numbers;
        for (int slot = 0; slot < 7; ++slot)
            numbers.push_back(fileNumberOf(view.slot(player, slot).value_or(Card{})));
        return numbers;
    }

private slots:
    // Pins the deal: if the rearrangement or the swap schedule changes, every player's next
    // deal from his card file changes with it.
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
};

QTEST_GUILESS_MAIN(DealTest)
#include "test_deal.moc"
