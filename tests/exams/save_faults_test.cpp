// Saves that change several records are one step: a failure (or a kill) at any disk step leaves
// the configuration file as it was or as the save makes it, whole, and the program can save again.
#include "exams/exam_scoring.h"
#include "platform/durable_file.h"
#include "platform/runtime_error.h"
#include "review/review_save.h"
#include "app/main_menu.h"
#include "tests/exams/exam_items.h"
#include "tests/support/app_fixture.h"
#include "tests/support/test_files.h"
#include "tests/support/test_main.h"

#include <QTest>
#include <functional>
#include <memory>

namespace {

using Step = std::function<void(AppFixture&)>;

std::unique_ptr<AppFixture> newProgram()
{
    auto f = std::make_unique<AppFixture>();
    AppState& state = f->state;
    state.config().update([&state](ConfigRecord& r) { initialiseFirstRun(r, state.edition, "Pat Doe"); });
    state.settings = loadSettings(state.config().readRecord1(), state.edition);
    state.forms.add("ButtonMenu", [&state] { return new ButtonMenu(state); });
    state.forms.load("ButtonMenu");
    return f;
}

void saveReviewTest(AppFixture& f, bool finished)
{
    AppState& state = f.state;
    SaveReviewRecord(state.review, state.settings, state.config(), state.platform.clock.today(), finished);
}

QByteArray configBytes(AppFixture& f) { return readFile(f.state.config().path()); }

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
Step finishExam(int right)
{
    return [right](AppFixture& f) {
        answerRightAndWrong(f.state.exam, right, 10 - right);
        f.prompter.answer(Prompter::Ok);  // the message that a poor exam leaves the report card
        SaveExamRecord(f.state, true);
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
        QTest::addColumn<Step>("save");
        QTest::newRow("first save of a review test")
            << Step([](AppFixture& f) { interruptExam(f), startReviewTest(f); })
            << Step([](AppFixture& f) { saveReviewTest(f, false); });
        QTest::newRow("later save that finishes a review test")
            << Step([](AppFixture& f) { startReviewTest(f), saveReviewTest(f, false), interruptExam(f); })
            << Step([](AppFixture& f) {
                   f.state.review.ReviewTally[1] = 5;
                   saveReviewTest(f, true);
               });
        QTest::newRow("exam interrupted") << Step([](AppFixture& f) { startReviewTest(f), saveReviewTest(f, false); })
                                          << Step(interruptExam);
        const Step examBeforeReviewTest = [](AppFixture& f) {
            interruptExam(f), startReviewTest(f), saveReviewTest(f, false);
        };
        QTest::newRow("exam finished under 30%") << examBeforeReviewTest << finishExam(2);
        QTest::newRow("exam finished as a drill") << examBeforeReviewTest << finishExam(9);
        QTest::newRow("score logged in record 1") << examBeforeReviewTest << Step([](AppFixture& f) {
            appendScoreLog(f.state.config(), 3, 0.5f, f.state.platform.clock.today());
        });
    }
    void everySaveIsOneStep()
    {
        QFETCH(Step, prepare);
        QFETCH(Step, save);
        auto clean = newProgram();
        prepare(*clean);
        const QByteArray before = configBytes(*clean);
        save(*clean);
        const QByteArray after = configBytes(*clean);
        QVERIFY(after != before);

        // Fail each disk step in turn, until the save has no step left to fail.
        for (int n = 1;; ++n) {
            auto f = newProgram();
            prepare(*f);
            QCOMPARE(configBytes(*f), before);
            durable_file::failAtStep(n);
            bool failed = false;
            try {
                save(*f);
            } catch (const RuntimeError&) {
                failed = true;
            }
            durable_file::failAtStep(0);
            if (!failed) {
                QVERIFY(n > 2);  // the last step that could fail was tried
                QCOMPARE(configBytes(*f), after);
                break;
            }
            const QByteArray got = configBytes(*f);
            QVERIFY2(got == before || got == after, qPrintable(QStringLiteral("a mix after step %1").arg(n)));
            // A save that left the file as it was left the program's state as it was too: saving
            // again comes out right.
            if (got == before) {
                save(*f);
                QCOMPARE(configBytes(*f), after);
            }
        }
    }
};

REGISTER_TEST(SaveFaultsTest)
#include "save_faults_test.moc"
