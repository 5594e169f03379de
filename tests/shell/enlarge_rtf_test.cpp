// The larger-print copy of an RTF text.
#include "shell/enlarge_rtf.h"
#include "tests/support/test_main.h"

#include <QTest>

namespace {
QByteArray enlarged(QByteArray rtf)
{
    EnlargeRtf(rtf);
    return rtf;
}
}  // namespace

class EnlargeRtfTest : public QObject {
    Q_OBJECT
private slots:
    void scalesSizesTabsAndIndentsRoundingDown_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("font size 20") << QByteArray("{x\\par \\fs20 a}") << QByteArray("{x\\par \\fs29 a}");
        QTest::newRow("font size 8 grows the text") << QByteArray("{x\\par \\fs8 a}") << QByteArray("{x\\par \\fs11 a}");
        QTest::newRow("font size 24") << QByteArray("{x\\par \\fs24 a}") << QByteArray("{x\\par \\fs34 a}");
        QTest::newRow("indent 0 stays") << QByteArray("{x\\par \\li0 a}") << QByteArray("{x\\par \\li0 a}");
        QTest::newRow("tab stop 1440") << QByteArray("{x\\par \\tx1440 a}") << QByteArray("{x\\par \\tx2094 a}");
        QTest::newRow("indent 360") << QByteArray("{x\\par \\li360 a}") << QByteArray("{x\\par \\li523 a}");
        QTest::newRow("first-line indent -360")
            << QByteArray("{x\\par \\fi-360\\li360 a}") << QByteArray("{x\\par \\fi-524\\li523 a}");
        QTest::newRow("words without a number")
            << QByteArray("{x\\par {\\f0\\fswiss Arial;}{\\field{\\fldinst x}}}")
            << QByteArray("{x\\par {\\f0\\fswiss Arial;}{\\field{\\fldinst x}}}");
        QTest::newRow("only the leading digits are read")
            << QByteArray("{x\\par \\fs240 \\tx14400 a}") << QByteArray("{x\\par \\fs340 \\tx20940 a}");
        QTest::newRow("the head before the first par stays")
            << QByteArray("{\\rtf1\\fs20\\li360 head\\par \\fs20 body\\par \\fs20 more}")
            << QByteArray("{\\rtf1\\fs20\\li360 head\\par \\fs29 body\\par \\fs29 more}");
        QTest::newRow("a pard counts as the first par")
            << QByteArray("{\\fs20\\pard\\plain\\fs20 a}") << QByteArray("{\\fs20\\pard\\plain\\fs29 a}");
        QTest::newRow("an exponent is no size")
            << QByteArray("{x\\par \\tx1E42 \\li9E99 \\fi-1E5 \\tx3E2 a}") << QByteArray("{x\\par \\tx1E42 \\li9E99 \\fi-1E5 \\tx436 a}");
        QTest::newRow("right after the par") << QByteArray("\\par\\fs20") << QByteArray("\\par\\fs29");
    }
    void scalesSizesTabsAndIndentsRoundingDown()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QByteArray, expected);
        QCOMPARE(enlarged(rtf), expected);
    }

    void withoutParTheScanStartsAtTheFourthCharacter()
    {
        QCOMPARE(enlarged("ab\\fs20 x"), QByteArray("ab\\fs20 x"));
        QCOMPARE(enlarged("abc\\fs20 x"), QByteArray("abc\\fs29 x"));
    }

    void anOccurrenceWithinFiveCharactersOfAScaledOneIsPassedOver()
    {
        QCOMPARE(enlarged("x\\par \\fs20\\fs20 \\fs20 a"), QByteArray("x\\par \\fs29\\fs20 \\fs29 a"));
        // The skip counts from the word scaled, not from the end of its new number.
        QCOMPARE(enlarged("x\\par \\fs8\\fs8 a"), QByteArray("x\\par \\fs11\\fs8 a"));
        QCOMPARE(enlarged("x\\par \\fs8 \\fs8 a"), QByteArray("x\\par \\fs11 \\fs11 a"));
    }

    void copiesKeepBothTexts()
    {
        RtfCopies copies;
        copies.set("{x\\par \\fs24 a}");
        QCOMPARE(copies.forWindow(false), QByteArray("{x\\par \\fs24 a}"));
        QCOMPARE(copies.forWindow(true), QByteArray("{x\\par \\fs34 a}"));
    }
};

REGISTER_TEST(EnlargeRtfTest)
#include "enlarge_rtf_test.moc"
