#include "platform/basic.h"

#include <QTime>

#include <algorithm>
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

// Where a pattern's placeholders stand: the integer part's and the fraction's digit slots, the
// first '0' among the integer's and the last among the fraction's, the grouping comma, and how
// many percent signs scale the value.
struct SectionLayout {
    int pointIndex = -1;  // the first point's token, -1 for none
    int integerEnd = 0;   // tokens before it
    int percents = 0;
    QList<int> integerSlots;
    int firstZeroSlot = -1;
    bool grouping = false;  // a comma after an integer placeholder
    QList<int> fractionSlots;
    int lastZeroFraction = -1;
};

SectionLayout layoutOf(const QList<Token>& tokens)
{
    SectionLayout l;
    for (int i = 0; i < tokens.size(); ++i) {
        if (tokens[i].kind == Token::Point && l.pointIndex < 0)
            l.pointIndex = i;
        if (tokens[i].kind == Token::Percent)
            ++l.percents;
    }
    l.integerEnd = l.pointIndex < 0 ? int(tokens.size()) : l.pointIndex;
    for (int i = 0; i < l.integerEnd; ++i) {
        if (tokens[i].kind == Token::Digit) {
            if (tokens[i].placeholder == QLatin1Char('0') && l.firstZeroSlot < 0)
                l.firstZeroSlot = int(l.integerSlots.size());
            l.integerSlots.append(i);
        } else if (tokens[i].kind == Token::Comma && !l.integerSlots.isEmpty()) {
            l.grouping = true;
        }
    }
    if (l.pointIndex < 0)
        return l;
    for (int i = l.pointIndex + 1; i < tokens.size(); ++i) {
        if (tokens[i].kind != Token::Digit)
            continue;
        if (tokens[i].placeholder == QLatin1Char('0'))
            l.lastZeroFraction = int(l.fractionSlots.size());
        l.fractionSlots.append(i);
    }
    return l;
}

// Fraction digits shown: up to the last '0' placeholder, and beyond it up to the last non-zero
// digit.
int shownFractionDigits(const QString& fraction, int lastZeroFraction)
{
    for (int i = int(fraction.size()) - 1; i > lastZeroFraction; --i)
        if (fraction.at(i) != QLatin1Char('0'))
            return i + 1;
    return lastZeroFraction + 1;
}

// The integer section, filled from the right: each placeholder takes one digit, the leftmost
// one whatever is left; a whole part with no placeholder goes just before the point.
QString integerSection(const QList<Token>& tokens, const SectionLayout& l, const QString& whole)
{
    QStringList pieces;  // built right to left
    int remaining = int(whole.size());
    int emitted = 0;
    const auto emitDigits = [&](int count) {
        QString piece;
        for (int k = 0; k < count; ++k) {
            if (l.grouping && emitted > 0 && emitted % 3 == 0)
                piece.prepend(QLatin1Char(','));
            piece.prepend(whole.at(remaining - 1));
            --remaining;
            ++emitted;
        }
        return piece;
    };
    int slotsLeft = int(l.integerSlots.size());
    for (int i = l.integerEnd - 1; i >= 0; --i) {
        const Token& t = tokens[i];
        if (t.kind == Token::Digit) {
            --slotsLeft;
            pieces.prepend(emitDigits(slotsLeft == 0 ? remaining : qMin(1, remaining)));
        } else if (t.kind != Token::Comma || l.integerSlots.isEmpty()) {
            pieces.prepend(t.text);  // a comma with no digit placeholders is text
        }
    }
    if (l.integerSlots.isEmpty() && remaining > 0)
        pieces.append(emitDigits(remaining));
    return pieces.join(QString());
}

// The point and what follows it: the shown fraction digits in their slots, the literals; a
// second point is ignored.
QString fractionSection(const QList<Token>& tokens, const SectionLayout& l, const QString& fraction, int shown)
{
    if (l.pointIndex < 0)
        return {};
    QString text = QStringLiteral(".");
    int slot = 0;
    for (int i = l.pointIndex + 1; i < tokens.size(); ++i) {
        const Token& t = tokens[i];
        if (t.kind == Token::Digit) {
            if (slot < shown)
                text += fraction.at(slot);
            ++slot;
        } else if (t.kind != Token::Point) {
            text += t.text;
        }
    }
    return text;
}

QString formatSection(double value, const QList<Token>& tokens)
{
    const SectionLayout layout = layoutOf(tokens);
    for (int i = 0; i < layout.percents; ++i)
        value *= 100;
    QString whole, fraction;
    decimalDigits(value, int(layout.fractionSlots.size()), whole, fraction);
    // Integer digits: at least as many as the placeholders from the first '0' on.
    const int minimumWhole = layout.firstZeroSlot < 0 ? 0 : int(layout.integerSlots.size()) - layout.firstZeroSlot;
    if (whole.size() < minimumWhole)
        whole = QString(minimumWhole - whole.size(), QLatin1Char('0')) + whole;
    const int shown = shownFractionDigits(fraction, layout.lastZeroFraction);
    const QString shownDigits = whole + fraction.left(shown);
    const bool allZero = std::all_of(shownDigits.begin(), shownDigits.end(), [](QChar c) { return c == QLatin1Char('0'); });

    QString result = integerSection(tokens, layout, whole) + fractionSection(tokens, layout, fraction, shown);
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

// One element of a date-time pattern: a run of one letter, AM/PM, or literal text.
struct DatePart {
    QChar letter;  // 'd','m','y','h','n','s','a' (AM/PM) or 0 for literal text
    int count = 0;
    QString text;
};

QList<DatePart> datePartsOf(const QString& p)
{
    QList<DatePart> parts;
    for (qsizetype i = 0; i < p.size();) {
        const QChar lower = p.at(i).toLower();
        if (QStringLiteral("dmyhns").contains(lower)) {
            qsizetype j = i;
            while (j < p.size() && p.at(j).toLower() == lower)
                ++j;
            parts.append({lower, int(j - i), {}});
            i = j;
        } else if (p.mid(i).startsWith(QLatin1String("AM/PM"))) {
            parts.append({QLatin1Char('a'), 1, {}});
            i += 5;
        } else {
            parts.append({QChar(), 0, QString(p.at(i))});
            ++i;
        }
    }
    return parts;
}

// An "m" or "mm" right after an hour or right before seconds (literals between aside) is minutes.
QList<DatePart> minutesMarked(QList<DatePart> parts)
{
    const auto neighbour = [&parts](qsizetype k, int step) {
        for (qsizetype i = k + step; i >= 0 && i < parts.size(); i += step)
            if (!parts[i].letter.isNull())
                return parts[i].letter;
        return QChar();
    };
    for (qsizetype k = 0; k < parts.size(); ++k)
        if (parts[k].letter == QLatin1Char('m') && parts[k].count <= 2
            && (neighbour(k, -1) == QLatin1Char('h') || neighbour(k, 1) == QLatin1Char('s')))
            parts[k].letter = QLatin1Char('n');
    return parts;
}

// The date and time of day a serial stands for, to the second.
struct Moment {
    QDate date;
    int hour = 0, minute = 0, second = 0;
    int shownHour = 0;  // 1 to 12 on a twelve-hour clock
};

Moment momentOf(double serial, bool twelveHour)
{
    Moment m;
    int seconds = 0;
    splitSerial(serial, m.date, seconds);
    m.hour = seconds / 3600;
    m.minute = seconds / 60 % 60;
    m.second = seconds % 60;
    m.shownHour = twelveHour ? (m.hour % 12 == 0 ? 12 : m.hour % 12) : m.hour;
    return m;
}

// A number in one digit or two, or a name whole or cut to three letters, as the run's length asks.
QString numberOrName(int n, int count, const char* name)
{
    if (count <= 2)
        return count == 1 ? QString::number(n) : twoDigits(n);
    return count == 3 ? QLatin1String(name).left(3) : QString(QLatin1String(name));
}

QString partText(const DatePart& part, const Moment& m)
{
    const int n = part.count;
    switch (part.letter.unicode()) {
    case 'd': return numberOrName(m.date.day(), n, weekdayNames[m.date.dayOfWeek() - 1]);
    case 'm': return numberOrName(m.date.month(), n, monthNames[m.date.month() - 1]);
    case 'y': return n <= 2 ? twoDigits(m.date.year() % 100) : QStringLiteral("%1").arg(m.date.year(), 4, 10, QLatin1Char('0'));
    case 'h': return numberOrName(m.shownHour, std::min(n, 2), "");
    case 'n': return numberOrName(m.minute, std::min(n, 2), "");
    case 's': return numberOrName(m.second, std::min(n, 2), "");
    case 'a': return m.hour < 12 ? QStringLiteral("AM") : QStringLiteral("PM");
    default: return part.text;
    }
}

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
    const Moment moment = momentOf(serial, p.contains(QLatin1String("AM/PM")));
    QString out;
    for (const DatePart& part : minutesMarked(datePartsOf(p)))
        out += partText(part, moment);
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
