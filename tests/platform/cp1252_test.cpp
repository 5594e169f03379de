// The Windows-1252 code page of platform/cp1252.h.
#include "platform/cp1252.h"
#include "tests/support/test_main.h"

#include <QTest>

class Cp1252Test : public QObject {
    Q_OBJECT

private slots:
    void toUnicode_data()
    {
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("codePoint");
        QTest::newRow("nul") << 0x00 << 0x0000;
        QTest::newRow("letter") << 0x41 << 0x0041;
        QTest::newRow("delete") << 0x7F << 0x007F;
        QTest::newRow("euro") << 0x80 << 0x20AC;
        QTest::newRow("undefined 81") << 0x81 << 0x0081;
        QTest::newRow("low quote") << 0x82 << 0x201A;
        QTest::newRow("florin") << 0x83 << 0x0192;
        QTest::newRow("low double quote") << 0x84 << 0x201E;
        QTest::newRow("ellipsis") << 0x85 << 0x2026;
        QTest::newRow("dagger") << 0x86 << 0x2020;
        QTest::newRow("double dagger") << 0x87 << 0x2021;
        QTest::newRow("circumflex") << 0x88 << 0x02C6;
        QTest::newRow("per mille") << 0x89 << 0x2030;
        QTest::newRow("S caron") << 0x8A << 0x0160;
        QTest::newRow("left angle quote") << 0x8B << 0x2039;
        QTest::newRow("OE") << 0x8C << 0x0152;
        QTest::newRow("undefined 8D") << 0x8D << 0x008D;
        QTest::newRow("Z caron") << 0x8E << 0x017D;
        QTest::newRow("undefined 8F") << 0x8F << 0x008F;
        QTest::newRow("undefined 90") << 0x90 << 0x0090;
        QTest::newRow("left single quote") << 0x91 << 0x2018;
        QTest::newRow("right single quote") << 0x92 << 0x2019;
        QTest::newRow("left double quote") << 0x93 << 0x201C;
        QTest::newRow("right double quote") << 0x94 << 0x201D;
        QTest::newRow("bullet") << 0x95 << 0x2022;
        QTest::newRow("en dash") << 0x96 << 0x2013;
        QTest::newRow("em dash") << 0x97 << 0x2014;
        QTest::newRow("small tilde") << 0x98 << 0x02DC;
        QTest::newRow("trade mark") << 0x99 << 0x2122;
        QTest::newRow("s caron") << 0x9A << 0x0161;
        QTest::newRow("right angle quote") << 0x9B << 0x203A;
        QTest::newRow("oe") << 0x9C << 0x0153;
        QTest::newRow("undefined 9D") << 0x9D << 0x009D;
        QTest::newRow("z caron") << 0x9E << 0x017E;
        QTest::newRow("Y diaeresis") << 0x9F << 0x0178;
        QTest::newRow("no-break space") << 0xA0 << 0x00A0;
        QTest::newRow("copyright") << 0xA9 << 0x00A9;
        QTest::newRow("e acute") << 0xE9 << 0x00E9;
        QTest::newRow("y diaeresis") << 0xFF << 0x00FF;
    }
    void toUnicode()
    {
        QFETCH(int, byte);
        QFETCH(int, codePoint);
        const QString text = cp1252::toUnicode(QByteArray(1, char(byte)));
        QCOMPARE(text.size(), 1);
        QCOMPARE(int(text.at(0).unicode()), codePoint);
        // And back again.
        QCOMPARE(cp1252::fromUnicode(text), QByteArray(1, char(byte)));
    }

    void everyByteRoundTrips()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        const QString text = cp1252::toUnicode(all);
        QCOMPARE(text.size(), 256);
        QCOMPARE(cp1252::fromUnicode(text), all);
    }

    void text()
    {
        const QString unicode = QStringLiteral("Caf\u00e9 \u201cquoted\u201d \u2013 \u20ac5 \u2014 it\u2019s");
        const QByteArray bytes("Caf\xe9 \x93quoted\x94 \x96 \x80" "5 \x97 it\x92s");
        QCOMPARE(cp1252::fromUnicode(unicode), bytes);
        QCOMPARE(cp1252::toUnicode(bytes), unicode);
        QCOMPARE(cp1252::toUnicode(QByteArray()), QString());
        QCOMPARE(cp1252::fromUnicode(QString()), QByteArray());
    }

    void outsideBecomesQuestionMark_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("greek") << QStringLiteral("a\u03b1b") << QByteArray("a?b");
        QTest::newRow("cjk") << QStringLiteral("\u4e2d") << QByteArray("?");
        QTest::newRow("C1 with a meaning in the page") << QStringLiteral("\u0080\u0096") << QByteArray("??");
        QTest::newRow("emoji is one character") << QStringLiteral("x\U0001F600y") << QByteArray("x?y");
        QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << QByteArray("?");
        QTest::newRow("question mark itself") << QStringLiteral("?") << QByteArray("?");
    }
    void outsideBecomesQuestionMark()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, expected);
        QCOMPARE(cp1252::fromUnicode(text), expected);
    }
};

REGISTER_TEST(Cp1252Test)
#include "cp1252_test.moc"
