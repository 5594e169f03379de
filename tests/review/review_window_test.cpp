// The review-test window: judging and tallies, finishing with the score log and drill level,
// closing with its record, resuming, retakes, keys, clocks, the meter and the main menu.
#include "app/main_menu.h"
#include "shell/picture_window.h"
#include "tests/review/quiz_rig.h"
#include "tests/support/test_main.h"

#include <QFile>
#include <QImage>
#include <QProgressBar>
#include <QTest>
#include <QWindow>

namespace {
QByteArray integerBytes(qint16 value) { return QByteArray(reinterpret_cast<const char*>(&value), 2); }
QByteArray singleBytes(float value) { return QByteArray(reinterpret_cast<const char*>(&value), 4); }

// Answers every remaining item right, a first wrong answer before it where missFirst says so,
// stepping on with Next, up to the last item's explanation.
void answerAll(QuizRig& rig, const std::vector<bool>& missFirst)
{
    for (size_t i = 0; i < missFirst.size(); ++i) {
        if (missFirst[i])
            rig.answerWrong();
        rig.answerRight();
        if (i + 1 < missFirst.size())
            rig.next();
    }
}
}  // namespace

class ReviewTestWindowTest : public QObject {
    Q_OBJECT
private slots:
    void threeWrongAnswersCountOneWrongAndOneWildGuess()
    {
        QuizRig rig;
        rig.f.state.settings.SoundOnWrong = true;
        QVERIFY(rig.open());
        QCOMPARE(rig.quiz()->windowTitle(), vestoraEdition().TopicTitles[1]);
        QCOMPARE(rig.label("Label2"), "All Items Review Test\nItem 1 of 5");

        const int first = rig.answerWrong();
        QCOMPARE(rig.label("Label2"), QStringLiteral("<%1> is not the best choice. Try Again...").arg(QChar('A' + first)));
        QCOMPARE(rig.labelColour("Label2"), QColor(255, 0, 0));
        QVERIFY(!rig.button(first)->isEnabled());
        rig.answerWrong();
        const int third = rig.answerWrong();
        QCOMPARE(rig.label("Label2"),
                 QStringLiteral("<%1> is not the best choice either. Try Again...").arg(QChar('A' + third)));
        const ReviewState& review = rig.f.state.review;
        QCOMPARE(review.ReviewTally, (std::array<int, 5>{0, 0, 1, 3, 1}));
        QCOMPARE(review.ReviewMisses[1], 3);
        QCOMPARE(rig.label("Label4"), "Wrong: 1");
        QCOMPARE(rig.label("Label11"), "Wild Guesses: 1");
        QCOMPARE(rig.f.tone.beeps, (std::vector<RecordingTone::Beep>(3, {440, 200})));

        rig.answerRight();  // right at last, but the item was missed
        QCOMPARE(rig.label("Label2"), "<A> is the best choice.");
        QCOMPARE(rig.labelColour("Label2"), QColor(0, 128, 0));
        QCOMPARE(review.ReviewTally, (std::array<int, 5>{0, 0, 1, 4, 1}));
        QCOMPARE(rig.label("Label6"), "0.0%");
        QCOMPARE(rig.labelColour("Label6"), QColor(255, 0, 0));
        QVERIFY(rig.pane().contains("Topic 1 explanation 1."));
        QVERIFY(rig.button(Quiz800::Next)->isEnabled());
        QVERIFY(!rig.button(Quiz800::Previous)->isEnabled());  // nothing before item 1
        QCOMPARE(rig.button(Quiz800::Break)->text(), "&Break");
        for (int i = 0; i < 4; ++i)
            QVERIFY(!rig.button(i)->isEnabled());
    }

    void aNewTestTakesTheTopicsItems_data()
    {
        QTest::addColumn<int>("items");
        QTest::addColumn<int>("lifelines");
        QTest::newRow("39 items") << 39 << 1;
        QTest::newRow("40 items") << 40 << 2;
    }
    void aNewTestTakesTheTopicsItems()
    {
        QFETCH(int, items);
        QFETCH(int, lifelines);
        QuizRig rig(vestoraEdition(), items);
        rig.open(2);  // topic 2 follows topic 1's items
        const ReviewState& review = rig.f.state.review;
        QCOMPARE(review.ReviewItemCount, 5);
        QCOMPARE(review.ReviewOrder[1], items + 1);
        QCOMPARE(review.ReviewOrder[5], items + 5);
        rig.close();

        rig.f.state.settings.ScrambleItems = true;
        rig.open(1);
        QCOMPARE(review.ReviewItemCount, items);
        QCOMPARE(review.LifelinesLeft, (std::array<int, 4>{0, lifelines, lifelines, lifelines}));
        std::vector<int> order(review.ReviewOrder.begin() + 1, review.ReviewOrder.begin() + items + 1);
        QVERIFY(!std::is_sorted(order.begin(), order.end()));
        std::sort(order.begin(), order.end());
        for (int j = 1; j <= items; ++j)
            QCOMPARE(order[j - 1], j);
    }

    void sevenOfTenRightIsExactlySeventyAndADrill()
    {
        QuizRig rig(praxelleEdition(), 10);
        rig.open();
        answerAll(rig, {false, true, false, false, true, false, false, true, false, false});
        QCOMPARE(rig.label("Label6"), "70.0%");
        QCOMPARE(rig.labelColour("Label6"), QColor(0, 255, 0));
        QCOMPARE(rig.button(Quiz800::Next)->text(), "&Done");

        rig.f.prompter.answer(Prompter::Ok);
        rig.next();
        const auto& box = rig.f.prompter.shown.back();
        QCOMPARE(box.text, "Congratulations! You passed this review test.\r\nYou missed 3 questions.");
        QCOMPARE(box.title, "Finished");
        QCOMPARE(box.icon, Prompter::Exclamation);
        QVERIFY(!rig.quiz());
        QCOMPARE(rig.f.state.settings.TopicDrillLevel[1], 1);
        QCOMPARE(rig.f.state.review.ReviewItemNo, 0);

        // The completed record and record 1.
        QCOMPARE(rig.recordCount(), 2);
        const QByteArray bytes = rig.recordBytes(2);
        QCOMPARE(bytes.mid(11, 6), integerBytes(10) + integerBytes(10) + integerBytes(10));
        QCOMPARE(bytes.mid(18, 4), singleBytes(0.7f));
        QCOMPARE(bytes.mid(22, 4), singleBytes(1.3f));  // 13 tries over 10 items
        QCOMPARE(bytes.mid(31, 6), integerBytes(7) + integerBytes(3) + integerBytes(13));
        QCOMPARE(bytes.mid(640, 10), QByteArray("\0\1\0\0\1\0\0\1\0\0", 10));
        const ConfigRecord record1 = rig.record1();
        QCOMPARE(record1.ReviewRecordNo, 0);
        QCOMPARE(record1.DrillLevels[1], 1);
        QCOMPARE(record1.ScoreLogDates[1], QByteArray("12-08-2026"));
        QCOMPARE(record1.ScoreLogKinds[1], 1);
        QCOMPARE(record1.ScoreLogScores[1], 0.7f);
        QVERIFY(rig.f.prompter.unexpected.isEmpty());
    }

    void aTestFailedAgainstAHighPassMarkStillCounts()
    {
        QuizRig rig;  // Vestora: a drill from 75
        rig.f.state.settings.PassMarkChar = 90;
        rig.open();
        answerAll(rig, {false, false, true, false, false});
        rig.f.prompter.answer(Prompter::Cancel);
        rig.next();
        QVERIFY(rig.quiz());  // Cancel stays at the last item
        QCOMPARE(rig.f.state.settings.TopicDrillLevel[1], 0);

        rig.f.prompter.answer(Prompter::Ok);
        rig.next();
        const auto& box = rig.f.prompter.shown.back();
        QCOMPARE(box.text, "Sorry, you failed this review test.\r\nYou missed 1 question.");
        QCOMPARE(box.icon, Prompter::Question);
        QCOMPARE(rig.f.state.settings.TopicDrillLevel[1], 1);
        QCOMPARE(rig.record1().ScoreLogScores[1], 0.8f);
    }

    void cancelBeforeTheFirstRightAnswerSavesNothing()
    {
        QuizRig rig;
        rig.open();
        rig.answerWrong();
        QCOMPARE(rig.button(Quiz800::Break)->text(), "&Cancel");
        QVERIFY(rig.button(Quiz800::Break)->isEnabled());
        rig.button(Quiz800::Break)->click();
        QVERIFY(!rig.quiz());
        QCOMPARE(rig.f.state.review.ReviewItemNo, 0);
        QCOMPARE(rig.recordCount(), 1);
        QCOMPARE(rig.record1().ReviewRecordNo, 0);
    }

    void theFirstSaveWritesEveryField()
    {
        QuizRig rig;
        rig.open();
        rig.f.clock.advance(90'000);
        rig.answerRight();
        rig.next();
        rig.answerWrong();
        rig.f.clock.advance(30'000);
        rig.close();  // item 2 still waits

        QCOMPARE(rig.recordCount(), 2);
        const QByteArray bytes = rig.recordBytes(2);
        QCOMPARE(int(bytes[0]), 1);
        QCOMPARE(bytes.mid(1, 10), QByteArray("12-08-2026"));
        QCOMPARE(bytes.mid(11, 6), integerBytes(1) + integerBytes(1) + integerBytes(5));
        QCOMPARE(int(bytes[17]), 1);
        QCOMPARE(bytes.mid(18, 4), singleBytes(0.5f));
        QCOMPARE(bytes.mid(22, 4), singleBytes(0.4f));
        QCOMPARE(int(bytes[26]), 0);
        QCOMPARE(bytes.mid(27, 4), singleBytes(2.0f));  // 90 s to the answer, 30 s at the close
        QCOMPARE(bytes.mid(31, 6), integerBytes(1) + integerBytes(1) + integerBytes(2));
        QCOMPARE(bytes.mid(37, 3), QByteArray("\1\1\1"));
        for (int i = 1; i <= 5; ++i)
            QCOMPARE(bytes.mid(40 + 2 * (i - 1), 2), integerBytes(qint16(i)));
        QCOMPARE(bytes.mid(50, 2), integerBytes(0));
        QCOMPARE(bytes.mid(640, 6), QByteArray("\0\1\0\0\0\0", 6));
        const QByteArray record1 = rig.recordBytes(1);
        QCOMPARE(int(record1[5]), 2);
        QCOMPARE(int(record1[37]), 0);
    }

    void closingWhileAnItemWaitsResumesAtTheItemBefore()
    {
        QuizRig rig;
        rig.open();
        rig.answerRight();
        rig.next();
        rig.answerWrong();
        rig.close();
        const ReviewState& review = rig.f.state.review;
        QCOMPARE(review.ReviewItemNo, 1);
        QCOMPARE(review.ReviewItemsReached, 1);

        rig.open();
        QCOMPARE(rig.label("Label2"), "All Items Review Test\nItem 1 of 5  (Answer is A)");
        QVERIFY(rig.pane().contains("Topic 1 explanation 1."));
        QCOMPARE(rig.button(Quiz800::Break)->text(), "&Break");
        QVERIFY(!rig.button(Quiz800::Previous)->isEnabled());
        rig.next();
        QCOMPARE(rig.label("Label2"), "All Items Review Test\nItem 2 of 5");
        QVERIFY(rig.button(rig.answer())->isEnabled());
        QVERIFY(!rig.pane().contains("explanation 2"));
        rig.answerRight();
        QCOMPARE(review.ReviewTally[1], 1);  // the earlier miss still counts
        QCOMPARE(review.ReviewTally[2], 1);

        // Stepping back shows answered items with their answers.
        rig.button(Quiz800::Previous)->click();
        QCOMPARE(rig.label("Label2"), "All Items Review Test\nItem 1 of 5  (Answer is A)");
        rig.next();
        QCOMPARE(rig.label("Label2"), "All Items Review Test\nItem 2 of 5  (Answer is B)");
        rig.close();
        QCOMPARE(rig.recordCount(), 2);  // rewritten in place
        QCOMPARE(rig.record(2).ItemNo, 2);
    }

    void aRetakeIsAppendedAndNeverLogged()
    {
        QuizRig rig;
        rig.open();
        answerAll(rig, {true, false, true, false, false});
        rig.f.prompter.answer(Prompter::Ok);
        rig.next();
        const QByteArray retaken = rig.recordBytes(2);
        const ConfigRecord before = rig.record1();

        // The report card's retake of the missed items 1 and 3.
        ReviewState& review = rig.f.state.review;
        review.ReviewOrder[1] = 1;
        review.ReviewOrder[2] = 3;
        review.ReviewItemCount = 2;
        std::fill(review.ReviewMisses.begin(), review.ReviewMisses.end(), 0);
        review.ReviewTally = {};
        review.ReviewItemNo = 1;
        review.ReviewItemsReached = 0;
        review.ReviewElapsed = 0;
        review.ReviewScore = 0;
        review.ReviewTestType = 3;
        review.LifelinesLeft = {0, 1, 1, 1};
        rig.open();
        QCOMPARE(rig.label("Label2"), "Retake of Missed Items\nItem 1 of 2");
        QCOMPARE(rig.button(Quiz800::Break)->text(), "&Cancel");
        rig.answerRight();
        rig.close();
        QCOMPARE(rig.recordCount(), 3);
        QCOMPARE(rig.recordBytes(2), retaken);
        QCOMPARE(rig.record1().ReviewRecordNo, 3);
        QCOMPARE(rig.record(3).TestType, 3);

        rig.open();
        rig.next();
        rig.answerRight();
        rig.f.prompter.answer(Prompter::Ok);
        rig.next();
        QCOMPARE(rig.recordCount(), 3);
        QCOMPARE(rig.record(3).ItemNo, 2);
        const ConfigRecord after = rig.record1();
        QCOMPARE(after.ReviewRecordNo, 0);
        QCOMPARE(after.ScoreLogDates, before.ScoreLogDates);  // nothing more logged
        QCOMPARE(after.DrillLevels, before.DrillLevels);
    }

    void theMainMenuMovesToTheNextDrill()
    {
        QuizRig rig;
        rig.f.state.forms.add("ButtonMenu", [&rig] { return new ButtonMenu(rig.f.state); });
        rig.f.state.forms.show("ButtonMenu");
        Form* menu = rig.f.state.forms.find("ButtonMenu");
        auto* topicButton = menu->findChild<QPushButton*>("Command1(0)");
        QCOMPARE(topicButton->text(), vestoraEdition().TopicTitles[1] + " - 1st Drill");

        topicButton->click();
        QVERIFY(rig.quiz());
        QVERIFY(!menu->isEnabled());
        rig.answerRight();
        rig.close();
        QVERIFY(menu->isEnabled());
        QCOMPARE(menu->findChild<QPushButton*>("Option1(0)")->text().replace('\n', ' '), "Resume Topic 1 &Review, All Items");

        menu->findChild<QPushButton*>("Option1(0)")->click();  // resumes the test
        QVERIFY(rig.quiz());
        rig.next();
        answerAll(rig, {false, false, false, false});
        rig.f.prompter.answer(Prompter::Ok);
        rig.next();
        QVERIFY(!rig.quiz());
        QCOMPARE(menu->findChild<QPushButton*>("Option1(0)")->text(), "Topic &Review Test");
        QCOMPARE(topicButton->text(), vestoraEdition().TopicTitles[1] + " - 2nd Drill");
    }

    void aRecordNumberPastOneByteIsNeverStoredCut()
    {
        QuizRig rig;
        record_file::write(rig.configPath(), 256, QByteArray(RecordLength, '\0'));  // cut to a byte, 257 would read 1
        rig.open();
        rig.answerRight();
        rig.f.prompter.answer(Prompter::Ok);
        rig.close();
        QCOMPARE(rig.recordCount(), 257);
        QCOMPARE(rig.record(257).ItemNo, 1);
        QCOMPARE(rig.record1().ReviewRecordNo, 0);
        QCOMPARE(rig.f.prompter.shown.size(), size_t(1));
        QVERIFY(rig.f.prompter.shown[0].text.contains("too many records for it to be resumed after the program is closed"));

        // Still resumable in this run, and rewritten in place without asking again.
        QCOMPARE(rig.f.state.review.ReviewRecordNo, 257);
        rig.open();
        rig.next();
        rig.answerRight();
        rig.close();
        QCOMPARE(rig.recordCount(), 257);
        QCOMPARE(rig.record(257).ItemNo, 2);
        QCOMPARE(rig.f.prompter.shown.size(), size_t(1));
    }

    void itemsTheCourseLacksAreSkipped()
    {
        QuizRig rig;
        ReviewState& review = rig.f.state.review;
        review.CurrentTopic = 1;
        review.ReviewItemCount = 3;
        review.ReviewOrder[1] = 2;
        review.ReviewOrder[2] = 30000;
        review.ReviewOrder[3] = 4;
        review.ReviewItemNo = 1;
        review.ReviewItemsReached = 1;
        review.ReviewTestType = 1;
        review.ReviewTally = {0, 2, 0, 2, 0};  // counted with the item that is gone
        rig.f.state.forms.show("Quiz800");
        QCOMPARE(review.ReviewItemCount, 2);
        QCOMPARE(rig.label("Label3"), "Right: 1");
        rig.next();
        QCOMPARE(rig.label("Label2"), "All Items Review Test\nItem 2 of 2");
        QVERIFY(rig.pane().contains("Topic 1 question 4?"));

        // A test left with nothing to show cannot be taken and is dropped; once told, the user
        // is not offered it again.
        rig.close();
        QCOMPARE(rig.record1().ReviewRecordNo, 2);
        review.ReviewOrder[1] = review.ReviewOrder[2] = 0;
        rig.f.prompter.answer(Prompter::Ok);
        rig.f.state.forms.show("Quiz800");
        QVERIFY(!rig.quiz());
        QCOMPARE(review.ReviewItemNo, 0);
        QCOMPARE(rig.f.prompter.shown.back().icon, Prompter::Critical);
        QCOMPARE(review.ReviewRecordNo, 0);
        QCOMPARE(rig.record1().ReviewRecordNo, 0);
        QCOMPARE(rig.recordCount(), 2);
    }

    void lettersAnswerLikeTheButtons()
    {
        QuizRig rig;
        rig.open();
        auto* pane = rig.quiz()->findChild<RichTextBox*>("RichTextBox1");
        QTest::keyClick(pane, Qt::Key_B, Qt::NoModifier);
        QCOMPARE(rig.label("Label2"), "<B> is not the best choice. Try Again...");
        QTest::keyClick(pane, Qt::Key_B, Qt::NoModifier);  // its button is disabled now
        QTest::keyClick(rig.button(Quiz800::HelpButton), Qt::Key_D, Qt::AltModifier);  // not an answer
        QCOMPARE(rig.f.state.review.ReviewTally[3], 1);
        QVERIFY(pane->toPlainText().contains("Topic 1 question 1?"));  // typing changes nothing

        QTest::keyClick(rig.button(Quiz800::C), Qt::Key_A, Qt::NoModifier);
        QCOMPARE(rig.label("Label2"), "<A> is the best choice.");
        QTest::keyClick(pane, Qt::Key_D, Qt::NoModifier);  // the item is answered
        QCOMPARE(rig.f.state.review.ReviewTally[3], 2);
    }

    void clocksRunWhileAnItemWaits()
    {
        QuizRig rig;
        rig.f.state.settings.ShowClocks = true;
        Quiz800* quiz = rig.open();
        auto* timer = quiz->findChild<QTimer*>("Timer1");
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 200);
        rig.f.clock.advance(65'000);
        quiz->timer1Timer();
        QCOMPARE(rig.label("Label8"), "Item Time: 0:01:05");
        QCOMPARE(rig.label("Label7"), "Elapsed Time: 0:01:05");
        rig.answerRight();
        QVERIFY(!timer->isActive());
        rig.next();
        QVERIFY(timer->isActive());
        rig.f.clock.advance(10'000);
        quiz->timer1Timer();
        QCOMPARE(rig.label("Label8"), "Item Time: 0:00:10");
        QCOMPARE(rig.label("Label7"), "Elapsed Time: 0:01:15");
        QCOMPARE(quiz->findChild<QProgressBar*>("ProgressBar1")->value(), 40);
    }

    void theMeterShowsThePassingState()
    {
        QuizRig rig;
        rig.f.state.settings.PassMarkChar = 0;
        Quiz800* quiz = rig.open();
        auto* meter = quiz->findChild<ScoreMeter*>("Shape1");
        auto* handShake = quiz->findChild<QLabel*>("HandShake");
        QVERIFY(handShake->isVisibleTo(quiz));  // a pass mark of 0 passes from the start
        QCOMPARE(meter->colour(), QColor(0, 255, 0));
        QCOMPARE(rig.label("Label1"), "<----\n%");
        rig.close();

        rig.f.state.settings.PassMarkChar = 75;
        rig.open();
        meter = rig.quiz()->findChild<ScoreMeter*>("Shape1");
        handShake = rig.quiz()->findChild<QLabel*>("HandShake");
        QCOMPARE(rig.label("Label1"), "<----\n75%");
        rig.answerWrong();
        rig.answerRight();
        QVERIFY(!handShake->isVisibleTo(rig.quiz()));
        QCOMPARE(meter->colour(), QColor(255, 0, 0));
        rig.next();
        rig.answerRight();
        QCOMPARE(meter->score(), 0.5f);
    }

    void anItemsPictureIsShownWithIt()
    {
        QuizRig rig;
        rig.f.state.forms.add("PictForm", [&rig] { return new PictForm(rig.f.state); });
        rig.f.state.text.ItemPicture[2] = 1;  // "06048,0202,0151"
        QImage(202, 151, QImage::Format_RGB32).save(rig.f.state.path("Broker06048.gph"), "PNG");
        rig.open();
        QVERIFY(!rig.button(Quiz800::ViewPicture)->isEnabled());
        QVERIFY(!rig.f.state.forms.isLoaded("PictForm"));
        rig.answerRight();
        rig.next();
        QVERIFY(rig.button(Quiz800::ViewPicture)->isEnabled());
        QVERIFY(rig.f.state.forms.isLoaded("PictForm"));
        QCOMPARE(rig.f.state.forms.find("PictForm")->windowHandle()->transientParent(), rig.quiz()->windowHandle());

        rig.f.state.forms.unload("PictForm");
        QFile::remove(rig.f.state.path("Broker06048.gph"));
        rig.f.prompter.answer(Prompter::Ok);
        rig.button(Quiz800::ViewPicture)->click();  // a missing picture is reported, not fatal
        QVERIFY(rig.f.prompter.shown.back().text.startsWith("The picture for this item could not be shown."));
        rig.close();
        QVERIFY(!rig.f.state.forms.isLoaded("PictForm"));
    }
};

REGISTER_TEST(ReviewTestWindowTest)
#include "review_window_test.moc"
