#include "app/startup.h"

#include "exams/exam_record.h"
#include "platform/cp1252.h"
#include "platform/durable_file.h"
#include "platform/record_file.h"
#include "review/review_record.h"
#include "shell/app_state.h"

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

QString choosePrinterFontName(const QStringList& printerFonts)
{
    const QString joined = printerFonts.join(QString());
    QString chosen;
    for (const char* name : {"Terminal", "MS LineDraw", "Courier", "Courier New"})
        if (joined.contains(QLatin1String(name)))
            chosen = name;
    return chosen;
}

void saveFirstRun(AppState& state)
{
    const QString notebook = state.path(state.NotebookFileName);
    durable_file::replace(notebook, notebookTemplate(state.edition, state.settings.UserName));
    const ConfigFile config = state.config();
    ConfigRecord record = config.readRecord1();
    initialiseFirstRun(record, state.edition, state.settings.UserName);
    config.writeRecord1(record);
}

void resumeUnfinishedWork(AppState& state, const ConfigRecord& record)
{
    ConfigImage image(state.config());
    const Edition& edition = state.edition;
    const int reviewNo = record.ReviewRecordNo, examNo = record.ExamRecordNo;
    // Record 1 is never a test's; a Vestora exam record is a byte short of its slot.
    const int examLength = int(encodeExamRecord(ExamRecord(), edition).size());
    const bool reviewResumed = reviewNo >= 2 && image.holdsWhole(reviewNo, RecordLength)
                               && resumeReviewTest(state.review, decodeReviewRecord(image.record(reviewNo)), edition);
    const bool examResumed = examNo >= 2 && image.holdsWhole(examNo, examLength)
                             && resumeExam(state.exam, decodeExamRecord(image.record(examNo), edition), edition);
    state.review.ReviewRecordNo = reviewResumed ? reviewNo : 0;
    state.exam.ExamRecordNo = examResumed ? examNo : 0;
    if (state.review.ReviewRecordNo == reviewNo && state.exam.ExamRecordNo == examNo)
        return;
    image.update([&](ConfigRecord& r) {
        r.ReviewRecordNo = quint8(state.review.ReviewRecordNo);
        r.ExamRecordNo = quint8(state.exam.ExamRecordNo);
    });
    image.save();
}
