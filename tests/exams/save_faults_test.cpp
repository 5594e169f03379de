// Every save is one step: a failure (or a kill) at any disk step leaves the program's files as
// they were or as the save makes them, whole, memory as it was, and the program can save again.
#include "exams/exam_scoring.h"
#include "platform/durable_file.h"
#include "platform/record_file.h"
#include "platform/runtime_error.h"
#include "review/review_save.h"
#include "app/main_menu.h"
#include "app/startup.h"
#include "platform/rich_text_box.h"
#include "shell/config_rewrite.h"
#include "shell/settings_window.h"
#include "tools/notebook.h"
#include "tests/exams/exam_items.h"
#include "tests/support/app_fixture.h"
#include "tests/support/test_files.h"
#include "tests/support/test_main.h"

#include <QDir>
#include <QTest>
#include <functional>
#include <memory>

namespace {

// A save: true when it reached the disk, false when it failed (raised, or said so and kept going).
using Step = std::function<void(AppFixture&)>;
using Save = std::function<bool(AppFixture&)>;

std::unique_ptr<AppFixture> newProgram()
{
    auto f = std::make_unique<AppFixture>();
    AppState& state = f->state;
    state.settings.UserName = QByteArray("Pat Doe").leftJustified(UserNameWidth);
    saveFirstRun(state);
    state.settings = loadSettings(state.config().readRecord1(), state.edition);
    state.forms.add("ButtonMenu", [&state] { return new ButtonMenu(state); });
    state.forms.add("NoteBook", [&state] { return new NoteBook(state); });
    state.forms.load("ButtonMenu");
    return f;
}

Save raising(const Step& step)
{
    return [step](AppFixture& f) {
        try {
            step(f);
        } catch (const RuntimeError&) {
            return false;
        }
        return true;
    };
}

void saveReviewTest(AppFixture& f, bool finished)
{
    AppState& state = f.state;
    SaveReviewRecord(state.review, state.settings, state.config(), state.platform.clock.today(), finished);
}

// Every file of the program's folder with its bytes.
QByteArray folderBytes(AppFixture& f)
{
    QByteArray all;
    const QDir folder(f.state.folder);
    for (const QString& name : folder.entryList(QDir::Files, QDir::Name))
        all += name.toUtf8() + '\0' + readFile(folder.filePath(name)) + '\0';
    return all;
}

QByteArray configBytes(AppFixture& f) { return QFile::exists(f.state.config().path()) ? readFile(f.state.config().path()) : "none"; }

// What the program holds in memory of what the saves write.
QString memory(AppFixture& f)
{
    const AppState& s = f.state;
    QStringList drills;
    for (int level : s.settings.TopicDrillLevel)
        drills << QString::number(level);
    return QStringLiteral("%1 %2 %3 %4 %5 %6 | %7")
        .arg(s.settings.ScrambleItems).arg(s.settings.PassMarkChar).arg(s.review.ReviewRecordNo)
        .arg(s.review.ReviewItemNo).arg(s.exam.ExamRecordNo).arg(s.NotebookChanged).arg(drills.join(','));
}

// A review test of topic 2 at its third of five items, not saved yet.
void startReviewTest(AppFixture& f)
{
    ReviewState& review = f.state.review;
    review.CurrentTopic = 2;
    review.ReviewTestType = 1;
    review.ReviewItemCount = 5;
    review.ReviewItemNo = review.ReviewItemsReached = 3;
    review.ReviewTally = {0, 2, 1, 3, 0};
    for (int i = 1; i <= 5; ++i)
        review.ReviewOrder[i] = 6 - i;
    review.ReviewRecordNo = 0;
}

void interruptExam(AppFixture& f)
{
    startExam(f.state, 10);
    answerRightAndWrong(f.state.exam, 2, 1);
    f.state.exam.ExamCurrentItem = 4;
    SaveExamRecord(f.state, false);
}

// A resumed exam at record 2 with a review test saved after it, finished with `right` of 10 right.
Save finishExam(int right)
{
    return raising([right](AppFixture& f) {
        answerRightAndWrong(f.state.exam, right, 10 - right);
        SaveExamRecord(f.state, true);
    });
}

// A card's rewrite after Yes to its save question: the card's kept records reversed, one damaged
// record kept aside.
Save cardRewrite(ReportCardOf card)
{
    return [card](AppFixture& f) {
        const ConfigImage image(f.state.config());
        const bool reviews = card == ReportCardOf::ReviewTests;
        QList<QByteArray> kept;
        for (int n = image.count(); n >= 2; --n)
            if ((quint8(image.record(n).at(0)) <= f.state.edition.TopicCount) == reviews)
                kept.append(image.record(n));
        int& otherResumeNo = reviews ? f.state.exam.ExamRecordNo : f.state.review.ReviewRecordNo;
        const QList<QByteArray> unshown = {QByteArray(RecordLength, reviews ? '\0' : '\xff')};
        return rewriteReportCard(f.state.config(), card, kept, unshown, otherResumeNo).Result == CardRewrite::Saved;
    };
}

}  // namespace

class SaveFaultsTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { durable_file::failAtStep(0); }

    void everySaveIsOneStep_data()
    {
        QTest::addColumn<Step>("prepare");
        QTest::addColumn<Save>("save");
        // A save that writes the configuration file last, after other files: until then the
        // program starts as if it had not run.
        QTest::addColumn<bool>("configLast");
        const Step examBeforeReviewTest = [](AppFixture& f) {
            interruptExam(f), startReviewTest(f), saveReviewTest(f, false);
        };
        QTest::newRow("first run") << Step([](AppFixture& f) {
            QFile::remove(f.state.config().path()), QFile::remove(f.state.path(f.state.NotebookFileName));
        }) << raising([](AppFixture& f) { saveFirstRun(f.state); }) << true;
        QTest::newRow("settings") << examBeforeReviewTest << Save([](AppFixture& f) {
            Settings chosen = f.state.settings;
            chosen.ScrambleItems = !chosen.ScrambleItems;
            chosen.PassMarkChar = 90;
            Preferences(f.state).SavePreferences(chosen);
            return f.state.settings.PassMarkChar == 90;
        }) << false;
        QTest::newRow("first save of a review test")
            << Step([](AppFixture& f) { interruptExam(f), startReviewTest(f); })
            << raising([](AppFixture& f) { saveReviewTest(f, false); }) << false;
        QTest::newRow("later save that finishes a review test as a drill")
            << Step([](AppFixture& f) { startReviewTest(f), saveReviewTest(f, false), interruptExam(f); })
            << raising([](AppFixture& f) {
                   f.state.review.ReviewTally[1] = 5;
                   f.state.review.ReviewScore = 1;
                   saveReviewTest(f, true);
               }) << false;
        QTest::newRow("exam interrupted")
            << Step([](AppFixture& f) { startReviewTest(f), saveReviewTest(f, false); }) << raising(interruptExam) << false;
        QTest::newRow("exam finished under 30%") << examBeforeReviewTest << finishExam(2) << false;
        QTest::newRow("exam finished as a drill") << examBeforeReviewTest << finishExam(9) << false;
        const Step testsAndExams = [](AppFixture& f) {
            startReviewTest(f), saveReviewTest(f, true), interruptExam(f), startReviewTest(f), saveReviewTest(f, true);
            f.state.exam.ExamRecordNo = 0;  // a card opens only while no exam is in progress
        };
        QTest::newRow("review-test card") << testsAndExams << cardRewrite(ReportCardOf::ReviewTests) << false;
        QTest::newRow("exam card") << testsAndExams << cardRewrite(ReportCardOf::Exams) << false;
        QTest::newRow("notebook") << Step([](AppFixture& f) {
            f.state.forms.show("NoteBook");
            QTest::keyClicks(f.state.forms.find("NoteBook")->findChild<RichTextBox*>("RichTextBox1"), "Notes ");
        }) << Save([](AppFixture& f) {
            return dynamic_cast<NotebookSaver*>(f.state.forms.find("NoteBook"))->saveNotebookToDisk();
        }) << false;
    }
    void everySaveIsOneStep()
    {
        QFETCH(Step, prepare);
        QFETCH(Save, save);
        QFETCH(bool, configLast);
        auto clean = newProgram();
        prepare(*clean);
        const QByteArray before = folderBytes(*clean);
        const QByteArray configBefore = configBytes(*clean);
        const QString memoryBefore = memory(*clean);
        QStringList steps;
        durable_file::logStepsTo(&steps);
        QVERIFY(save(*clean));
        durable_file::logStepsTo(nullptr);
        const QByteArray after = folderBytes(*clean);
        QVERIFY(after != before);
        // Nothing is written in place: every file is written whole beside its old self first.
        for (const QString& step : std::as_const(steps))
            QVERIFY2(!step.startsWith("write ") || step.contains(".new."), qPrintable(step));

        // Fail each disk step in turn, until the save has no step left to fail. The last is the
        // folder's sync after the last rename: the new files stay, but the save failed as any other.
        bool failedAfterRename = false;
        for (int n = 1;; ++n) {
            auto f = newProgram();
            prepare(*f);
            QCOMPARE(folderBytes(*f), before);
            f->prompter.answer(Prompter::Ok);  // a save that fails says so
            durable_file::failAtStep(n);
            const bool saved = save(*f);
            durable_file::failAtStep(0);
            if (saved) {
                QVERIFY(failedAfterRename);  // the last step that could fail was tried
                QCOMPARE(folderBytes(*f), after);
                break;
            }
            const QByteArray got = folderBytes(*f);
            const bool startsAsBefore = got == before || (configLast && configBytes(*f) == configBefore);
            QVERIFY2(startsAsBefore || got == after, qPrintable(QStringLiteral("a mix after step %1").arg(n)));
            // A save that failed left memory as it was; when it left the program as it was too,
            // saving again comes out right.
            QCOMPARE(memory(*f), memoryBefore);
            failedAfterRename = got == after;
            if (startsAsBefore) {
                QVERIFY(save(*f));
                QCOMPARE(folderBytes(*f), after);
            }
        }
    }
};

REGISTER_TEST(SaveFaultsTest)
#include "save_faults_test.moc"
