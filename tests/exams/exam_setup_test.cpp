// The exam set-up: drill marks and closed exams, the lists and topic captions, and handing the
// choices to the exam window; on the set-up alone, without its window, the pool count and its
// hold on the question count and the custom choices kept across prepared exams.
#include "exams/exam_setup_model.h"
#include "tests/exams/exam_rig.h"
#include "tests/support/test_main.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QTest>

namespace {
QRadioButton* option3(const ExamRig& rig, int i)
{
    return rig.control<QRadioButton>("ExamSet", QStringLiteral("Option3(%1)").arg(i));
}
QCheckBox* topicBox(const ExamRig& rig, int i)
{
    return rig.control<QCheckBox>("ExamSet", QStringLiteral("Check2(%1)").arg(i));
}
QPushButton* setUpButton(const ExamRig& rig, int i)
{
    return rig.control<QPushButton>("ExamSet", QStringLiteral("Command1(%1)").arg(i));
}
QString poolLabel(const ExamRig& rig) { return rig.control<QLabel>("ExamSet", "Label2")->text(); }
QString selected(const ExamRig& rig, int list) { return rig.list("ExamSet", list)->currentItem()->text(); }

constexpr int Custom = 4;  // the custom exam's option in the broker edition

// The set-up without its window, loaded on a course known by its counts: review items per topic
// and items per prepared exam, missing counts 5. The exam state is the program's first.
struct SetUp {
    explicit SetUp(const QList<int>& topicItems, const QList<int>& examItems = {})
    {
        text.TopicItemCounts.assign(10, {0, 5, 5});
        for (int t = 1; t <= topicItems.size(); ++t)
            text.TopicItemCounts[t][1] = topicItems[t - 1];
        for (int e = 1; e <= examItems.size(); ++e)
            text.TopicItemCounts[e][2] = examItems[e - 1];
        exam.ExamTopics.assign(9, true);
        setup.load(std::vector<int>(size_t(edition.TrackedSlotCount()) + 1, 0));
    }
    const Edition& edition = vestoraEdition();
    ExamState exam;
    TextStore text;
    ExamSetup setup{exam, text, edition};
};

// The set-up opens on the first exam not yet finished; the user then picks the custom exam.
void openCustom(ExamRig& rig)
{
    rig.state.exam.ExamChoice = rig.state.edition.CustomExamNo();
    rig.show("ExamSet");
    QVERIFY(option3(rig, 0)->isChecked());
    option3(rig, rig.state.edition.ExamSetCustomOption)->setChecked(true);
}
}  // namespace

class ExamSetupTest : public QObject {
    Q_OBJECT
private slots:
    void drillMarksCloseFinishedExams()
    {
        ExamRig rig(vestoraEdition(), {}, {5, 5, 40});
        const std::array<int, 5> levels = {3, 3, 1, 0, 3};
        for (int u = 1; u <= 5; ++u)
            rig.state.settings.TopicDrillLevel[u + 8] = levels[u - 1];
        rig.show("ExamSet");

        QCOMPARE(option3(rig, 0)->text(), "Exam I - AM - Finished");
        QCOMPARE(option3(rig, 2)->text(), "Exam II - AM - 2nd Drill");
        QCOMPARE(option3(rig, 3)->text(), "Exam II - PM - 1st Drill");
        QCOMPARE(option3(rig, 4)->text(), "Custom Built by You - Finished");
        for (int i : {0, 1, 4}) {
            QVERIFY(!option3(rig, i)->isEnabled());
            QVERIFY(!option3(rig, i)->isChecked());
        }
        QVERIFY(option3(rig, 2)->isChecked());
        for (int t = 0; t < 8; ++t) {
            QVERIFY(topicBox(rig, t)->isChecked());
            QVERIFY(!topicBox(rig, t)->isEnabled());
        }
        QVERIFY(!rig.list("ExamSet", 0)->isEnabled());
        QVERIFY(!rig.list("ExamSet", 1)->isEnabled());
        QCOMPARE(selected(rig, 0), " 150");
        QCOMPARE(selected(rig, 1), "  40");
        QVERIFY(!rig.menu()->isEnabled());
    }

    void listsAndPoolInFourCharacters()
    {
        ExamRig rig;
        rig.show("ExamSet");
        const QStringList times = rig.entries("ExamSet", 0);
        QCOMPARE(times.size(), 51);
        QCOMPARE(times[0], "   5");
        QCOMPARE(times[9], "  50");
        QCOMPARE(times[29], " 150");
        QCOMPARE(times[50], " 255");
        const QStringList sizes = rig.entries("ExamSet", 1);
        QCOMPARE(sizes.size(), 300);
        QCOMPARE(sizes[0], "   1");
        QCOMPARE(sizes[299], " 300");
        QCOMPARE(poolLabel(rig), "Items Available in Pool:   40");
        QCOMPARE(topicBox(rig, 0)->text(), " 1   Broker Definitions");
    }

    void onlyTheFirstAmpersandOfATitleIsDoubled()
    {
        Edition edition = vestoraEdition();
        edition.TopicTitles[2] = "Fees & Taxes & Such";
        ExamRig rig(edition);
        rig.show("ExamSet");
        QCOMPARE(topicBox(rig, 1)->text(), " 2   Fees && Taxes & Such");
    }

    void poolCountEnablesTakeExam()
    {
        SetUp s({30, 40});
        s.setup.choose(Custom);
        QCOMPARE(s.setup.poolText(), "Items Available in Pool:  100");
        for (int t = 1; t <= 8; ++t)
            s.setup.setTopic(t, false);
        QCOMPARE(s.setup.poolText(), "Items Available in Pool:    0");
        QVERIFY(!s.setup.takeOpen());
        s.setup.setTopic(2, true);
        QCOMPARE(s.setup.poolText(), "Items Available in Pool:   40");
        QVERIFY(s.setup.takeOpen());
    }

    void theCustomSizeStaysWithinThePool_data()
    {
        QTest::addColumn<int>("pool");  // review items of the topics ticked
        QTest::addColumn<int>("asked");
        QTest::addColumn<int>("option");
        QTest::addColumn<int>("kept");
        QTest::newRow("300 from 280") << 280 << 300 << Custom << 280;
        QTest::newRow("the whole pool") << 280 << 280 << Custom << 280;
        QTest::newRow("one above the pool") << 40 << 41 << Custom << 40;
        QTest::newRow("an empty pool keeps the choice") << 0 << 300 << Custom << 300;
        QTest::newRow("a prepared exam's size is its own") << 280 << 300 << 0 << 300;
    }
    void theCustomSizeStaysWithinThePool()
    {
        QFETCH(int, pool);
        QFETCH(int, asked);
        QFETCH(int, option);
        QFETCH(int, kept);
        SetUp s({pool, 0, 0, 0, 0, 0, 0, 0});
        s.setup.choose(option);
        s.setup.chooseSize(asked - 1);
        QCOMPARE(s.setup.sizeRow() + 1, kept);
    }

    void questionCountFollowsAShrinkingPool()
    {
        SetUp s({100, 100, 100, 100, 20, 20, 20, 20});
        s.setup.choose(Custom);
        s.setup.chooseSize(299);
        s.setup.setTopic(1, false);  // 380 left
        QCOMPARE(s.setup.sizeRow(), 299);
        s.setup.setTopic(2, false);  // 280
        QCOMPARE(s.setup.sizeRow(), 279);
        s.setup.setTopic(3, false);
        s.setup.setTopic(4, false);  // 80
        QCOMPARE(s.setup.sizeRow(), 79);
        s.setup.setTopic(4, true);   // growing again changes nothing
        QCOMPARE(s.setup.sizeRow(), 79);
    }

    void customChoicesSurviveAPreparedExam()
    {
        SetUp s({}, {100});
        s.setup.choose(Custom);
        s.setup.chooseTime(11);  // 60 minutes
        s.setup.chooseSize(19);  // 20 questions
        s.setup.setTopic(3, false);  // ticked only, not taken

        s.setup.choose(0);
        QCOMPARE(s.setup.timeRow(), 29);  // 150 minutes
        QCOMPARE(s.setup.sizeRow(), 99);
        QVERIFY(s.setup.topic(3));
        QVERIFY(!s.setup.choicesOpen());
        s.setup.choose(1);  // a second prepared exam keeps them too

        s.setup.choose(Custom);
        QCOMPARE(s.setup.timeRow(), 11);
        QCOMPARE(s.setup.sizeRow(), 19);
        QVERIFY(s.setup.topic(3));  // as the exam state holds the topics
        QVERIFY(s.setup.choicesOpen());
    }

    void afterAPreparedExamTheCustomOptionOffersItsSize()
    {
        SetUp s({20, 20, 20, 20, 20, 20, 20, 20}, {100});
        s.setup.choose(Custom);
        QCOMPARE(s.setup.timeRow(), 29);
        QCOMPARE(s.setup.sizeRow(), 99);
    }

    void praxellePreparedExamsRunLonger()
    {
        ExamRig rig(praxelleEdition());
        rig.show("ExamSet");  // the last time limit is 150 minutes
        QVERIFY(option3(rig, 0)->isChecked());
        QCOMPARE(option3(rig, 2)->text(), "Custom Built by You - 1st Drill");
        QCOMPARE(selected(rig, 0), " 195");
        QCOMPARE(rig.control<QGroupBox>("ExamSet", "Frame5")->title(), "Screening Exams Available");
    }

    void takeExamHandsTheChoicesOver()
    {
        ExamRig rig(vestoraEdition(), {30, 40});
        openCustom(rig);
        rig.list("ExamSet", 0)->setCurrentRow(11);
        rig.list("ExamSet", 1)->setCurrentRow(19);
        topicBox(rig, 0)->setChecked(false);
        rig.control<QRadioButton>("ExamSet", "Option1(0)")->setChecked(true);
        rig.control<QCheckBox>("ExamSet", "Check1")->setChecked(false);
        setUpButton(rig, 0)->click();

        const ExamState& exam = rig.state.exam;
        QCOMPARE(exam.ExamTimeLimit, 60);
        QCOMPARE(exam.ExamItemCount, 20);
        QCOMPARE(exam.ExamChoice, 5);
        QCOMPARE(exam.ExamKind, 5);
        QCOMPARE(exam.ExamStructured, 1);
        QVERIFY(!exam.ExamScrambled);
        QVERIFY(!exam.ExamTopics[1]);
        QVERIFY(exam.ExamTopics[2] && exam.ExamTopics[8]);
        QVERIFY(!rig.state.forms.isLoaded("ExamSet"));
        QVERIFY(rig.exam());
        QCOMPARE(rig.exam()->windowTitle(), "Custom Built, Item 1 of 20");
        QVERIFY(exam.ExamItems[1] > 30);  // topic 1 left out
    }

    void escapeCancelsTheSetUpButNeverEndsTheExam()
    {
        ExamRig rig;
        QTest::keyClick(rig.show("ExamSet"), Qt::Key_Escape);
        QVERIFY(!rig.state.forms.isLoaded("ExamSet"));
        rig.setNewExam(1, 5);
        QTest::keyClick(rig.show("ExamTest"), Qt::Key_Escape);
        QVERIFY(rig.exam());
    }

    void bothWindowsFitTheSmallestScreen_data()
    {
        QTest::addColumn<QString>("program");
        QTest::newRow("broker") << "Vestora";
        QTest::newRow("salesperson") << "Praxelle";
    }

    void bothWindowsFitTheSmallestScreen()
    {
        QFETCH(QString, program);
        ExamRig rig(program == "Vestora" ? vestoraEdition() : praxelleEdition(), {}, {200});
        const Edition& edition = rig.state.edition;
        for (int u = 1; u <= edition.CustomExamNo(); ++u)
            rig.state.settings.TopicDrillLevel[u + edition.TopicCount] = 2;  // the longest captions
        rig.setNewExam(1, 200);
        for (const char* name : {"ExamSet", "ExamTest"}) {
            Form* window = rig.show(name);
            // Room for a window manager's frame on the smallest screen the program accepts.
            const QSize least = window->minimumSizeHint() + QSize(10, 40);
            QVERIFY2(least.width() <= 800 && least.height() <= 600, name);
            const QRect screen = window->screen()->availableGeometry();
            for (const QAbstractButton* button : window->findChildren<QAbstractButton*>())
                QVERIFY2(screen.contains(QRect(button->mapToGlobal(QPoint()), button->size())), name);
        }
    }
};

REGISTER_TEST(ExamSetupTest)
#include "exam_setup_test.moc"
