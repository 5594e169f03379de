// One mock exam as stored in the configuration file, and the one-byte code that packs the
// result of each of its positions.
#pragma once

#include "editions/edition.h"

#include <QByteArray>
#include <vector>

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

// The report card's retake filters work on the code itself.
bool isMissedCode(int code);
bool isUnsureCode(int code);
