// The configuration file: record 1 with the user's settings, name, drill levels and score log,
// followed by the review-test and exam records. Every writer of record 1 follows one rule:
// read it whole, change only its own fields, write it whole back.
#pragma once

#include "editions/edition.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <functional>
#include <vector>

inline constexpr int UserNameWidth = 30;
inline constexpr int ScoreLogDateWidth = 10;
// The largest record number that record 1 can point at, in one byte, as the review test or the
// exam to resume.
inline constexpr int MostResumableRecordNo = 255;
// The most records a configuration file can hold: as many as the report cards count (16 bits).
// A larger file is damage, and reading it whole would take minutes and gigabytes.
inline constexpr int MostConfigRecords = 32767;

// Why the configuration file at path cannot be read, as readProblem says, or that it is larger than
// MostConfigRecords records; empty when it can be read, or when there is none (a first run).
QString configProblem(const QString& path);

struct ConfigRecord {
    quint8 ScrambleFlag = 0;
    quint8 SoundFlag = 0;
    quint8 ClocksFlag = 0;
    quint8 ScoreMeterFlag = 0;
    quint8 PassMark = 0;
    quint8 ReviewRecordNo = 0;
    quint8 ExamRecordNo = 0;
    QByteArray UserName;                   // 30 bytes; a first byte of 0: never set up
    std::vector<quint8> DrillLevels;       // 1..TrackedSlotCount
    std::vector<QByteArray> ScoreLogDates; // 1..ScoreLogSize, ten characters; first byte 0: free entry
    std::vector<quint8> ScoreLogKinds;
    std::vector<float> ScoreLogScores;
    QByteArray Reserved;                   // carried over unchanged by every writer
};

ConfigRecord decodeConfigRecord(const QByteArray& bytes, const Edition& edition);
QByteArray encodeConfigRecord(const ConfigRecord& record, const Edition& edition);

// The settings and progress that the program keeps in memory, as loaded from record 1 (the
// numbers of the records in progress go to the review test's and the exam's own state).
struct Settings {
    bool ScrambleItems = false;
    bool SoundOnWrong = false;
    bool ShowClocks = false;
    bool ShowScoreMeter = false;
    quint8 PassMarkChar = 0;
    QByteArray UserName;              // 30 characters as stored, trailing blanks included
    std::vector<int> TopicDrillLevel; // 1..TrackedSlotCount
};

Settings loadSettings(const ConfigRecord& record, const Edition& edition);

// Record 1 of a first run: every flag on, the edition's pass mark, the name padded with blanks,
// no work in progress, drill levels 0. The score log and the reserved field stay as they are.
void initialiseFirstRun(ConfigRecord& record, const Edition& edition, const QByteArray& userName);

class ConfigFile {
public:
    ConfigFile(QString path, const Edition& edition);

    const QString& path() const { return path_; }
    const Edition& edition() const { return edition_; }
    ConfigRecord readRecord1() const;
    void writeRecord1(const ConfigRecord& record) const;
    // The update rule: read record 1, let change set the caller's own fields, write it back.
    ConfigRecord update(const std::function<void(ConfigRecord&)>& change) const;

private:
    QString path_;
    const Edition& edition_;
};

// The whole configuration file in memory, for a save that changes more than one record: the
// records are changed here and save() replaces the file in one step, so a kill or a failure at
// any moment leaves the old file or the new one, whole.
class ConfigImage {
public:
    // Reads the whole file; a missing file reads as empty. A file that exists but cannot be read
    // (configProblem) raises a RuntimeError, so that it is never replaced by a guess.
    explicit ConfigImage(const ConfigFile& file);

    int count() const;
    // The number a new record takes: after every byte of the file, so that a last record cut short
    // is kept as it is, never written over; never 1.
    int nextRecordNo() const;
    // Whether the file holds the first length bytes of record n (a last record cut short does not).
    bool holdsWhole(int n, int length) const;
    QByteArray record(int n) const;
    void setRecord(int n, const QByteArray& bytes);
    void removeRecord(int n);
    ConfigRecord record1() const;
    // The update rule on the copy in memory.
    void update(const std::function<void(ConfigRecord&)>& change);
    // Replaces the file with the copy; a failure leaves the old file and raises a RuntimeError.
    void save() const;

private:
    ConfigFile file_;
    QByteArray bytes_;
};

// Logs one result in the first free score-log entry; nothing when the log is full.
void logScore(ConfigRecord& record, int kind, float score, const QDate& today);

// Checks of a saved test's record, which is never trusted as read: positions 1..count all name
// an item from 1 to capacity, and a time spent is a number of minutes from 0 to a year (no test
// takes longer; a larger time would overrun the clock and the card totals that show it).
bool itemsWithin(const std::vector<qint16>& items, int count, int capacity);
bool isTimeSpent(float minutes);
