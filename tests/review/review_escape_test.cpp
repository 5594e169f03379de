// Escape never drops a review test; in the lifeline dialog it is the Cancel button.
#include "tests/review/quiz_rig.h"
#include "tests/support/test_main.h"

#include <QTest>

class ReviewEscapeTest : public QObject {
    Q_OBJECT
private slots:
    void escapeLeavesTheTestAndCancelsTheDialog()
    {
        QuizRig rig;
        QTest::keyClick(rig.open(), Qt::Key_Escape);
        QVERIFY(rig.quiz());
        QCOMPARE(rig.f.state.review.ReviewItemNo, 1);

        rig.f.state.forms.show("Aladdin");  // modeless here, so the test can press its keys
        QTest::keyClick(rig.f.state.forms.find("Aladdin"), Qt::Key_Escape);
        QVERIFY(!rig.f.state.forms.isLoaded("Aladdin"));
        QCOMPARE(rig.f.state.review.LifelineChoice, 0);
        QVERIFY(rig.quiz());
    }
};

REGISTER_TEST(ReviewEscapeTest)
#include "review_escape_test.moc"
