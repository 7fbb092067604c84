#include "cards/hand.h"
#include "cards/rules.h"

#include <QTest>

using namespace kov;

class RulesTest : public QObject {
    Q_OBJECT

private slots:
    void playability_data() {
        QTest::addColumn<Card>("card");
        QTest::addColumn<bool>("playable");
        // A red 5 is in force.
        QTest::newRow("blue 7") << cardFromCode("7B") << false;
        QTest::newRow("red 7") << cardFromCode("7R") << true;
        QTest::newRow("blue 5") << cardFromCode("5B") << true;
        QTest::newRow("wild") << cardFromCode("WG") << true;
        QTest::newRow("wild draw four") << cardFromCode("FY") << true;
        QTest::newRow("lower-case red") << cardFromCode("7r") << false;
        QTest::newRow("empty slot") << Card{} << false;
    }
    void playability() {
        QFETCH(Card, card);
        QFETCH(bool, playable);
        const CardInForce redFive{CardCharacter('5'), CardCharacter('R')};
        QCOMPARE(isPlayable(card, redFive), playable);
    }

    void points() {
        const std::pair<char, int> values[] = {{'0', 0},  {'7', 7},  {'S', 20},
                                               {'W', 50}, {'F', 50}, {'x', 0}};
        for (auto [value, points] : values)
            QCOMPARE(cardPoints(CardCharacter(value)), points);
        QCOMPARE(cardPoints(CardCharacter()), 0);
    }

    void removingACardClosesTheGap() {
        Hand hand;
        const char* codes[] = {"1R", "2R", "3R", "4R", "5R", "6R", "7R"};
        for (int slot = 0; slot < 7; ++slot)
            hand.put(slot, cardFromCode(codes[slot]));
        hand.remove(0);
        for (int slot = 0; slot < 6; ++slot)
            QCOMPARE(hand.at(slot).code(), std::string(codes[slot + 1]));
        QCOMPARE(hand.at(6), Card{});
        for (int played = 0; played < 6; ++played)
            hand.remove(0);
        QVERIFY(hand.isEmpty());
    }
};

QTEST_GUILESS_MAIN(RulesTest)
#include "test_rules.moc"
