// The exam windows' rules that need no widget: building a new exam's item list, the texts of
// the list entries, captions and labels, the countdown, and the set-up's drill marks and captions.
#pragma once

#include "editions/edition.h"

#include <QString>

struct ExamState;
struct TextStore;
class RandomSource;

// A number with its sign blank, right-aligned in four characters (5 gives three blanks and 5);
// the form of every number in the exam lists, the set-up's pool count and the results summary.
QString fourWide(int value);

// Exam window list entries: the position in four characters, then for an answered position
// two blanks, the answer letter and "?" when marked unsure. Text order is position order.
QString remainingEntry(int position);
QString answeredEntry(int position, int answer, bool unsure);
QString answerLetter(int answer);  // 1..4 gives A..D

QString listFrameCaption(int answered, int remaining);
// "Mock Exam I AM, Item 5 of 100"
QString itemCaption(const QString& examTitle, int position, int itemCount);
// The answer label while an item is shown or answered, and just after it is marked unsure.
QString answerLabel(int answer, bool unsure);
QString markedUnsureLabel(int answer);
// The question asked when Finished is pressed with positions still remaining.
QString cautionText(int remaining);

// The clock of a running exam, from the limit in minutes and the time used in days.
struct Countdown {
    int MinutesLeft = 0;  // whole minutes, rounded down; negative once the time has run out
    QString Text;         // the clock label
    bool Warning = false; // under two minutes left
    bool Expired = false;
};
Countdown countdown(int timeLimit, double usedDays);

// Fills the item list of a new prepared or custom exam from the choices in exam and clears its
// answers. A custom exam draws ExamItemCount review items from the chosen topics (in bank order
// unless scrambled); a prepared exam takes its own items, shuffled when scrambled.
void buildNewExam(ExamState& exam, const TextStore& text, const Edition& edition, RandomSource& random);

// Exam set-up: the drill mark after an exam's option, and whether the exam is closed.
QString drillSuffix(int level);
bool drillsFinished(int level);
// A topic's check-box caption: its number and title, the title's first "&" doubled so that it
// shows as an ampersand rather than marking an access key.
QString topicCaption(int topic, const QString& title);
