// Scoring a mock exam and storing it in the configuration file, and the rules that run when the
// exam window closes: what is saved, the score log, the drill level, taking a poor exam off the
// report card, and the results window.
#pragma once

#include <QByteArray>
#include <QString>

class AppState;
struct Edition;
struct ExamState;
struct TextStore;

// The item text at a position of the exam in memory: a review item for the custom exam, else an
// item of the prepared exams; empty for an item number that names no item.
QByteArray examItemText(const ExamState& exam, const TextStore& text, const Edition& edition, int position);
QByteArray examItemText(const AppState& state, int position);
// The picture mark of the item at a position: only review items (the custom exam) have pictures;
// 0 for none.
int examItemPicture(const ExamState& exam, const TextStore& text, const Edition& edition, int position);
int examItemPicture(const AppState& state, int position);

// What the user is to be told of an exam's save: a poor exam left off the report card, an
// interrupted exam with no room in record 1 to be named, or a save that failed.
enum class ExamNotice { None, PoorExamDropped, NoRoom, NotSaved };

struct ExamSaved {
    int RecordNo = 0;  // the record written; 0 when none was
    ExamNotice Notice = ExamNotice::None;
};

// Scores the exam in memory (ExamScore; answers never committed are cleared and count as wrong)
// and saves it: its record and record 1 (and, when finished, the drill level, the score log, and
// below 30% the record's removal from the report card) reach the file together in one step.
// Finishing ends the exam in progress. An interrupted exam whose record could not be named in
// record 1's one-byte field is not written at all (it stays in progress for this run). A file
// error raises a RuntimeError and leaves the file, the exam in progress and the drill levels as
// they were.
ExamSaved SaveExamRecord(AppState& state, bool examFinished);

// How an exam ended: dropped, saved, or finished and saved with results to show; and what the
// user is to be told of its save.
enum class ExamEnd { Cancelled, Saved, ResultsReady };
struct ExamClosing {
    ExamEnd End = ExamEnd::Saved;
    ExamNotice Notice = ExamNotice::None;
    QString Detail;  // why a save failed
};

// What happens once the exam window has closed. cancelled: it closed by "&Cancel" (nothing is
// saved); otherwise the exam is saved.
ExamClosing runExamClosingRules(AppState& state, bool cancelled, bool examFinished);
