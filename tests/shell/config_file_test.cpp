// Record 1 of the configuration file: its layout in both editions, the first run, the settings
// loaded from it, and the update rule that every writer follows.
#include "platform/record_file.h"
#include "shell/config_file.h"
#include "tests/support/test_files.h"
#include "tests/support/test_main.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>
#include <memory>

namespace {
const Edition& editionNamed(const QString& program)
{
    return program == "Vestora" ? vestoraEdition() : praxelleEdition();
}

float singleAt(const QByteArray& bytes, int offset)
{
    float value;
    std::memcpy(&value, bytes.constData() + offset, sizeof value);
    return value;
}

QByteArray singleBytes(float value)
{
    QByteArray bytes(sizeof value, '\0');
    std::memcpy(bytes.data(), &value, sizeof value);
    return bytes;
}

QByteArray randomBytes(int size, quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray bytes(size, '\0');
    for (char& b : bytes)
        b = char(random.bounded(256));
    return bytes;
}

// A result logged on its own, as the program logs it with each finished test.
void appendScoreLog(const ConfigFile& file, int kind, float score, const QDate& today)
{
    file.update([&](ConfigRecord& r) { logScore(r, kind, score, today); });
}

void addEditionRows()
{
    QTest::addColumn<QString>("program");
    QTest::newRow("Vestora") << "Vestora";
    QTest::newRow("Praxelle") << "Praxelle";
}
}  // namespace

class ConfigFileTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
        path_ = dir_->filePath("BrokerConfig.MS");
    }

    void firstRunRecord_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<int>("passMark");
        QTest::newRow("Vestora") << "Vestora" << 75;
        QTest::newRow("Praxelle") << "Praxelle" << 70;
    }
    void firstRunRecord()
    {
        QFETCH(QString, program);
        QFETCH(int, passMark);
        const Edition& e = editionNamed(program);
        const ConfigFile file(path_, e);
        record_file::create(path_);
        ConfigRecord record = file.readRecord1();
        QCOMPARE(record.UserName.at(0), '\0');  // a new file has never been set up
        initialiseFirstRun(record, e, "Pat Quill");
        file.writeRecord1(record);

        QByteArray expected(940, '\0');
        expected.replace(0, 5, QByteArray("\1\1\1\1") + char(passMark));
        expected.replace(7, 30, QByteArray("Pat Quill").leftJustified(30, ' '));
        QCOMPARE(readFile(path_), expected);
    }

    void fieldOffsets_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<int>("drillLevels");
        QTest::addColumn<int>("dates");
        QTest::addColumn<int>("kinds");
        QTest::addColumn<int>("scores");
        QTest::addColumn<int>("reserved");
        QTest::newRow("Vestora") << "Vestora" << 37 << 50 << 440 << 479 << 635;
        QTest::newRow("Praxelle") << "Praxelle" << 37 << 49 << 409 << 445 << 589;
    }
    void fieldOffsets()
    {
        QFETCH(QString, program);
        QFETCH(int, drillLevels);
        QFETCH(int, dates);
        QFETCH(int, kinds);
        QFETCH(int, scores);
        QFETCH(int, reserved);
        const Edition& e = editionNamed(program);
        const int slotCount = e.TrackedSlotCount(), last = e.ScoreLogSize;
        ConfigRecord r = decodeConfigRecord(QByteArray(940, '\0'), e);
        r.ExamRecordNo = 7;
        r.DrillLevels[1] = 1;
        r.DrillLevels[slotCount] = 3;
        r.ScoreLogDates[1] = "01-02-2003";
        r.ScoreLogDates[last] = "12-31-2099";
        r.ScoreLogKinds[1] = 4;
        r.ScoreLogKinds[last] = 13;
        r.ScoreLogScores[1] = 0.25f;
        r.ScoreLogScores[last] = 0.875f;
        r.Reserved = "R" + QByteArray(e.ReservedWidth - 2, '\0') + "Z";

        QByteArray expected(940, '\0');
        expected[6] = 7;
        expected[drillLevels] = 1;
        expected[drillLevels + slotCount - 1] = 3;
        expected.replace(dates, 10, "01-02-2003");
        expected.replace(dates + 10 * (last - 1), 10, "12-31-2099");
        expected[kinds] = 4;
        expected[kinds + last - 1] = 13;
        expected.replace(scores, 4, singleBytes(0.25f));
        expected.replace(scores + 4 * (last - 1), 4, singleBytes(0.875f));
        expected[reserved] = 'R';
        expected[939] = 'Z';
        QCOMPARE(encodeConfigRecord(r, e), expected);
    }

    void anyRecordSurvivesDecodeAndEncode_data() { addEditionRows(); }
    void anyRecordSurvivesDecodeAndEncode()
    {
        QFETCH(QString, program);
        const Edition& e = editionNamed(program);
        const QByteArray bytes = randomBytes(940, 1104);
        const ConfigRecord r = decodeConfigRecord(bytes, e);
        QCOMPARE(r.Reserved, bytes.right(e.ReservedWidth));
        QCOMPARE(encodeConfigRecord(r, e), bytes);
        // Fields never written are zero bytes, not blanks.
        QCOMPARE(encodeConfigRecord(ConfigRecord{}, e), QByteArray(940, '\0'));
    }

    void flagsAreOnOnlyWhenTheyHoldOne()
    {
        const Edition& e = praxelleEdition();
        QByteArray bytes(940, '\0');
        bytes.replace(0, 7, QByteArray("\1\2\0\1\x50\3\4", 7));
        bytes.replace(7, 30, QByteArray("Lee").leftJustified(30, ' '));
        bytes[37] = 2;
        bytes[37 + 11] = 3;
        const Settings s = loadSettings(decodeConfigRecord(bytes, e), e);
        QVERIFY(s.ScrambleItems);
        QVERIFY(!s.SoundOnWrong);  // 2 is not "on"
        QVERIFY(!s.ShowClocks);
        QVERIFY(s.ShowScoreMeter);
        QCOMPARE(s.PassMarkChar, quint8(80));
        QCOMPARE(s.UserName, QByteArray("Lee").leftJustified(30, ' '));  // trailing blanks kept
        QCOMPARE(int(s.TopicDrillLevel.size()), 13);
        QCOMPARE(s.TopicDrillLevel[1], 2);
        QCOMPARE(s.TopicDrillLevel[12], 3);

        // Each setting from its own flag: the sound flag alone on.
        bytes.replace(0, 4, QByteArray("\0\1\0\0", 4));
        const Settings sound = loadSettings(decodeConfigRecord(bytes, e), e);
        QVERIFY(sound.SoundOnWrong && !sound.ScrambleItems && !sound.ShowClocks && !sound.ShowScoreMeter);
    }

    void settingsChangeBetweenTwoLoggedResultsKeepsBoth()
    {
        const ConfigFile file(path_, vestoraEdition());
        appendScoreLog(file, 3, 0.5f, QDate(2024, 3, 7));
        file.update([](ConfigRecord& r) { r.PassMark = 60; r.SoundFlag = 0; });
        appendScoreLog(file, 10, 0.8f, QDate(2024, 11, 25));

        const ConfigRecord r = file.readRecord1();
        QCOMPARE(r.PassMark, quint8(60));
        QCOMPARE(r.SoundFlag, quint8(0));
        QCOMPARE(r.ScoreLogDates[1], QByteArray("03-07-2024"));
        QCOMPARE(r.ScoreLogKinds[1], quint8(3));
        QCOMPARE(r.ScoreLogScores[1], 0.5f);
        QCOMPARE(r.ScoreLogDates[2], QByteArray("11-25-2024"));
        QCOMPARE(r.ScoreLogKinds[2], quint8(10));
        QCOMPARE(r.ScoreLogScores[2], 0.8f);
        QCOMPARE(r.ScoreLogDates[3].at(0), '\0');
    }

    void todaysDateIsWrittenAsMonthDayYear()
    {
        const ConfigFile file(path_, praxelleEdition());
        appendScoreLog(file, 12, 1.0f, QDate(2031, 1, 2));
        const QByteArray bytes = readFile(path_);
        QCOMPARE(bytes.mid(49, 10), QByteArray("01-02-2031"));
        QCOMPARE(int(bytes[409]), 12);
        QCOMPARE(singleAt(bytes, 445), 1.0f);
    }

    void aFullLogTakesNoMoreResultsButRecord1IsStillWritten()
    {
        const ConfigFile file(path_, vestoraEdition());
        for (int i = 1; i <= 38; ++i)
            appendScoreLog(file, 9, 0.5f, QDate(2024, 1, 1));
        appendScoreLog(file, 13, 0.75f, QDate(2024, 6, 30));
        const QByteArray full = readFile(path_);
        QCOMPARE(full.mid(50 + 38 * 10, 10), QByteArray("06-30-2024"));  // entry 39
        QCOMPARE(int(full[440 + 38]), 13);
        QCOMPARE(singleAt(full, 479 + 38 * 4), 0.75f);

        // The 40th result changes nothing, yet record 1 is rewritten: the file's time moves on.
        const QDateTime longAgo(QDate(2001, 1, 1), QTime(0, 0));
        {
            QFile f(path_);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.setFileTime(longAgo, QFileDevice::FileModificationTime));
        }
        appendScoreLog(file, 11, 0.9f, QDate(2025, 2, 2));
        QCOMPARE(readFile(path_), full);
        QVERIFY(QFileInfo(path_).lastModified() > longAgo);
    }

    void everyWriteKeepsReservedBytesAndLaterRecords()
    {
        const Edition& e = vestoraEdition();
        const ConfigFile file(path_, e);
        // A record whose name was lost: work in progress and drill levels left over, which the
        // first run clears.
        const QByteArray leftOver = QByteArray(5, '\0') + "\2\3" + QByteArray(30, '\0') + QByteArray(13, '\3');
        const QByteArray record1 = leftOver + QByteArray(635 - 50, '\0') + randomBytes(305, 7);
        const QByteArray review = randomBytes(940, 8), exam = randomBytes(939, 9);
        writeFile(path_, record1 + review + exam);  // an exam record of 939 bytes ends the file

        ConfigRecord first = file.readRecord1();
        initialiseFirstRun(first, e, "Sam");
        file.writeRecord1(first);
        appendScoreLog(file, 9, 0.3f, QDate(2024, 5, 5));
        file.update([](ConfigRecord& r) { r.DrillLevels[13] = 2; });

        const QByteArray bytes = readFile(path_);
        QCOMPARE(bytes.size(), 940 + 940 + 939);
        QCOMPARE(bytes.mid(635, 305), record1.mid(635));
        QCOMPARE(bytes.mid(940), review + exam);
        QCOMPARE(bytes.mid(5, 2), QByteArray(2, '\0'));
        QCOMPARE(bytes.mid(37, 13), QByteArray(12, '\0') + "\2");
        QCOMPARE(bytes.mid(50, 10), QByteArray("05-05-2024"));
    }

private:
    std::unique_ptr<QTemporaryDir> dir_;
    QString path_;
};

REGISTER_TEST(ConfigFileTest)
#include "config_file_test.moc"
