#include "exams/exam_record.h"

#include "platform/basic.h"
#include "platform/record_file.h"
#include "shell/app_state.h"

namespace {
constexpr int Positions = 300;
constexpr int DateWidth = 10;
constexpr int ChoiceCount = 4;  // answers A to D
constexpr int ShortestTimeLimit = 5;  // minutes, the shortest the exam set-up offers

// The record's fields in their stored order, for decoding and encoding alike.
template <class Record, class Fields>
void visitFields(Record& r, Fields& f, const Edition& edition)
{
    f.field(r.Kind);
    f.field(r.SavedDate, DateWidth, Padding::Blanks);
    f.field(r.CurrentItem);
    f.field(r.ItemCount);
    f.field(r.AnsweredCount);
    f.field(r.ExamKind);
    f.field(r.Score);
    f.field(r.UnsureCount);
    f.field(r.Scrambled);
    f.field(r.Minutes);
    f.field(r.TimeLimit);
    f.field(r.Structured);
    f.array(r.Topics, edition.TopicCount);
    f.array(r.Items, Positions);
    f.array(r.Codes, Positions);
}
}  // namespace

ExamRecord decodeExamRecord(const QByteArray& bytes, const Edition& edition)
{
    ExamRecord r;
    FieldReader in(bytes);
    visitFields(r, in, edition);
    return r;
}

QByteArray encodeExamRecord(const ExamRecord& r, const Edition& edition)
{
    FieldWriter out;
    visitFields(r, out, edition);
    return out.bytes();
}

int encodeItemResult(int answer, bool wrong, int timesAnswered, int unsure)
{
    const int repeats = timesAnswered == 2 ? 10 : timesAnswered >= 3 ? 20 : 0;
    return answer + unsure + repeats + (wrong ? 5 : 0);
}

ItemResult decodeItemResult(int code)
{
    const bool unsure = isUnsureCode(code);
    const int base = unsure ? code - UnsureMark : code;  // 1..30 for every code that holds an answer
    if (base < 1 || base > 30)
        return {};
    // Bands of five: once right, once wrong, twice right, twice wrong, three times right, wrong.
    const int band = (base - 1) / 5;
    return {base - 5 * band, unsure ? UnsureMark : 0, band / 2 + 1};
}

ItemResult givenItemResult(int code)
{
    const ItemResult result = decodeItemResult(code);
    return result.Answer <= ChoiceCount ? result : ItemResult{};
}

bool isMissedCode(int code)
{
    const int base = isUnsureCode(code) ? code - UnsureMark : code;
    const bool answeredRight = base >= 1 && base <= 30 && ((base - 1) / 5) % 2 == 0;
    return !answeredRight;
}

bool isUnsureCode(int code)
{
    return code >= 64 && code <= 93;
}

bool answeredRight(const ExamState& exam, int position)
{
    return exam.ExamAnswered[position] && exam.ExamAnswers[position] == exam.ExamKey[position];
}

ExamRecord recordOf(const ExamState& exam, const Edition& edition, const QDate& today)
{
    ExamRecord r;
    r.Kind = quint8(edition.ExamRecordKind(exam.ExamChoice));
    r.SavedDate = basic::dateText(today).toLatin1();
    r.CurrentItem = qint16(exam.ExamCurrentItem);
    r.ItemCount = qint16(exam.ExamItemCount);
    r.ExamKind = quint8(exam.ExamKind);
    r.Score = exam.ExamScore;
    r.Scrambled = exam.ExamScrambled ? 1 : 0;
    r.Minutes = float(exam.ExamElapsed * 1440);
    r.TimeLimit = quint8(exam.ExamTimeLimit);
    r.Structured = quint8(exam.ExamStructured);
    r.Topics.assign(size_t(edition.TopicCount) + 1, 0);
    for (int t = 1; t <= edition.TopicCount && t < int(exam.ExamTopics.size()); ++t)
        r.Topics[t] = exam.ExamTopics[t] ? 1 : 0;
    for (int i = 1; i <= exam.ExamItemCount; ++i) {
        if (exam.ExamAnswered[i]) {
            ++r.AnsweredCount;
            if (exam.ExamUnsure[i] != 0)
                ++r.UnsureCount;
            r.Codes[i] = quint8(encodeItemResult(exam.ExamAnswers[i], !answeredRight(exam, i), exam.ExamAnswerCount[i],
                                                 exam.ExamUnsure[i]));
        }
        r.Items[i] = qint16(exam.ExamItems[i]);
    }
    return r;
}

bool isSoundExamRecord(const ExamRecord& r, const Edition& edition)
{
    const int choice = r.Kind - edition.TopicCount;
    // The custom exam (and its retakes) draws on the review items, a prepared exam on its own.
    const int capacity = choice == edition.CustomExamNo() ? edition.ReviewItemCapacity : edition.MockExamItemCapacity;
    return choice >= 1 && choice <= edition.CustomExamNo()
           && r.ItemCount >= 1 && r.ItemCount <= MostTestItems && r.AnsweredCount >= 0
           && r.AnsweredCount <= r.ItemCount && r.UnsureCount >= 0 && r.UnsureCount <= r.AnsweredCount
           && r.Score >= 0 && r.Score <= 1 && isTimeSpent(r.Minutes) && itemsWithin(r.Items, r.ItemCount, capacity);
}

bool resumeExam(ExamState& exam, const ExamRecord& r, const Edition& edition)
{
    // The card lists an exam of an unknown kind (as a retake), but it cannot be taken up again.
    const bool sound = isSoundExamRecord(r, edition) && r.ExamKind >= 1 && r.ExamKind <= edition.ExamKindCount()
                       && r.CurrentItem >= 1 && r.CurrentItem <= r.ItemCount
                       && r.TimeLimit >= ShortestTimeLimit && r.Minutes <= r.TimeLimit;
    if (!sound)
        return false;
    for (int t = 1; t <= edition.TopicCount; ++t)
        exam.ExamTopics[t] = r.Topics[t] == 1;
    exam.ExamChoice = r.Kind - edition.TopicCount;
    exam.ExamTimeLimit = r.TimeLimit;
    exam.ExamElapsed = r.Minutes / 1440.0;
    exam.ExamStructured = r.Structured;
    exam.ExamScrambled = r.Scrambled != 0;
    exam.ExamKind = r.ExamKind;
    exam.ExamCurrentItem = r.CurrentItem;
    exam.ExamItemCount = r.ItemCount;
    for (int i = 1; i <= r.ItemCount; ++i) {
        exam.ExamItems[i] = r.Items[i];
        const ItemResult result = givenItemResult(r.Codes[i]);
        if (result.TimesAnswered == 0)
            continue;  // not answered: the position keeps its zeros
        exam.ExamAnswers[i] = result.Answer;
        exam.ExamUnsure[i] = result.Unsure;
        exam.ExamAnswerCount[i] = result.TimesAnswered;
    }
    return true;
}
