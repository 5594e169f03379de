// Scoring a mock exam and storing it in the configuration file, and the rules that run when the
// exam window closes: what is saved, the score log, the drill level, taking a poor exam off the
// report card, and the results window.
#pragma once

#include <QByteArray>

class AppState;

// The item text at a position of the exam in memory: a review item for the custom exam, else an
// item of the prepared exams; empty for an item number that names no item.
QByteArray examItemText(const AppState& state, int position);
// The picture mark of the item at a position: only review items (the custom exam) have pictures;
// 0 for none.
int examItemPicture(const AppState& state, int position);

// Scores the exam in memory (ExamScore; answers never committed are cleared and count as wrong)
// and writes its record and record 1. Finishing applies the drill rule and ends the exam in
// progress. An interrupted exam whose record could not be named in record 1's one-byte field is
// not written at all (the user is told; it stays in progress for this run). Returns the number of
// the record written, 0 when none was. A file error raises a RuntimeError.
int SaveExamRecord(AppState& state, bool examFinished);

// Takes the exam's own record, number recordNo, out of the configuration file. Later records
// move down by one, and the review test in progress keeps its record (in memory and in record 1).
// A record that is not this exam's is left alone. A failed rewrite leaves the file as it was and
// raises a RuntimeError.
void DropLastRecord(AppState& state, int recordNo);

// What happens once the exam window has closed. cancelled: it closed by "&Cancel" (nothing is
// saved); otherwise the exam is saved, and when finished it is logged, dropped from the report
// card below 30%, and its results are shown.
void runExamClosingRules(AppState& state, bool cancelled, bool examFinished);
