#include "platform/basic.h"

#include <QTime>

#include <cmath>

namespace basic {

namespace {

// The general form with the given significant digits, in the classic spelling: no leading
// zero before the point and an upper-case exponent letter ("1E+16", "1.5E-05").
QString generalText(double value, int digits)
{
    if (std::isnan(value))
        return QStringLiteral("NaN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-Inf") : QStringLiteral(" Inf");
    // QString::number always uses the C locale's point, whatever the machine's locale.
    QString text = QString::number(value, 'g', digits);
    text.replace(QLatin1Char('e'), QLatin1Char('E'));
    bool negative = text.startsWith(QLatin1Char('-'));
    if (negative)
        text.remove(0, 1);
    if (text.startsWith(QLatin1String("0.")))
        text.remove(0, 1);
    if (negative && text != QLatin1String("0"))
        return QLatin1Char('-') + text;
    return QLatin1Char(' ') + text;
}

// --- Numeric patterns --------------------------------------------------------------------

bool isDigitPlaceholder(QChar c) { return c == QLatin1Char('#') || c == QLatin1Char('0'); }

// One element of a numeric pattern.
struct Token {
    enum Kind { Digit, Point, Comma, Percent, Literal } kind;
    QChar placeholder;  // '#' or '0' for Digit
    QString text;       // for Literal (and Percent: "%")
};

QList<Token> tokenize(const QString& pattern)
{
    QList<Token> tokens;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        QChar c = pattern.at(i);
        if (isDigitPlaceholder(c)) {
            tokens.append({Token::Digit, c, {}});
        } else if (c == QLatin1Char('.')) {
            tokens.append({Token::Point, {}, QStringLiteral(".")});
        } else if (c == QLatin1Char(',')) {
            tokens.append({Token::Comma, {}, QStringLiteral(",")});
        } else if (c == QLatin1Char('%')) {
            tokens.append({Token::Percent, {}, QStringLiteral("%")});
        } else {
            tokens.append({Token::Literal, {}, QString(c)});
        }
    }
    return tokens;
}

// The decimal digits of |value| rounded half away from zero to `decimals` places, after
// the value was taken to 15 significant digits (as the classic runtime does first, so that
// 0.0995 x 100 counts as 9.95). Returns the whole part (no leading zeros; empty for 0) and
// exactly `decimals` fraction digits.
void decimalDigits(double value, int decimals, QString& whole, QString& fraction)
{
    whole.clear();
    fraction.clear();
    value = std::fabs(value);
    QString digits;  // digit string with an implied point after `pointAt` digits
    int pointAt = 0;
    if (value != 0 && std::isfinite(value)) {
        QString text = QString::number(value, 'e', 14);  // d.dddddddddddddde±XX
        qsizetype e = text.indexOf(QLatin1Char('e'));
        int exponent = text.mid(e + 1).toInt();
        digits = text.left(1) + text.mid(2, e - 2);
        pointAt = exponent + 1;
        if (pointAt < 0) {
            digits = QString(-pointAt, QLatin1Char('0')) + digits;
            pointAt = 0;
        }
    }
    // Keep pointAt + decimals digits, rounding on the next one.
    int keep = pointAt + decimals;
    if (digits.size() < keep)
        digits += QString(keep - digits.size(), QLatin1Char('0'));
    bool roundUp = keep < digits.size() && digits.at(keep) >= QLatin1Char('5');
    digits.truncate(keep);
    if (roundUp) {
        int i = keep - 1;
        for (; i >= 0; --i) {
            if (digits.at(i) == QLatin1Char('9')) {
                digits[i] = QLatin1Char('0');
            } else {
                digits[i] = QChar(digits.at(i).unicode() + 1);
                break;
            }
        }
        if (i < 0) {
            digits.prepend(QLatin1Char('1'));
            ++pointAt;
        }
    }
    whole = digits.left(pointAt);
    fraction = digits.mid(pointAt);
    while (whole.startsWith(QLatin1Char('0')))
        whole.remove(0, 1);
}

QString formatSection(double value, const QList<Token>& tokens)
{
    int pointIndex = -1;
    int percents = 0;
    for (int i = 0; i < tokens.size(); ++i) {
        if (tokens[i].kind == Token::Point && pointIndex < 0)
            pointIndex = i;
        if (tokens[i].kind == Token::Percent)
            ++percents;
    }
    const int integerEnd = pointIndex < 0 ? int(tokens.size()) : pointIndex;

    // Integer placeholders, the first '0' among them, and whether a comma stands after one.
    QList<int> integerSlots;
    int firstZeroSlot = -1;
    bool grouping = false;
    for (int i = 0; i < integerEnd; ++i) {
        if (tokens[i].kind == Token::Digit) {
            if (tokens[i].placeholder == QLatin1Char('0') && firstZeroSlot < 0)
                firstZeroSlot = int(integerSlots.size());
            integerSlots.append(i);
        } else if (tokens[i].kind == Token::Comma && !integerSlots.isEmpty()) {
            grouping = true;
        }
    }
    QList<int> fractionSlots;
    int lastZeroFraction = -1;
    if (pointIndex >= 0) {
        for (int i = pointIndex + 1; i < tokens.size(); ++i) {
            if (tokens[i].kind == Token::Digit) {
                if (tokens[i].placeholder == QLatin1Char('0'))
                    lastZeroFraction = int(fractionSlots.size());
                fractionSlots.append(i);
            }
        }
    }

    for (int i = 0; i < percents; ++i)
        value *= 100;

    QString whole, fraction;
    decimalDigits(value, int(fractionSlots.size()), whole, fraction);

    // Integer digits: at least as many as the placeholders from the first '0' on.
    int minimumWhole = firstZeroSlot < 0 ? 0 : int(integerSlots.size()) - firstZeroSlot;
    if (whole.size() < minimumWhole)
        whole = QString(minimumWhole - whole.size(), QLatin1Char('0')) + whole;

    // Fraction digits shown: up to the last '0' placeholder, and beyond it up to the last
    // non-zero digit.
    int shownFraction = lastZeroFraction + 1;
    for (int i = int(fraction.size()) - 1; i >= shownFraction; --i) {
        if (fraction.at(i) != QLatin1Char('0')) {
            shownFraction = i + 1;
            break;
        }
    }

    bool allZero = true;
    for (QChar c : whole + fraction.left(shownFraction))
        if (c != QLatin1Char('0'))
            allZero = false;

    // Integer section, filled from the right: each placeholder takes one digit, the
    // leftmost one takes whatever is left.
    QString integerText;
    {
        QStringList pieces;  // built right to left
        int remaining = int(whole.size());
        int emitted = 0;
        auto emitDigits = [&](int count) {
            QString piece;
            for (int k = 0; k < count; ++k) {
                if (grouping && emitted > 0 && emitted % 3 == 0)
                    piece.prepend(QLatin1Char(','));
                piece.prepend(whole.at(remaining - 1));
                --remaining;
                ++emitted;
            }
            return piece;
        };
        int slotsLeft = int(integerSlots.size());
        for (int i = integerEnd - 1; i >= 0; --i) {
            const Token& t = tokens[i];
            if (t.kind == Token::Digit) {
                --slotsLeft;
                int take = slotsLeft == 0 ? remaining : qMin(1, remaining);
                pieces.prepend(emitDigits(take));
            } else if (t.kind == Token::Comma) {
                if (integerSlots.isEmpty())
                    pieces.prepend(t.text);  // a comma with no digit placeholders is text
            } else {
                pieces.prepend(t.text);
            }
        }
        if (integerSlots.isEmpty() && remaining > 0)  // no place for the whole part: before the point
            pieces.append(emitDigits(remaining));
        integerText = pieces.join(QString());
    }

    QString fractionText;
    if (pointIndex >= 0) {
        fractionText = QStringLiteral(".");
        int slot = 0;
        for (int i = pointIndex + 1; i < tokens.size(); ++i) {
            const Token& t = tokens[i];
            if (t.kind == Token::Digit) {
                if (slot < shownFraction)
                    fractionText += fraction.at(slot);
                ++slot;
            } else if (t.kind == Token::Point) {
                // a second point is ignored
            } else {
                fractionText += t.text;
            }
        }
    }

    QString result = integerText + fractionText;
    if (value < 0 && !allZero)
        result.prepend(QLatin1Char('-'));
    return result;
}

// --- Date-time -----------------------------------------------------------------------------

const QDate serialBase(1899, 12, 30);

const char* const weekdayNames[] = {"Monday", "Tuesday", "Wednesday", "Thursday",
                                    "Friday", "Saturday", "Sunday"};
const char* const monthNames[] = {"January", "February", "March",     "April",   "May",      "June",
                                  "July",    "August",   "September", "October", "November", "December"};

// The serial split into a calendar date and a time of day in whole seconds, the serial
// rounded to the nearest second first (a time that rounds up to midnight moves to the next day).
void splitSerial(double serial, QDate& date, int& seconds)
{
    double days = std::trunc(serial);
    double fraction = std::fabs(serial - days);
    qint64 secs = qint64(std::floor(fraction * 86400.0 + 0.5));
    date = serialBase.addDays(qint64(days));
    if (secs >= 86400) {
        secs -= 86400;
        date = date.addDays(1);
    }
    seconds = int(secs);
}

QString twoDigits(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

}  // namespace

QString Str(double value) { return generalText(value, 15); }

QString Str(float value) { return generalText(double(value), 7); }

QString Str(int value)
{
    return value < 0 ? QString::number(value) : QLatin1Char(' ') + QString::number(value);
}

qint64 roundHalfEven(double value)
{
    double lower = std::floor(value);
    double diff = value - lower;
    if (diff > 0.5)
        return qint64(lower) + 1;
    if (diff < 0.5)
        return qint64(lower);
    qint64 l = qint64(lower);
    return (l % 2 == 0) ? l : l + 1;
}

double Val(const QString& text)
{
    // Blanks, tabs and line feeds are skipped wherever they stand.
    QString s;
    s.reserve(text.size());
    for (QChar c : text)
        if (c != QLatin1Char(' ') && c != QLatin1Char('\t') && c != QLatin1Char('\n') && c != QLatin1Char('\r'))
            s += c;

    qsizetype i = 0;
    auto isDigit = [&](qsizetype k) { return k < s.size() && s.at(k) >= QLatin1Char('0') && s.at(k) <= QLatin1Char('9'); };

    QString number;
    if (i < s.size() && (s.at(i) == QLatin1Char('+') || s.at(i) == QLatin1Char('-')))
        number += s.at(i++);
    bool anyDigit = false;
    while (isDigit(i)) {
        number += s.at(i++);
        anyDigit = true;
    }
    if (i < s.size() && s.at(i) == QLatin1Char('.')) {
        number += s.at(i++);
        while (isDigit(i)) {
            number += s.at(i++);
            anyDigit = true;
        }
    }
    if (!anyDigit)
        return 0;
    if (i < s.size()) {
        QChar e = s.at(i).toUpper();
        if (e == QLatin1Char('E')) {
            qsizetype k = i + 1;
            QString exponent = QStringLiteral("e");
            if (k < s.size() && (s.at(k) == QLatin1Char('+') || s.at(k) == QLatin1Char('-')))
                exponent += s.at(k++);
            if (isDigit(k)) {
                while (isDigit(k))
                    exponent += s.at(k++);
                number += exponent;
            }
        }
    }
    return number.toDouble();  // C locale
}

QString formatNumber(double value, const QString& pattern)
{
    return formatSection(value, tokenize(pattern));
}

double toSerial(const QDateTime& moment)
{
    double days = double(serialBase.daysTo(moment.date()));
    double time = moment.time().msecsSinceStartOfDay() / 86400000.0;
    // Before the base day the whole part counts backwards while the time still counts forwards.
    return days < 0 ? days - time : days + time;
}

QDateTime fromSerial(double serial)
{
    double days = std::trunc(serial);
    double fraction = std::fabs(serial - days);
    qint64 ms = qint64(std::floor(fraction * 86400000.0 + 0.5));
    QDate date = serialBase.addDays(qint64(days));
    if (ms >= 86400000) {
        ms -= 86400000;
        date = date.addDays(1);
    }
    return QDateTime(date, QTime::fromMSecsSinceStartOfDay(int(ms)));
}

QString formatDateTime(double serial, const QString& pattern)
{
    // The one named format the program uses.
    const QString p = pattern == QLatin1String("Medium Time") ? QStringLiteral("hh:mm AM/PM") : pattern;

    QDate date;
    int seconds = 0;
    splitSerial(serial, date, seconds);
    const int hour = seconds / 3600, minute = seconds / 60 % 60, second = seconds % 60;
    const bool twelveHour = p.contains(QLatin1String("AM/PM"));
    const int shownHour = twelveHour ? (hour % 12 == 0 ? 12 : hour % 12) : hour;

    // Tokens first, so that an "m" can be told minute (after an hour or before seconds) from month.
    struct Part {
        QChar letter;  // 'd','m','y','h','n','s','a' (AM/PM) or 0 for literal text
        int count;
        QString text;
    };
    QList<Part> parts;
    for (qsizetype i = 0; i < p.size();) {
        QChar c = p.at(i);
        QChar lower = c.toLower();
        if (lower == QLatin1Char('d') || lower == QLatin1Char('m') || lower == QLatin1Char('y')
            || lower == QLatin1Char('h') || lower == QLatin1Char('n') || lower == QLatin1Char('s')) {
            qsizetype j = i;
            while (j < p.size() && p.at(j).toLower() == lower)
                ++j;
            parts.append({lower, int(j - i), {}});
            i = j;
        } else if (p.mid(i).startsWith(QLatin1String("AM/PM"))) {
            parts.append({QLatin1Char('a'), 1, {}});
            i += 5;
        } else {
            parts.append({QChar(), 0, QString(c)});
            ++i;
        }
    }
    for (qsizetype k = 0; k < parts.size(); ++k) {
        if (parts[k].letter != QLatin1Char('m') || parts[k].count > 2)
            continue;
        bool minute = false;
        for (qsizetype b = k - 1; b >= 0; --b) {
            if (parts[b].letter.isNull())
                continue;
            minute = parts[b].letter == QLatin1Char('h');
            break;
        }
        for (qsizetype a = k + 1; a < parts.size() && !minute; ++a) {
            if (parts[a].letter.isNull())
                continue;
            minute = parts[a].letter == QLatin1Char('s');
            break;
        }
        if (minute)
            parts[k].letter = QLatin1Char('n');
    }

    QString out;
    for (const Part& part : parts) {
        const int n = part.count;
        switch (part.letter.unicode()) {
        case 'd':
            if (n == 1)
                out += QString::number(date.day());
            else if (n == 2)
                out += twoDigits(date.day());
            else if (n == 3)
                out += QLatin1String(weekdayNames[date.dayOfWeek() - 1]).left(3);
            else
                out += QLatin1String(weekdayNames[date.dayOfWeek() - 1]);
            break;
        case 'm':
            if (n == 1)
                out += QString::number(date.month());
            else if (n == 2)
                out += twoDigits(date.month());
            else if (n == 3)
                out += QLatin1String(monthNames[date.month() - 1]).left(3);
            else
                out += QLatin1String(monthNames[date.month() - 1]);
            break;
        case 'y':
            if (n <= 2)
                out += twoDigits(date.year() % 100);
            else
                out += QStringLiteral("%1").arg(date.year(), 4, 10, QLatin1Char('0'));
            break;
        case 'h':
            out += n == 1 ? QString::number(shownHour) : twoDigits(shownHour);
            break;
        case 'n':
            out += n == 1 ? QString::number(minute) : twoDigits(minute);
            break;
        case 's':
            out += n == 1 ? QString::number(second) : twoDigits(second);
            break;
        case 'a':
            out += hour < 12 ? QStringLiteral("AM") : QStringLiteral("PM");
            break;
        default:
            out += part.text;
            break;
        }
    }
    return out;
}

QString dateText(const QDate& date)
{
    return twoDigits(date.month()) + QLatin1Char('-') + twoDigits(date.day()) + QLatin1Char('-')
        + QStringLiteral("%1").arg(date.year(), 4, 10, QLatin1Char('0'));
}

QByteArray dateSortKey(const QByteArray& dateText)
{
    const bool stored = dateText.size() == 10 && dateText[2] == '-' && dateText[5] == '-';
    return stored ? dateText.mid(6, 4) + dateText.mid(0, 2) + dateText.mid(3, 2) : dateText;
}

QString rightAlign(const QString& text, int width) { return text.rightJustified(width, QLatin1Char(' '), false); }

}  // namespace basic
