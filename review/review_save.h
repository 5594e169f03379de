// Saving the review test in progress as its record of the configuration file.
#pragma once

#include <QDate>

class ConfigFile;
struct ReviewState;
struct Settings;

// What a save leaves the user to be told: NotResumable on the first save of a test whose record
// is numbered past what record 1 can hold; it can be resumed only until the program ends.
enum class ReviewSave { Saved, NotResumable };

// Writes the review test in progress as its record: appended on its first save, rewritten in
// place on later ones. Record 1 then points at it and keeps the topic's drill level. A finished
// test is written once more with its final state and is no longer in progress afterwards; a
// finished test of all the topic's items below its last drill also logs its score and, with a
// drill's score, raises the topic's drill level, in the same step.
// A record numbered past what record 1 can hold is still written and can be resumed until the
// program ends.
// The record and record 1 reach the file together in one step; a file error raises a RuntimeError
// and leaves both the file and the test and settings in memory as they were.
ReviewSave SaveReviewRecord(ReviewState& review, Settings& settings, const ConfigFile& config,
                            const QDate& today, bool testFinished);
