#include "shell/config_file.h"

#include "platform/basic.h"
#include "platform/file_check.h"
#include "platform/record_file.h"
#include "platform/runtime_error.h"
#include "shell/config_rewrite.h"

#include <QFile>
#include <algorithm>
#include <cmath>

ConfigRecord decodeConfigRecord(const QByteArray& bytes, const Edition& edition)
{
    FieldReader in(bytes);
    ConfigRecord r;
    r.ScrambleFlag = in.byte();
    r.SoundFlag = in.byte();
    r.ClocksFlag = in.byte();
    r.ScoreMeterFlag = in.byte();
    r.PassMark = in.byte();
    r.ReviewRecordNo = in.byte();
    r.ExamRecordNo = in.byte();
    r.UserName = in.text(UserNameWidth);
    const int slotCount = edition.TrackedSlotCount(), entries = edition.ScoreLogSize;
    r.DrillLevels.assign(size_t(slotCount) + 1, 0);
    for (int i = 1; i <= slotCount; ++i)
        r.DrillLevels[i] = in.byte();
    r.ScoreLogDates.assign(size_t(entries) + 1, {});
    r.ScoreLogKinds.assign(size_t(entries) + 1, 0);
    r.ScoreLogScores.assign(size_t(entries) + 1, 0.0f);
    for (int i = 1; i <= entries; ++i)
        r.ScoreLogDates[i] = in.text(ScoreLogDateWidth);
    for (int i = 1; i <= entries; ++i)
        r.ScoreLogKinds[i] = in.byte();
    for (int i = 1; i <= entries; ++i)
        r.ScoreLogScores[i] = in.single();
    r.Reserved = in.text(edition.ReservedWidth);
    return r;
}

QByteArray encodeConfigRecord(const ConfigRecord& r, const Edition& edition)
{
    FieldWriter out;
    for (quint8 flag : {r.ScrambleFlag, r.SoundFlag, r.ClocksFlag, r.ScoreMeterFlag, r.PassMark, r.ReviewRecordNo,
                        r.ExamRecordNo})
        out.byte(flag);
    out.raw(r.UserName, UserNameWidth);  // a name never written stays all zero bytes
    const int slotCount = edition.TrackedSlotCount(), entries = edition.ScoreLogSize;
    for (int i = 1; i <= slotCount; ++i)
        out.byte(i < int(r.DrillLevels.size()) ? r.DrillLevels[i] : 0);
    for (int i = 1; i <= entries; ++i)
        out.raw(i < int(r.ScoreLogDates.size()) ? r.ScoreLogDates[i] : QByteArray(), ScoreLogDateWidth);
    for (int i = 1; i <= entries; ++i)
        out.byte(i < int(r.ScoreLogKinds.size()) ? r.ScoreLogKinds[i] : 0);
    for (int i = 1; i <= entries; ++i)
        out.single(i < int(r.ScoreLogScores.size()) ? r.ScoreLogScores[i] : 0.0f);
    out.raw(r.Reserved, edition.ReservedWidth);
    return out.bytes();
}

Settings loadSettings(const ConfigRecord& r, const Edition& edition)
{
    Settings s;
    s.ScrambleItems = r.ScrambleFlag == 1;
    s.SoundOnWrong = r.SoundFlag == 1;
    s.ShowClocks = r.ClocksFlag == 1;
    s.ShowScoreMeter = r.ScoreMeterFlag == 1;
    s.PassMarkChar = r.PassMark;
    s.UserName = r.UserName;
    s.TopicDrillLevel.assign(size_t(edition.TrackedSlotCount()) + 1, 0);
    for (int i = 1; i <= edition.TrackedSlotCount() && i < int(r.DrillLevels.size()); ++i)
        s.TopicDrillLevel[i] = r.DrillLevels[i];
    return s;
}

void initialiseFirstRun(ConfigRecord& r, const Edition& edition, const QByteArray& userName)
{
    r.ReviewRecordNo = r.ExamRecordNo = 0;
    r.ScrambleFlag = r.SoundFlag = r.ClocksFlag = r.ScoreMeterFlag = 1;
    r.PassMark = quint8(edition.DefaultPassMark);
    r.UserName = userName.left(UserNameWidth).leftJustified(UserNameWidth, ' ');
    r.DrillLevels.assign(size_t(edition.TrackedSlotCount()) + 1, 0);
}

ConfigFile::ConfigFile(QString path, const Edition& edition) : path_(std::move(path)), edition_(edition) {}

ConfigRecord ConfigFile::readRecord1() const
{
    return decodeConfigRecord(record_file::read(path_, 1), edition_);
}

void ConfigFile::writeRecord1(const ConfigRecord& record) const
{
    // Replaced whole, never written in place: a power cut cannot tear the name and the progress.
    ConfigImage image(*this);
    image.setRecord(1, encodeConfigRecord(record, edition_));
    image.save();
}

ConfigRecord ConfigFile::update(const std::function<void(ConfigRecord&)>& change) const
{
    ConfigRecord record = readRecord1();
    change(record);
    writeRecord1(record);
    return record;
}

ConfigImage::ConfigImage(const ConfigFile& file) : file_(file)
{
    if (isAbsent(file.path()))
        return;
    QFile in(file.path());
    if (!in.open(QIODevice::ReadOnly))
        throw RuntimeError(RuntimeErrorNo::FileAccess,
                           QStringLiteral("Path/File access error (%1): %2").arg(file.path(), in.errorString()));
    bytes_ = in.readAll();
}

int ConfigImage::count() const { return record_file::countIn(bytes_); }

QByteArray ConfigImage::record(int n) const { return record_file::readFrom(bytes_, n); }

void ConfigImage::setRecord(int n, const QByteArray& bytes) { record_file::writeInto(bytes_, n, bytes); }

void ConfigImage::removeRecord(int n) { record_file::removeFrom(bytes_, n); }

ConfigRecord ConfigImage::record1() const { return decodeConfigRecord(record(1), file_.edition()); }

void ConfigImage::update(const std::function<void(ConfigRecord&)>& change)
{
    ConfigRecord r = record1();
    change(r);
    setRecord(1, encodeConfigRecord(r, file_.edition()));
}

void ConfigImage::save() const { replaceConfigFile(file_.path(), bytes_); }

void logScore(ConfigRecord& r, int kind, float score, const QDate& today)
{
    for (size_t i = 1; i < r.ScoreLogDates.size(); ++i) {
        if (r.ScoreLogDates[i].at(0) == '\0') {
            r.ScoreLogDates[i] = basic::dateText(today).toLatin1();
            r.ScoreLogKinds[i] = quint8(kind);
            r.ScoreLogScores[i] = score;
            return;
        }
    }
}

bool itemsWithin(const std::vector<qint16>& items, int count, int capacity)
{
    return std::all_of(items.begin() + 1, items.begin() + count + 1,
                       [capacity](int item) { return item >= 1 && item <= capacity; });
}

bool isTimeSpent(float minutes) { return std::isfinite(minutes) && minutes >= 0; }
