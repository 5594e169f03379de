// The rules of a review test that need no window: the order of a new test, the lifeline stock,
// the score and what it counts for, the tallies of a miss, the coin toss's cut of the question,
// and the texts of the status line and the finishing message.
#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <vector>

class RandomSource;
struct ReviewState;
struct TextStore;

// The status line: the test type's heading with the position under it.
QString itemStatus(int testType, int position, int itemCount);

// An answered item as the review test and the exam results show it: the question, a rule of
// dashes, and the explanation.
QByteArray explainedItemRtf(const TextStore& text, const QByteArray& question, const QByteArray& explanation,
                            const QByteArray& crLf);

// Each position 1..n in turn swaps with a position drawn from the whole range, itself included
// (also the draw and the shuffle of a mock exam).
void scrambleOrder(std::vector<int>& order, int n, RandomSource& random);

// Lifelines of each kind: a new test gets one per started 40 items, a retake one per whole 40
// but at least one.
int newTestLifelines(int itemCount);
int retakeLifelines(int itemCount);

// Right / (Right + Wrong) in single precision; 0 before anything was judged.
float reviewScore(int right, int wrong);
// The score in percent, in single precision, is at least mark.
bool reachesMark(float score, double mark);
// A finished test of all items counts as a drill at the lower of the edition's threshold and
// the user's pass mark.
bool countsAsDrill(float score, int passMark, float editionThreshold);

// Counts one more miss at a position, up to three: the first is a Wrong, the second a Wild Guess,
// a third changes no tally. Returns the index of the status message to show (1 or 2).
int countMiss(int& misses, std::array<int, 5>& tally);

// The finishing message: passed or failed, and how many questions were missed.
QString finishMessage(bool passed, int missed, const QString& crLf);

// The coin toss keeps one wrong choice: drawn at random among the open choices (0..3) that are
// not the answer. -1 when there is none to keep.
int drawKeptChoice(const std::array<bool, 4>& open, int answer, RandomSource& random);

// Blanks the text of one choice ("\par B." up to the next "\par ") in the question, leaving an
// empty paragraph; a choice that is the last paragraph loses everything after its mark.
void blankChoice(QByteArray& questionRtf, char letter, const QByteArray& crLf);

// Takes out of the test every position whose item is not in the text store (an index out of
// range, or a text with no answer letter), keeping the others in order and the position shown
// on an item that is kept. When any is dropped, the tallies and the score are worked out again
// from the positions kept. Returns how many positions were dropped.
int dropUnknownItems(ReviewState& review, const TextStore& text);
