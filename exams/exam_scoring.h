// Scoring a mock exam and storing it in the configuration file, and the rules that run when the
// exam window closes: what is saved, the score log, the drill level, taking a poor exam off the
// report card, and the results window.
#pragma once

#include <QByteArray>

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

// Scores the exam in memory (ExamScore; answers never committed are cleared and count as wrong)
// and saves it: its record and record 1 (and, when finished, the drill level, the score log, and
// below 30% the record's removal from the report card) reach the file together in one step.
// Finishing ends the exam in progress. An interrupted exam whose record could not be named in
// record 1's one-byte field is not written at all (the user is told; it stays in progress for this
// run). Returns the number of the record written, 0 when none was. A file error raises a
// RuntimeError and leaves the file, the exam in progress and the drill levels as they were.
int SaveExamRecord(AppState& state, bool examFinished);

// How an exam ended: dropped, saved, or finished and saved with results to show.
enum class ExamClosing { Cancelled, Saved, ResultsReady };

// What happens once the exam window has closed. cancelled: it closed by "&Cancel" (nothing is
// saved); otherwise the exam is saved (a save that fails is reported to the user).
ExamClosing runExamClosingRules(AppState& state, bool cancelled, bool examFinished);
