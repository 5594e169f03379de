#include "shell/text_store.h"

#include "platform/runtime_error.h"

#include <QFile>
#include <algorithm>

namespace {

const QByteArray SectionMarker = "\\par ^";
const QByteArray Closing = "\\par }\r\n";
const QByteArray GlossarySeparator = "\\par \r\n";

RuntimeError malformed(const char* what)
{
    return RuntimeError(RuntimeErrorNo::InvalidCall, QStringLiteral("Invalid procedure call or argument (%1)").arg(what));
}

// The text being cut, addressed by 1-based positions; every access is checked, so a damaged
// file gives an error and never a read outside the text.
class Cutter {
public:
    explicit Cutter(const QByteArray& d) : D(d) {}

    // First occurrence of pattern at or after position start; 0 when there is none.
    qint64 find(qint64 start, const QByteArray& pattern) const
    {
        if (start < 1)
            start = 1;
        return D.indexOf(pattern, start - 1) + 1;
    }
    // The length characters from position start on; a negative length means a damaged file.
    QByteArray piece(qint64 start, qint64 length, const char* what) const
    {
        if (start < 1 || length < 0)
            throw malformed(what);
        return D.mid(start - 1, length);
    }
    qint64 size() const { return D.size(); }

    const QByteArray D;
};

QByteArray groupMarker(int group)
{
    return "\\par " + QByteArray::number(group).rightJustified(2, '0');
}

std::vector<qint64> sectionStarts(const Cutter& c, int count)
{
    std::vector<qint64> S(size_t(count) + 1, 0);
    for (int k = 1; k <= count; ++k) {
        S[k] = c.find(S[k - 1] + 1, SectionMarker);
        if (S[k] == 0)
            throw malformed("fewer section markers than the edition has sections");
    }
    return S;
}

// Everything before the last "!" at or ahead of the first section marker.
QByteArray header(const Cutter& c, qint64 firstMarker)
{
    const QByteArray head = c.piece(1, firstMarker, "header");
    const qsizetype bang = head.lastIndexOf('!');
    if (bang < 0)
        throw malformed("no \"!\" before the first section marker");
    return head.left(bang);
}

// Position of the text that follows a section's first group marker and its seven skipped characters.
qint64 firstTextAfter(const Cutter& c, qint64 sectionStart, const char* what)
{
    const qint64 marker = c.find(sectionStart, groupMarker(1));
    if (marker == 0)
        throw malformed(what);
    return marker + 14;
}

// The group number of a group marker at position p ("\par " and two digits), 0 when there is none.
int markerGroup(const Cutter& c, qint64 p)
{
    const QByteArray digits = c.D.mid(p + 4, 2);
    const auto isDigit = [](char ch) { return ch >= '0' && ch <= '9'; };
    return digits.size() == 2 && isDigit(digits[0]) && isDigit(digits[1]) ? digits.toInt() : 0;
}

// The items of one section: groups 1..groupCount in ascending order, each item opened by its
// group's marker, the section ending at position end. The section is scanned once for every
// group marker; each group then takes its markers from after the last item of the group before.
void cutItemGroups(const Cutter& c, qint64 start, qint64 end, int groupCount, int capacity, int column,
                   std::vector<QByteArray>& items, std::vector<std::array<int, 3>>& counts)
{
    std::vector<std::vector<qint64>> markers(size_t(groupCount) + 1);
    for (qint64 p = c.find(start, "\\par "); p != 0 && p < end; p = c.find(p + 1, "\\par ")) {
        const int group = markerGroup(c, p);
        if (group >= 1 && group <= groupCount)
            markers[group].push_back(p);
    }
    std::vector<qint64> opens;
    qint64 f = start;
    for (int g = 1; g <= groupCount; ++g) {
        const auto first = std::lower_bound(markers[g].begin(), markers[g].end(), f);
        counts[g][column] = int(markers[g].end() - first);
        opens.insert(opens.end(), first, markers[g].end());
        if (!opens.empty())
            f = opens.back() + 1;
    }
    if (int(opens.size()) > capacity)
        throw RuntimeError(RuntimeErrorNo::SubscriptOutOfRange, "Subscript out of range (too many items)");
    for (size_t i = 0; i < opens.size(); ++i) {
        // Every item but the last stops one character short of the next item's marker.
        const qint64 length = i + 1 < opens.size() ? opens[i + 1] - opens[i] - 1 : end - opens[i];
        items[i + 1] = c.piece(opens[i], length, "item") + Closing;
    }
}

// Every item needs its answer letter A to D, or it could never be answered right: the message
// names the first item without one, counted within its topic or exam.
void checkAnswerLetters(const std::vector<QByteArray>& items, const std::vector<std::array<int, 3>>& counts,
                        int groupCount, int column, const char* groupWord)
{
    int n = 0;
    for (int g = 1; g <= groupCount; ++g) {
        for (int k = 1; k <= counts[g][column]; ++k) {
            if (itemKey(items[++n]) == 0)
                throw RuntimeError(RuntimeErrorNo::InvalidCall,
                                   QStringLiteral("Invalid procedure call or argument (item %1 of %2 %3 has no "
                                                  "answer A to D)").arg(k).arg(groupWord).arg(g));
        }
    }
}

void cutReadingTexts(const Cutter& c, const std::vector<qint64>& S, int T, TextStore& store)
{
    for (int e = 1; e <= T; ++e) {
        const qint64 p = firstTextAfter(c, S[e], "reading text without its opening marker");
        store.ReadingTexts[e] = c.piece(p, S[e + 1] - p - 9, "reading text") + Closing;
    }
}

void cutHelpPages(const Cutter& c, qint64 sectionStart, qint64 fileLength, TextStore& store)
{
    std::array<qint64, HelpPageCount + 2> pos{};
    qint64 f = sectionStart;
    for (int k = 1; k <= HelpPageCount; ++k) {
        pos[k] = c.find(f, groupMarker(k));
        if (pos[k] == 0)
            throw malformed("missing help page");
        f = pos[k] + 1;
    }
    for (int k = 1; k < HelpPageCount; ++k)
        store.HelpPages[k] = c.piece(pos[k] + 14, pos[k + 1] - pos[k] - 14, "help page") + Closing;
    // The last page runs to the end of what was read, with nothing added.
    store.HelpPages[HelpPageCount] =
        c.piece(pos[HelpPageCount] + 14, fileLength - pos[HelpPageCount] - 14, "last help page");
}

void markPictures(const Edition& edition, TextStore& store)
{
    int n = 0;
    for (int topic = 1; topic <= edition.TopicCount; ++topic) {
        for (int k = 1; k <= store.TopicItemCounts[topic][1]; ++k) {
            ++n;
            const QString code = QStringLiteral("%1%2").arg(topic, 2, 10, QChar('0')).arg(k, 3, 10, QChar('0'));
            for (int j = 1; j <= 2; ++j) {
                if (edition.PictureSpecs[j].left(5) == code) {
                    store.ItemPicture[n] = j;
                    break;
                }
            }
        }
    }
}

void cutGlossary(const Cutter& c, qint64 sectionStart, TextStore& store)
{
    qint64 p = firstTextAfter(c, sectionStart, "glossary without its opening marker");
    for (int k = 1; k <= GlossaryEntryCount; ++k) {
        const qint64 q = c.find(p, GlossarySeparator);
        if (q == 0)
            throw malformed("fewer glossary entries than the glossary holds");
        store.GlossaryEntries[k] = c.piece(p, q - p, "glossary entry");
        p = q + 12;  // the separator and the five characters after it
    }
}

TextStore emptyStore(const Edition& edition)
{
    TextStore store;
    store.DataSectionStarts.assign(size_t(edition.DataSectionCount) + 1, 0);
    store.ReadingTexts.assign(size_t(edition.DataSectionCount) + 1, {});
    store.GlossaryEntries.assign(GlossaryEntryCount + 1, {});
    store.ReviewItems.assign(size_t(edition.ReviewItemCapacity) + 1, {});
    store.MockExamItems.assign(size_t(edition.MockExamItemCapacity) + 1, {});
    store.TopicItemCounts.assign(size_t(edition.TopicCount) + 1, {});
    store.HelpPages.assign(HelpPageCount + 1, {});
    store.ItemPicture.assign(size_t(edition.ReviewItemCapacity) + 1, 0);
    return store;
}

}  // namespace

int TextStore::reviewItemIndex(int topic, int k) const
{
    for (int d = 1; d < topic; ++d)
        k += TopicItemCounts[d][1];
    return k;
}

int TextStore::mockExamItemIndex(int exam, int k) const
{
    for (int e = 1; e < exam; ++e)
        k += TopicItemCounts[e][2];
    return k;
}

TextStore cutEditionData(const QByteArray& fileBytes, const Edition& edition)
{
    const qint64 L = fileBytes.size();
    const Cutter c(fileBytes.left(std::max<qint64>(L - 1, 0)));  // the last byte is never read
    const int T = edition.ReadingTextCount;

    TextStore store = emptyStore(edition);
    const std::vector<qint64> S = sectionStarts(c, edition.DataSectionCount);
    std::copy(S.begin(), S.end(), store.DataSectionStarts.begin());
    store.RtfHeader = header(c, S[1]);
    cutReadingTexts(c, S, T, store);
    cutHelpPages(c, S[T + 4], L, store);
    cutItemGroups(c, S[T + 2], S[T + 3], edition.TopicCount, edition.ReviewItemCapacity, 1, store.ReviewItems,
                  store.TopicItemCounts);
    checkAnswerLetters(store.ReviewItems, store.TopicItemCounts, edition.TopicCount, 1, "topic");
    markPictures(edition, store);
    cutItemGroups(c, S[T + 3], S[T + 4], edition.PreparedExamCount, edition.MockExamItemCapacity, 2,
                  store.MockExamItems, store.TopicItemCounts);
    checkAnswerLetters(store.MockExamItems, store.TopicItemCounts, edition.PreparedExamCount, 2, "exam");
    cutGlossary(c, S[T + 1], store);
    return store;
}

TextStore loadEditionData(const QString& folder, const Edition& edition)
{
    QFile file(folder + '/' + edition.EditionWord);
    if (!file.open(QIODevice::ReadOnly))
        throw RuntimeError(RuntimeErrorNo::FileAccess, QStringLiteral("Path/File access error (%1)").arg(file.fileName()));
    return cutEditionData(file.readAll(), edition);
}

int itemKey(const QByteArray& itemText)
{
    const int code = itemText.size() >= 11 ? quint8(itemText[10]) - 64 : 0;
    return code >= 1 && code <= 4 ? code : 0;
}

QByteArray itemQuestion(const QByteArray& itemText)
{
    const qsizetype marker = itemText.indexOf("\\par *");
    const qsizetype end = marker < 0 ? itemText.size() : marker;
    return end > 18 ? itemText.mid(18, end - 18) : QByteArray();
}

QByteArray itemExplanation(const QByteArray& itemText)
{
    const qsizetype marker = itemText.indexOf("\\par *");
    return marker < 0 ? QByteArray() : itemText.mid(marker + 6);
}

GlossaryEntry splitGlossaryEntry(const QByteArray& entry)
{
    const qsizetype g = entry.indexOf("\\par  ");  // 0-based: the term is the g - 2 characters before
    if (g < 0)
        return {entry, {}};
    return {entry.left(std::max<qsizetype>(g - 2, 0)), entry.mid(g + 6)};
}

PictureSpec parsePictureSpec(const QString& pictureSpec)
{
    return {pictureSpec.left(5), pictureSpec.mid(0, 2).toInt(), pictureSpec.mid(2, 3).toInt(), pictureSpec.mid(6, 4).toInt(),
            pictureSpec.mid(11, 4).toInt()};
}

QString itemPictureFile(const Edition& edition, const PictureSpec& pictureSpec)
{
    return edition.EditionWord + pictureSpec.Code + ".gph";
}
