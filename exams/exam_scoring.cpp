#include "exams/exam_scoring.h"

#include "exams/exam_record.h"
#include "platform/basic.h"
#include "platform/runtime_error.h"
#include "review/review_save.h"
#include "shell/app_state.h"

namespace {

constexpr float DropBelowPercent = 30;
constexpr int HighestDrillLevel = 3;

float percent(float score) { return score * 100.0f; }

// A finished exam counts as a drill at 30% or more and at the lower of the edition's threshold and
// the pass mark, for a prepared or custom exam or a Retake All.
bool examCountsAsDrill(const Edition& edition, int examKind, float score, int passMark)
{
    const float pct = percent(score);
    return pct >= DropBelowPercent && (pct >= edition.EditionPassThreshold || pct >= passMark)
           && examKind <= edition.HighestLoggedKind();
}

// The exam's drill level once the finished exam has counted.
int raisedDrillLevel(const AppState& state, int slot)
{
    const ExamState& exam = state.exam;
    const int level = state.settings.TopicDrillLevel[slot];
    const bool drill = examCountsAsDrill(state.edition, exam.ExamKind, exam.ExamScore, state.settings.PassMarkChar);
    return level < HighestDrillLevel && drill ? level + 1 : level;
}

// Judges every answered position from its item text, also those answered before a resume, clears
// the answers never committed (they count as wrong) and sets ExamScore.
void scoreExam(AppState& state)
{
    ExamState& exam = state.exam;
    int right = 0;
    for (int i = 1; i <= exam.ExamItemCount; ++i) {
        if (exam.ExamAnswered[i])
            exam.ExamKey[i] = itemKey(examItemText(state, i));
        else
            exam.ExamAnswers[i] = exam.ExamUnsure[i] = exam.ExamAnswerCount[i] = 0;
        right += answeredRight(exam, i) ? 1 : 0;
    }
    exam.ExamScore = float(double(right) / exam.ExamItemCount);
}

// Takes the exam's own record, number recordNo, out of the file in memory; later records move down
// by one. Returns the number the review test in progress has afterwards, which record 1 names only
// while it fits in its one byte.
int DropLastRecord(ConfigImage& image, int recordNo, int reviewRecordNo)
{
    image.removeRecord(recordNo);
    if (reviewRecordNo > recordNo)
        --reviewRecordNo;
    image.update([&](ConfigRecord& r) {
        r.ReviewRecordNo = quint8(reviewRecordNo <= MostResumableRecordNo ? reviewRecordNo : 0);
    });
    return reviewRecordNo;
}

}  // namespace

QByteArray examItemText(const ExamState& exam, const TextStore& text, const Edition& edition, int position)
{
    const bool custom = exam.ExamChoice == edition.CustomExamNo();
    const std::vector<QByteArray>& items = custom ? text.ReviewItems : text.MockExamItems;
    const int itemNo = exam.ExamItems[position];
    return itemNo >= 1 && itemNo < int(items.size()) ? items[itemNo] : QByteArray();
}

QByteArray examItemText(const AppState& state, int position)
{
    return examItemText(state.exam, state.text, state.edition, position);
}

int examItemPicture(const ExamState& exam, const TextStore& text, const Edition& edition, int position)
{
    if (exam.ExamChoice != edition.CustomExamNo())
        return 0;
    const int itemNo = exam.ExamItems[position];
    const std::vector<int>& pictures = text.ItemPicture;
    return itemNo >= 1 && itemNo < int(pictures.size()) ? pictures[itemNo] : 0;
}

int examItemPicture(const AppState& state, int position)
{
    return examItemPicture(state.exam, state.text, state.edition, position);
}

ExamSaved SaveExamRecord(AppState& state, bool examFinished)
{
    scoreExam(state);
    ExamState& exam = state.exam;
    const ExamRecord record = recordOf(exam, state.edition, state.platform.clock.today());
    ConfigImage image(state.config());
    // A new exam goes after the last record; record 1 is never an exam's.
    const int recordNo = exam.ExamRecordNo != 0 ? exam.ExamRecordNo : image.nextRecordNo();
    if (!examFinished && recordNo > MostResumableRecordNo)
        return {0, ExamNotice::NoRoom};
    image.setRecord(recordNo, encodeExamRecord(record, state.edition));

    // Retakes of the missed or unsure items are neither logged nor counted as drills; a poor exam
    // stays in the log but leaves the report card.
    const int slot = state.edition.ExamRecordKind(exam.ExamChoice);
    const int level = examFinished ? raisedDrillLevel(state, slot) : state.settings.TopicDrillLevel[slot];
    const bool logged = examFinished && exam.ExamKind <= state.edition.HighestLoggedKind();
    const QDate today = state.platform.clock.today();
    image.update([&](ConfigRecord& r) {
        r.ExamRecordNo = quint8(examFinished ? 0 : recordNo);
        r.DrillLevels[slot] = quint8(level);
        if (logged)
            logScore(r, slot, exam.ExamScore, today);
    });
    const bool poor = examFinished && percent(exam.ExamScore) < DropBelowPercent;
    const int reviewRecordNo =
        poor ? DropLastRecord(image, recordNo, state.review.ReviewRecordNo) : state.review.ReviewRecordNo;

    // Everything reaches the file in one step; memory follows only once it has.
    image.save();
    state.settings.TopicDrillLevel[slot] = level;
    state.review.ReviewRecordNo = reviewRecordNo;
    exam.ExamRecordNo = examFinished ? 0 : recordNo;
    if (examFinished)
        exam.ExamCurrentItem = 0;
    return {recordNo, poor ? ExamNotice::PoorExamDropped : ExamNotice::None};
}

ExamClosing runExamClosingRules(AppState& state, bool cancelled, bool examFinished)
{
    ExamState& exam = state.exam;
    if (cancelled) {
        exam.ExamCurrentItem = 0;  // nothing is written; a resumed exam keeps its record
        return {ExamEnd::Cancelled, ExamNotice::None, {}};
    }
    try {
        const ExamSaved saved = SaveExamRecord(state, examFinished);
        return {examFinished && saved.RecordNo != 0 ? ExamEnd::ResultsReady : ExamEnd::Saved, saved.Notice, {}};
    } catch (const RuntimeError& error) {
        return {ExamEnd::Saved, ExamNotice::NotSaved, error.Description};
    }
}
