#include "exams/exam_rules.h"

#include "platform/basic.h"
#include "review/review_rules.h"
#include "shell/app_state.h"

#include <algorithm>
#include <cmath>

namespace {
const QString AnswerPrefix = "Your Answer:  ";
const QString UnsureNote = "  (Unsure of Answer)";
}  // namespace

QString fourWide(int value) { return basic::rightAlign(basic::Str(value), 4); }

QString remainingEntry(int position) { return fourWide(position); }

QString answeredEntry(int position, int answer, bool unsure)
{
    return fourWide(position) + "  " + answerLetter(answer) + (unsure ? "?" : "");
}

QString answerLetter(int answer) { return QChar('A' + answer - 1); }

QString listFrameCaption(int answered, int remaining)
{
    return basic::Str(answered) + " Answered" + QString(10, ' ') + basic::Str(remaining) + " Remaining";
}

QString itemCaption(const QString& examTitle, int position, int itemCount)
{
    return examTitle + ", Item" + basic::Str(position) + " of" + basic::Str(itemCount);
}

QString answerLabel(int answer, bool unsure)
{
    if (answer == 0)
        return AnswerPrefix;
    return AnswerPrefix + answerLetter(answer) + (unsure ? "?" + UnsureNote : QString());
}

QString markedUnsureLabel(int answer)
{
    return answer == 0 ? AnswerPrefix + UnsureNote : AnswerPrefix + answerLetter(answer) + "?   (marked unsure)";
}

QString cautionText(int remaining)
{
    return "You failed to answer" + basic::Str(remaining) + " questions.\r\n"
           + "Press O.K. to stop and view scoring results or Cancel to keep working.";
}

Countdown countdown(int timeLimit, double usedDays)
{
    Countdown c;
    // The clock moves in whole milliseconds; the nudge keeps a day fraction's rounding error
    // from dropping a whole minute at the exact minute.
    c.MinutesLeft = int(std::floor(timeLimit - usedDays * 1440 + 1e-9));
    const double left = timeLimit / 1440.0 - usedDays;
    c.Expired = c.MinutesLeft < 0;
    c.Warning = c.MinutesLeft < 2;
    if (c.Expired)
        c.Text = "Time has expired!";
    else if (c.Warning)
        c.Text = "2-minute warning! " + basic::formatDateTime(left, "h:mm:ss").right(4);
    else
        c.Text = "Time Remaining: " + basic::formatDateTime(left, "h:mm:ss");
    return c;
}

void buildNewExam(ExamState& exam, const TextStore& text, const Edition& edition, RandomSource& random)
{
    const size_t capacity = size_t(edition.ReviewItemCapacity) + 1;
    const size_t positions = size_t(MostTestItems) + 1;
    exam.ExamPool.assign(capacity, 0);
    exam.ExamItems.assign(capacity, 0);
    for (std::vector<int>* perPosition :
         {&exam.ExamAnswers, &exam.ExamUnsure, &exam.ExamKey, &exam.ExamAnswerCount, &exam.ExamAnswered})
        perPosition->assign(positions, 0);

    const int count = exam.ExamItemCount;
    if (exam.ExamChoice == edition.CustomExamNo()) {
        // The pool: every review item of the chosen topics, in bank order.
        int n = 0;
        for (int t = 1; t <= edition.TopicCount; ++t)
            if (exam.ExamTopics[t])
                for (int k = 1; k <= text.TopicItemCounts[t][1]; ++k)
                    exam.ExamPool[++n] = text.reviewItemIndex(t, k);
        scrambleOrder(exam.ExamPool, n, random);
        std::copy_n(exam.ExamPool.begin() + 1, count, exam.ExamItems.begin() + 1);
        if (!exam.ExamScrambled)
            std::sort(exam.ExamItems.begin() + 1, exam.ExamItems.begin() + 1 + count);
    } else {
        for (int i = 1; i <= count; ++i)
            exam.ExamItems[i] = text.mockExamItemIndex(exam.ExamChoice, i);
        if (exam.ExamScrambled)
            scrambleOrder(exam.ExamItems, count, random);
    }
}

QString drillSuffix(int level)
{
    static const QStringList suffixes = {" - 1st Drill", " - 2nd Drill", " - Last Drill"};
    return drillsFinished(level) ? QString(" - Finished") : suffixes[level];
}

bool drillsFinished(int level) { return level < 0 || level > 2; }

QString topicCaption(int topic, const QString& title)
{
    const qsizetype at = title.indexOf('&');
    return basic::Str(topic) + "   " + (at < 0 ? title : title.left(at + 1) + "&" + title.mid(at + 1));
}
