// Number and text rules that the program's captions, reports and records depend on:
// the number-to-text conversion, rounding, reading a leading number, the format patterns
// and right-alignment in fixed-width columns.
#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>

namespace basic {

// Number to text: one leading blank for values of 0 and above, "-" for negatives; whole numbers
// without a point, fractions without a leading zero (0.5 gives " .5"). The float overload keeps
// single precision (7 significant digits), the double one 15.
QString Str(double value);
QString Str(float value);
QString Str(int value);

// Whole number nearest to value, halves to even (2.5 gives 2, 3.5 gives 4).
qint64 roundHalfEven(double value);

// The numeric value of the text's leading number after blanks ("  12abc" gives 12; "abc" 0).
double Val(const QString& text);

// value formatted with a numeric pattern such as "##0.0%", "##.#0", "##,##0", "### min." or " ##: ".
QString formatNumber(double value, const QString& pattern);

// Date-time serials count days from 30 December 1899; the fraction is the time of day.
double toSerial(const QDateTime& moment);
QDateTime fromSerial(double serial);

// A serial formatted with a date-time pattern: "mm-dd-yyyy", "h:mm:ss", "hh:mm:ss",
// "h:mm:ss AM/PM", "dddd, mmmm d, yyyy" or "Medium Time".
QString formatDateTime(double serial, const QString& pattern);

// The ten-character date stored in records: two-digit month, hyphen, two-digit day, hyphen, year.
QString dateText(const QDate& date);
// That date text year first, so that keys compared as text order the dates in time (the text
// itself compares month first); a text of another form is its own key.
QByteArray dateSortKey(const QByteArray& dateText);

// Text padded on the left with blanks to width characters; a longer text stays whole.
QString rightAlign(const QString& text, int width);

// count blanks.
inline QString Space(int count) { return QString(count, QLatin1Char(' ')); }

}  // namespace basic
