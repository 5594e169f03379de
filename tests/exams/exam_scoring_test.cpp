// Scoring and storing an exam, and what happens when the exam window closes: the record, record 1,
// the score log, the drill level, the drop of a poor exam and the results window.
#include "exams/exam_record.h"
#include "exams/exam_scoring.h"
#include "exams/exam_window.h"
#include "exams/results_window.h"
#include "platform/record_file.h"
#include "review/review_record.h"
#include "app/main_menu.h"
#include "tests/exams/exam_items.h"
#include "tests/support/app_fixture.h"
#include "tests/support/test_files.h"
#include "tests/support/test_main.h"

#include <QAbstractButton>
#include <QFile>
#include <QTest>

namespace {

// The exam window's closing: its rules, then what the window does with their outcome.
void closeExam(AppState& state, bool cancelled, bool finished)
{
    showExamClosing(state, runExamClosingRules(state, cancelled, finished));
}

// A set-up program with the menu open and the results window registered.
struct ScoringRig {
    explicit ScoringRig(const QString& program = "Vestora")
        : f(program == "Vestora" ? vestoraEdition() : praxelleEdition())
    {
        f.loadCourse();
        state.config().update([this](ConfigRecord& r) { initialiseFirstRun(r, state.edition, "Pat Doe"); });
        state.settings = loadSettings(state.config().readRecord1(), state.edition);
        state.forms.add("ButtonMenu", [this] { return new ButtonMenu(state); });
        state.forms.add("Results", [this] { return new Results(state); });
        state.forms.load("ButtonMenu");
    }

    QString path() { return state.config().path(); }
    QByteArray file()
    {
        QFile config(path());
        return config.open(QIODevice::ReadOnly) ? config.readAll() : QByteArray();
    }
    ExamRecord record(int n) { return decodeExamRecord(record_file::read(path(), n), state.edition); }
    ConfigRecord record1() { return state.config().readRecord1(); }
    bool logged() { return record1().ScoreLogDates[1].at(0) != '\0'; }
    int& drillLevel() { return state.settings.TopicDrillLevel[state.edition.ExamRecordKind(exam.ExamChoice)]; }

    // Prepared exam 1 with its first `right` positions answered right, interrupted after them.
    void interruptExam(int itemCount, int right)
    {
        startExam(state, itemCount);
        answerRightAndWrong(exam, right, 0);
        exam.ExamCurrentItem = right + 1;
        closeExam(state, false, false);
    }
    // A review test in progress, saved as record n.
    void saveReviewTest(int n)
    {
        ReviewRecord review;
        review.Kind = 3;
        record_file::write(path(), n, encodeReviewRecord(review));
        state.review.ReviewRecordNo = n;
    }

    AppFixture f;
    AppState& state = f.state;
    ExamState& exam = f.state.exam;
};

}  // namespace

class ExamScoringTest : public QObject {
    Q_OBJECT
private slots:
    void anInterruptedExamIsScoredAndNamedInRecord1()
    {
        ScoringRig rig;
        ExamState& exam = rig.exam;
        startExam(rig.state, 100);
        answerRightAndWrong(exam, 60, 20);
        answer(exam, 3, 'C', 3, true);  // the key, three presses, marked unsure
        answer(exam, 62, 'A');          // the key is B
        for (int i = 81; i <= 100; ++i)
            answer(exam, i, keyOfItem(i), 1, false, false);  // never committed
        exam.ExamCurrentItem = 42;
        exam.ExamElapsed = 90 / 1440.0;
        closeExam(rig.state, false, false);

        // Keys come from the item texts: ExamKey is all zeros, as after a resume.
        const ExamRecord saved = rig.record(2);
        QCOMPARE(QList<int>({saved.Codes[3], saved.Codes[62], saved.Codes[1], saved.Codes[81]}), QList<int>({86, 6, 1, 0}));
        QCOMPARE(QList<int>({saved.AnsweredCount, saved.UnsureCount, saved.CurrentItem}), QList<int>({80, 1, 42}));
        QCOMPARE(saved.Score, 0.6f);
        QCOMPARE(saved.Minutes, 90.0f);  // the time used, in minutes
        QCOMPARE(saved.SavedDate, QByteArray("12-08-2026"));
        QCOMPARE(exam.ExamAnswers[81], 0);  // an uncommitted answer is dropped

        // Still in progress: record 1 names it, the menu offers to resume it, nothing is logged.
        QCOMPARE(rig.record1().ExamRecordNo, quint8(2));
        QCOMPARE(exam.ExamCurrentItem, 42);
        QVERIFY(rig.state.forms.find("ButtonMenu")->findChild<QAbstractButton*>("Option1(1)")->text().startsWith("Resume"));
        QVERIFY(!rig.logged());
        QVERIFY(!rig.state.forms.isLoaded("Results"));

        exam.ExamCurrentItem = 50;
        SaveExamRecord(rig.state, false);  // rewritten in place
        QCOMPARE(record_file::count(rig.path()), 2);
        QCOMPARE(rig.record(2).CurrentItem, 50);
    }

    void cancelWritesNothing()
    {
        ScoringRig rig;
        startExam(rig.state, 10);
        answerRightAndWrong(rig.exam, 4, 0);
        rig.exam.ExamCurrentItem = 5;
        closeExam(rig.state, false, false);
        const QByteArray saved = rig.file();

        // A resumed exam cancelled keeps its record, and record 1 still names it for the next start.
        answerRightAndWrong(rig.exam, 10, 0);
        closeExam(rig.state, true, true);
        QCOMPARE(rig.file(), saved);
        QCOMPARE(rig.exam.ExamRecordNo, 2);
        QCOMPARE(rig.exam.ExamCurrentItem, 0);
        QVERIFY(!rig.state.forms.isLoaded("Results"));
    }

    void finishingLogsAndRaisesTheDrillLevel_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<int>("passMark");
        QTest::addColumn<int>("right");  // of 100
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("levelBefore");
        QTest::addColumn<int>("levelAfter");
        QTest::addColumn<bool>("logged");
        QTest::newRow("75% passes the edition's threshold") << "Vestora" << 80 << 75 << 1 << 0 << 1 << true;
        QTest::newRow("65% passes a pass mark of 60") << "Vestora" << 60 << 65 << 1 << 1 << 2 << true;
        QTest::newRow("74% passes neither") << "Vestora" << 80 << 74 << 1 << 0 << 0 << true;
        QTest::newRow("70% in the other edition") << "Praxelle" << 80 << 70 << 1 << 0 << 1 << true;
        QTest::newRow("Retake All counts") << "Vestora" << 75 << 90 << 6 << 2 << 3 << true;
        QTest::newRow("Retake Missed does not") << "Vestora" << 75 << 90 << 7 << 0 << 0 << false;
        QTest::newRow("Retake Unsure does not") << "Praxelle" << 70 << 90 << 6 << 0 << 0 << false;
        QTest::newRow("three drills at most") << "Vestora" << 75 << 100 << 1 << 3 << 3 << true;
    }
    void finishingLogsAndRaisesTheDrillLevel()
    {
        QFETCH(QString, program);
        QFETCH(int, passMark);
        QFETCH(int, right);
        QFETCH(int, kind);
        QFETCH(int, levelBefore);
        QFETCH(int, levelAfter);
        QFETCH(bool, logged);
        ScoringRig rig(program);
        startExam(rig.state, 100, kind);
        answerRightAndWrong(rig.exam, right, 100 - right);
        rig.state.settings.PassMarkChar = quint8(passMark);
        rig.drillLevel() = levelBefore;
        closeExam(rig.state, false, true);

        QCOMPARE(rig.drillLevel(), levelAfter);
        const ConfigRecord record1 = rig.record1();
        QCOMPARE(int(record1.DrillLevels[rig.state.edition.ExamRecordKind(1)]), levelAfter);
        QCOMPARE(record1.ExamRecordNo, quint8(0));
        QCOMPARE(rig.exam.ExamCurrentItem, 0);
        QCOMPARE(rig.logged(), logged);
        if (logged)
            QCOMPARE(record1.ScoreLogScores[1], float(right / 100.0));
        QCOMPARE(rig.record(2).ExamKind, quint8(kind));
        QVERIFY(rig.state.forms.isLoaded("Results"));
    }

    void aPoorExamIsTakenOffTheReportCard_data()
    {
        QTest::addColumn<int>("right");  // of 100
        QTest::addColumn<QString>("shownAs");
        QTest::newRow("30% stays") << 30 << QString();
        QTest::newRow("29% goes") << 29 << "29.0%";
        QTest::newRow("nothing right") << 0 << ".0%";
    }
    void aPoorExamIsTakenOffTheReportCard()
    {
        QFETCH(int, right);
        QFETCH(QString, shownAs);
        ScoringRig rig;
        startExam(rig.state, 100);
        answerRightAndWrong(rig.exam, right, 100 - right);
        rig.state.settings.PassMarkChar = 20;  // a pass mark never makes a poor exam a drill
        if (!shownAs.isEmpty())
            rig.f.prompter.answer(Prompter::Ok);
        closeExam(rig.state, false, true);

        QCOMPARE(record_file::count(rig.path()), shownAs.isEmpty() ? 2 : 1);
        QVERIFY(rig.logged());  // even a dropped result stays in the log
        QCOMPARE(rig.drillLevel(), shownAs.isEmpty() ? 1 : 0);
        QVERIFY(rig.state.forms.isLoaded("Results"));
        QCOMPARE(rig.f.prompter.shown.size(), size_t(shownAs.isEmpty() ? 0 : 1));
        if (!shownAs.isEmpty()) {
            const ScriptedPrompter::Shown& sorry = rig.f.prompter.shown.front();
            QCOMPARE(sorry.text, "You answered " + shownAs
                                     + " (less than 30%) of the questions correctly. Therefore, this exam has not "
                                       "been recorded on your Exam Report Card.");
            QCOMPARE(sorry.title, QString("Sorry!"));
            QCOMPARE(sorry.icon, Prompter::Question);
        }
    }

    void droppingAnExamThatHasLaterRecords()
    {
        ScoringRig rig;
        ExamRecord earlier;  // 939 bytes at the end of the file, yet a whole record
        earlier.Kind = 10;
        record_file::write(rig.path(), 2, encodeExamRecord(earlier, rig.state.edition));
        rig.interruptExam(100, 20);
        QCOMPARE(rig.exam.ExamRecordNo, 3);
        // A review test saved after the exam, and the leftover of some interrupted rewrite.
        rig.saveReviewTest(4);
        rig.state.config().update([](ConfigRecord& r) { r.ReviewRecordNo = 4; });
        QFile junk(rig.path() + ".new.Xk3q9Z");
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write(QByteArray(9 * 940, 'j'));
        junk.close();
        const QByteArray before = rig.file();

        rig.f.prompter.answer(Prompter::Ok);
        closeExam(rig.state, false, true);  // finished at 20%

        const QByteArray after = rig.file();
        QCOMPARE(after.size(), 3 * 940);
        QCOMPARE(after.mid(940, 940), before.mid(940, 940));     // the earlier exam stays
        QCOMPARE(after.mid(2 * 940), before.mid(3 * 940, 940));  // the review test moves down
        QCOMPARE(rig.state.review.ReviewRecordNo, 3);
        QCOMPARE(rig.record1().ReviewRecordNo, quint8(3));
        QVERIFY(rig.logged());
        QVERIFY(temporaryFilesOf(rig.path()).isEmpty());
    }

    void aReviewTestMovedDownIsNamedOnlyWhenItFits()
    {
        ScoringRig rig;
        rig.interruptExam(10, 1);
        QCOMPARE(rig.exam.ExamRecordNo, 2);
        rig.saveReviewTest(300);  // too far on for record 1 to name it

        rig.f.prompter.answer(Prompter::Ok);
        closeExam(rig.state, false, true);  // finished at 10%: its record goes

        QCOMPARE(record_file::count(rig.path()), 299);
        QCOMPARE(rig.state.review.ReviewRecordNo, 299);
        QCOMPARE(rig.record1().ReviewRecordNo, quint8(0));
    }

    void aResumeNumberBeyondOneByteIsNeverStored_data()
    {
        QTest::addColumn<int>("recordNo");  // the record an interrupted exam would be
        QTest::newRow("255 fits") << 255;
        QTest::newRow("256 does not") << 256;
    }
    void aResumeNumberBeyondOneByteIsNeverStored()
    {
        QFETCH(int, recordNo);
        ScoringRig rig;
        QFile config(rig.path());
        QVERIFY(config.open(QIODevice::Append));
        config.write(QByteArray((recordNo - 2) * 940, '\1'));  // review tests of topic 1 before it
        config.close();
        const QByteArray full = rig.file();

        startExam(rig.state, 10);
        answerRightAndWrong(rig.exam, 3, 0);
        rig.exam.ExamCurrentItem = 4;
        if (recordNo == 255) {
            closeExam(rig.state, false, false);
            QCOMPARE(rig.record1().ExamRecordNo, quint8(255));
            QCOMPARE(rig.record(255).CurrentItem, 4);
            return;
        }
        // Interrupted, it would be record 256: nothing is written, the user is told, and the exam
        // stays open for resuming in this run.
        rig.f.prompter.answer(Prompter::Ok);
        closeExam(rig.state, false, false);
        QCOMPARE(rig.file(), full);
        QCOMPARE(rig.f.prompter.shown.back().title, QString("Exam Not Saved"));
        QCOMPARE(rig.exam.ExamCurrentItem, 4);

        // Finished, it needs no resume number and keeps its result.
        answerRightAndWrong(rig.exam, 10, 0);
        closeExam(rig.state, false, true);
        QCOMPARE(rig.record(256).Score, 1.0f);
        QCOMPARE(rig.record1().ExamRecordNo, quint8(0));
    }
};

REGISTER_TEST(ExamScoringTest)
#include "exam_scoring_test.moc"
