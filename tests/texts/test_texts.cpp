#include "texts/table_texts.h"

#include <QtTest>

using namespace kov;

class TestTexts : public QObject {
    Q_OBJECT

private slots:
    void cardNamesReadAloud() {
        QCOMPARE(cardName(cardFromCode("7R")), QStringLiteral("Red 7"));
        QCOMPARE(cardName(cardFromCode("SB")), QStringLiteral("Blue Skip"));
        QCOMPARE(cardName(cardFromCode("DY")), QStringLiteral("Yellow Draw Two"));
        QCOMPARE(cardName(cardFromCode("FG")), QStringLiteral("Wild Draw Four"));
        QCOMPARE(cardName(Card{CardCharacter('\0'), CardCharacter(' ')}),
                 QStringLiteral("blank 0x00"));
    }
};

QTEST_GUILESS_MAIN(TestTexts)
#include "test_texts.moc"
