#include "exams/exam_card_rows.h"

#include "platform/basic.h"
#include "platform/printer.h"
#include "shell/app_state.h"

#include <algorithm>
#include <cmath>
#include <utility>

using basic::rightAlign;
using namespace exam_card;

namespace {

constexpr int TitleWidth = 14;

QString fourteenWide(const QString& title) { return title.leftJustified(TitleWidth); }

double unsureShare(const ExamRecord& r) { return double(r.UnsureCount) / r.ItemCount; }

void printCopy(PrinterDevice& printer, const Printout& printout)
{
    const QString rule(89, QLatin1Char('-'));
    printer.endLine();
    printer.printLine(1, printout.Caption);
    printer.endLine();
    printer.printLine(16, "Date" + basic::Space(4) + "Percent" + " Questions" + basic::Space(2) + "Number" + basic::Space(3) + "Unsure"
                               + basic::Space(2) + "Scrambled" + basic::Space(2) + "Allotted" + basic::Space(2) + "Time Used");
    printer.printLine(1, "Exam Title" + basic::Space(5) + "Taken" + basic::Space(3) + "Correct" + basic::Space(3) + "Asked" + basic::Space(3)
                              + "Answered" + basic::Space(2) + "Answers" + basic::Space(3) + "Order" + basic::Space(3) + "Time (min.)"
                              + basic::Space(2) + "(h:m:s)");
    printer.printLine(1, rule);
    int lineCount = 7;
    for (const PrintedExam& exam : printout.Exams) {
        printer.printLine(1, exam.Line);  // begins with its left-aligned title
        ++lineCount;
        if (exam.Custom) {
            printer.printLine(11, "Topics Covered: " + exam.Topics);
            printer.endLine();
            lineCount += 2;
        }
        if (lineCount >= CardPageLimit) {
            printer.newPage();
            printer.endLine();
            printer.printLine(1, printout.Caption + " (cont.)");
            printer.endLine();
            lineCount = 3;
        }
    }
    printer.printLine(1, rule);
    printer.printLine(14, printout.Totals);
    printer.newPage();
}

}  // namespace

RecordFit ExamCardRow::read(const QByteArray& record, const Edition& edition, ExamCardRow& row)
{
    if (quint8(record[0]) <= edition.TopicCount)
        return RecordFit::OtherCard;  // a review test
    row.Record = decodeExamRecord(record, edition);
    return isSoundExamRecord(row.Record, edition) ? RecordFit::Shown : RecordFit::Unshown;
}

QString ExamCardRow::line(const Edition& edition) const { return exam_card::line(Record, edition); }

bool ExamCardRow::outOfOrder(int order, const ExamCardRow& a, const ExamCardRow& b)
{
    const ExamRecord &x = a.Record, &y = b.Record;
    switch (SortOrder(order)) {
    case EarliestDate: return basic::dateSortKey(x.SavedDate) > basic::dateSortKey(y.SavedDate);
    case LatestDate: return basic::dateSortKey(x.SavedDate) < basic::dateSortKey(y.SavedDate);
    case PercentCorrect: return x.Score < y.Score;
    case QuestionsAsked: return x.ItemCount < y.ItemCount;
    case PercentUnsure: return unsureShare(y) > unsureShare(x);
    }
    return false;
}

RetakeChoices ExamCardRow::retakes(const RetakeLimits& limits, const Edition& edition) const
{
    return retakeChoices(Record, limits.drillLevel(Record.Kind), limits.itemCount(Record.Kind - edition.TopicCount, 2),
                         edition);
}

namespace exam_card {

QString topicsText(const ExamRecord& record, const Edition& edition)
{
    QStringList topics;
    for (int t = 1; t <= edition.TopicCount && t < int(record.Topics.size()); ++t)
        if (record.Topics[t] != 0)
            topics << basic::Str(t);
    return topics.join(',');
}

bool isCustomExam(const ExamRecord& record, const Edition& edition)
{
    return record.Kind == edition.ExamRecordKind(edition.CustomExamNo());
}

QString examTitle(int examKind, const Edition& edition)
{
    if (examKind >= 1 && examKind <= edition.PreparedExamCount)
        return fourteenWide(edition.ExamTitles.value(examKind).section(' ', 1));  // "Mock Exam I AM" lists as "Exam I AM"
    if (examKind == edition.CustomExamNo())
        return fourteenWide("Custom");
    if (examKind == edition.RetakeAllKind())
        return fourteenWide("Retake All");
    return examKind == edition.RetakeMissedKind() ? QStringLiteral("Retake Missed ") : QStringLiteral("Retake Unsure ");
}

QString line(const ExamRecord& r, const Edition& edition)
{
    return examTitle(r.ExamKind, edition) + rightAlign(QString::fromLatin1(r.SavedDate), 10)
           + rightAlign(basic::formatNumber(r.Score, "##0.0%"), 7) + rightAlign(basic::Str(int(r.ItemCount)), 7)
           + rightAlign(basic::Str(int(r.AnsweredCount)), 9) + rightAlign(basic::Str(int(r.UnsureCount)), 9)
           + (r.Scrambled != 0 ? basic::Space(6) + "Yes" : basic::Space(7) + "No")
           + rightAlign(basic::formatNumber(r.TimeLimit, "###"), 8)
           + rightAlign(basic::formatDateTime(r.Minutes / 1440.0, "h:mm:ss"), 10);
}

Totals totals(const std::vector<ExamCardRow>& rows)
{
    Totals t;
    for (const ExamCardRow& row : rows) {
        const ExamRecord& r = row.Record;
        t.Correct = basic::roundHalfEven(float(t.Correct) + float(r.ItemCount) * r.Score);
        t.Asked += r.ItemCount;
        t.Answered += r.AnsweredCount;
        t.Unsure += r.UnsureCount;
        t.Allotted += r.TimeLimit;
        t.Minutes += r.Minutes;
    }
    return t;
}

QString totalsLine(const Totals& t)
{
    if (t.Asked == 0)
        return "Total:";
    const auto count = [](qint64 value, int width) { return rightAlign(basic::formatNumber(double(value), "##,##0"), width); };
    return "Total:" + rightAlign(basic::formatNumber(double(t.Correct) / double(t.Asked), "###.0%"), 12)
           + count(t.Asked, 7) + count(t.Answered, 9) + count(t.Unsure, 9) + basic::Space(8) + count(t.Allotted, 9)
           + rightAlign(totalTimeText(t.Minutes), 10);
}

QString totalTimeText(double minutes)
{
    // A day's time of a long history would wrap at midnight; the hours go on counting instead.
    const qint64 seconds = qint64(std::floor(minutes * 60 + 0.5));
    const auto two = [](qint64 n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); };
    return two(seconds / 3600) + ':' + two(seconds / 60 % 60) + ':' + two(seconds % 60);
}

RetakeChoices retakeChoices(const ExamRecord& r, int drillLevel, int examSize, const Edition& edition)
{
    RetakeChoices allowed{};
    for (int choice : {AllQuestions, MissedQuestions, UnsureQuestions})
        allowed[choice] = !retakePositions(r, choice).empty();
    allowed[UnsureQuestions] = allowed[UnsureQuestions] && r.UnsureCount != 0;
    allowed[MissedQuestions] = allowed[MissedQuestions] && r.Score != 1;
    if (drillLevel < 3)
        return allowed;
    // Three drills of this exam are done: no retake of the whole exam, nor of all its questions unsure.
    if (r.ItemCount == r.UnsureCount)
        allowed[UnsureQuestions] = false;
    const int choice = r.Kind - edition.TopicCount;
    if (choice <= edition.PreparedExamCount) {
        if (r.UnsureCount >= examSize)
            allowed[UnsureQuestions] = false;
        if (r.ItemCount >= examSize)
            allowed[AllQuestions] = false;
    }
    return allowed;
}

std::vector<int> retakePositions(const ExamRecord& r, int choice)
{
    std::vector<int> positions;
    for (int p = 1; p <= r.ItemCount; ++p) {
        const int code = r.Codes[p];
        const bool taken = choice == AllQuestions || (choice == MissedQuestions && isMissedCode(code))
                           || (choice == UnsureQuestions && isUnsureCode(code));
        if (taken)
            positions.push_back(p);
    }
    return positions;
}

void prepareRetake(ExamState& exam, const ExamRecord& r, int choice, const Edition& edition)
{
    clearAnswers(exam);
    const std::vector<int> positions = retakePositions(r, choice);
    exam.ExamItemCount = int(positions.size());
    for (int i = 1; i <= exam.ExamItemCount; ++i)
        exam.ExamItems[i] = r.Items[positions[i - 1]];
    exam.ExamTimeLimit = r.TimeLimit;  // the limit of the exam retaken, also for a shorter retake
    exam.ExamScrambled = r.Scrambled != 0;
    exam.ExamChoice = r.Kind - edition.TopicCount;  // stored under the exam it retakes
    exam.ExamStructured = r.Structured;
    exam.ExamRecordNo = 0;  // appended as a new record
    exam.ExamCurrentItem = 0;
    exam.ExamTopics.assign(size_t(edition.TopicCount) + 1, false);
    for (int t = 1; t <= edition.TopicCount; ++t)
        exam.ExamTopics[t] = r.Topics[t] != 0;
    const std::array<int, 3> kinds = {edition.RetakeAllKind(), edition.RetakeMissedKind(), edition.RetakeUnsureKind()};
    exam.ExamKind = kinds[choice];
}

void prepareResults(ExamState& exam, const ExamRecord& r, const Edition& edition)
{
    clearAnswers(exam);
    exam.ExamItemCount = r.ItemCount;
    exam.ExamChoice = r.Kind - edition.TopicCount;
    exam.ExamElapsed = r.Minutes / 1440.0;
    exam.ExamScore = r.Score;
    for (int p = 1; p <= r.ItemCount; ++p) {
        exam.ExamItems[p] = r.Items[p];
        const ItemResult result = givenItemResult(r.Codes[p]);
        exam.ExamAnswers[p] = result.Answer;
        exam.ExamUnsure[p] = result.Unsure;
    }
}

void clearAnswers(ExamState& exam)
{
    exam.ExamAnswers.assign(size_t(MostTestItems) + 1, 0);
    exam.ExamUnsure.assign(size_t(MostTestItems) + 1, 0);
}

void print(PrinterDevice& printer, const Printout& printout, int copies)
{
    for (int copy = 0; copy < copies; ++copy)
        printCopy(printer, printout);
    printer.endDocument();
}

}  // namespace exam_card
