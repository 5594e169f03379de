// The exam's rules without its window: the two lists and the moves between them, structured
// mode, the expiry of the clock, and what closing hands to the save.
#include "exams/exam_session.h"
#include "tests/exams/exam_rig.h"
#include "tests/support/test_main.h"

#include <QSignalSpy>
#include <QTest>

namespace {
using Save = std::pair<bool, bool>;  // cancelled, finished

// A session on prepared exam 1 whose saves are recorded instead of written.
struct SessionRig : ExamRig {
    SessionRig(int itemCount, int timeLimit, int structured)
    {
        setNewExam(1, itemCount, timeLimit, false, structured);
        session.start();
    }
    std::vector<int> list(ExamSession::List l) const { return session.positions(l); }

    std::vector<Save> saves;
    ExamSession session{state.exam, state.text, state.edition, f.clock, f.random, [this](bool cancelled, bool finished) {
                            saves.emplace_back(cancelled, finished);
                            return ExamClosing{};
                        }};
};
}  // namespace

class ExamSessionTest : public QObject {
    Q_OBJECT
private slots:
    void answersMoveBetweenTheListsAndDecideTheClose()
    {
        SessionRig untouched(3, 150, 0);
        untouched.session.close();
        QCOMPARE(untouched.saves, std::vector<Save>{Save(true, false)});  // nothing answered: nothing kept

        SessionRig rig(4, 150, 0);
        ExamSession& s = rig.session;
        const ExamState& exam = rig.state.exam;
        s.answer(1);
        s.next();
        QCOMPARE(rig.list(ExamSession::AnsweredList), std::vector<int>{1});
        QCOMPARE(rig.list(ExamSession::RemainingList), (std::vector<int>{2, 3, 4}));
        QCOMPARE(exam.ExamAnswered[1], 1);
        QCOMPARE(s.frameCaption(), " 1 Answered" + QString(10, ' ') + " 3 Remaining");
        QCOMPARE(s.progress(), 25);
        s.next();  // passed over
        QCOMPARE(exam.ExamCurrentItem, 3);
        QCOMPARE(s.selectedRow(ExamSession::RemainingList), 1);

        s.selectEntry(ExamSession::RemainingList, 2);  // the last of three
        QVERIFY(!s.nextEnabled());
        s.answer(3);
        s.previous();
        QCOMPARE(rig.list(ExamSession::AnsweredList), (std::vector<int>{1, 4}));
        QCOMPARE(exam.ExamCurrentItem, 3);

        // An answered entry is rewritten in place and stays selected.
        s.selectEntry(ExamSession::AnsweredList, 1);
        s.answer(2);
        s.toggleUnsure();
        QCOMPARE(s.entries(ExamSession::AnsweredList), (QStringList{"   1  B", "   4  C?"}));
        QCOMPARE(s.selectedRow(ExamSession::AnsweredList), 1);
        QCOMPARE(s.activeList(), ExamSession::AnsweredList);
        s.close();
        QCOMPARE(rig.saves, std::vector<Save>{Save(false, false)});

        // Answered out of order, the last remaining position last: the answered list keeps
        // position order, Next shows its last entry and Previous goes back from there.
        SessionRig last(3, 150, 0);
        ExamSession& l = last.session;
        l.selectEntry(ExamSession::RemainingList, 1);
        l.answer(1), l.next();
        l.selectEntry(ExamSession::RemainingList, 0);
        l.answer(0), l.next();
        QCOMPARE(last.list(ExamSession::AnsweredList), (std::vector<int>{1, 2}));
        l.answer(2), l.next();
        QCOMPARE(l.selectedRow(ExamSession::AnsweredList), 2);
        QVERIFY(!l.nextEnabled() && l.previousEnabled());
        l.previous();
        QCOMPARE(last.state.exam.ExamCurrentItem, 2);

        // On a one-entry list the focus goes to Next, never to the Previous that is off.
        SessionRig one(1, 150, 0);
        QSignalSpy focus(&one.session, &ExamSession::controlsChanged);
        one.session.answer(0), one.session.next();
        QCOMPARE(focus.count(), 2);
        for (const QList<QVariant>& arguments : std::as_const(focus))
            QCOMPARE(arguments.at(0).value<ExamSession::Focus>(), ExamSession::NextFocus);
    }

    void structuredAnswersNeedNextThenConfirm()
    {
        SessionRig rig(2, 150, 1);
        ExamSession& s = rig.session;
        QVERIFY(s.previousConfirms());
        QVERIFY(!s.listEnabled(ExamSession::RemainingList));
        s.next();  // no answer yet: nothing armed
        QVERIFY(!s.previousEnabled());
        s.answer(0);
        s.next();
        QVERIFY(s.previousEnabled() && !s.nextEnabled());
        QVERIFY(rig.list(ExamSession::AnsweredList).empty());
        s.previous();
        QCOMPARE(rig.list(ExamSession::AnsweredList), std::vector<int>{1});
        QCOMPARE(rig.state.exam.ExamCurrentItem, 2);

        QSignalSpy closing(&s, &ExamSession::closeRequested);
        s.answer(1);
        s.next();
        s.previous();
        QCOMPARE(closing.count(), 1);
        s.close();
        QCOMPARE(rig.saves, std::vector<Save>{Save(false, true)});
    }

    void expiryFreezesTheAnswersAndHoldsTheTimeToTheLimit()
    {
        SessionRig rig(3, 5, 0);
        ExamSession& s = rig.session;
        const ExamState& exam = rig.state.exam;
        s.answer(0);
        s.next();
        QSignalSpy expired(&s, &ExamSession::expired);
        QSignalSpy closing(&s, &ExamSession::closeRequested);
        rig.f.clock.advance(5 * 60'000 + 1000);
        s.tick();
        QCOMPARE(expired.count(), 1);

        s.answer(1);
        s.toggleUnsure();
        s.next();
        s.selectEntry(ExamSession::AnsweredList, 0);
        s.interrupt();
        QCOMPARE(QList<int>({exam.ExamAnswers[2], exam.ExamUnsure[2], exam.ExamCurrentItem, int(closing.count())}),
                 QList<int>({0, 0, 2, 0}));
        QVERIFY(!s.answerEnabled(1) && !s.wantsCaution() && s.itemRtf().isEmpty());

        rig.f.clock.advance(60'000);
        s.finish();
        s.close();
        QCOMPARE(exam.ExamElapsed, 5 / 1440.0);
        QCOMPARE(rig.saves, std::vector<Save>{Save(false, true)});
    }
};

REGISTER_TEST(ExamSessionTest)
#include "exam_session_test.moc"
