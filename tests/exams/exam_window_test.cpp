// The exam window: a new exam's first screen, answering and moving entries between the lists,
// the unsure mark, structured mode, custom exams, the clock, resuming, keys and closing.
#include "exams/exam_record.h"
#include "exams/exam_rules.h"
#include "platform/record_file.h"
#include "platform/rich_text_box.h"
#include "tests/exams/exam_rig.h"
#include "tests/support/test_main.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>

namespace {
enum { A, B, C, D, Next = 5, Previous, Break, Finished, HelpButton, Unsure, CalculatorButton, ViewPicture };

QString label(const ExamRig& rig, int index)
{
    return rig.control<QLabel>("ExamTest", QStringLiteral("Label1(%1)").arg(index))->text();
}
QString frameCaption(const ExamRig& rig) { return rig.control<QGroupBox>("ExamTest", "Frame1")->title(); }
RichTextBox* pane(const ExamRig& rig) { return rig.control<RichTextBox>("ExamTest", "RichTextBox1"); }
BorderShape* finishedFrame(const ExamRig& rig) { return rig.control<BorderShape>("ExamTest", "Shape1"); }
void press(const ExamRig& rig, int index)
{
    QVERIFY2(rig.button(index)->isEnabled(), qPrintable(rig.button(index)->text()));
    rig.button(index)->click();
}
// The user clicks an entry of a list.
void clickEntry(const ExamRig& rig, int list, int row)
{
    QListWidget* entries = rig.list("ExamTest", list);
    entries->scrollToItem(entries->item(row));
    QTest::mouseClick(entries->viewport(), Qt::LeftButton, {}, entries->visualItemRect(entries->item(row)).center());
}
QString pad(int blanks) { return QString(blanks, ' '); }
// After the time is up: the item on show stays, and every control that could change an answer is off.
bool frozen(const ExamRig& rig, const QString& caption)
{
    bool off = rig.exam()->windowTitle() == caption;
    for (int list : {0, 1})
        off = off && !rig.list("ExamTest", list)->isEnabled();
    for (int index : {A, B, C, D, Next, Previous, Unsure, Break})
        off = off && !rig.button(index)->isEnabled();
    return off;
}
}  // namespace

class ExamWindowTest : public QObject {
    Q_OBJECT
private slots:
    void newPreparedExamOpensOnItemOne()
    {
        ExamRig rig(vestoraEdition(), {}, {100});
        rig.setNewExam(1, 100);
        rig.show("ExamTest");

        QCOMPARE(rig.exam()->windowTitle(), "Mock Exam I AM, Item 1 of 100");
        QCOMPARE(frameCaption(rig), " 0 Answered" + pad(10) + " 100 Remaining");
        const QStringList remaining = rig.entries("ExamTest", 1);
        QCOMPARE(remaining.size(), 100);
        QCOMPARE(remaining.first(), "   1");
        QCOMPARE(remaining[9], "  10");
        QCOMPARE(remaining.last(), " 100");
        QVERIFY(rig.entries("ExamTest", 0).isEmpty());
        QCOMPARE(rig.button(Break)->text(), "&Cancel");
        QVERIFY(!rig.button(Previous)->isEnabled());
        QVERIFY(rig.button(Next)->isEnabled());
        QVERIFY(pane(rig)->Text().contains("Exam 1 question 1?"));
        QCOMPARE(label(rig, 0), "Your Answer:  ");
        QVERIFY(!rig.menu()->isEnabled());
        for (int i = 1; i <= 100; ++i)
            QCOMPARE(rig.state.exam.ExamItems[i], i);
    }

    void answerAndNextMoveTheEntry()
    {
        ExamRig rig(vestoraEdition(), {}, {100});
        rig.setNewExam(1, 100);
        rig.show("ExamTest");

        press(rig, B);
        QCOMPARE(label(rig, 0), "Your Answer:  B");
        QVERIFY(!rig.button(B)->isEnabled());
        press(rig, Next);

        QCOMPARE(rig.entries("ExamTest", 0), QStringList{"   1  B"});
        QCOMPARE(rig.entries("ExamTest", 1).size(), 99);
        QCOMPARE(rig.entries("ExamTest", 1).first(), "   2");
        QCOMPARE(rig.exam()->windowTitle(), "Mock Exam I AM, Item 2 of 100");
        QCOMPARE(frameCaption(rig), " 1 Answered" + pad(10) + " 99 Remaining");
        QCOMPARE(rig.button(Break)->text(), "&Break");
        QCOMPARE(label(rig, 0), "Your Answer:  ");
        QVERIFY(rig.list("ExamTest", 0)->isEnabled());
        QCOMPARE(rig.state.exam.ExamAnswered[1], 1);
        QCOMPARE(rig.state.exam.ExamCurrentItem, 2);

        // Next without an answer skips: the position stays remaining.
        press(rig, Next);
        QCOMPARE(rig.state.exam.ExamCurrentItem, 3);
        QCOMPARE(rig.entries("ExamTest", 1).first(), "   2");
        QCOMPARE(rig.list("ExamTest", 1)->currentRow(), 1);
    }

    void thirdPressMarksUnsure()
    {
        ExamRig rig;
        rig.setNewExam(1, 5);
        rig.show("ExamTest");

        press(rig, A);
        press(rig, B);
        QCOMPARE(rig.state.exam.ExamUnsure[1], 0);
        press(rig, C);
        QCOMPARE(rig.state.exam.ExamUnsure[1], 63);
        QCOMPARE(rig.state.exam.ExamAnswerCount[1], 3);
        QCOMPARE(label(rig, 0), "Your Answer:  C?  (Unsure of Answer)");
        press(rig, Next);
        QCOMPARE(rig.entries("ExamTest", 0), QStringList{"   1  C?"});

        // The mark by hand, on a position not yet answered.
        press(rig, Unsure);
        QCOMPARE(label(rig, 0), "Your Answer:    (Unsure of Answer)");
        press(rig, A);
        press(rig, Unsure);
        QCOMPARE(label(rig, 0), "Your Answer:  A");
        press(rig, Unsure);
        QCOMPARE(label(rig, 0), "Your Answer:  A?   (marked unsure)");
    }

    void answeredEntriesAreRewrittenInPlace()
    {
        ExamRig rig;
        rig.setNewExam(1, 5);
        rig.show("ExamTest");
        press(rig, B);
        press(rig, Next);
        press(rig, C);
        press(rig, Next);

        clickEntry(rig, 0, 0);  // the user picks position 1 again
        QCOMPARE(rig.exam()->windowTitle(), "Mock Exam I AM, Item 1 of 5");
        QCOMPARE(label(rig, 0), "Your Answer:  B");
        press(rig, D);
        QCOMPARE(rig.entries("ExamTest", 0), (QStringList{"   1  D", "   2  C"}));
        QCOMPARE(rig.list("ExamTest", 0)->currentRow(), 0);
        QCOMPARE(rig.state.exam.ExamAnswers[1], 4);

        press(rig, Unsure);
        QCOMPARE(rig.entries("ExamTest", 0).first(), "   1  D?");
        QCOMPARE(label(rig, 0), "Your Answer:  D?  (Unsure of Answer)");
        press(rig, Unsure);
        QCOMPARE(rig.entries("ExamTest", 0).first(), "   1  D");
        QCOMPARE(rig.entries("ExamTest", 1).size(), 3);
    }

    void answerLeftUncommittedIsNotCounted()
    {
        ExamRig rig;
        rig.setNewExam(1, 5);
        rig.show("ExamTest");
        press(rig, A);
        press(rig, Next);
        press(rig, C);                              // position 2, not committed
        clickEntry(rig, 0, 0);  // left for position 1
        QCOMPARE(rig.state.exam.ExamAnswered[2], 0);
        QCOMPARE(rig.entries("ExamTest", 1).first(), "   2");

        clickEntry(rig, 1, 0);  // back to position 2: the answer still shows
        QCOMPARE(rig.exam()->windowTitle(), "Mock Exam I AM, Item 2 of 5");
        QCOMPARE(label(rig, 0), "Your Answer:  C");
        press(rig, Next);
        QCOMPARE(rig.entries("ExamTest", 0), (QStringList{"   1  A", "   2  C"}));
        QCOMPARE(rig.state.exam.ExamAnswered[2], 1);
    }

    void previousCommitsAndGoesBack()
    {
        ExamRig rig;
        rig.setNewExam(1, 5);
        rig.show("ExamTest");
        clickEntry(rig, 1, 2);  // position 3
        QVERIFY(rig.button(Previous)->isEnabled());
        press(rig, D);
        press(rig, Previous);
        QCOMPARE(rig.entries("ExamTest", 0), QStringList{"   3  D"});
        QCOMPARE(rig.exam()->windowTitle(), "Mock Exam I AM, Item 2 of 5");

        clickEntry(rig, 1, 3);  // the last entry: no Next
        QVERIFY(!rig.button(Next)->isEnabled());
        QVERIFY(rig.button(Previous)->isEnabled());
    }

    void structuredModeNeedsLetterNextConfirm()
    {
        ExamRig rig;
        rig.setNewExam(1, 2, 150, false, 1);
        rig.show("ExamTest");
        QCOMPARE(rig.button(Previous)->text(), "Confirm");
        QVERIFY(!rig.button(Previous)->isEnabled());
        QVERIFY(!rig.button(Next)->isEnabled());
        QVERIFY(!rig.list("ExamTest", 0)->isEnabled());
        QVERIFY(!rig.list("ExamTest", 1)->isEnabled());

        press(rig, A);
        QVERIFY(rig.button(Next)->isEnabled());
        QVERIFY(!rig.button(Previous)->isEnabled());
        press(rig, Next);
        QVERIFY(rig.entries("ExamTest", 0).isEmpty());  // Next commits nothing here
        QVERIFY(!rig.button(Next)->isEnabled());
        press(rig, Previous);
        QCOMPARE(rig.entries("ExamTest", 0), QStringList{"   1  A"});
        QCOMPARE(rig.exam()->windowTitle(), "Mock Exam I AM, Item 2 of 2");
        QVERIFY(!rig.button(Previous)->isEnabled());

        // Confirming the last remaining position finishes the exam.
        press(rig, B);
        press(rig, Next);
        press(rig, Previous);
        QVERIFY(!rig.state.forms.isLoaded("ExamTest"));
        QVERIFY(rig.state.forms.isLoaded("Results"));
        QCOMPARE(rig.state.exam.ExamCurrentItem, 0);
        QCOMPARE(rig.state.exam.ExamScore, 1.0f);
        QVERIFY(rig.menu()->isEnabled());
        QVERIFY(rig.f.prompter.unexpected.isEmpty());
    }

    void customExamDrawsFromTheChosenTopics_data()
    {
        QTest::addColumn<bool>("scrambled");
        QTest::newRow("bank order") << false;
        QTest::newRow("scrambled") << true;
    }
    void customExamDrawsFromTheChosenTopics()
    {
        QFETCH(bool, scrambled);
        ExamRig rig(vestoraEdition(), {7, 30, 40});
        const int custom = rig.state.edition.CustomExamNo();
        rig.setNewExam(custom, 20, 60, scrambled);
        for (int t = 1; t <= rig.state.edition.TopicCount; ++t)
            rig.state.exam.ExamTopics[t] = t == 2 || t == 3;
        rig.show("ExamTest");

        QCOMPARE(rig.exam()->windowTitle(), "Custom Built, Item 1 of 20");
        QCOMPARE(rig.entries("ExamTest", 1).size(), 20);
        std::vector<int> items(rig.state.exam.ExamItems.begin() + 1, rig.state.exam.ExamItems.begin() + 21);
        for (int item : items)
            QVERIFY2(item >= 8 && item <= 77, qPrintable(QString::number(item)));  // topics 2 and 3
        std::vector<int> sorted = items;
        std::sort(sorted.begin(), sorted.end());
        QVERIFY(std::adjacent_find(sorted.begin(), sorted.end()) == sorted.end());
        if (!scrambled)
            QVERIFY(items == sorted);
        const int first = items.front();
        const QString topic = first <= 37 ? QStringLiteral("Topic 2 question %1?").arg(first - 7)
                                          : QStringLiteral("Topic 3 question %1?").arg(first - 37);
        QVERIFY(pane(rig)->Text().contains(topic));
    }

    void clockWarnsThenExpires()
    {
        ExamRig rig;
        rig.setNewExam(1, 5, 5);
        ExamTest* window = dynamic_cast<ExamTest*>(rig.show("ExamTest"));
        window->timer1Tick();
        QCOMPARE(label(rig, 1), "Time Remaining: 0:05:00");

        rig.f.clock.advance(181'000);
        window->timer1Tick();
        QCOMPARE(label(rig, 1), "2-minute warning! 1:59");
        QCOMPARE(rig.control<QLabel>("ExamTest", "Label1(1)")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(rig.state.exam.ExamMinutesLeft, 1);

        rig.f.clock.advance(120'000);
        window->timer1Tick();
        QCOMPARE(label(rig, 1), "Time has expired!");
        QVERIFY(pane(rig)->Text().isEmpty());
        for (int index : {A, B, C, D, Next, Previous, Break, Unsure})
            QVERIFY(!rig.button(index)->isEnabled());
        for (int index : {Finished, HelpButton, CalculatorButton})
            QVERIFY(rig.button(index)->isEnabled());
        QVERIFY(!rig.list("ExamTest", 1)->isEnabled());
        QCOMPARE(window->focusWidget(), rig.button(Finished));
        QVERIFY(finishedFrame(rig)->isVisible());

        // Nothing was answered, so finishing closes without a record.
        press(rig, Finished);
        QVERIFY(rig.f.prompter.shown.empty());
        QVERIFY(!rig.state.forms.isLoaded("ExamTest"));
        QVERIFY(!rig.state.forms.isLoaded("Results"));
        QCOMPARE(rig.state.exam.ExamCurrentItem, 0);
        QCOMPARE(QFileInfo(rig.state.config().path()).size(), 940);

        // The next exam of the run has its whole time.
        rig.setNewExam(1, 5, 5);
        dynamic_cast<ExamTest*>(rig.show("ExamTest"))->timer1Tick();
        QCOMPARE(label(rig, 1), "Time Remaining: 0:05:00");
    }

    void nothingChangesAnAnswerOnceTheTimeIsUp_data()
    {
        QTest::addColumn<QString>("focused");
        for (const QString& name : QString("0 1 2 3 5 6 7 8 9 10 11").split(' '))
            QTest::newRow(qPrintable("Command1(" + name + ")")) << "Command1(" + name + ")";
        for (const char* name : {"List1(0)", "List1(1)", "RichTextBox1"})
            QTest::newRow(name) << QString(name);
    }
    void nothingChangesAnAnswerOnceTheTimeIsUp()
    {
        QFETCH(QString, focused);
        ExamRig rig;
        rig.setNewExam(1, 5, 5);
        ExamTest* window = dynamic_cast<ExamTest*>(rig.show("ExamTest"));
        QVERIFY(QTest::qWaitForWindowActive(window));
        // Positions 1 and 2 answered and committed; position 3 passed over, position 4 on show.
        for (int index : {A, Next, B, Next, Next})
            press(rig, index);
        auto* target = window->findChild<QWidget*>(focused);
        target->setFocus();
        QCOMPARE(window->focusWidget(), target);
        const QString caption = window->windowTitle();  // focusing the answered list shows its entry

        rig.f.clock.advance(5 * 60'000 + 1000);
        window->timer1Tick();
        QVERIFY(frozen(rig, caption));
        QCOMPARE(window->focusWidget(), rig.button(Finished));

        // Letters typed on every control, every entry of both lists selected and clicked.
        for (QWidget* control : window->findChildren<QWidget*>(QRegularExpression("^(Command1|List1|RichTextBox1)")))
            for (char letter : {'a', 'B', 'c', 'D'})
                QTest::keyClick(control, letter);
        for (int list : {0, 1}) {
            for (int row = 0; row < rig.list("ExamTest", list)->count(); ++row) {
                rig.list("ExamTest", list)->setCurrentRow(row);
                clickEntry(rig, list, row);
            }
        }
        QVERIFY(frozen(rig, caption));
        // Even a control enabled again does nothing.
        for (int index : {A, B, C, D, Next, Previous, Unsure, Break}) {
            QVERIFY(rig.state.forms.isLoaded("ExamTest"));
            rig.button(index)->setEnabled(true);
            rig.button(index)->click();
        }
        QVERIFY(rig.state.forms.isLoaded("ExamTest"));
        QCOMPARE(window->windowTitle(), caption);
        const ExamState& exam = rig.state.exam;
        QCOMPARE(QList<int>(exam.ExamAnswers.begin() + 1, exam.ExamAnswers.begin() + 6), (QList<int>{1, 2, 0, 0, 0}));

        // The close box finishes the exam, scored on the two answers given in time.
        window->close();
        QVERIFY(rig.state.forms.isLoaded("Results"));
        QCOMPARE(exam.ExamScore, 0.4f);
        QCOMPARE(exam.ExamElapsed, 5 / 1440.0);  // no more than the limit, though the clock ran on
    }

    void cancellingTheCautionGivesTheTimeBack()
    {
        ExamRig rig;
        rig.setNewExam(1, 5);
        ExamTest* window = dynamic_cast<ExamTest*>(rig.show("ExamTest"));
        rig.f.clock.advance(60'000);
        window->timer1Tick();
        QCOMPARE(label(rig, 1), "Time Remaining: 2:29:00");

        rig.prompter.delay = 30'000;
        rig.f.prompter.answer(Prompter::Cancel);
        press(rig, Finished);
        QCOMPARE(rig.f.prompter.shown.back().text,
                 "You failed to answer 5 questions.\r\nPress O.K. to stop and view scoring results or Cancel to keep working.");
        QCOMPARE(rig.f.prompter.shown.back().title, "Caution...");
        QCOMPARE(rig.f.prompter.shown.back().buttons, Prompter::OkCancel);
        QVERIFY(rig.state.forms.isLoaded("ExamTest"));
        window->timer1Tick();
        QCOMPARE(label(rig, 1), "Time Remaining: 2:29:00");

        // OK finishes: the exam is saved with the time used, less the time given back.
        press(rig, A);
        press(rig, Next);
        rig.f.prompter.answer(Prompter::Ok);
        rig.f.prompter.answer(Prompter::Ok);  // under 30 %: not recorded
        press(rig, Finished);
        QVERIFY(!rig.state.forms.isLoaded("ExamTest"));
        QCOMPARE(rig.state.exam.ExamElapsed * 1440, 1.5);
    }

    void resumedExamWithNothingRemainingBlinks()
    {
        ExamRig rig;
        rig.setNewExam(1, 3);
        ExamState& exam = rig.state.exam;
        for (int n = 1; n <= 3; ++n) {
            exam.ExamItems[n] = n;
            exam.ExamAnswers[n] = n;
        }
        exam.ExamUnsure[2] = 63;
        exam.ExamCurrentItem = 2;
        exam.ExamElapsed = 10 / 1440.0;
        ExamTest* window = dynamic_cast<ExamTest*>(rig.show("ExamTest"));

        QCOMPARE(rig.entries("ExamTest", 0), (QStringList{"   1  A", "   2  B?", "   3  C"}));
        QVERIFY(rig.entries("ExamTest", 1).isEmpty());
        QCOMPARE(rig.list("ExamTest", 0)->currentRow(), 1);
        QCOMPARE(window->windowTitle(), "Mock Exam I AM, Item 2 of 3");
        QCOMPARE(label(rig, 0), "Your Answer:  B?  (Unsure of Answer)");
        QCOMPARE(rig.button(Break)->text(), "&Break");
        QVERIFY(finishedFrame(rig)->isVisible());
        const int style = finishedFrame(rig)->borderStyle();
        window->timer2Tick();
        QVERIFY(finishedFrame(rig)->borderStyle() != style);
        window->timer2Tick();
        QCOMPARE(finishedFrame(rig)->borderStyle(), style);
        window->timer1Tick();
        QCOMPARE(label(rig, 1), "Time Remaining: 2:20:00");
    }

    void structuredExamResumedWithAllAnsweredStartsAtTheFirst()
    {
        ExamRig rig;
        rig.setNewExam(1, 3, 150, false, 1);
        ExamState& exam = rig.state.exam;
        for (int n = 1; n <= 3; ++n)
            exam.ExamItems[n] = exam.ExamAnswers[n] = n;
        exam.ExamCurrentItem = 3;
        rig.show("ExamTest");
        QCOMPARE(rig.exam()->windowTitle(), "Mock Exam I AM, Item 1 of 3");
        QCOMPARE(label(rig, 0), "Your Answer:  A");
    }

    void closeCaptionOfAResumedExam_data()
    {
        QTest::addColumn<bool>("vestora");
        QTest::addColumn<QString>("caption");
        QTest::newRow("Vestora") << true << "&Cancel";
        QTest::newRow("Praxelle") << false << "&Break";
    }
    void closeCaptionOfAResumedExam()
    {
        // Position 2 answered, position 1 not: the exam opens on position 1.
        QFETCH(bool, vestora);
        QFETCH(QString, caption);
        ExamRig rig(vestora ? vestoraEdition() : praxelleEdition());
        rig.setNewExam(1, 3);
        for (int n = 1; n <= 3; ++n)
            rig.state.exam.ExamItems[n] = n;
        rig.state.exam.ExamAnswers[2] = 4;
        rig.state.exam.ExamCurrentItem = 2;
        rig.show("ExamTest");
        QCOMPARE(rig.state.exam.ExamCurrentItem, 1);
        QCOMPARE(rig.button(Break)->text(), caption);

        // Cancelled or interrupted, the exam leaves the main menu up to date.
        QSignalSpy refreshed(&rig.state.mainMenu, &MainMenuLink::refreshRequested);
        press(rig, Break);
        QCOMPARE(refreshed.count(), 1);
    }

    void aDamagedResumeStillShowsItsItems()
    {
        // The window does not trust the state it is handed: an item number past the prepared
        // exams' items, and a fifth answer that no button stands for.
        ExamRig rig;
        rig.setNewExam(1, 2);
        ExamState& exam = rig.state.exam;
        exam.ExamItems[1] = rig.state.edition.ReviewItemCapacity;
        exam.ExamItems[2] = 2;
        exam.ExamAnswers[1] = 5;
        exam.ExamCurrentItem = 1;
        rig.show("ExamTest");
        QCOMPARE(exam.ExamCurrentItem, 2);
        QVERIFY(rig.button(Next)->isEnabled());  // the one entry left is also the last

        clickEntry(rig, 0, 0);
        QCOMPARE(exam.ExamCurrentItem, 1);
        QCOMPARE(rig.exam()->windowTitle(), "Mock Exam I AM, Item 1 of 2");
        QVERIFY(pane(rig)->Text().trimmed().isEmpty());
        for (int i = A; i <= D; ++i)
            QVERIFY(rig.button(i)->isEnabled());
    }

    void typedLettersAnswer()
    {
        ExamRig rig;
        rig.setNewExam(1, 5);
        rig.show("ExamTest");
        QTest::keyClick(pane(rig), 'b');
        QCOMPARE(rig.state.exam.ExamAnswers[1], 2);
        QTest::keyClick(rig.list("ExamTest", 1), 'D');
        QCOMPARE(rig.state.exam.ExamAnswers[1], 4);
        QTest::keyClick(rig.button(Next), 'x');  // discarded
        QCOMPARE(rig.state.exam.ExamAnswers[1], 4);
        QCOMPARE(rig.state.exam.ExamAnswerCount[1], 2);
        QCOMPARE(rig.state.exam.ExamCurrentItem, 1);
    }

    void breakInterruptsTheExam()
    {
        ExamRig rig;
        rig.setNewExam(1, 5);
        rig.show("ExamTest");
        press(rig, C);
        press(rig, Next);
        press(rig, Break);
        QCOMPARE(rig.state.exam.ExamCurrentItem, 2);
        QCOMPARE(rig.state.exam.ExamRecordNo, 2);
        QCOMPARE(int(rig.state.config().readRecord1().ExamRecordNo), 2);
        QVERIFY(!rig.state.forms.isLoaded("Results"));
        QVERIFY(rig.menu()->isEnabled());
    }

    void aBreakJustAfterTheTimeRanOutSavesNoMoreThanTheLimit()
    {
        ExamRig rig;
        rig.setNewExam(1, 5, 5);
        rig.show("ExamTest");
        press(rig, C);
        press(rig, Next);
        rig.f.clock.advance(5 * 60'000 + 150);  // expired, but the clock's tick has not come yet
        press(rig, Break);
        QCOMPARE(rig.state.exam.ExamElapsed, 5 / 1440.0);
        QCOMPARE(decodeExamRecord(record_file::read(rig.state.config().path(), 2), rig.state.edition).Minutes, 5.0f);
    }
};

REGISTER_TEST(ExamWindowTest)
#include "exam_window_test.moc"
