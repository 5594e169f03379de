// The review test's rules without its window: closing drops or saves, judging counts, moving and
// lifelines, finishing.
#include "review/review_session.h"
#include "platform/durable_file.h"
#include "tests/review/quiz_rig.h"
#include "tests/support/test_main.h"

#include <QSignalSpy>
#include <QTest>

namespace {
// A review test of topic 1 on the rig's course, with no window.
struct SessionRig : QuizRig {
    SessionRig()
        : session(f.state.review, f.state.settings, f.state.text, f.state.config(), f.clock, f.random, f.tone)
    {
        f.state.review.CurrentTopic = 1;
    }
    // The first open choice other than the answer.
    int wrongChoice() const
    {
        for (int i = 0; i < 4; ++i)
            if (i != answer() && session.choiceOpen(i))
                return i;
        return -1;
    }
    ReviewSession session;
};

using Steps = std::function<void(SessionRig&)>;
}  // namespace

class ReviewSessionTest : public QObject {
    Q_OBJECT
private slots:
    void closingDropsOrSavesTheTest_data()
    {
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<int>("itemNo");  // after closing; 0: dropped
        QTest::addColumn<int>("records");
        const auto right = [](SessionRig& r) { r.session.answer(r.answer()); };
        const auto wrong = [](SessionRig& r) { r.session.answer(r.wrongChoice()); };
        QTest::newRow("nothing answered right") << Steps(wrong) << 0 << 1;
        QTest::newRow("first item right") << Steps(right) << 1 << 2;
        QTest::newRow("next item waits")
            << Steps([=](SessionRig& r) { right(r), r.session.next(), wrong(r); }) << 1 << 2;
        QTest::newRow("back on an answered item") << Steps([=](SessionRig& r) {
            right(r), r.session.next(), right(r), r.session.next(), right(r), r.session.previous();
        }) << 3 << 2;
    }
    void closingDropsOrSavesTheTest()
    {
        QFETCH(Steps, steps);
        QFETCH(int, itemNo);
        QFETCH(int, records);
        SessionRig rig;
        QVERIFY(rig.session.start());
        steps(rig);
        rig.session.close();
        const ReviewState& review = rig.f.state.review;
        QCOMPARE(review.ReviewItemNo, itemNo);
        QCOMPARE(rig.recordCount(), records);
        QCOMPARE(int(rig.record1().ReviewRecordNo), itemNo == 0 ? 0 : 2);
        if (itemNo != 0)
            QCOMPARE(rig.record(2).ItemsReached, qint16(itemNo));
    }

    // The progress shown counts the items reached, so going back never takes it back.
    void previousKeepsTheProgress()
    {
        SessionRig rig;
        rig.session.start();
        QSignalSpy progress(&rig.session, &ReviewSession::progressChanged);
        for (int i = 0; i < 2; ++i)
            rig.session.answer(rig.answer()), rig.session.next();
        const int reached = progress.last().at(0).toInt();
        rig.session.previous();
        rig.session.previous();
        QCOMPARE(progress.last().at(0).toInt(), reached);
        QVERIFY(reached > 0);
    }

    void aMissThenTheAnswerCountsOneWrongAndTwoTries()
    {
        SessionRig rig;
        rig.session.start();
        const ReviewState& review = rig.f.state.review;
        QSignalSpy tallies(&rig.session, &ReviewSession::tallyChanged);
        const int missed = rig.wrongChoice();
        rig.session.answer(missed);
        QVERIFY(!rig.session.choiceOpen(missed));
        rig.session.answer(missed);  // no longer open: no answer
        QCOMPARE(review.ReviewTally[ReviewState::Tries], 1);
        QCOMPARE(rig.session.statusTone(), ReviewSession::WrongTone);
        rig.session.answer(rig.answer());
        QCOMPARE(review.ReviewTally, (std::array<int, 5>{0, 0, 1, 2, 0}));
        QCOMPARE(tallies.count(), 2);
        QVERIFY(rig.session.itemAnswered());
        QVERIFY(!rig.session.dropsOnClose());

        // A free response covers the next miss, on the next item.
        rig.session.next();
        rig.session.offerLifelines();
        QVERIFY(rig.session.mayChoose(ReviewState::FreeResponse));
        rig.session.chooseLifeline(ReviewState::FreeResponse);
        rig.session.applyLifeline();
        rig.session.answer(rig.wrongChoice());
        rig.session.answer(rig.wrongChoice());
        QCOMPARE(review.ReviewTally, (std::array<int, 5>{0, 0, 2, 4, 0}));
        QCOMPARE(review.ReviewMisses[2], 1);
        // Two choices closed: no coin toss is left to offer.
        QVERIFY(!rig.session.mayChoose(ReviewState::CoinToss));
    }

    void finishingLogsTheScoreAndEndsTheTest()
    {
        SessionRig rig;
        rig.session.start();
        QSignalSpy offered(&rig.session, &ReviewSession::finishOffered);
        for (int item = 1; item <= 5; ++item) {
            if (item == 3)
                rig.session.answer(rig.wrongChoice());
            rig.session.answer(rig.answer());
            rig.session.next();
        }
        QCOMPARE(offered.count(), 1);  // Done at the last item only
        QVERIFY(rig.session.passing());  // 4 of 5 against 75
        QCOMPARE(rig.session.missed(), 1);

        // The score, the drill and the finished record are one save: when it fails, none of them
        // is in the file or in memory, and the save that follows logs the score once.
        rig.session.finish();
        durable_file::failAtStep(3);
        QSignalSpy noticed(&rig.session, &ReviewSession::noticed);
        rig.session.close();
        QCOMPARE(noticed.count(), 1);
        QCOMPARE(rig.record1().ScoreLogDates[1].at(0), '\0');
        QCOMPARE(rig.f.state.settings.TopicDrillLevel[1], 0);
        QCOMPARE(rig.record1().DrillLevels[1], 0);
        rig.session.close();
        QCOMPARE(rig.record1().ScoreLogDates[2].at(0), '\0');
        QCOMPARE(rig.f.state.settings.TopicDrillLevel[1], 1);
        QCOMPARE(rig.record1().DrillLevels[1], 1);
        QCOMPARE(rig.f.state.review.ReviewItemNo, 0);
        QCOMPARE(rig.record(2).ItemNo, qint16(5));
        QCOMPARE(rig.record1().ReviewRecordNo, 0);
        QCOMPARE(rig.record1().ScoreLogScores[1], 0.8f);

        // At the last drill a finished test is neither logged nor counted.
        SessionRig drilled;
        drilled.f.state.settings.TopicDrillLevel[1] = 3;
        drilled.session.start();
        for (int item = 1; item <= 5; ++item)
            drilled.session.answer(drilled.answer()), drilled.session.next();
        drilled.session.finish();
        drilled.session.close();
        QCOMPARE(drilled.f.state.settings.TopicDrillLevel[1], 3);
        QCOMPARE(drilled.record1().DrillLevels[1], 3);
        QCOMPARE(drilled.record1().ScoreLogDates[1].at(0), '\0');
    }
};

REGISTER_TEST(ReviewSessionTest)
#include "review_session_test.moc"
