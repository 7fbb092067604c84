#include "cards/hand.h"
#include "cards/rules.h"

#include <QTest>

using namespace kov;

Q_DECLARE_METATYPE(kov::Card)

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
        QCOMPARE(cardPoints(CardCharacter('0')), 0);
        QCOMPARE(cardPoints(CardCharacter('7')), 7);
        QCOMPARE(cardPoints(CardCharacter('S')), 20);
        QCOMPARE(cardPoints(CardCharacter('W')), 50);
        QCOMPARE(cardPoints(CardCharacter('F')), 50);
        QCOMPARE(cardPoints(CardCharacter('x')), 0);
        QCOMPARE(cardPoints(CardCharacter()), 0);
    }

    void removingACardClosesTheGap() {
        Hand hand;
        const char* codes[] = {"1R", "2R", "3R", "4R", "5R", "6R", "7R"};
        for (int slot = 0; slot < 7; ++slot)
            hand.put(slot, Card{CardCharacter(codes[slot][0]), CardCharacter(codes[slot][1])});
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
