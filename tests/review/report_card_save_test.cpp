// A report card's erasures are saved by rebuilding the configuration file: the card's kept records
// in list order, the other kind's copied as they were, the other kind's resume number following
// its record, all in one replace.
#include "platform/durable_file.h"
#include "platform/record_file.h"
#include "shell/card_messages.h"
#include "shell/config_rewrite.h"
#include "tests/support/app_fixture.h"
#include "tests/support/test_files.h"
#include "tests/support/test_main.h"

#include <QTest>

namespace {

// A record slot of the given kind whose bytes tell it apart from every other.
QByteArray slot(int kind, char fill) { return QByteArray(1, char(kind)) + QByteArray(RecordLength - 1, fill); }

// Record 1 of a set-up user, then the given records; the exam in progress is the record examAt.
QByteArray writeConfig(AppFixture& f, const QList<QByteArray>& records, int examAt)
{
    ConfigRecord r;
    r.ExamRecordNo = quint8(examAt);
    initialiseFirstRun(r, f.state.edition, "Pat Doe");
    writeFile(f.state.config().path(), encodeConfigRecord(r, f.state.edition) + records.join());
    f.state.exam.ExamRecordNo = examAt;
    return readFile(f.state.config().path());
}

QList<QByteArray> recordsIn(const QByteArray& file)
{
    QList<QByteArray> records;
    for (int n = 1; n <= record_file::countIn(file); ++n)
        records.append(record_file::readFrom(file, n));
    return records;
}

}  // namespace

class ReportCardSaveTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { durable_file::failAtStep(0); }

    // Interleaved tests and exams, one test erased and the others reordered, a damaged test the
    // card could not show kept last, over a leftover temporary file longer than the new one. The
    // last topic's test (t) is a review test to both cards.
    void keptRecordsThenTheOtherKind()
    {
        AppFixture f;
        const int exam = f.state.edition.TopicCount + 1;
        const QByteArray a = slot(2, 'a'), b = slot(3, 'b'), c = slot(1, 'c'), d = slot(0, 'd');
        const QByteArray t = slot(exam - 1, 't'), x = slot(exam, 'x'), y = slot(exam + 2, 'y');
        const QByteArray before = writeConfig(f, {a, x, d, t, b, y, c}, 3);  // x in progress
        const QString config = f.state.config().path();
        writeFile(config + ".new", QByteArray(20 * RecordLength, 'z'));
        const CardRewrite saved = rewriteReportCard(f.state.config(), ReportCardOf::ReviewTests, {c, t, a}, {d},
                                                    f.state.exam.ExamRecordNo);
        QCOMPARE(saved.Result, CardRewrite::Saved);
        const QList<QByteArray> after = recordsIn(readFile(config));
        QCOMPARE(after.mid(1), (QList<QByteArray>{c, t, a, x, y, d}));
        QCOMPARE(f.state.exam.ExamRecordNo, 5);
        ConfigRecord expected = decodeConfigRecord(recordsIn(before)[0], f.state.edition);
        expected.ExamRecordNo = 5;
        QCOMPARE(after[0], encodeConfigRecord(expected, f.state.edition));

        // The exam card, everything erased: the review test in progress is found in record 1 too.
        f.state.review.ReviewRecordNo = 3;
        QCOMPARE(rewriteReportCard(f.state.config(), ReportCardOf::Exams, {}, {}, f.state.review.ReviewRecordNo).Result,
                 CardRewrite::Saved);
        const QList<QByteArray> last = recordsIn(readFile(config));
        QCOMPARE(last.mid(1), (QList<QByteArray>{c, t, a, d}));
        QCOMPARE(f.state.review.ReviewRecordNo, 3);
        QCOMPARE(int(decodeConfigRecord(last[0], f.state.edition).ReviewRecordNo), 3);
    }

    // A failure at any disk step leaves the resume number as it was and the user told; one before
    // the rename (write, sync, rename) leaves the old file whole, the folder's sync after it the new.
    void everyFailureLeavesTheOldFile()
    {
        const int examKind = vestoraEdition().TopicCount + 1;
        for (int n = 1;; ++n) {
            AppFixture f;
            const QByteArray before = writeConfig(f, {slot(examKind, 'x'), slot(1, 'a'), slot(2, 'b')}, 2);
            durable_file::failAtStep(n);
            const CardRewrite result = rewriteReportCard(f.state.config(), ReportCardOf::ReviewTests, {slot(2, 'b')},
                                                         {}, f.state.exam.ExamRecordNo);
            durable_file::failAtStep(0);
            if (result.Result == CardRewrite::Saved) {
                QVERIFY(n > 4);
                break;
            }
            QCOMPARE(result.Result, CardRewrite::Failed);
            QCOMPARE(readFile(f.state.config().path()) == before, n < 4);
            QCOMPARE(f.state.exam.ExamRecordNo, 2);
            f.prompter.answer(Prompter::Ok);
            QVERIFY(tellCardRewrite(f.prompter, result, "exam") == false);
            QVERIFY(f.prompter.shown.back().text.endsWith("\r\n" + result.Error));
            QCOMPARE(f.prompter.shown.back().icon, Prompter::Critical);
        }
    }

    // Three tests kept ahead of 254 exams move the exam in progress three records on: past what
    // record 1 can hold, it stays resumable in memory, record 1 holds 0, and the user is told.
    void resumeNumberPastRecordOne_data()
    {
        QTest::addColumn<int>("examAt");
        QTest::addColumn<int>("stored");
        QTest::newRow("to 255, the last that fits") << 252 << 255;
        QTest::newRow("to 256") << 253 << 0;
        QTest::newRow("to 258") << 255 << 0;
    }
    void resumeNumberPastRecordOne()
    {
        QFETCH(int, examAt);
        QFETCH(int, stored);
        AppFixture f;
        const QList<QByteArray> tests = {slot(1, 'a'), slot(2, 'b'), slot(3, 'c')};
        writeConfig(f, QList<QByteArray>(254, slot(f.state.edition.TopicCount + 1, 'x')) + tests, examAt);
        const CardRewrite rewrite =
            rewriteReportCard(f.state.config(), ReportCardOf::ReviewTests, tests, {}, f.state.exam.ExamRecordNo);
        QCOMPARE(rewrite.Result, stored != 0 ? CardRewrite::Saved : CardRewrite::SavedNotResumable);
        QCOMPARE(f.state.exam.ExamRecordNo, examAt + 3);
        QCOMPARE(int(f.state.config().readRecord1().ExamRecordNo), stored);
        if (stored == 0)
            f.prompter.answer(Prompter::Ok);
        QVERIFY(tellCardRewrite(f.prompter, rewrite, "exam"));
        QCOMPARE(f.prompter.shown.size(), size_t(stored == 0));
        QVERIFY(stored != 0 || f.prompter.shown.back().icon == Prompter::Exclamation);
    }
};

REGISTER_TEST(ReportCardSaveTest)
#include "report_card_save_test.moc"
