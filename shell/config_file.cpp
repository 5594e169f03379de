#include "shell/config_file.h"

#include "platform/basic.h"
#include "platform/file_check.h"
#include "platform/record_file.h"
#include "platform/runtime_error.h"
#include "shell/config_rewrite.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace {
// Record 1's fields in their stored order, for decoding and encoding alike.
template <class Record, class Fields>
void visitFields(Record& r, Fields& f, const Edition& edition)
{
    f.field(r.ScrambleFlag);
    f.field(r.SoundFlag);
    f.field(r.ClocksFlag);
    f.field(r.ScoreMeterFlag);
    f.field(r.PassMark);
    f.field(r.ReviewRecordNo);
    f.field(r.ExamRecordNo);
    f.field(r.UserName, UserNameWidth, Padding::Zeros);  // a name never written stays all zero bytes
    f.array(r.DrillLevels, edition.TrackedSlotCount());
    f.array(r.ScoreLogDates, edition.ScoreLogSize, ScoreLogDateWidth, Padding::Zeros);
    f.array(r.ScoreLogKinds, edition.ScoreLogSize);
    f.array(r.ScoreLogScores, edition.ScoreLogSize);
    f.field(r.Reserved, edition.ReservedWidth, Padding::Zeros);
}
}  // namespace

ConfigRecord decodeConfigRecord(const QByteArray& bytes, const Edition& edition)
{
    ConfigRecord r;
    FieldReader in(bytes);
    visitFields(r, in, edition);
    return r;
}

QByteArray encodeConfigRecord(const ConfigRecord& r, const Edition& edition)
{
    FieldWriter out;
    visitFields(r, out, edition);
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

QString configProblem(const QString& path)
{
    if (isAbsent(path))
        return {};
    if (const QString problem = readProblem(path); !problem.isEmpty())
        return problem;
    if (QFileInfo(path).size() > qint64(MostConfigRecords) * RecordLength)
        return QStringLiteral("it is larger than the %1 records a configuration file can hold").arg(MostConfigRecords);
    return {};
}

ConfigImage::ConfigImage(const ConfigFile& file) : file_(file)
{
    const auto refused = [&file](const QString& reason) {
        return RuntimeError(RuntimeErrorNo::FileAccess,
                            QStringLiteral("Path/File access error (%1): %2").arg(file.path(), reason));
    };
    if (isAbsent(file.path()))
        return;
    if (const QString problem = configProblem(file.path()); !problem.isEmpty())
        throw refused(problem);
    QFile in(file.path());
    if (!in.open(QIODevice::ReadOnly))
        throw refused(in.errorString());
    bytes_ = in.readAll();
}

int ConfigImage::count() const { return record_file::countIn(bytes_); }

int ConfigImage::nextRecordNo() const
{
    return std::max(int((bytes_.size() + RecordLength - 1) / RecordLength), 1) + 1;
}

bool ConfigImage::holdsWhole(int n, int length) const
{
    return n >= 1 && qint64(n - 1) * RecordLength + length <= bytes_.size();
}

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

bool isTimeSpent(float minutes) { return minutes >= 0 && minutes <= 366 * 1440; }
