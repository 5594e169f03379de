// The edition data file: an RTF document whose markers the text store cuts at fixed offsets.
#include "content/course.h"

#include "platform/cp1252.h"

#include <string_view>

namespace {

using namespace std::string_view_literals;

// Put before every piece shown. The "\pard...\fs20" at its end also gives the larger print of a
// maximised window a font size to scale.
constexpr auto RtfHeader =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0"
    "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\froman\\fcharset0 Times New Roman;}"
    "{\\f2\\fmodern\\fcharset0 Courier New;}}\r\n"
    "{\\colortbl ;\\red0\\green0\\blue128;}\r\n"
    "\\pard\\plain\\f0\\fs20 "sv;
constexpr auto HeaderEnd = "!"sv;
constexpr auto SectionMarker = "\\par ^"sv;
constexpr auto Closing = "\\par }\r\n"sv;  // ends the last help page, as the cutter ends the others
constexpr auto FinalByte = "\n"sv;         // the cutter never reads the file's last byte

// The characters the cutter skips. They are RTF of their own, so the whole file stays a readable
// document for proofreading.
constexpr auto GroupSkip = " \\pard "sv;         // after a group marker: the text starts 14 on
constexpr auto ReadingTail = "\r\n\\plain "sv;   // before the next section marker
constexpr auto TermTail = "\r\n"sv;              // between a term and the definition mark
constexpr auto DefinitionMark = "\\par  "sv;
constexpr auto EntryEnd = "\\par \r\n\\li0 "sv;  // the entry separator and the five characters after it
constexpr auto AnswerLead = " - "sv;             // item characters 8 to 10; the answer is character 11
constexpr auto ItemGap = "\n"sv;                 // the character before the next item, never cut
constexpr auto ExplanationMark = "\\par *"sv;
static_assert(GroupSkip.size() == 7 && ReadingTail.size() == 9 && TermTail.size() == 2);
static_assert(EntryEnd.size() == 7 + 5 && AnswerLead.size() == 3 && ItemGap.size() == 1);

QByteArray bytes(std::string_view text) { return QByteArray(text.data(), qsizetype(text.size())); }

QByteArray groupMarker(int group) { return "\\par " + QByteArray::number(group).rightJustified(2, '0'); }

// Literal text. A backslash becomes \'5c rather than "\\", which would leave "\par" standing in the
// bytes when the text reads "\par"; characters become single Windows-1252 bytes.
QByteArray escapeText(const QString& text)
{
    QByteArray rtf;
    for (const char byte : cp1252::fromUnicode(text)) {
        if (byte == '\\')
            rtf += "\\'5c";
        else if (byte == '{' || byte == '}')
            rtf += '\\' + QByteArray(1, byte);
        else if (byte == '\t')
            rtf += "\\tab ";
        else
            rtf += uchar(byte) < 0x20 ? ' ' : byte;  // a line break would end a glossary entry
    }
    return rtf;
}

// One line of marked-up text: "**" switches bold, "*" italic, "\" takes the next character literally.
QByteArray inlineRtf(const QString& text)
{
    QByteArray rtf;
    QString literal;
    bool bold = false;
    bool italic = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            literal += text[++i];
        } else if (text[i] != '*') {
            literal += text[i];
        } else {
            rtf += escapeText(literal);
            literal.clear();
            const bool doubled = i + 1 < text.size() && text[i + 1] == '*';
            bool& on = doubled ? bold : italic;
            on = !on;
            rtf += doubled ? (bold ? "\\b " : "\\b0 ") : (italic ? "\\i " : "\\i0 ");
            i += doubled ? 1 : 0;
        }
    }
    if (bold || italic)
        throw CourseError(QStringLiteral("Unclosed %1 in: %2").arg(bold ? "**" : "*", text));
    return rtf + escapeText(literal);
}

enum class BlockKind { Paragraph, Heading, Bullet, Blank };
struct Block {
    BlockKind Kind;
    QString Text;
};

// Lines into paragraphs: a blank line is an empty paragraph (many count as one), "# " a heading of
// one line, "- " a bullet; other lines continue the paragraph or bullet above them.
QList<Block> blocksOf(const QString& markup)
{
    QList<Block> blocks;
    for (const QString& rawLine : markup.split('\n')) {
        const QString line = rawLine.trimmed();
        const BlockKind last = blocks.isEmpty() ? BlockKind::Blank : blocks.last().Kind;
        if (line.isEmpty()) {
            if (last != BlockKind::Blank)
                blocks.append({BlockKind::Blank, {}});
        } else if (line.startsWith("# ")) {
            blocks.append({BlockKind::Heading, line.mid(2).trimmed()});
        } else if (line.startsWith("- ")) {
            blocks.append({BlockKind::Bullet, line.mid(2).trimmed()});
        } else if (last == BlockKind::Paragraph || last == BlockKind::Bullet) {
            blocks.last().Text += ' ' + line;
        } else {
            blocks.append({BlockKind::Paragraph, line});
        }
    }
    if (!blocks.isEmpty() && blocks.last().Kind == BlockKind::Blank)
        blocks.removeLast();
    return blocks;
}

QByteArray blockRtf(const Block& block)
{
    switch (block.Kind) {
    case BlockKind::Heading:
        return "\\pard\\qc{\\b\\cf1\\fs24 " + inlineRtf(block.Text) + '}';
    case BlockKind::Bullet:
        return "\\pard\\li360\\fi-360\\tx360 \\'95\\tab " + inlineRtf(block.Text);
    default:
        return "\\pard " + inlineRtf(block.Text);
    }
}

void requireCount(qsizetype count, int needed, const QString& what)
{
    if (count != needed)
        throw CourseError(QStringLiteral("The course has %1 %2; the data file needs exactly %3.")
                              .arg(count).arg(what).arg(needed));
}

QByteArray itemRtf(const CourseItem& item, int group, const QString& where)
{
    if (item.Answer < 'A' || item.Answer > 'D')
        throw CourseError(where + QStringLiteral(": the answer must be a letter A to D."));
    return groupMarker(group) + bytes(AnswerLead) + char(item.Answer.unicode()) + bytes(GroupSkip) +
           questionWithChoicesRtf(item) + bytes(ExplanationMark) + markupToRtf(item.Explanation);
}

// The items of all topics or of all prepared exams, group after group.
QByteArray itemSection(const QList<QList<CourseItem>>& groups, int groupCount, int capacity,
                       const QString& groupWord)
{
    if (groups.size() > groupCount)
        throw CourseError(QStringLiteral("The course has items for %1 %2; the edition has only %3.")
                              .arg(groupWord).arg(groups.size()).arg(groupCount));
    QByteArrayList items;
    for (int g = 1; g <= groups.size(); ++g) {
        const QString group = QStringLiteral("%1 %2").arg(groupWord).arg(g);
        if (groups[g - 1].size() > MostTestItems)
            throw CourseError(QStringLiteral("%1 has %2 items; a test holds at most %3.")
                                  .arg(group).arg(groups[g - 1].size()).arg(MostTestItems));
        for (int k = 1; k <= groups[g - 1].size(); ++k)
            items += itemRtf(groups[g - 1][k - 1], g, QStringLiteral("%1 item %2").arg(group).arg(k));
    }
    if (items.size() > capacity)
        throw CourseError(QStringLiteral("The course has %1 %2 items; the edition holds at most %3.")
                              .arg(items.size()).arg(groupWord).arg(capacity));
    return items.join(bytes(ItemGap));
}

// A definition without the "\pard" that opens its first paragraph: the header put before it
// already resets the paragraph, and every search of the definitions for "par" would find it.
QByteArray definitionRtf(const QString& markup)
{
    QByteArray rtf = markupToRtf(markup);
    if (rtf.startsWith("\\pard"))
        rtf.remove(0, rtf.startsWith("\\pard ") ? 6 : 5);
    return rtf;
}

QByteArray glossarySection(const QList<GlossaryTerm>& glossary)
{
    requireCount(glossary.size(), GlossaryEntryCount, QStringLiteral("glossary entries"));
    QByteArray rtf = groupMarker(1) + bytes(GroupSkip);
    for (const GlossaryTerm& entry : glossary)
        rtf += escapeText(entry.Term) + bytes(TermTail) + bytes(DefinitionMark) + definitionRtf(entry.Definition) +
               bytes(EntryEnd);
    return rtf;
}

QByteArray helpSection(const QStringList& pages)
{
    requireCount(pages.size(), HelpPageCount, QStringLiteral("help pages"));
    QByteArray rtf;
    for (int k = 1; k <= HelpPageCount; ++k)
        rtf += groupMarker(k) + bytes(GroupSkip) + markupToRtf(pages[k - 1]);
    return rtf + bytes(Closing) + bytes(FinalByte);
}

}  // namespace

QByteArray markupToRtf(const QString& markup)
{
    QByteArrayList paragraphs;
    for (const Block& block : blocksOf(markup))
        paragraphs += blockRtf(block);
    return paragraphs.join("\\par ");
}

QByteArray questionWithChoicesRtf(const CourseItem& item)
{
    // An empty line, then the choices with plain paragraph formatting.
    QByteArray rtf = markupToRtf(item.Question) + "\\par \\pard";
    for (int c = 0; c < 4; ++c)
        rtf += "\\par " + QByteArray(1, char('A' + c)) + ". " + inlineRtf(item.Choices[c]);
    // Every choice ends with a paragraph mark, so the coin toss can blank choice D like the others.
    return rtf + "\\par ";
}

QByteArray buildEditionData(const Course& course, const Edition& edition)
{
    requireCount(course.ReadingTexts.size(), edition.ReadingTextCount, QStringLiteral("reading texts"));
    QByteArray data = bytes(RtfHeader) + bytes(HeaderEnd);
    for (const QString& text : course.ReadingTexts)
        data += bytes(SectionMarker) + groupMarker(1) + bytes(GroupSkip) + markupToRtf(text) + bytes(ReadingTail);
    data += bytes(SectionMarker) + glossarySection(course.Glossary);
    data += bytes(SectionMarker) +
            itemSection(course.TopicItems, edition.TopicCount, edition.ReviewItemCapacity, QStringLiteral("topic"));
    data += bytes(SectionMarker) + itemSection(course.ExamItems, edition.PreparedExamCount,
                                               edition.MockExamItemCapacity, QStringLiteral("exam"));
    data += bytes(SectionMarker) + helpSection(course.HelpPages);
    return data;
}
