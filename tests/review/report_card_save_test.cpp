// A report card's erasures are saved by rebuilding the configuration file: the card's kept records
// in list order, the other kind's copied as they were, the other kind's resume number following
// its record, all in one replace.
#include "platform/durable_file.h"
#include "platform/record_file.h"
#include "review/report_card_save.h"
#include "tests/support/app_fixture.h"
#include "tests/support/test_files.h"
#include "tests/support/test_main.h"

#include <QFile>
#include <QTest>

namespace {

// A record slot of the given kind whose bytes tell it apart from every other.
QByteArray slot(int kind, char fill)
{
    QByteArray bytes(RecordLength, fill);
    bytes[0] = char(kind);
    return bytes;
}

// Record 1 of a set-up user, then the given records; the exam in progress is the record examAt.
QByteArray writeConfig(AppFixture& f, const QList<QByteArray>& records, int examAt)
{
    AppState& state = f.state;
    ConfigRecord r;
    r.ExamRecordNo = quint8(examAt);
    initialiseFirstRun(r, state.edition, "Pat Doe");
    QByteArray bytes = encodeConfigRecord(r, state.edition);
    for (const QByteArray& record : records)
        bytes += record;
    writeFile(state.config().path(), bytes);
    state.exam.ExamRecordNo = examAt;
    return bytes;
}

QByteArray recordOf(const QByteArray& file, int n) { return record_file::readFrom(file, n); }

}  // namespace

class ReportCardSaveTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { durable_file::failAtStep(0); }

    // Interleaved tests and exams, one test erased and the others reordered: the tests come first in
    // the card's order, then every exam byte for byte, and the exam in progress is found again.
    void keptRecordsThenTheOtherKind()
    {
        AppFixture f;
        const int exam = f.state.edition.TopicCount + 1;
        const QByteArray a = slot(2, 'a'), b = slot(3, 'b'), c = slot(1, 'c');
        const QByteArray x = slot(exam, 'x'), y = slot(exam + 2, 'y');
        const QByteArray before = writeConfig(f, {a, x, b, y, c}, 5);  // y in progress
        f.prompter.answer(Prompter::Yes);

        QCOMPARE(SaveReportCard(f.state, ReportCardOf::ReviewTests, {c, a}), CardSave::Saved);

        const QByteArray after = readFile(f.state.config().path());
        QCOMPARE(record_file::countIn(after), 5);
        QCOMPARE(recordOf(after, 2), c);
        QCOMPARE(recordOf(after, 3), a);
        QCOMPARE(recordOf(after, 4), x);
        QCOMPARE(recordOf(after, 5), y);
        QCOMPARE(f.state.exam.ExamRecordNo, 5);
        ConfigRecord expected = decodeConfigRecord(recordOf(before, 1), f.state.edition);
        expected.ExamRecordNo = 5;
        QCOMPARE(recordOf(after, 1), encodeConfigRecord(expected, f.state.edition));
        QCOMPARE(f.prompter.shown.at(0).title, QString("Data Erased!"));
        QVERIFY(!QFile::exists(f.state.path("NewConfig")));

        // The exam card, everything erased: record 1 and the tests are left, and the review test in
        // progress follows its record.
        f.state.review.ReviewRecordNo = 3;
        f.prompter.answer(Prompter::Yes);
        QCOMPARE(SaveReportCard(f.state, ReportCardOf::Exams, {}), CardSave::Saved);
        const QByteArray last = readFile(f.state.config().path());
        QCOMPARE(record_file::countIn(last), 3);
        QCOMPARE(recordOf(last, 2), c);
        QCOMPARE(recordOf(last, 3), a);
        QCOMPARE(f.state.review.ReviewRecordNo, 3);
        QCOMPARE(int(decodeConfigRecord(recordOf(last, 1), f.state.edition).ReviewRecordNo), 3);
        QCOMPARE(f.prompter.shown.at(1).title, QString("Exam Data Erased!"));
    }

    void answeringNoWritesNothing()
    {
        AppFixture f;
        const QByteArray before = writeConfig(f, {slot(1, 'a'), slot(2, 'b')}, 0);
        f.prompter.answer(Prompter::No);
        QCOMPARE(SaveReportCard(f.state, ReportCardOf::ReviewTests, {slot(2, 'b')}), CardSave::Declined);
        QCOMPARE(readFile(f.state.config().path()), before);
        QVERIFY(!QFile::exists(f.state.path("NewConfig")));
    }

    // A leftover "NewConfig" longer than the new file never leaks into it, and a failure at any disk
    // step leaves the old file whole, the resume number as it was, and the user told.
    void everyFailureLeavesTheOldFile()
    {
        const int examKind = vestoraEdition().TopicCount + 1;
        const QList<QByteArray> records = {slot(examKind, 'x'), slot(1, 'a'), slot(examKind, 'y'), slot(2, 'b')};
        QByteArray expected;
        {
            AppFixture f;
            writeConfig(f, records, 2);
            writeFile(f.state.path("NewConfig"), QByteArray(20 * RecordLength, 'z'));
            f.prompter.answer(Prompter::Yes);
            QCOMPARE(SaveReportCard(f.state, ReportCardOf::ReviewTests, {slot(2, 'b')}), CardSave::Saved);
            expected = readFile(f.state.config().path());
            QCOMPARE(record_file::countIn(expected), 4);
            QCOMPARE(f.state.exam.ExamRecordNo, 3);
        }
        for (int n = 1;; ++n) {
            AppFixture f;
            const QByteArray before = writeConfig(f, records, 2);
            f.prompter.answer(Prompter::Yes);
            durable_file::failAtStep(n);
            const CardSave result = SaveReportCard(f.state, ReportCardOf::ReviewTests, {slot(2, 'b')});
            durable_file::failAtStep(0);
            if (result == CardSave::Saved) {
                QVERIFY(n > 3);
                QCOMPARE(readFile(f.state.config().path()), expected);
                break;
            }
            QCOMPARE(result, CardSave::Failed);
            QCOMPARE(readFile(f.state.config().path()), before);
            QCOMPARE(f.state.exam.ExamRecordNo, 2);
            QCOMPARE(f.prompter.shown.back().icon, Prompter::Critical);
        }
    }

    // Tests kept ahead of 254 exams push the exam in progress past what record 1 can hold: it stays
    // resumable in memory, record 1 holds 0, and the user is told.
    void resumeNumberPastRecordOne()
    {
        AppFixture f;
        const int examKind = f.state.edition.TopicCount + 1;
        QList<QByteArray> records;
        for (int i = 0; i < 254; ++i)
            records.append(slot(examKind, 'x'));
        const QList<QByteArray> tests = {slot(1, 'a'), slot(2, 'b'), slot(3, 'c')};
        writeConfig(f, records + tests, 255);
        f.prompter.answer(Prompter::Yes);
        f.prompter.answer(Prompter::Ok);
        QCOMPARE(SaveReportCard(f.state, ReportCardOf::ReviewTests, tests), CardSave::Saved);
        QCOMPARE(f.state.exam.ExamRecordNo, 258);
        QCOMPARE(int(f.state.config().readRecord1().ExamRecordNo), 0);
        QCOMPARE(f.prompter.shown.back().icon, Prompter::Exclamation);
    }
};

REGISTER_TEST(ReportCardSaveTest)
#include "report_card_save_test.moc"
