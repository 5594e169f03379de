// The lifeline dialog and what each lifeline does to the item on screen.
#include "tests/review/quiz_rig.h"
#include "tests/support/test_main.h"

#include <QTest>

namespace {
const QStringList ChoiceTexts = {"Choice alpha", "Choice bravo", "Choice charlie", "Choice delta"};

struct DialogView {
    explicit DialogView(Form* dialog) : dialog(dialog) {}
    QRadioButton* option(int i) const { return dialog->findChild<QRadioButton*>(QStringLiteral("Option1(%1)").arg(i)); }
    QString count(int i) const { return dialog->findChild<QLabel*>(QStringLiteral("Label2(%1)").arg(i))->text(); }
    void press(int i) const { dialog->findChild<QPushButton*>(QStringLiteral("Command1(%1)").arg(i))->click(); }
    Form* dialog;
};

DialogView showDialog(QuizRig& rig)
{
    rig.f.state.forms.show("Aladdin");  // modeless here, so the test can look at it
    return DialogView(rig.f.state.forms.find("Aladdin"));
}
}  // namespace

class LifelineTest : public QObject {
    Q_OBJECT
private slots:
    void theDialogOffersWhatIsLeft()
    {
        QuizRig rig;
        rig.open();
        rig.f.state.review.LifelinesLeft = {0, 1, 0, 2};
        const DialogView view = showDialog(rig);
        QCOMPARE(view.dialog->windowTitle(), "Aladdin");
        QCOMPARE(QStringList({view.option(0)->text(), view.option(1)->text(), view.option(2)->text()}),
                 QStringList({"Make it 50:50", "Free Response (no penalty)", "Show Expert Advise"}));
        QCOMPARE(view.count(0), " 1");
        QCOMPARE(view.count(1), " 0");
        QCOMPARE(view.count(2), " 2");
        QVERIFY(view.option(0)->isEnabled());
        QVERIFY(!view.option(1)->isEnabled());
        for (int i = 0; i < 3; ++i)
            QVERIFY(!view.option(i)->isChecked());

        view.press(0);  // OK with nothing selected
        QVERIFY(!rig.f.state.forms.isLoaded("Aladdin"));
        QCOMPARE(rig.f.state.review.LifelineChoice, 0);
        QCOMPARE(rig.f.state.review.LifelinesLeft, (std::array<int, 4>{0, 1, 0, 2}));

        const DialogView again = showDialog(rig);
        again.option(2)->setChecked(true);
        again.press(0);
        QCOMPARE(rig.f.state.review.LifelineChoice, 3);
        QCOMPARE(rig.f.state.review.LifelinesLeft, (std::array<int, 4>{0, 1, 0, 1}));

        // The coin toss needs two wrong choices open besides the answer.
        rig.answerWrong();
        QVERIFY(showDialog(rig).option(0)->isEnabled());
        showDialog(rig).press(1);
        rig.answerWrong();
        QVERIFY(!showDialog(rig).option(0)->isEnabled());
        showDialog(rig).press(1);
    }

    void theCoinTossKeepsTheAnswerAndOneWrongChoice()
    {
        QuizRig rig;
        rig.open();
        rig.f.state.review.LifelinesLeft[1] = 4;
        for (int item = 1; item <= 4; ++item) {
            rig.f.random.seed(unsigned(item * 7));
            const int answer = rig.answer();
            const int missed = item % 2 == 0 ? rig.answerWrong() : -1;  // a choice already answered goes too
            rig.takeLifeline(1);
            QCOMPARE(rig.label("Label2"), "Now it's a coin toss!");
            QCOMPARE(rig.f.state.review.LifelineChoice, 0);

            QList<int> open;
            for (int i = 0; i < 4; ++i)
                if (rig.button(i)->isEnabled())
                    open << i;
            QCOMPARE(open.size(), 2);
            QVERIFY(open.contains(answer));
            QVERIFY(!open.contains(missed));
            for (int i = 0; i < 4; ++i)
                QCOMPARE(rig.pane().contains(ChoiceTexts[i]), open.contains(i));
            QVERIFY(rig.pane().contains(QStringLiteral("Topic 1 question %1?").arg(item)));

            rig.answerRight();  // the explanation keeps the shortened question
            QCOMPARE(rig.pane().count("Choice "), 2);
            rig.next();
        }
        QCOMPARE(rig.f.state.review.LifelinesLeft[1], 0);

        // Showing an item again takes its full question from the course.
        rig.answerRight();
        rig.button(Quiz800::Previous)->click();
        QCOMPARE(rig.pane().count("Choice "), 4);
    }

    void aFreeResponseCoversTheNextWrongAnswerOnALaterItem()
    {
        QuizRig rig;
        rig.open();
        rig.takeLifeline(2);
        QCOMPARE(rig.label("Label2"), "Take a Free Guess!");
        QCOMPARE(rig.f.state.review.LifelineChoice, 2);
        rig.answerRight();  // a right answer does not use it up
        QCOMPARE(rig.f.state.review.LifelineChoice, 2);
        rig.next();

        const int wrong = rig.answerWrong();
        QCOMPARE(rig.label("Label2"), QStringLiteral("<%1> Try Again...").arg(QChar('A' + wrong)));
        QCOMPARE(rig.labelColour("Label2"), QColor(255, 0, 0));
        QVERIFY(!rig.button(wrong)->isEnabled());
        const ReviewState& review = rig.f.state.review;
        QCOMPARE(review.ReviewMisses[2], 0);
        QCOMPARE(review.ReviewTally, (std::array<int, 5>{0, 1, 0, 2, 0}));
        QCOMPARE(review.LifelineChoice, 0);
        rig.answerRight();  // still counts as right
        QCOMPARE(review.ReviewTally[1], 2);

        rig.next();
        rig.answerWrong();  // no cover any more
        QCOMPARE(review.ReviewTally[2], 1);
    }

    void reopeningTheDialogDropsAPendingFreeResponse()
    {
        QuizRig rig(vestoraEdition(), 40);
        rig.open();
        rig.takeLifeline(2);
        QCOMPARE(rig.f.state.review.LifelineChoice, 2);
        rig.takeLifeline(0);  // opened and cancelled
        QCOMPARE(rig.f.state.review.LifelineChoice, 0);
        QCOMPARE(rig.f.state.review.LifelinesLeft[2], 1);
        rig.answerWrong();
        QCOMPARE(rig.f.state.review.ReviewTally[2], 1);
    }

    void expertAdviceShowsTheExplanationAndTheItemStillWaits()
    {
        QuizRig rig;
        rig.open();
        rig.takeLifeline(3);
        QCOMPARE(rig.label("Label2"), "Here's what the expert says!\n(Scroll down as needed.)");
        QVERIFY(rig.pane().contains("Topic 1 explanation 1."));
        for (int i = 0; i < 4; ++i)
            QVERIFY(rig.button(i)->isEnabled());
        QVERIFY(!rig.button(Quiz800::Next)->isEnabled());
        QVERIFY(!rig.button(Quiz800::Previous)->isEnabled());
        QVERIFY(!rig.label("Label2").contains("Answer is"));

        rig.answerWrong();
        QCOMPARE(rig.f.state.review.ReviewTally[2], 1);
        rig.answerRight();
        QVERIFY(rig.button(Quiz800::Next)->isEnabled());
    }

    void withNoLifelinesLeftTheButtonStaysDisabled()
    {
        QuizRig rig;
        rig.open();
        rig.f.state.review.LifelinesLeft = {0, 0, 1, 0};
        QVERIFY(rig.button(Quiz800::Lifeline)->isEnabled());
        rig.takeLifeline(2);
        QVERIFY(!rig.button(Quiz800::Lifeline)->isEnabled());
        rig.answerRight();
        rig.next();
        QVERIFY(!rig.button(Quiz800::Lifeline)->isEnabled());
    }

    void escapeCancelsTheDialogButNeverEndsTheTest()
    {
        QuizRig rig;
        QTest::keyClick(rig.open(), Qt::Key_Escape);
        QVERIFY(rig.quiz());
        QTest::keyClick(showDialog(rig).dialog, Qt::Key_Escape);
        QVERIFY(!rig.f.state.forms.isLoaded("Aladdin"));
        QCOMPARE(rig.f.state.review.LifelineChoice, 0);
        QVERIFY(rig.quiz());
    }
};

REGISTER_TEST(LifelineTest)
#include "lifeline_test.moc"
