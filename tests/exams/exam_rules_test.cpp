// The exam clock at the edges of its warning and expiry, a new prepared exam's items and the
// drill marks.
#include "exams/exam_rules.h"
#include "shell/app_state.h"
#include "tests/support/test_main.h"

#include <QTest>
#include <algorithm>

namespace {
constexpr double Second = 1.0 / 86400;

// A text store that only knows how many items each prepared exam holds.
TextStore examCounts(const QList<int>& examItems)
{
    TextStore text;
    text.TopicItemCounts.assign(10, {0, 0, 0});
    for (int e = 1; e <= examItems.size(); ++e)
        text.TopicItemCounts[e][2] = examItems[e - 1];
    return text;
}

std::vector<int> positions(const ExamState& exam)
{
    return {exam.ExamItems.begin() + 1, exam.ExamItems.begin() + 1 + exam.ExamItemCount};
}

std::vector<int> range(int first, int last)
{
    std::vector<int> numbers;
    for (int n = first; n <= last; ++n)
        numbers.push_back(n);
    return numbers;
}
}  // namespace

class ExamRulesTest : public QObject {
    Q_OBJECT
private slots:
    void countdown_data()
    {
        QTest::addColumn<int>("limit");
        QTest::addColumn<double>("used");
        QTest::addColumn<int>("minutesLeft");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("warning");
        QTest::newRow("start") << 150 << 0.0 << 150 << "Time Remaining: 2:30:00" << false;
        QTest::newRow("two minutes exactly") << 5 << 180 * Second << 2 << "Time Remaining: 0:02:00" << false;
        // 93 minutes as the clock's milliseconds give them fall a hair short of 93 in days.
        QTest::newRow("exact minute in milliseconds")
            << 150 << 93 * 60000 / 86400000.0 << 57 << "Time Remaining: 0:57:00" << false;
        QTest::newRow("1:59 left") << 5 << 181 * Second << 1 << "2-minute warning! 1:59" << true;
        QTest::newRow("limit reached") << 5 << 300 * Second << 0 << "2-minute warning! 0:00" << true;
        QTest::newRow("past the limit") << 5 << 300.001 * Second << -1 << "Time has expired!" << true;
    }
    void countdown()
    {
        QFETCH(int, limit);
        QFETCH(double, used);
        QFETCH(int, minutesLeft);
        QFETCH(QString, text);
        QFETCH(bool, warning);
        const Countdown c = ::countdown(limit, used);
        QCOMPARE(c.MinutesLeft, minutesLeft);
        QCOMPARE(c.Text, text);
        QCOMPARE(c.Warning, warning);
        QCOMPARE(c.Expired, minutesLeft < 0);
    }

    void preparedExamTakesItsOwnItems()
    {
        const TextStore text = examCounts({100, 10});
        ExamState exam;
        exam.ExamChoice = 2;
        exam.ExamItemCount = 10;
        exam.ExamScrambled = false;
        exam.ExamAnswers[3] = 2;
        RandomSource random;
        buildNewExam(exam, text, vestoraEdition(), random);
        QVERIFY(positions(exam) == range(101, 110));
        QCOMPARE(exam.ExamAnswers[3], 0);
        QCOMPARE(int(exam.ExamItems.size()), vestoraEdition().ReviewItemCapacity + 1);

        exam.ExamScrambled = true;
        buildNewExam(exam, text, vestoraEdition(), random);
        std::vector<int> drawn = positions(exam);
        QVERIFY(drawn != range(101, 110));
        std::sort(drawn.begin(), drawn.end());
        QVERIFY(drawn == range(101, 110));
    }

    void theThirdDrillIsTheLastOpenOne()
    {
        QCOMPARE(drillSuffix(2), " - Last Drill");
        QVERIFY(!drillsFinished(2));
        QCOMPARE(drillSuffix(3), " - Finished");
        QVERIFY(drillsFinished(3));
    }
};

REGISTER_TEST(ExamRulesTest)
#include "exam_rules_test.moc"
