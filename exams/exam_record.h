// One mock exam as stored in the configuration file, the one-byte code that packs the result of
// each of its positions, and the exam in memory to and from it.
#pragma once

#include "editions/edition.h"

#include <QByteArray>
#include <vector>

class QDate;
struct ExamState;

struct ExamRecord {
    quint8 Kind = 0;              // exam choice + topic count
    QByteArray SavedDate;         // mm-dd-yyyy
    qint16 CurrentItem = 0;
    qint16 ItemCount = 0;
    qint16 AnsweredCount = 0;
    quint8 ExamKind = 0;
    float Score = 0;
    qint16 UnsureCount = 0;
    quint8 Scrambled = 0;
    float Minutes = 0;
    quint8 TimeLimit = 0;
    quint8 Structured = 0;
    std::vector<quint8> Topics;   // 1..TopicCount
    std::vector<qint16> Items = std::vector<qint16>(301, 0);  // 1..300
    std::vector<quint8> Codes = std::vector<quint8>(301, 0);  // 1..300, ItemResultCode
};

ExamRecord decodeExamRecord(const QByteArray& bytes, const Edition& edition);
// 939 bytes in the broker edition (its topics field is one byte shorter), 940 in the other.
QByteArray encodeExamRecord(const ExamRecord& record, const Edition& edition);

// ItemResultCode: 0 not answered; else answer 1..4, + 5 when wrong, + 10 answered twice or
// + 20 three or more times, + 63 when marked unsure.
inline constexpr int UnsureMark = 63;
int encodeItemResult(int answer, bool wrong, int timesAnswered, int unsure);

struct ItemResult {
    int Answer = 0;         // 0 when not answered
    int Unsure = 0;         // 0 or 63
    int TimesAnswered = 0;  // 0 to 3
};
ItemResult decodeItemResult(int code);
// The result as resuming and viewing take it: a code that names no answer an item has (a fifth
// one) counts as not answered.
ItemResult givenItemResult(int code);

// The report card's retake filters work on the code itself.
bool isMissedCode(int code);
bool isUnsureCode(int code);

// A position answered with its key (ExamKey, set when the exam is scored).
bool answeredRight(const ExamState& exam, int position);
// The exam in memory as its record, dated today: each position's item and result code, judged
// against ExamKey, and the counts of answered and unsure positions.
ExamRecord recordOf(const ExamState& exam, const Edition& edition, const QDate& today);
// A stored exam that can be shown and retaken: an exam kind and title of this edition, 1..300
// positions each naming an item of its bank, counts that fit inside one another, a score from 0
// to 1 and a time spent.
bool isSoundExamRecord(const ExamRecord& record, const Edition& edition);
// Rebuilds the exam in progress from its record; false (and nothing changed) when the record is
// damaged, so that it is never trusted. The date, counts and score are not read back, nor whether
// an answer was wrong: the exam is scored again from its item texts. It keeps its own scramble flag.
bool resumeExam(ExamState& exam, const ExamRecord& record, const Edition& edition);
