// The classic BASIC number and text rules of platform/basic.h.
#include "platform/basic.h"
#include "tests/support/test_main.h"

#include <QTest>

class BasicTest : public QObject {
    Q_OBJECT

private slots:
    void strDouble_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("zero") << 0.0 << " 0";
        QTest::newRow("negative zero") << -0.0 << " 0";
        QTest::newRow("whole") << 5.0 << " 5";
        QTest::newRow("negative whole") << -17.0 << "-17";
        QTest::newRow("half") << 0.5 << " .5";
        QTest::newRow("negative fraction") << -0.25 << "-.25";
        QTest::newRow("mixed") << 72.5 << " 72.5";
        QTest::newRow("15 digits") << 1.0 / 3 << " .333333333333333";
        QTest::newRow("two thirds") << 2.0 / 3 << " .666666666666667";
        QTest::newRow("tenth sum") << 0.1 + 0.2 << " .3";
        QTest::newRow("large whole") << 123456789012345.0 << " 123456789012345";
        QTest::newRow("exponent large") << 1e16 << " 1E+16";
        QTest::newRow("exponent small") << 0.00001 << " 1E-05";
        QTest::newRow("small plain") << 0.0001 << " .0001";
        QTest::newRow("negative exponent") << -1.5e20 << "-1.5E+20";
    }
    void strDouble()
    {
        QFETCH(double, value);
        QFETCH(QString, expected);
        QCOMPARE(basic::Str(value), expected);
    }

    void strFloat_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("tenth") << 0.1f << " .1";
        QTest::newRow("third") << 1.0f / 3 << " .3333333";
        QTest::newRow("negative third") << -1.0f / 3 << "-.3333333";
        QTest::newRow("whole") << 42.0f << " 42";
        QTest::newRow("mixed") << 62.1f << " 62.1";
        QTest::newRow("zero") << 0.0f << " 0";
        QTest::newRow("seven digits") << 9999999.0f << " 9999999";
        QTest::newRow("exponent") << 1e7f << " 1E+07";
    }
    void strFloat()
    {
        QFETCH(float, value);
        QFETCH(QString, expected);
        QCOMPARE(basic::Str(value), expected);
    }

    void strInt()
    {
        QCOMPARE(basic::Str(0), QString(" 0"));
        QCOMPARE(basic::Str(5), QString(" 5"));
        QCOMPARE(basic::Str(-5), QString("-5"));
        QCOMPARE(basic::Str(32767), QString(" 32767"));
    }

    void roundHalfEven_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<qint64>("expected");
        QTest::newRow("0.5") << 0.5 << qint64(0);
        QTest::newRow("1.5") << 1.5 << qint64(2);
        QTest::newRow("2.5") << 2.5 << qint64(2);
        QTest::newRow("3.5") << 3.5 << qint64(4);
        QTest::newRow("-0.5") << -0.5 << qint64(0);
        QTest::newRow("-1.5") << -1.5 << qint64(-2);
        QTest::newRow("-2.5") << -2.5 << qint64(-2);
        QTest::newRow("-3.5") << -3.5 << qint64(-4);
        QTest::newRow("below half") << 2.49 << qint64(2);
        QTest::newRow("above half") << 2.51 << qint64(3);
        QTest::newRow("negative above half") << -2.51 << qint64(-3);
        QTest::newRow("whole") << 7.0 << qint64(7);
        QTest::newRow("zero") << 0.0 << qint64(0);
        QTest::newRow("seconds of 5.5 minutes") << 0.5 * 60 << qint64(30);
        QTest::newRow("large") << 1e12 + 0.5 << qint64(1000000000000);
    }
    void roundHalfEven()
    {
        QFETCH(double, value);
        QFETCH(qint64, expected);
        QCOMPARE(basic::roundHalfEven(value), expected);
    }

    void val_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("letters") << "abc" << 0.0;
        QTest::newRow("trailing letters") << "12abc" << 12.0;
        QTest::newRow("leading blanks") << "  72.5" << 72.5;
        QTest::newRow("leading tab") << "\t 8" << 8.0;
        QTest::newRow("blank inside") << "1 2" << 12.0;
        QTest::newRow("blank after sign") << " - 3" << -3.0;
        QTest::newRow("negative") << "-4.25" << -4.25;
        QTest::newRow("plus") << "+6" << 6.0;
        QTest::newRow("point first") << ".5" << 0.5;
        QTest::newRow("trailing point") << "5." << 5.0;
        QTest::newRow("second point") << "1.2.3" << 1.2;
        QTest::newRow("exponent") << "1.5E3" << 1500.0;
        QTest::newRow("negative exponent") << "25e-2" << 0.25;
        QTest::newRow("exponent without digits") << "7e" << 7.0;
        QTest::newRow("sign only") << "-" << 0.0;
        QTest::newRow("point only") << "." << 0.0;
        QTest::newRow("comma stops") << "1,234" << 1.0;
        QTest::newRow("percent stops") << "85.0%" << 85.0;
    }
    void val()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(basic::Val(text), expected);
    }

    void formatNumber_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("expected");
        // Percentages with one decimal.
        QTest::newRow("##0.0% 0.85") << 0.85 << "##0.0%" << "85.0%";
        QTest::newRow("##0.0% one") << 1.0 << "##0.0%" << "100.0%";
        QTest::newRow("##0.0% zero") << 0.0 << "##0.0%" << "0.0%";
        QTest::newRow("##0.0% 5/6") << 5.0 / 6 << "##0.0%" << "83.3%";
        QTest::newRow("##0.0% carry") << 0.0995 << "##0.0%" << "10.0%";
        QTest::newRow("##0.0% half away") << 0.0125 << "##0.0%" << "1.3%";
        QTest::newRow("##0.0% below half") << 0.00124 << "##0.0%" << "0.1%";
        QTest::newRow("##0.0% tiny") << 0.0004 << "##0.0%" << "0.0%";
        QTest::newRow("##0.0% negative") << -0.25 << "##0.0%" << "-25.0%";
        QTest::newRow("negative rounding to zero") << -0.0004 << "0.0%" << "0.0%";
        QTest::newRow("###.0% zero") << 0.0 << "###.0%" << ".0%";
        QTest::newRow("###.0% value") << 0.777 << "###.0%" << "77.7%";
        QTest::newRow("###.0% one") << 1.0 << "###.0%" << "100.0%";
        QTest::newRow("##.0% zero") << 0.0 << "##.0%" << ".0%";
        QTest::newRow("##.0% value") << 0.2 << "##.0%" << "20.0%";
        QTest::newRow("##.0% small") << 0.005 << "##.0%" << ".5%";
        QTest::newRow("0.0% zero") << 0.0 << "0.0%" << "0.0%";
        QTest::newRow("0.0% value") << 0.96 << "0.0%" << "96.0%";
        QTest::newRow("0.0% third") << 1.0 / 3 << "0.0%" << "33.3%";
        QTest::newRow("0.0% two thirds") << 2.0 / 3 << "0.0%" << "66.7%";
        QTest::newRow("##% pass mark") << 0.75 << "##%" << "75%";
        QTest::newRow("##% hundred") << 1.0 << "##%" << "100%";
        QTest::newRow("##% rounds") << 0.705 << "##%" << "71%";
        QTest::newRow("##% zero") << 0.0 << "##%" << "%";
        QTest::newRow("0% zero") << 0.0 << "0%" << "0%";
        // Ratios with two decimals.
        QTest::newRow("##.#0 1.25") << 1.25 << "##.#0" << "1.25";
        QTest::newRow("##.#0 whole") << 1.0 << "##.#0" << "1.00";
        QTest::newRow("##.#0 one decimal") << 1.5 << "##.#0" << "1.50";
        QTest::newRow("##.#0 zero") << 0.0 << "##.#0" << ".00";
        QTest::newRow("##.#0 third") << 4.0 / 3 << "##.#0" << "1.33";
        QTest::newRow("##.#0 half away") << 1.125 << "##.#0" << "1.13";
        QTest::newRow("##.#0 carry") << 9.999 << "##.#0" << "10.00";
        QTest::newRow("##.#0 wide") << 123.456 << "##.#0" << "123.46";
        // Thousands.
        QTest::newRow("##,##0 millions") << 1234567.0 << "##,##0" << "1,234,567";
        QTest::newRow("##,##0 thousand") << 1000.0 << "##,##0" << "1,000";
        QTest::newRow("##,##0 small") << 999.0 << "##,##0" << "999";
        QTest::newRow("##,##0 zero") << 0.0 << "##,##0" << "0";
        QTest::newRow("##,##0 rounds") << 2.5 << "##,##0" << "3";
        QTest::newRow("##,##0 negative") << -1234.0 << "##,##0" << "-1,234";
        QTest::newRow("##,### value") << 12345.0 << "##,###" << "12,345";
        QTest::newRow("##,### small") << 50.0 << "##,###" << "50";
        QTest::newRow("##,### zero") << 0.0 << "##,###" << "";
        QTest::newRow("##,### million") << 1000000.0 << "##,###" << "1,000,000";
        // Whole numbers with literals.
        QTest::newRow("### value") << 150.0 << "###" << "150";
        QTest::newRow("### wider") << 12345.0 << "###" << "12345";
        QTest::newRow("### zero") << 0.0 << "###" << "";
        QTest::newRow("### min. 10") << 10.0 << "### min." << "10 min.";
        QTest::newRow("### min. 600") << 600.0 << "### min." << "600 min.";
        QTest::newRow("topic 3") << 3.0 << " ##: " << " 3: ";
        QTest::newRow("topic 12") << 12.0 << " ##: " << " 12: ";
        QTest::newRow("##0: zero") << 0.0 << "##0:" << "0:";
        QTest::newRow("##0: hours") << 1.0 << "##0:" << "1:";
        QTest::newRow("##0: many") << 1234.0 << "##0:" << "1234:";
        QTest::newRow("0#: 5") << 5.0 << "0#:" << "05:";
        QTest::newRow("0#: 30") << 30.0 << "0#:" << "30:";
        QTest::newRow("0#: 0") << 0.0 << "0#:" << "00:";
        QTest::newRow("0# 5") << 5.0 << "0#" << "05";
        QTest::newRow("0# 0") << 0.0 << "0#" << "00";
        QTest::newRow("0# 59") << 59.0 << "0#" << "59";
        QTest::newRow("0# 6") << 6.0 << "0#" << "06";
        // Other pattern features.
        QTest::newRow("00.00") << 3.14159 << "00.00" << "03.14";
        QTest::newRow("0.00 half at 15 digits") << 1.005 << "0.00" << "1.01";  // 1.00499999999999989 in binary
    }
    void formatNumber()
    {
        QFETCH(double, value);
        QFETCH(QString, pattern);
        QFETCH(QString, expected);
        QCOMPARE(basic::formatNumber(value, pattern), expected);
    }

    void serials()
    {
        QCOMPARE(basic::toSerial(QDateTime(QDate(1899, 12, 30), QTime(0, 0))), 0.0);
        QCOMPARE(basic::toSerial(QDateTime(QDate(1899, 12, 30), QTime(12, 0))), 0.5);
        QCOMPARE(basic::toSerial(QDateTime(QDate(1900, 1, 1), QTime(6, 0))), 2.25);
        QCOMPARE(basic::toSerial(QDateTime(QDate(2026, 12, 8), QTime(0, 0))), 46364.0);
        QCOMPARE(basic::toSerial(QDateTime(QDate(1899, 12, 29), QTime(6, 0))), -1.25);

        QCOMPARE(basic::fromSerial(0.5), QDateTime(QDate(1899, 12, 30), QTime(12, 0)));
        QCOMPARE(basic::fromSerial(46364.75), QDateTime(QDate(2026, 12, 8), QTime(18, 0)));
        QCOMPARE(basic::fromSerial(-1.25), QDateTime(QDate(1899, 12, 29), QTime(6, 0)));

        const QDateTime moment(QDate(2026, 3, 14), QTime(15, 9, 26, 500));
        QCOMPARE(basic::fromSerial(basic::toSerial(moment)), moment);
    }

    void formatDateTime_data()
    {
        QTest::addColumn<double>("serial");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("expected");
        const double day = 46364;                      // Tuesday, 8 December 2026
        const double afternoon = (14 * 3600 + 5 * 60 + 9) / 86400.0;  // 14:05:09
        QTest::newRow("date") << day << "mm-dd-yyyy" << "12-08-2026";
        QTest::newRow("date early") << 46024.0 << "mm-dd-yyyy" << "01-02-2026";
        QTest::newRow("long date") << day << "dddd, mmmm d, yyyy" << "Tuesday, December 8, 2026";
        QTest::newRow("long date other") << 46024.0 << "dddd, mmmm d, yyyy" << "Friday, January 2, 2026";
        QTest::newRow("duration quarter day") << 0.25 << "h:mm:ss" << "6:00:00";
        QTest::newRow("duration 150 minutes") << 150.0 / 1440 << "h:mm:ss" << "2:30:00";
        QTest::newRow("duration 12:05") << (12 * 60 + 5) / 86400.0 << "h:mm:ss" << "0:12:05";
        QTest::newRow("zero") << 0.0 << "h:mm:ss" << "0:00:00";
        QTest::newRow("day and an hour") << 1.0 + 1.0 / 24 << "h:mm:ss" << "1:00:00";
        QTest::newRow("5.5 minutes") << 5.5 / 1440 << "hh:mm:ss" << "00:05:30";
        QTest::newRow("hh") << day + afternoon << "hh:mm:ss" << "14:05:09";
        QTest::newRow("rounds to second") << 59.6 / 86400 << "h:mm:ss" << "0:01:00";
        QTest::newRow("rounds down") << 59.4 / 86400 << "h:mm:ss" << "0:00:59";
        QTest::newRow("carry into hour") << (3599.5) / 86400 << "h:mm:ss" << "1:00:00";
        QTest::newRow("carry past midnight") << day + 86399.7 / 86400 << "mm-dd-yyyy h:mm:ss"
                                             << "12-09-2026 0:00:00";
        QTest::newRow("pm") << day + afternoon << "h:mm:ss AM/PM" << "2:05:09 PM";
        QTest::newRow("am") << day + 0.375 << "h:mm:ss AM/PM" << "9:00:00 AM";
        QTest::newRow("midnight") << day << "h:mm:ss AM/PM" << "12:00:00 AM";
        QTest::newRow("noon") << day + 0.5 << "h:mm:ss AM/PM" << "12:00:00 PM";
        QTest::newRow("medium time") << day + afternoon << "Medium Time" << "02:05 PM";
        QTest::newRow("medium time morning") << day + 0.375 << "Medium Time" << "09:00 AM";
        QTest::newRow("medium time midnight") << day << "Medium Time" << "12:00 AM";
    }
    void formatDateTime()
    {
        QFETCH(double, serial);
        QFETCH(QString, pattern);
        QFETCH(QString, expected);
        QCOMPARE(basic::formatDateTime(serial, pattern), expected);
    }

    void dateText()
    {
        QCOMPARE(basic::dateText(QDate(2026, 12, 8)), QString("12-08-2026"));
        QCOMPARE(basic::dateText(QDate(2001, 1, 31)), QString("01-31-2001"));
        QCOMPARE(basic::dateText(QDate(2026, 12, 8)).size(), 10);
    }

    void rightAlign_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("expected");
        QTest::newRow("pads") << "85.0%" << 8 << "   85.0%";
        QTest::newRow("exact") << "100.0%" << 6 << "100.0%";
        QTest::newRow("longer stays whole") << "1,234,567" << 7 << "1,234,567";
        QTest::newRow("empty") << "" << 3 << "   ";
        QTest::newRow("zero width") << "abc" << 0 << "abc";
    }
    void rightAlign()
    {
        QFETCH(QString, text);
        QFETCH(int, width);
        QFETCH(QString, expected);
        QCOMPARE(basic::rightAlign(text, width), expected);
    }
};

REGISTER_TEST(BasicTest)
#include "basic_test.moc"
