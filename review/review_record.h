// One review test as stored in the configuration file: the saved state it resumes from while
// in progress, and its report-card entry once completed; and the test in memory to and from it.
#pragma once

#include <QByteArray>
#include <QDate>
#include <array>
#include <vector>

struct Edition;
struct ReviewState;

struct ReviewRecord {
    quint8 Kind = 0;                 // the topic
    QByteArray SavedDate;            // mm-dd-yyyy
    qint16 ItemNo = 0;               // resume position
    qint16 ItemsReached = 0;
    qint16 ItemCount = 0;
    quint8 TestType = 0;
    float Score = 0;
    float TriesPerItem = 0;
    quint8 Scrambled = 0;
    float Minutes = 0;
    std::array<qint16, 4> Tally{};    // 1..3: right, wrong, tries
    std::array<quint8, 4> Lifelines{}; // 1..3
    std::vector<qint16> Items = std::vector<qint16>(301, 0);  // 1..300
    std::vector<quint8> Misses = std::vector<quint8>(301, 0); // 1..300
};

ReviewRecord decodeReviewRecord(const QByteArray& bytes);
QByteArray encodeReviewRecord(const ReviewRecord& record);  // 940 bytes

// A stored review test whose topic, positions and time can be trusted: a topic of this edition,
// 1..300 positions each naming one of its review items, no position missed more often than it
// has wrong answers, and a time spent. The card and resuming each check the other fields they read.
bool isSoundReviewRecord(const ReviewRecord& record, const Edition& edition);

// The test in progress as its record, dated today. Positions after the last stay zero: no reader
// looks at them.
ReviewRecord recordOf(const ReviewState& review, bool scrambled, const QDate& today);
// Rebuilds the test in progress from its record; false (and nothing changed) when the record is
// damaged, so that it is never trusted. The date, score, tries per item and scramble flag are not
// read back: the score is worked out again from the tallies, and Wild Guesses start at 0.
bool resumeReviewTest(ReviewState& review, const ReviewRecord& record, const Edition& edition);
