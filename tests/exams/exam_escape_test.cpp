// Escape never ends an exam; in the exam set-up it is the Cancel button.
#include "tests/exams/exam_rig.h"
#include "tests/support/test_main.h"

#include <QTest>

class ExamEscapeTest : public QObject {
    Q_OBJECT
private slots:
    void escapeLeavesTheExamAndCancelsTheSetUp()
    {
        ExamRig rig;
        QTest::keyClick(rig.show("ExamSet"), Qt::Key_Escape);
        QVERIFY(!rig.state.forms.isLoaded("ExamSet"));

        rig.setNewExam(1, 5);
        QTest::keyClick(rig.show("ExamTest"), Qt::Key_Escape);
        QVERIFY(rig.exam());
        QCOMPARE(rig.state.exam.ExamCurrentItem, 1);
    }
};

REGISTER_TEST(ExamEscapeTest)
#include "exam_escape_test.moc"
