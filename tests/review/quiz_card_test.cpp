// The review-test report card: its lines and totals over a history of both editions, the sorts
// and the selection, the retakes it allows and prepares, erasing and leaving, and the printout.
#include "exams/exam_record.h"
#include "platform/durable_file.h"
#include "review/quiz_card.h"
#include "review/review_window.h"
#include "tests/support/app_fixture.h"
#include "tests/support/test_main.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <cmath>
#include <tuple>

namespace {
// A finished test of topic with count positions holding items first, first + 1, ...; misses
// lists (position, misses) pairs.
ReviewRecord finishedTest(int topic, const char* date, int count, float score,
                          const QList<std::pair<int, int>>& misses = {}, int first = 1)
{
    ReviewRecord r;
    r.Kind = quint8(topic);
    r.SavedDate = date;
    r.ItemCount = qint16(count);
    r.TestType = 1;
    r.Score = score;
    r.TriesPerItem = 1.25f;
    r.Minutes = 12.5f;
    for (int p = 1; p <= count; ++p)
        r.Items[p] = qint16(first + p - 1);
    for (const auto& [position, times] : misses)
        r.Misses[position] = quint8(times);
    return r;
}

struct CardRig {
    explicit CardRig(const Edition& edition = vestoraEdition()) : f(edition), image(f.state.config())
    {
        f.loadCourse({50});
        ConfigRecord record = f.state.config().readRecord1();
        initialiseFirstRun(record, edition, "Pat Reader");
        image.setRecord(1, encodeConfigRecord(record, edition));
        f.state.settings = loadSettings(record, edition);
        f.state.settings.ScrambleItems = false;
        f.state.forms.add("QuizSumm", [this] { return new QuizSumm(f.state); });
        f.state.forms.add("Quiz800", [this] { return new Quiz800(f.state); });
    }

    void add(const ReviewRecord& r) { image.setRecord(image.count() + 1, encodeReviewRecord(r)); }
    void addExam(int choice)
    {
        ExamRecord exam;
        exam.Kind = quint8(f.state.edition.ExamRecordKind(choice));
        exam.SavedDate = "03-03-2026";
        exam.ItemCount = 10;
        exam.Topics.assign(f.state.edition.TopicCount + 1, 0);
        image.setRecord(image.count() + 1, encodeExamRecord(exam, f.state.edition));
    }
    void open()
    {
        image.save();
        f.state.forms.show("QuizSumm");
    }
    QuizSumm* card() const { return dynamic_cast<QuizSumm*>(f.state.forms.find("QuizSumm")); }
    QListWidget* list() const { return card()->findChild<QListWidget*>("List1"); }
    QStringList lines() const
    {
        QStringList lines;
        for (int i = 0; i < list()->count(); ++i)
            lines.append(list()->item(i)->text());
        return lines;
    }
    QString selectedLine() const { return list()->currentItem() ? list()->currentItem()->text() : QString(); }
    QString label(const char* name) const { return card()->findChild<QLabel*>(name)->text(); }
    template <class T = QPushButton>
    T* control(const char* name, int index) const
    {
        return card()->findChild<T*>(QStringLiteral("%1(%2)").arg(name).arg(index));
    }
    QByteArray fileBytes() const
    {
        QFile file(f.state.config().path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    AppFixture f;
    ConfigImage image;
};
}  // namespace

class ReviewCardTest : public QObject {
    Q_OBJECT
private slots:
    void linesAndTotalsOfAHistory_data()
    {
        QTest::addColumn<bool>("praxelle");
        QTest::newRow("Vestora") << false;
        QTest::newRow("Praxelle") << true;
    }
    void linesAndTotalsOfAHistory()
    {
        QFETCH(bool, praxelle);
        CardRig rig(praxelle ? praxelleEdition() : vestoraEdition());
        ReviewRecord first = finishedTest(2, "01-15-2026", 40, 0.85f, {{3, 1}, {9, 2}, {17, 3}});
        first.Scrambled = 1;
        first.Minutes = 59.6f;
        ReviewRecord second = finishedTest(5, "01-16-2026", 20, 0.5f, {{1, 1}});
        second.TestType = 3;
        second.TriesPerItem = 2.0f;
        second.Minutes = 0.4f;
        rig.add(first);
        rig.addExam(1);
        rig.add(second);
        // Damaged records are left off the card: an item out of range, an impossible time.
        ReviewRecord badItem = finishedTest(3, "02-01-2026", 10, 0.5f);
        badItem.Items[4] = 0;
        rig.add(badItem);
        ReviewRecord badTime = finishedTest(3, "02-01-2026", 10, 0.5f);
        badTime.Minutes = std::nanf("");
        rig.add(badTime);
        // Kind 9 is the first prepared exam of the broker edition, the ninth topic of the other.
        rig.add(finishedTest(9, "02-02-2026", 10, 1.0f));
        rig.open();

        const QStringList lines = rig.lines();
        QCOMPARE(lines.size(), praxelle ? 3 : 2);
        QCOMPARE(lines[0], "All Items      01-15-2026   85.0%     40        2      1.25     Yes     0:59:36");
        QCOMPARE(lines[1], "Retake Missed  01-16-2026   50.0%     20        0      2.00      No     0:00:24");
        if (praxelle) {
            QVERIFY(lines[2].startsWith("All Items      02-02-2026  100.0%     10"));
            QVERIFY(rig.label("Label2").startsWith(" Total:      77.1%     70        2      1.46"));
        } else {
            // Right: 34 + 10 of 60; tries: 50 + 40 of 60; 59.6 + 0.4 minutes carry to an hour.
            QCOMPARE(rig.label("Label2"), " Total:      73.3%     60        2      1.50             1:00:00");
        }

        QCOMPARE(cardTimeText(5.5), "0:05:30");
        QCOMPARE(cardTimeText(62.1f), "1:02:06");
        QCOMPARE(cardTimeText(60), "1:00:00");

        // A long history overflows no total.
        QList<ReviewCardRow> many(120);
        for (ReviewCardRow& row : many) {
            row.Test = finishedTest(1, "01-01-2026", 300, 0.75f);
            row.WildGuesses = 280;
        }
        QVERIFY(cardTotals(many).startsWith(" Total:      75.0% 36,000   33,600      1.25"));
    }

    void sortsKeepTheSelectedTest()
    {
        CardRig rig;
        rig.add(finishedTest(3, "12-20-2025", 10, 0.6f, {{1, 2}, {2, 2}}));
        rig.add(finishedTest(1, "06-30-2025", 20, 0.9f, {{1, 2}, {2, 2}}));
        rig.addExam(2);
        rig.add(finishedTest(4, "01-05-2026", 40, 0.7f, {{1, 2}}));
        rig.add(finishedTest(2, "03-11-2025", 10, 0.8f));
        rig.open();

        // Earliest first in time: December 2025 before January 2026.
        auto dates = [&rig] {
            QStringList dates;
            for (const QString& line : rig.lines())
                dates.append(line.mid(15, 10));
            return dates;
        };
        QCOMPARE(dates(), (QStringList{"03-11-2025", "06-30-2025", "12-20-2025", "01-05-2026"}));
        QCOMPARE(rig.list()->currentRow(), 0);
        QCOMPARE(rig.label("Label3"), "Related Topic 2: " + vestoraEdition().TopicTitles[2]);

        rig.list()->setCurrentRow(2);  // the December test of topic 3
        const QString chosen = rig.selectedLine();
        const QString topic = "Related Topic 3: " + vestoraEdition().TopicTitles[3];
        QCOMPARE(rig.label("Label3"), topic);
        const QList<std::pair<int, QStringList>> orders = {
            {1, {"01-05-2026", "12-20-2025", "06-30-2025", "03-11-2025"}},
            {2, {"06-30-2025", "03-11-2025", "01-05-2026", "12-20-2025"}},  // 90, 80, 70, 60 percent
            {3, {"06-30-2025", "03-11-2025", "12-20-2025", "01-05-2026"}},  // topics 1 to 4
            {4, {"12-20-2025", "06-30-2025", "01-05-2026", "03-11-2025"}},  // wild 2/10, 2/20, 1/40, 0
        };
        for (const auto& [option, expected] : orders) {
            rig.control<QRadioButton>("Option1", option)->click();
            QCOMPARE(dates(), expected);
            QCOMPARE(rig.selectedLine(), chosen);
            QCOMPARE(rig.label("Label3"), topic);
        }
    }

    void retakesAllowedAndPrepared()
    {
        CardRig rig;
        rig.f.state.settings.TopicDrillLevel[2] = 3;
        // 50 items of topic 1 stored in reverse order, 7 of them missed and 2 of those wildly.
        ReviewRecord missed = finishedTest(1, "01-01-2026", 50, 0.86f,
                                           {{2, 1}, {5, 2}, {11, 1}, {20, 1}, {33, 3}, {40, 1}, {50, 1}});
        for (int p = 1; p <= 50; ++p)
            missed.Items[p] = qint16(51 - p);
        rig.add(missed);
        rig.add(finishedTest(1, "01-02-2026", 5, 1.0f));                 // nothing missed
        rig.add(finishedTest(2, "01-03-2026", 5, 0.8f, {{1, 1}}));       // all of a topic with 3 drills
        rig.open();
        auto options = [&rig] {
            QList<bool> enabled;
            for (int i = 0; i < 3; ++i)
                enabled.append(rig.control<QRadioButton>("Option2", i)->isEnabled());
            return enabled;
        };
        QPushButton* retake = rig.control("Command1", QuizSumm::RetakeButton);

        rig.list()->setCurrentRow(1);
        QCOMPARE(options(), (QList<bool>{true, false, false}));
        QVERIFY(retake->isEnabled());
        rig.list()->setCurrentRow(2);
        QCOMPARE(options(), (QList<bool>{false, true, false}));
        QVERIFY(!retake->isEnabled());  // "All Questions" is chosen but not allowed here
        rig.control<QRadioButton>("Option2", 1)->click();
        QVERIFY(retake->isEnabled());

        // The missed items in their stored order, as a new record with one lifeline of each kind.
        rig.list()->setCurrentRow(0);
        QCOMPARE(options(), (QList<bool>{true, true, true}));
        retake->click();
        const ReviewState& review = rig.f.state.review;
        QCOMPARE(review.ReviewItemCount, 7);
        QCOMPARE(std::vector<int>(review.ReviewOrder.begin() + 1, review.ReviewOrder.begin() + 8),
                 (std::vector<int>{49, 46, 40, 31, 18, 11, 1}));
        QCOMPARE(review.ReviewTestType, 3);
        QCOMPARE(review.LifelinesLeft, (std::array<int, 4>{0, 1, 1, 1}));
        QCOMPARE(review.ReviewRecordNo, 0);
        QVERIFY(!rig.f.state.forms.isLoaded("QuizSumm"));
        Form* quiz = rig.f.state.forms.find("Quiz800");
        QVERIFY(quiz);
        QCOMPARE(quiz->findChild<QLabel*>("Label2")->text(), "Retake of Missed Items\nItem 1 of 7");
        QVERIFY(rig.f.state.mainMenu.isLocked());

        // The wild guesses alone; all of a long test with two lifelines of each kind.
        ReviewCardRow row;
        row.Test = missed;
        ReviewState wild;
        prepareRetake(wild, row, Include::WildGuesses);
        QCOMPARE(wild.ReviewItemCount, 2);
        QCOMPARE(std::vector<int>(wild.ReviewOrder.begin() + 1, wild.ReviewOrder.begin() + 3), (std::vector<int>{46, 18}));
        QCOMPARE(wild.ReviewTestType, 4);
        row.Test = finishedTest(1, "01-01-2026", 85, 0.5f);
        ReviewState all;
        prepareRetake(all, row, Include::AllQuestions);
        QCOMPARE(std::tuple(all.ReviewItemCount, all.ReviewOrder[85], all.ReviewTestType), std::tuple(85, 85, 2));
        QCOMPARE(all.LifelinesLeft, (std::array<int, 4>{0, 2, 2, 2}));
    }

    void erasingAndClosingKeepsTheFile()
    {
        CardRig rig;
        for (int day = 1; day <= 5; ++day)
            rig.add(finishedTest(day, QByteArray("01-0" + QByteArray::number(day) + "-2026").constData(), 10, 0.5f));
        rig.open();
        const QByteArray before = rig.fileBytes();
        QVERIFY(rig.f.state.mainMenu.isLocked());
        QPushButton* erase = rig.control("Command1", QuizSumm::EraseButton);

        rig.list()->setCurrentRow(3);
        erase->click();
        QCOMPARE(rig.list()->count(), 4);
        QCOMPARE(rig.list()->currentRow(), 2);
        QVERIFY(rig.selectedLine().contains("01-03-2026"));
        rig.list()->setCurrentRow(0);
        erase->click();
        QCOMPARE(rig.list()->currentRow(), 0);
        QVERIFY(rig.selectedLine().contains("01-02-2026"));
        QCOMPARE(rig.card()->card().keptRecords(),
                 (QList<QByteArray>{rig.image.record(3), rig.image.record(4), rig.image.record(6)}));

        // Erasing every line leaves the sort frame alone enabled.
        while (rig.list()->count() > 0)
            erase->click();
        QCOMPARE(rig.label("Label2"), "Total:");
        QCOMPARE(rig.label("Label3"), "Topic Number:");
        QVERIFY(!erase->isEnabled() && !rig.control("Command1", QuizSumm::PrintButton)->isEnabled());
        QVERIFY(!rig.card()->findChild<QGroupBox*>("Frame2")->isEnabled());
        QVERIFY(rig.card()->findChild<QGroupBox*>("Frame1")->isEnabled());

        // The close box asks nothing and keeps the file; the next opening lists every test.
        rig.card()->close();
        QVERIFY(rig.f.prompter.shown.empty());
        QCOMPARE(rig.fileBytes(), before);
        QVERIFY(!rig.f.state.mainMenu.isLocked());
        rig.f.state.forms.show("QuizSumm");
        QCOMPARE(rig.list()->count(), 5);
    }

    void doneSavesTheKeptLinesInListOrder()
    {
        CardRig rig;
        rig.add(finishedTest(1, "01-01-2026", 10, 0.5f));
        rig.addExam(1);
        rig.add(finishedTest(2, "01-02-2026", 10, 0.9f));
        rig.add(finishedTest(3, "01-03-2026", 10, 0.7f));
        rig.addExam(2);
        rig.add(finishedTest(4, "01-04-2026", 10, 0.8f));
        rig.open();
        const QByteArray before = rig.fileBytes();

        // No: the file stays as it was, and the card closes.
        rig.control("Command1", QuizSumm::EraseButton)->click();
        rig.f.prompter.answer(Prompter::No);
        rig.control("Command1", QuizSumm::DoneButton)->click();
        QCOMPARE(rig.f.prompter.shown.size(), size_t(1));
        QCOMPARE(rig.f.prompter.shown[0].text, "Save Changes to Report Card?");
        QCOMPARE(rig.f.prompter.shown[0].title, "Data Erased!");
        QVERIFY(!rig.f.state.forms.isLoaded("QuizSumm"));
        QCOMPARE(rig.fileBytes(), before);

        // Sorted by score with the 70% test erased, Yes: review tests first in the list's order.
        rig.f.state.forms.show("QuizSumm");
        rig.control<QRadioButton>("Option1", ReviewCard::PercentCorrect)->click();
        rig.list()->setCurrentRow(2);
        rig.control("Command1", QuizSumm::EraseButton)->click();
        // A save that fails keeps the card open with its erasure, to be saved again.
        rig.f.prompter.answer(Prompter::Yes);
        rig.f.prompter.answer(Prompter::Ok);
        durable_file::failAtStep(1);
        rig.control("Command1", QuizSumm::DoneButton)->click();
        durable_file::failAtStep(0);
        QCOMPARE(rig.fileBytes(), before);
        QVERIFY(rig.card() && rig.card()->card().erased());
        rig.f.prompter.answer(Prompter::Yes);
        rig.control("Command1", QuizSumm::DoneButton)->click();
        QVERIFY(!rig.f.state.forms.isLoaded("QuizSumm"));
        const ConfigImage saved(rig.f.state.config());
        QCOMPARE(saved.count(), 6);
        QCOMPARE(saved.record(1), rig.image.record(1));
        const QList<QByteArray> expected = {rig.image.record(4), rig.image.record(7), rig.image.record(2),
                                            rig.image.record(3), rig.image.record(6)};
        for (int i = 0; i < expected.size(); ++i)
            QCOMPARE(saved.record(i + 2), expected[i]);
    }

    void printoutPagesAndCopies()
    {
        CardRig rig;
        for (int i = 1; i <= 60; ++i)
            rig.add(finishedTest(1 + i % 8, "05-01-2026", 10, 0.5f));
        rig.open();
        rig.list()->setCurrentRow(7);
        rig.f.printerDialog.copyCount = 2;
        rig.control("Command1", QuizSumm::PrintButton)->click();

        const QList<QStringList>& pages = rig.f.printer.pages;
        QCOMPARE(pages.size(), 4);
        const QStringList lines = rig.lines();
        for (int copy : {0, 2}) {
            const QStringList& first = pages[copy];
            QCOMPARE(first.mid(0, 3), (QStringList{"", CardCaption, ""}));
            QVERIFY(first[3].startsWith(QString(19, ' ') + "Date     Percent  Questions"));
            QCOMPARE(first[5], QString(82, '-'));
            QCOMPARE(first.size(), 6 + 55);
            QCOMPARE(first[6], "  " + lines[0]);
            QCOMPARE(first.last(), "  " + lines[54]);
            const QStringList& second = pages[copy + 1];
            QCOMPARE(second.mid(0, 3), (QStringList{"", CardCaption + " (cont.)", ""}));
            QCOMPARE(second.size(), 3 + 5 + 2);
            QCOMPARE(second[7], "  " + lines[59]);
            QCOMPARE(second[8], QString(17, ' ') + QString(65, '-'));
            QCOMPARE(second[9], QString(17, ' ') + rig.label("Label2"));
        }
        QCOMPARE(rig.f.printer.font.points, 10.0);
        QCOMPARE(rig.list()->currentRow(), 7);

        // Cancel in the printer dialog prints nothing.
        rig.f.printer.pages.clear();
        rig.f.printerDialog.cancel = true;
        rig.control("Command1", QuizSumm::PrintButton)->click();
        QVERIFY(rig.f.printer.pages.isEmpty());
    }
};

REGISTER_TEST(ReviewCardTest)
#include "quiz_card_test.moc"
