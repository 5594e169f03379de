#include "shell/enlarge_rtf.h"

#include "platform/basic.h"

#include <cmath>
#include <limits>

namespace {

// The number the characters after a control word start, as a 16-bit whole number; 0 for none.
int leadingNumber(const QByteArray& digits)
{
    // Only an exponent ("1E42") reads past 16 bits; such a word is no size. It is refused before
    // rounding, which holds only whole numbers that fit in 64 bits.
    const double value = basic::Val(QString::fromLatin1(digits));
    if (!(value > std::numeric_limits<qint16>::min() - 0.5 && value < std::numeric_limits<qint16>::max() + 0.5))
        return 0;
    return int(basic::roundHalfEven(value));
}

// One pass over rtf for one control word, read with `width` characters after it.
// Positions are 0-based here; `from` is where the next search starts.
void scaleWord(QByteArray& rtf, const char* word, int width)
{
    const qsizetype par = rtf.indexOf("\\par");
    qsizetype from = par < 0 ? 3 : par + 4;
    while (from < rtf.size()) {
        const qsizetype e = rtf.indexOf(word, from);
        if (e < 0)
            return;
        const int n = leadingNumber(rtf.mid(e + 3, width));
        if (n == 0) {
            from = e + 1;
            continue;
        }
        const qsizetype old = QByteArray::number(n).size();
        const QByteArray scaled = QByteArray::number(qint64(std::floor(n / 11.0 * 16.0)));
        rtf.replace(e + 3, old, scaled);
        from = e + 6;  // an occurrence within five characters of this one is passed over
    }
}

}  // namespace

void EnlargeRtf(QByteArray& rtf)
{
    scaleWord(rtf, "\\fs", 2);
    scaleWord(rtf, "\\tx", 4);
    scaleWord(rtf, "\\li", 4);
    scaleWord(rtf, "\\fi", 4);
}
