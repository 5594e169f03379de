// The two editions' settings and the numbers derived from them.
#include "editions/edition.h"
#include "shell/config_file.h"
#include "tests/support/test_main.h"

#include <QTest>

namespace {
const Edition& editionNamed(const QString& program)
{
    return program == "Vestora" ? vestoraEdition() : praxelleEdition();
}
}  // namespace

class EditionTest : public QObject {
    Q_OBJECT

private slots:
    void derivedNumbers_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<int>("slotCount");
        QTest::addColumn<int>("firstExamKind");
        QTest::addColumn<int>("lastExamKind");
        QTest::addColumn<int>("customExam");
        QTest::addColumn<QList<int>>("retakeKinds");
        QTest::addColumn<int>("topicsDone");
        QTest::addColumn<int>("examsDone");
        QTest::newRow("Vestora") << "Vestora" << 13 << 9 << 13 << 5 << QList<int>{6, 7, 8} << 24 << 15;
        QTest::newRow("Praxelle") << "Praxelle" << 12 << 10 << 12 << 3 << QList<int>{4, 5, 6} << 27 << 9;
    }
    void derivedNumbers()
    {
        QFETCH(QString, program);
        QFETCH(int, slotCount);
        QFETCH(int, firstExamKind);
        QFETCH(int, lastExamKind);
        QFETCH(int, customExam);
        QFETCH(QList<int>, retakeKinds);
        QFETCH(int, topicsDone);
        QFETCH(int, examsDone);
        const Edition& e = editionNamed(program);
        QCOMPARE(e.TrackedSlotCount(), slotCount);
        QCOMPARE(e.ExamRecordKind(1), firstExamKind);
        QCOMPARE(e.ExamRecordKind(e.CustomExamNo()), lastExamKind);
        QCOMPARE(e.ExamRecordKind(e.CustomExamNo()), e.TrackedSlotCount());  // the custom exam is the last slot
        QCOMPARE(e.CustomExamNo(), customExam);
        QCOMPARE((QList<int>{e.RetakeAllKind(), e.RetakeMissedKind(), e.RetakeUnsureKind()}), retakeKinds);
        QCOMPARE(e.HighestLoggedKind(), retakeKinds[0]);
        QCOMPARE(e.ExamKindCount(), retakeKinds[2]);
        QCOMPARE(e.AllTopicsDoneTotal(), topicsDone);
        QCOMPARE(e.AllExamsDoneTotal(), examsDone);
    }

    void tablesMatchTheCounts_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<int>("passMark");
        QTest::addColumn<int>("examRecordSize");
        QTest::newRow("Vestora") << "Vestora" << 75 << 939;
        QTest::newRow("Praxelle") << "Praxelle" << 70 << 940;
    }
    void tablesMatchTheCounts()
    {
        QFETCH(QString, program);
        QFETCH(int, passMark);
        QFETCH(int, examRecordSize);
        const Edition& e = editionNamed(program);
        QCOMPARE(e.TopicTitles.size(), e.TopicCount + 1);
        QCOMPARE(e.ExamTitles.size(), e.ExamKindCount() + 1);
        QCOMPARE(e.PictureSpecs.size(), 3);
        QCOMPARE(e.ExamTitles[e.CustomExamNo()], QString("Custom Built"));
        QCOMPARE(e.ExamTitles[e.RetakeAllKind()], QString("Retake All Items"));
        QCOMPARE(e.ExamTitles[e.RetakeUnsureKind()], QString("Retake Unsure Items"));
        QCOMPARE(e.ExamSetPreparedOptions.size(), e.PreparedExamCount);
        QCOMPARE(e.MenuDiscussionButtons.size(), e.ReadingTextCount);
        QCOMPARE(e.DefaultPassMark, passMark);
        QCOMPARE(e.EditionPassThreshold, float(passMark));
        QCOMPARE(e.ExamRecordSize, examRecordSize);
        QCOMPARE(ReviewTypeTitles.size(), 6);
    }

    void onlyTheSalespersonEditionHasANinthTopic()
    {
        QCOMPARE(vestoraEdition().TopicCount, 8);
        QCOMPARE(praxelleEdition().TopicCount, 9);
        QCOMPARE(praxelleEdition().TopicTitles[2], QString("Preliminary Evaluation"));
        QCOMPARE(praxelleEdition().TopicTitles[9],
                 QString("Brokerage: Responsibilities and Functions of Salespersons"));
        QCOMPARE(vestoraEdition().TopicTitles[8], QString("Broker's Responsibilities for Office Management"));
        QVERIFY(!vestoraEdition().TopicTitles.contains("Preliminary Evaluation"));
        // Topics 2 to 7 are the same subjects, one place later in the salesperson edition.
        for (int t = 2; t <= 7; ++t)
            QCOMPARE(praxelleEdition().TopicTitles[t + 1], vestoraEdition().TopicTitles[t]);
    }

    void filesAndCaptionsDiffer()
    {
        const Edition& v = vestoraEdition();
        const Edition& p = praxelleEdition();
        QCOMPARE(v.EditionWord, QString("Broker"));
        QCOMPARE(p.EditionWord, QString("License"));
        QVERIFY(v.HasEditionChooser && !p.HasEditionChooser);
        QCOMPARE(v.ResultsCaption, QString("Mock Exam Results"));
        QCOMPARE(p.ResultsCaption, QString("Sreening Exam Results"));  // the stored caption's spelling
        QCOMPARE(v.ExamSetCustomOption, 4);
        QCOMPARE(v.ExamSetCustomListIndex, 29);
        QCOMPARE(p.ExamSetCustomOption, 2);
        QCOMPARE(p.ExamSetCustomListIndex, 38);
        QVERIFY(v.ScoringNote.endsWith("of any mock exam."));
        QVERIFY(p.ScoringNote.endsWith("of any screening exam."));
        QCOMPARE(v.ScoringNote.chopped(10), p.ScoringNote.chopped(15));
        QCOMPARE(p.MenuDiscussionButtons[4], QString("How to &Enroll"));
        QCOMPARE(p.PictureSpecs[2], QString("09075,0248,0196"));
    }

    void record1LayoutFillsExactlyOneRecord_data()
    {
        QTest::addColumn<QString>("program");
        QTest::newRow("Vestora") << "Vestora";
        QTest::newRow("Praxelle") << "Praxelle";
    }
    void record1LayoutFillsExactlyOneRecord()
    {
        QFETCH(QString, program);
        const Edition& e = editionNamed(program);
        const int flagsAndName = 7 + UserNameWidth;
        const int scoreLog = e.ScoreLogSize * (ScoreLogDateWidth + 1 + 4);
        QCOMPARE(flagsAndName + e.TrackedSlotCount() + scoreLog + e.ReservedWidth, 940);
    }
};

REGISTER_TEST(EditionTest)
#include "edition_test.moc"
