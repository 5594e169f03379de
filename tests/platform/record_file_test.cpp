// Random-access record files and the packed-field codec of platform/record_file.h.
#include "platform/record_file.h"
#include "platform/runtime_error.h"
#include "tests/support/test_files.h"
#include "tests/support/test_main.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <vector>

namespace {
QByteArray filled(int size, char value) { return QByteArray(size, value); }
}  // namespace

class RecordFileTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();  // a fresh folder for every test
        QVERIFY(dir_->isValid());
        path_ = dir_->filePath("Config.MS");
    }

    void countRoundsToNearestHalfToEven_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("records");
        QTest::newRow("empty") << 0 << 0;
        QTest::newRow("half a record") << 470 << 0;
        QTest::newRow("one short exam record") << 939 << 1;
        QTest::newRow("1.5 records") << 1410 << 2;
        QTest::newRow("2.5 records") << 2350 << 2;
        QTest::newRow("3.5 records") << 3290 << 4;
        QTest::newRow("five records") << 5 * 940 << 5;
        QTest::newRow("just over four") << 4 * 940 + 469 << 4;
    }
    void countRoundsToNearestHalfToEven()
    {
        QFETCH(int, length);
        QFETCH(int, records);
        writeFile(path_, filled(length, 'x'));
        QCOMPARE(record_file::count(path_), records);
    }

    void missingFileHasNoRecordsAndReadsAsZeros()
    {
        QCOMPARE(record_file::count(path_), 0);
        QCOMPARE(record_file::read(path_, 1), filled(RecordLength, 0));
    }

    void readingPastTheEndGivesZeros()
    {
        writeFile(path_, filled(RecordLength, 'a') + filled(60, 'b'));
        QCOMPARE(record_file::read(path_, 1), filled(RecordLength, 'a'));
        QCOMPARE(record_file::read(path_, 2), filled(60, 'b') + filled(RecordLength - 60, 0));
        QCOMPARE(record_file::read(path_, 3), filled(RecordLength, 0));
    }

    void writingBeyondTheEndPadsTheGapWithZeros()
    {
        writeFile(path_, filled(RecordLength, 'a'));
        record_file::write(path_, 4, filled(RecordLength, 'd'));
        QCOMPARE(readFile(path_), filled(RecordLength, 'a') + filled(2 * RecordLength, 0) + filled(RecordLength, 'd'));
        QCOMPARE(record_file::count(path_), 4);
    }

    void rewritingInPlaceKeepsTheOtherRecords()
    {
        writeFile(path_, filled(RecordLength, 'a') + filled(RecordLength, 'b') + filled(RecordLength, 'c'));
        record_file::write(path_, 2, filled(RecordLength, 'B'));
        QCOMPARE(readFile(path_), filled(RecordLength, 'a') + filled(RecordLength, 'B') + filled(RecordLength, 'c'));
    }

    void appendAfterAShortLastRecordTakesTheNextWholeSlot()
    {
        writeFile(path_, filled(RecordLength, 'a'));
        record_file::write(path_, record_file::count(path_) + 1, filled(939, 'e'));
        QCOMPARE(QFileInfo(path_).size(), 2 * RecordLength - 1);
        record_file::write(path_, record_file::count(path_) + 1, filled(RecordLength, 'r'));
        QCOMPARE(readFile(path_),
                 filled(RecordLength, 'a') + filled(939, 'e') + filled(1, 0) + filled(RecordLength, 'r'));
    }

    void fileInAMissingFolderRaisesRuntimeError()
    {
        const QString path = dir_->filePath("no such folder/Config.MS");
        QVERIFY_THROWS_EXCEPTION(RuntimeError, record_file::create(path));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, record_file::write(path, 1, filled(RecordLength, 'a')));
    }

    void createMakesAnEmptyFileAndKeepsAnExistingOne()
    {
        record_file::create(path_);
        QCOMPARE(readFile(path_), QByteArray());
        writeFile(path_, "abc");
        record_file::create(path_);
        QCOMPARE(readFile(path_), QByteArray("abc"));
    }

    void fieldsArePackedLittleEndian()
    {
        FieldWriter out;
        out.field(quint8(200));
        out.field(qint16(-2));
        out.field(1.0f);
        out.field("Pat", 5, Padding::Blanks);
        out.field("ab", 4, Padding::Zeros);
        out.field("toolong", 3, Padding::Blanks);
        out.array(std::vector<qint16>{0, 7}, 2);  // a slot the array lacks is written as zero
        const QByteArray expected("\xC8\xFE\xFF\x00\x00\x80\x3F" "Pat  ab\0\0too\7\0\0\0", 7 + 5 + 4 + 3 + 4);
        QCOMPARE(out.bytes(), expected);

        FieldReader in(expected);
        quint8 byte = 0;
        qint16 integer = 0;
        float single = 0;
        QByteArray text;
        in.field(byte);
        in.field(integer);
        in.field(single);
        in.field(text, 5, Padding::Zeros);
        QCOMPARE(byte, quint8(200));
        QCOMPARE(integer, qint16(-2));
        QCOMPARE(single, 1.0f);
        QCOMPARE(text, QByteArray("Pat  "));
        QCOMPARE(in.position(), 12);
        in.field(text, 7, Padding::Blanks);
        std::vector<qint16> read(1, 5);  // sized to the slots first
        in.array(read, 2);
        QCOMPARE(read, (std::vector<qint16>{0, 7, 0}));
    }

    void fieldsPastTheEndOfAShortRecordReadAsZeros()
    {
        FieldReader in(QByteArray("\x05\x01", 2));
        quint8 byte = 0;
        qint16 integer = 0;
        QByteArray text;
        in.field(byte);
        in.field(integer);
        in.field(text, 3, Padding::Blanks);
        QCOMPARE(byte, quint8(5));
        QCOMPARE(integer, qint16(1));
        QCOMPARE(text, filled(3, 0));
    }

private:
    std::unique_ptr<QTemporaryDir> dir_;
    QString path_;
};

REGISTER_TEST(RecordFileTest)
#include "record_file_test.moc"
