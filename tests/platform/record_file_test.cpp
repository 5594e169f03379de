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
        out.byte(200);
        out.integer(-2);
        out.single(1.0f);
        out.text("Pat", 5);
        out.raw("ab", 4);
        out.text("toolong", 3);
        const QByteArray expected("\xC8\xFE\xFF\x00\x00\x80\x3F" "Pat  ab\0\0too", 7 + 5 + 4 + 3);
        QCOMPARE(out.bytes(), expected);

        FieldReader in(expected);
        QCOMPARE(in.byte(), quint8(200));
        QCOMPARE(in.integer(), qint16(-2));
        QCOMPARE(in.single(), 1.0f);
        QCOMPARE(in.text(5), QByteArray("Pat  "));
        QCOMPARE(in.position(), 12);
    }

    void fieldsPastTheEndOfAShortRecordReadAsZeros()
    {
        FieldReader in(QByteArray("\x05\x01", 2));
        QCOMPARE(in.byte(), quint8(5));
        QCOMPARE(in.integer(), qint16(1));
        QCOMPARE(in.text(3), filled(3, 0));
    }

private:
    std::unique_ptr<QTemporaryDir> dir_;
    QString path_;
};

REGISTER_TEST(RecordFileTest)
#include "record_file_test.moc"
