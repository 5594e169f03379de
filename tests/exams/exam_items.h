// Items made for the exam tests: item k of the prepared exams has the key A, B, C, D, A, ...
// and its question and explanation name k, so a test can set up exams of any size.
#pragma once

#include "shell/app_state.h"

#include <QByteArray>

inline char keyOfItem(int k) { return char('A' + (k - 1) % 4); }

inline QByteArray examItem(int k)
{
    // Characters 1 to 10 are the group marker and filler, 11 the key, 19 on the question.
    const QByteArray n = QByteArray::number(k);
    return "\\par 01   " + QByteArray(1, keyOfItem(k)) + "       Question " + n + "?\\par *Explanation " + n
           + ".\\par }\r\n";
}

// Fills the prepared exams' items and starts prepared exam 1 (or a retake of it, by examKind)
// with itemCount positions in question order, nothing answered, not yet saved.
inline void startExam(AppState& state, int itemCount, int examKind = 1)
{
    state.text.MockExamItems.resize(size_t(state.edition.MockExamItemCapacity) + 1);
    for (int k = 1; k < int(state.text.MockExamItems.size()); ++k)
        state.text.MockExamItems[k] = examItem(k);
    ExamState& exam = state.exam;
    exam.ExamChoice = 1;
    exam.ExamKind = examKind;
    exam.ExamItemCount = itemCount;
    exam.ExamScrambled = false;
    exam.ExamCurrentItem = 1;
    exam.ExamRecordNo = 0;
    exam.ExamElapsed = 0;
    for (int i = 1; i <= MostTestItems; ++i) {
        exam.ExamItems[i] = i <= itemCount ? i : 0;
        exam.ExamAnswers[i] = exam.ExamUnsure[i] = exam.ExamAnswerCount[i] = exam.ExamAnswered[i] = 0;
    }
}

// Answers position i (committed to the answered list unless told otherwise).
inline void answer(ExamState& exam, int i, char letter, int times = 1, bool unsure = false, bool committed = true)
{
    exam.ExamAnswers[i] = letter - 'A' + 1;
    exam.ExamAnswerCount[i] = times;
    exam.ExamUnsure[i] = unsure ? 63 : 0;
    exam.ExamAnswered[i] = committed ? 1 : 0;
}

// Answers the first `right` positions right and the next `wrong` positions wrong, all committed.
inline void answerRightAndWrong(ExamState& exam, int right, int wrong)
{
    for (int i = 1; i <= right + wrong; ++i) {
        const char key = keyOfItem(exam.ExamItems[i]);
        answer(exam, i, i <= right ? key : char(key == 'D' ? 'A' : key + 1));
    }
}
