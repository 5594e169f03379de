#include "exams/exam_scoring.h"

#include "exams/exam_record.h"
#include "platform/basic.h"
#include "platform/record_file.h"
#include "platform/runtime_error.h"
#include "review/review_save.h"
#include "shell/app_state.h"
#include "shell/config_rewrite.h"
#include "shell/main_menu.h"

#include <QFile>
#include <algorithm>

namespace {

constexpr float DropBelowPercent = 30;
constexpr int HighestDrillLevel = 3;

const QString NoRoomText =
    "This exam cannot be saved for a later session: your configuration file has no room left for "
    "another exam in progress. The exam stays open for resuming until you close the program; "
    "finish it to keep its result.";

float percent(float score) { return score * 100.0f; }

// A finished exam counts as a drill at 30% or more and at the lower of the edition's threshold and
// the pass mark, for a prepared or custom exam or a Retake All.
bool examCountsAsDrill(const Edition& edition, int examKind, float score, int passMark)
{
    const float pct = percent(score);
    return pct >= DropBelowPercent && (pct >= edition.EditionPassThreshold || pct >= passMark)
           && examKind <= edition.HighestLoggedKind();
}

void applyDrillRule(AppState& state)
{
    const ExamState& exam = state.exam;
    int& level = state.settings.TopicDrillLevel[state.edition.ExamRecordKind(exam.ExamChoice)];
    if (level < HighestDrillLevel
        && examCountsAsDrill(state.edition, exam.ExamKind, exam.ExamScore, state.settings.PassMarkChar))
        ++level;
}

// Scores every position into the record's items and codes and sets ExamScore.
ExamRecord scoreExam(AppState& state)
{
    ExamState& exam = state.exam;
    ExamRecord record;
    int wrong = 0;
    for (int i = 1; i <= exam.ExamItemCount; ++i) {
        int code = 0;
        if (exam.ExamAnswered[i]) {
            ++record.AnsweredCount;
            if (exam.ExamUnsure[i] != 0)
                ++record.UnsureCount;
            // Judged from the item text, also for positions answered before a resume.
            exam.ExamKey[i] = itemKey(examItemText(state, i));
            const bool isWrong = exam.ExamAnswers[i] != exam.ExamKey[i];
            wrong += isWrong ? 1 : 0;
            code = encodeItemResult(exam.ExamAnswers[i], isWrong, exam.ExamAnswerCount[i], exam.ExamUnsure[i]);
        } else {
            exam.ExamAnswers[i] = exam.ExamUnsure[i] = exam.ExamAnswerCount[i] = 0;
            ++wrong;
        }
        record.Items[i] = qint16(exam.ExamItems[i]);
        record.Codes[i] = quint8(code);
    }
    exam.ExamScore = float(double(exam.ExamItemCount - wrong) / exam.ExamItemCount);
    return record;
}

void fillExamFields(ExamRecord& record, const AppState& state)
{
    const ExamState& exam = state.exam;
    record.Kind = quint8(state.edition.ExamRecordKind(exam.ExamChoice));
    record.SavedDate = basic::dateText(state.platform.clock.today()).toLatin1();
    record.CurrentItem = qint16(exam.ExamCurrentItem);
    record.ItemCount = qint16(exam.ExamItemCount);
    record.ExamKind = quint8(exam.ExamKind);
    record.Score = exam.ExamScore;
    record.Scrambled = exam.ExamScrambled ? 1 : 0;
    record.Minutes = float(exam.ExamElapsed * 1440);
    record.TimeLimit = quint8(exam.ExamTimeLimit);
    record.Structured = quint8(exam.ExamStructured);
    record.Topics.assign(size_t(state.edition.TopicCount) + 1, 0);
    for (int t = 1; t <= state.edition.TopicCount && t < int(exam.ExamTopics.size()); ++t)
        record.Topics[t] = exam.ExamTopics[t] ? 1 : 0;
}

QByteArray readWholeFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw RuntimeError(RuntimeErrorNo::FileAccess, QStringLiteral("Path/File access error (%1)").arg(path));
    return file.readAll();
}

void dropPoorExam(AppState& state, int recordNo)
{
    Prompter& prompter = state.platform.prompter;
    try {
        DropLastRecord(state, recordNo);
    } catch (const RuntimeError& error) {
        prompter.message("This exam could not be taken off your Exam Report Card; your results are as they were.\r\n"
                             + error.Description,
                         Prompter::OkOnly, Prompter::Exclamation, "Sorry!");
        return;
    }
    prompter.message("You answered " + basic::formatNumber(state.exam.ExamScore, "##.0%")
                         + " (less than 30%) of the questions correctly. Therefore, this exam has not been "
                           "recorded on your Exam Report Card.",
                     Prompter::OkOnly, Prompter::Question, "Sorry!");
}

}  // namespace

QByteArray examItemText(const AppState& state, int position)
{
    const bool custom = state.exam.ExamChoice == state.edition.CustomExamNo();
    const std::vector<QByteArray>& items = custom ? state.text.ReviewItems : state.text.MockExamItems;
    const int itemNo = state.exam.ExamItems[position];
    return itemNo >= 1 && itemNo < int(items.size()) ? items[itemNo] : QByteArray();
}

int examItemPicture(const AppState& state, int position)
{
    if (state.exam.ExamChoice != state.edition.CustomExamNo())
        return 0;
    const int itemNo = state.exam.ExamItems[position];
    const std::vector<int>& pictures = state.text.ItemPicture;
    return itemNo >= 1 && itemNo < int(pictures.size()) ? pictures[itemNo] : 0;
}

int SaveExamRecord(AppState& state, bool examFinished)
{
    ExamRecord record = scoreExam(state);
    fillExamFields(record, state);
    ExamState& exam = state.exam;
    const ConfigFile config = state.config();
    // A new exam goes after the last record; record 1 is never an exam's.
    const int recordNo = exam.ExamRecordNo != 0 ? exam.ExamRecordNo
                                                : std::max(record_file::count(config.path()), 1) + 1;
    if (!examFinished && recordNo > MostResumableRecordNo) {
        state.platform.prompter.message(NoRoomText, Prompter::OkOnly, Prompter::Exclamation, "Exam Not Saved");
        return 0;
    }
    record_file::write(config.path(), recordNo, encodeExamRecord(record, state.edition));
    exam.ExamRecordNo = recordNo;
    if (examFinished) {
        applyDrillRule(state);
        exam.ExamRecordNo = 0;
        exam.ExamCurrentItem = 0;
    }
    const int slot = state.edition.ExamRecordKind(exam.ExamChoice);
    config.update([&](ConfigRecord& r) {
        r.ExamRecordNo = quint8(exam.ExamRecordNo);
        r.DrillLevels[slot] = quint8(state.settings.TopicDrillLevel[slot]);
    });
    return recordNo;
}

void DropLastRecord(AppState& state, int recordNo)
{
    const QString path = state.config().path();
    // Only the exam's own record goes; anything else at that number is left alone.
    if (recordNo < 2 || recordNo > record_file::count(path))
        return;
    if (quint8(record_file::read(path, recordNo).at(0)) != state.edition.ExamRecordKind(state.exam.ExamChoice))
        return;
    const QByteArray old = readWholeFile(path);
    QByteArray content = old.left(qsizetype(recordNo - 1) * RecordLength) + old.mid(qsizetype(recordNo) * RecordLength);
    // The review test in progress may lie after the exam: it moves down with the later records.
    int reviewRecordNo = state.review.ReviewRecordNo;
    if (reviewRecordNo > recordNo)
        --reviewRecordNo;
    // Record 1 names it only while the number fits in its one byte.
    ConfigRecord record1 = decodeConfigRecord(content.left(RecordLength), state.edition);
    record1.ReviewRecordNo = quint8(reviewRecordNo <= MostResumableRecordNo ? reviewRecordNo : 0);
    content.replace(0, RecordLength, encodeConfigRecord(record1, state.edition));
    replaceConfigFile(path, content);
    state.review.ReviewRecordNo = reviewRecordNo;
}

void runExamClosingRules(AppState& state, bool cancelled, bool examFinished)
{
    ExamState& exam = state.exam;
    if (cancelled) {
        exam.ExamCurrentItem = 0;  // nothing is written; a resumed exam keeps its record
        return;
    }
    int recordNo = 0;
    try {
        recordNo = SaveExamRecord(state, examFinished);
    } catch (const RuntimeError& error) {
        state.platform.prompter.message("Your exam could not be saved.\r\n" + error.Description, Prompter::OkOnly,
                                        Prompter::Critical, QString());
    }
    // Retakes of the missed or unsure items are neither logged nor counted as drills. A log that
    // cannot be written costs the entry only: the exam is saved and its results still follow.
    if (recordNo != 0 && examFinished && exam.ExamKind <= state.edition.HighestLoggedKind()) {
        try {
            appendScoreLog(state.config(), state.edition.ExamRecordKind(exam.ExamChoice), exam.ExamScore,
                           state.platform.clock.today());
        } catch (const RuntimeError& error) {
            state.platform.prompter.message("Your score could not be logged.\r\n" + error.Description,
                                            Prompter::OkOnly, Prompter::Critical, QString());
        }
    }
    RefreshMainMenu(state);
    if (!examFinished || recordNo == 0)
        return;
    if (percent(exam.ExamScore) < DropBelowPercent)
        dropPoorExam(state, recordNo);
    state.forms.unload("Results");
    state.forms.show("Results");
}
