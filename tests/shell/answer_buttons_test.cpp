// The answer buttons of the review test and the exam: clicks and typed letters report a choice.
#include "shell/answer_buttons.h"
#include "tests/support/test_main.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

class AnswerButtonsTest : public QObject {
    Q_OBJECT
private slots:
    void clicksAndLettersReportTheChoice()
    {
        AnswerButtons buttons(QSize(40, 30), 2);
        QSignalSpy chosen(&buttons, &AnswerButtons::chosen);
        buttons.findChild<QPushButton*>("Command1(3)")->click();
        QTest::keyClick(buttons.button(0), 'b');
        QTest::keyClick(buttons.button(0), 'C');
        QCOMPARE(chosen.size(), 3);
        QCOMPARE(chosen[0][0].toInt(), 3);
        QCOMPARE(chosen[1][0].toInt(), 1);
        QCOMPARE(chosen[2][0].toInt(), 2);
        QCOMPARE(buttons.button(2)->text(), "C");
    }

    void onlyPlainLettersOfEnabledButtonsAnswer()
    {
        AnswerButtons buttons(QSize(40, 30), 2);
        QSignalSpy chosen(&buttons, &AnswerButtons::chosen);
        buttons.button(1)->setEnabled(false);
        const QKeyEvent disabledB(QEvent::KeyPress, Qt::Key_B, Qt::NoModifier, "b");
        const QKeyEvent altA(QEvent::KeyPress, Qt::Key_A, Qt::AltModifier, "a");
        const QKeyEvent ctrlC(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier, "c");
        const QKeyEvent letterE(QEvent::KeyPress, Qt::Key_E, Qt::NoModifier, "e");
        for (const QKeyEvent* key : {&disabledB, &altA, &ctrlC, &letterE})
            QVERIFY(!buttons.answerKey(key));
        QVERIFY(chosen.isEmpty());

        buttons.button(1)->setEnabled(true);
        QVERIFY(buttons.answerKey(&disabledB));
        QCOMPARE(chosen.size(), 1);
        QCOMPARE(chosen[0][0].toInt(), 1);
    }
};

REGISTER_TEST(AnswerButtonsTest)
#include "answer_buttons_test.moc"
