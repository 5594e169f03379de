#include "app/startup.h"

#include "platform/cp1252.h"

const QByteArray TitlePaneRtf = "{\\rtf1\\ansi\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss Arial;}}\r\n"
                                "\\viewkind4\\uc1\\pard\\b\\f0\\fs23 RichTextBox1\r\n"
                                "\\par }\r\n";

namespace {
// A name typed with RTF's special characters must not break the notebook's markup.
QByteArray rtfEscaped(const QByteArray& text)
{
    QByteArray out;
    for (char c : text) {
        if (c == '\\' || c == '{' || c == '}')
            out += '\\';
        out += c;
    }
    return out;
}

constexpr int ChoiceCount = 4;  // answers A to D
constexpr int ShortestTimeLimit = 5;  // minutes, the shortest the exam set-up offers
}  // namespace

QByteArray notebookTemplate(const Edition& edition, const QByteArray& userName)
{
    const QByteArray crlf = "\r\n", par = "\\par ";
    const QByteArray head = TitlePaneRtf.chopped(3);  // up to the final "\par "
    QByteArray body = "\\b\\qc Review Notes for the" + crlf + par + cp1252::fromUnicode(edition.NotebookHeading) + crlf
                      + par + cp1252::fromUnicode(edition.TitleLine2) + crlf + par
                      + "\\pard\\plain Notebook prepared by " + rtfEscaped(userName) + crlf + par + crlf;
    for (int t = 1; t <= edition.TopicCount; ++t) {
        body += par + cp1252::fromUnicode(edition.TopicTitles[t]) + crlf + par + "Notes:" + crlf;
        for (int k = 0; k < 4; ++k)
            body += par + crlf;
    }
    return head + body + par + "}" + crlf;
}

QByteArray enteredUserName(const QString& typed)
{
    qsizetype start = 0;
    while (start < typed.size() && typed[start] == ' ')
        ++start;
    return cp1252::fromUnicode(typed.mid(start, 30));
}

bool resumeExam(ExamState& exam, const ExamRecord& r, const Edition& edition)
{
    const int choice = r.Kind - edition.TopicCount;
    // The custom exam (and its retakes) draws on the review items, a prepared exam on its own.
    const int capacity = choice == edition.CustomExamNo() ? edition.ReviewItemCapacity : edition.MockExamItemCapacity;
    const bool sound = choice >= 1 && choice <= edition.CustomExamNo() && r.ExamKind >= 1
                       && r.ExamKind <= edition.ExamKindCount() && r.ItemCount >= 1 && r.ItemCount <= MostTestItems
                       && r.CurrentItem >= 1 && r.CurrentItem <= r.ItemCount && r.TimeLimit >= ShortestTimeLimit
                       && isTimeSpent(r.Minutes) && r.Minutes <= r.TimeLimit
                       && itemsWithin(r.Items, r.ItemCount, capacity);
    if (!sound)
        return false;
    for (int t = 1; t <= edition.TopicCount; ++t)
        exam.ExamTopics[t] = r.Topics[t] == 1;
    exam.ExamChoice = choice;
    exam.ExamTimeLimit = r.TimeLimit;
    exam.ExamElapsed = r.Minutes / 1440.0;
    exam.ExamStructured = r.Structured;
    exam.ExamKind = r.ExamKind;
    exam.ExamCurrentItem = r.CurrentItem;
    exam.ExamItemCount = r.ItemCount;
    for (int i = 1; i <= r.ItemCount; ++i) {
        exam.ExamItems[i] = r.Items[i];
        const ItemResult result = decodeItemResult(r.Codes[i]);
        if (result.TimesAnswered == 0 || result.Answer > ChoiceCount)
            continue;  // not answered, or no answer an item has: the position keeps its zeros
        exam.ExamAnswers[i] = result.Answer;
        exam.ExamUnsure[i] = result.Unsure;
        exam.ExamAnswerCount[i] = result.TimesAnswered;
    }
    return true;
}

QString choosePrinterFontName(const QStringList& printerFonts)
{
    const QString joined = printerFonts.join(QString());
    QString chosen;
    for (const char* name : {"Terminal", "MS LineDraw", "Courier", "Courier New"})
        if (joined.contains(QLatin1String(name)))
            chosen = name;
    return chosen;
}
