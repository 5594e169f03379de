// The review-test report card: its lines and totals over a history of both editions, the sorts
// and the selection, the retakes it allows and prepares, erasing and leaving, and the printout.
#include "platform/durable_file.h"
#include "review/review_card.h"
#include "review/review_window.h"
#include "tests/support/app_fixture.h"
#include "tests/support/test_files.h"
#include "tests/support/test_main.h"

#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <cmath>
#include <numeric>
#include <tuple>

namespace {
// A finished test of topic with count positions holding items 1, 2, ...; misses lists
// (position, misses) pairs.
ReviewRecord finishedTest(int topic, const char* date, int count, float score,
                          const QList<std::pair<int, int>>& misses = {})
{
    ReviewRecord r{.Kind = quint8(topic), .SavedDate = date, .ItemCount = qint16(count), .TestType = 1,
                   .Score = score, .TriesPerItem = 1.25f, .Minutes = 12.5f};
    std::iota(r.Items.begin() + 1, r.Items.begin() + count + 1, qint16(1));
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
        f.state.forms.add("QuizSumm", [this] { return new QuizSumm(f.state); });
        f.state.forms.add("Quiz800", [this] { return new Quiz800(f.state); });
    }

    void add(const ReviewRecord& r) { image.setRecord(image.count() + 1, encodeReviewRecord(r)); }
    void open()
    {
        image.save();
        f.state.forms.show("QuizSumm");
    }
    QuizSumm* card() const { return dynamic_cast<QuizSumm*>(f.state.forms.find("QuizSumm")); }
    QListWidget* list() const { return card()->findChild<QListWidget*>("List1"); }
    // The list's lines, or the given columns of them.
    QStringList lines(int from = 0, int length = -1) const
    {
        QStringList lines;
        for (int i = 0; i < list()->count(); ++i)
            lines.append(list()->item(i)->text().mid(from, length));
        return lines;
    }
    QString selectedLine() const { return list()->currentItem() ? list()->currentItem()->text() : QString(); }
    QString label(const char* name) const { return card()->findChild<QLabel*>(name)->text(); }
    template <class T = QPushButton>
    T* control(const char* name, int index) const
    {
        return card()->findChild<T*>(QStringLiteral("%1(%2)").arg(name).arg(index));
    }
    void click(int button) const { control("Command1", button)->click(); }
    QByteArray fileBytes() const { return readFile(f.state.config().path()); }
    // The card's model over the records added so far, without a window.
    ReviewCard model() const
    {
        ReviewCard card(f.state.edition);
        card.load(image);
        return card;
    }
    RetakeLimits limits() const { return {f.state.settings.TopicDrillLevel, f.state.text.TopicItemCounts}; }

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
        rig.add(second);
        // Damaged records are left off, said once and kept aside: an item out of range, an impossible time.
        ReviewRecord bad = finishedTest(3, "02-01-2026", 10, 0.5f);
        bad.Items[4] = 0;
        rig.add(bad);
        bad.Items[4] = 4;
        bad.Minutes = std::nanf("");
        rig.add(bad);
        bad.Minutes = 1e30f;  // finite, but more than any test takes: it would overrun the totals
        rig.add(bad);
        // Kind 9: the first prepared exam of the broker edition, the ninth topic of the other.
        rig.add(finishedTest(9, "02-02-2026", 10, 1.0f));
        rig.f.prompter.answer(Prompter::Ok);
        rig.open();
        QCOMPARE(rig.f.prompter.shown.size(), size_t(1));
        QVERIFY(rig.f.prompter.shown[0].text.startsWith("3 saved records are damaged"));
        QCOMPARE(rig.card()->card().unshownRecords(),
                 (QList<QByteArray>{rig.image.record(4), rig.image.record(5), rig.image.record(6)}));

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

        // A long history overflows no total.
        const std::vector<ReviewCardRow> many(120, ReviewCardRow{finishedTest(1, "01-01-2026", 300, 0.75f), 0, 280});
        QVERIFY(review_card::totalsLine(review_card::totals(many)).startsWith(" Total:      75.0% 36,000   33,600      1.25"));
    }

    void anUnreadableFileIsSaidAndKept()
    {
        CardRig rig;
        const QString path = rig.f.state.config().path();
        QVERIFY(QDir().mkdir(path));  // a folder in its place
        rig.f.prompter.answer(Prompter::Ok);
        rig.f.state.forms.show("QuizSumm");
        QCOMPARE(rig.f.prompter.shown.size(), size_t(1));
        QCOMPARE(rig.f.prompter.shown[0].title, "File Cannot Be Read!");
        QVERIFY(rig.f.prompter.shown[0].text.contains(path));
        QVERIFY(rig.lines().isEmpty());
        rig.click(QuizSumm::DoneButton);
        QVERIFY(!rig.f.state.forms.isLoaded("QuizSumm"));
        QVERIFY(QFileInfo(path).isDir());
    }

    void sortsKeepTheSelectedTest()
    {
        CardRig rig;
        rig.add(finishedTest(3, "12-20-2025", 10, 0.6f, {{1, 2}, {2, 2}}));
        rig.add(finishedTest(1, "06-30-2025", 20, 0.9f, {{1, 2}, {2, 2}}));
        rig.add(finishedTest(4, "01-05-2026", 40, 0.7f, {{1, 2}}));
        rig.add(finishedTest(2, "03-11-2025", 10, 0.8f));
        ReviewCard card = rig.model();
        const auto dates = [&card] {
            QStringList dates;
            for (const ReviewCardRow& row : card.rows())
                dates.append(QString::fromLatin1(row.Test.SavedDate));
            return dates;
        };
        const QList<std::pair<int, QStringList>> orders = {
            {review_card::EarliestDate, {"03-11-2025", "06-30-2025", "12-20-2025", "01-05-2026"}},  // in time
            {review_card::LatestDate, {"01-05-2026", "12-20-2025", "06-30-2025", "03-11-2025"}},
            {review_card::PercentCorrect, {"06-30-2025", "03-11-2025", "01-05-2026", "12-20-2025"}},  // 90, 80, 70, 60
            {review_card::TopicSequence, {"06-30-2025", "03-11-2025", "12-20-2025", "01-05-2026"}},    // topics 1 to 4
            {review_card::PercentWildGuesses, {"12-20-2025", "06-30-2025", "01-05-2026", "03-11-2025"}},  // 2/10, 2/20, 1/40, 0
        };
        card.select(0);  // the 12-20-2025 test, first in the file
        for (const auto& [order, expected] : orders) {
            card.sort(order);
            QCOMPARE(dates(), expected);
            QCOMPARE(card.selectedRow()->Test.SavedDate, "12-20-2025");
        }
        card.select(4);  // past the last line: nothing selected
        QCOMPARE(card.selected(), -1);
        QVERIFY(!card.selectedRow() && card.allowedRetakes(rig.limits()) == RetakeChoices{});

        // The window opens sorted by date with the first line selected, names its topic and
        // forwards a sort, keeping the line selected.
        rig.open();
        QCOMPARE(rig.lines(15, 10), orders[0].second);
        QCOMPARE(rig.list()->currentRow(), 0);
        rig.list()->setCurrentRow(2);
        QCOMPARE(rig.label("Label3"), "Related Topic 3: " + vestoraEdition().TopicTitles[3]);
        rig.control<QRadioButton>("Option1", review_card::PercentCorrect)->click();
        QCOMPARE(rig.lines(15, 10), orders[2].second);
        QCOMPARE(rig.selectedLine().mid(15, 10), "12-20-2025");
    }

    void retakesAllowedAndPrepared()
    {
        CardRig rig;
        rig.f.state.settings.TopicDrillLevel[2] = 3;
        // 7 positions missed, 2 of them (5 and 33) wildly.
        const QList<std::pair<int, int>> misses = {{2, 1}, {5, 2}, {11, 1}, {20, 1}, {33, 3}, {40, 1}, {50, 1}};
        rig.add(finishedTest(1, "01-01-2026", 50, 0.86f, misses));
        rig.add(finishedTest(1, "01-02-2026", 5, 1.0f));            // nothing missed
        rig.add(finishedTest(2, "01-03-2026", 5, 0.8f, {{1, 1}}));  // all of a topic with 3 drills
        ReviewCard card = rig.model();
        const QList<RetakeChoices> allowed = {{true, true, true}, {true, false, false}, {false, true, false}, {true, true, true}};
        for (int line = 0; line < 3; ++line) {
            card.select(line);
            QCOMPARE(card.allowedRetakes(rig.limits()), allowed[line]);
        }
        ReviewCardRow oneWild{finishedTest(1, "01-04-2026", 5, 0.8f, {{4, 2}})};
        oneWild.WildGuesses = 1;
        QCOMPARE(review_card::retakeChoices(oneWild, 0, 50), (RetakeChoices{true, true, true}));  // one is enough
        // Course data without the topic's drills and items: none done, none to cover.
        const std::vector<int> noLevels;
        const std::vector<std::array<int, 3>> noCounts;
        QCOMPARE(oneWild.retakes({noLevels, noCounts}, vestoraEdition()), allowed[3]);

        // The window shows what the selected line allows and what the chosen include allows.
        rig.open();
        auto options = [&rig] {
            RetakeChoices enabled;
            for (int i = 0; i < 3; ++i)
                enabled[i] = rig.control<QRadioButton>("Option2", i)->isEnabled();
            return enabled;
        };
        QPushButton* retake = rig.control("Command1", QuizSumm::RetakeButton);
        rig.list()->setCurrentRow(2);
        QCOMPARE(options(), allowed[2]);
        QVERIFY(!retake->isEnabled());  // "All Questions" is chosen but not allowed here
        rig.control<QRadioButton>("Option2", 1)->click();
        QVERIFY(retake->isEnabled());
        rig.list()->setCurrentRow(0);
        QCOMPARE(options(), allowed[0]);
        retake->click();
        QVERIFY(!rig.f.state.forms.isLoaded("QuizSumm"));
        QCOMPARE(rig.f.state.forms.find("Quiz800")->findChild<QLabel*>("Label2")->text(),
                 "Retake of Missed Items\nItem 1 of 7");

        // 85 items stored in reverse order: each retake keeps that order, with one lifeline of
        // each kind per 40 items it includes.
        ReviewCardRow row{finishedTest(1, "01-01-2026", 85, 0.9f, misses)};
        std::reverse(row.Test.Items.begin() + 1, row.Test.Items.begin() + 86);
        std::vector<int> all(85);
        std::iota(all.rbegin(), all.rend(), 1);
        const QList<std::tuple<review_card::Include, std::vector<int>, int, int>> retakes = {
            {review_card::Include::AllQuestions, all, 2, 2},
            {review_card::Include::MissedQuestions, {84, 81, 75, 66, 53, 46, 36}, 3, 1},
            {review_card::Include::WildGuesses, {81, 53}, 4, 1},
        };
        for (const auto& [include, order, type, lifelines] : retakes) {
            ReviewState review;
            review_card::prepareRetake(review, row, include);
            const auto from = review.ReviewOrder.begin() + 1;
            QCOMPARE(std::vector<int>(from, from + review.ReviewItemCount), order);
            QCOMPARE(review.ReviewTestType, type);
            QCOMPARE(review.LifelinesLeft, (std::array<int, 4>{0, lifelines, lifelines, lifelines}));
        }
    }

    void erasingAndLeaving()
    {
        CardRig rig;
        rig.add(finishedTest(9, "01-01-2026", 10, 0.5f));  // an exam
        const QList<float> scores = {0.5f, 0.9f, 0.7f, 0.8f, 0.6f};
        for (int day = 1; day <= 5; ++day)
            rig.add(finishedTest(day, qPrintable(QStringLiteral("01-0%1-2026").arg(day)), 10, scores[day - 1]));
        // The line above the erased one is selected, or the new first line; the kept records
        // follow the list.
        ReviewCard card = rig.model();
        card.select(3);
        card.eraseSelected();
        QCOMPARE(card.selectedRow()->Test.SavedDate, "01-03-2026");
        card.select(0);
        card.eraseSelected();
        QCOMPARE(card.selectedRow()->Test.SavedDate, "01-02-2026");
        QVERIFY(card.erased());
        QCOMPARE(card.keptRecords(), (QList<QByteArray>{rig.image.record(4), rig.image.record(5), rig.image.record(7)}));

        rig.open();
        const QByteArray before = rig.fileBytes();
        rig.list()->setCurrentRow(3);
        rig.click(QuizSumm::EraseButton);
        QVERIFY(rig.selectedLine().contains("01-03-2026"));
        // With every line erased only the sort frame stays enabled.
        while (rig.list()->count() > 0)
            rig.click(QuizSumm::EraseButton);
        QCOMPARE(rig.label("Label2"), "Total:");
        QCOMPARE(rig.label("Label3"), "Topic Number:");
        for (const char* off : {"Command1(0)", "Command1(1)", "Frame2"})
            QVERIFY(!rig.card()->findChild<QWidget*>(off)->isEnabled());
        QVERIFY(rig.card()->findChild<QGroupBox*>("Frame1")->isEnabled());

        // The close box asks nothing and keeps the file.
        QVERIFY(rig.f.state.mainMenu.isLocked());
        rig.card()->close();
        QVERIFY(rig.f.prompter.shown.empty());
        QCOMPARE(rig.fileBytes(), before);
        QVERIFY(!rig.f.state.mainMenu.isLocked());

        // Done, No: the card closes and the file stays too.
        rig.f.state.forms.show("QuizSumm");
        rig.click(QuizSumm::EraseButton);
        rig.f.prompter.answer(Prompter::No);
        rig.click(QuizSumm::DoneButton);
        QCOMPARE(rig.f.prompter.shown.at(0).text, "Save Changes to Report Card?");
        QCOMPARE(rig.f.prompter.shown.at(0).title, "Data Erased!");
        QVERIFY(!rig.f.state.forms.isLoaded("QuizSumm"));
        QCOMPARE(rig.fileBytes(), before);

        // Sorted by score with the 70% test erased: a failed save keeps the card open with its
        // erasure; Yes then saves the tests in the list's order, then the exam.
        rig.f.state.forms.show("QuizSumm");
        rig.control<QRadioButton>("Option1", review_card::PercentCorrect)->click();
        rig.list()->setCurrentRow(2);
        rig.click(QuizSumm::EraseButton);
        rig.f.prompter.answer(Prompter::Yes);
        rig.f.prompter.answer(Prompter::Ok);
        durable_file::failAtStep(1);
        rig.click(QuizSumm::DoneButton);
        durable_file::failAtStep(0);
        QCOMPARE(rig.f.prompter.shown.back().icon, Prompter::Critical);
        QCOMPARE(rig.fileBytes(), before);
        QVERIFY(rig.card() && rig.card()->card().erased());
        rig.f.prompter.answer(Prompter::Yes);
        rig.click(QuizSumm::DoneButton);
        QVERIFY(!rig.f.state.forms.isLoaded("QuizSumm"));
        const auto& image = rig.image;
        QCOMPARE(rig.fileBytes(), image.record(1) + image.record(4) + image.record(6) + image.record(7)
                                      + image.record(3) + image.record(2));
    }

    void printoutPagesAndCopies()
    {
        CardRig rig;
        for (int i = 1; i <= 60; ++i)
            rig.add(finishedTest(1 + i % 8, "05-01-2026", 10, 0.5f));
        rig.open();
        rig.f.printerDialog.copyCount = 2;
        rig.click(QuizSumm::PrintButton);

        // Each copy: 55 lines on its first page, the last 5 and the totals on the next.
        const QList<QStringList>& pages = rig.f.printer.pages;
        QCOMPARE(pages.size(), 4);
        QCOMPARE(pages.mid(2), pages.mid(0, 2));
        QStringList printed = rig.lines();
        printed.replaceInStrings(QRegularExpression("^"), "  ");
        QCOMPARE(pages[0].mid(0, 3), (QStringList{"", review_card::Caption, ""}));
        QVERIFY(pages[0][3].startsWith(QString(19, ' ') + "Date     Percent  Questions"));
        QCOMPARE(pages[0].mid(5), QStringList{QString(82, '-')} + printed.mid(0, 55));
        const QString indent(17, ' ');
        QCOMPARE(pages[1], (QStringList{"", review_card::Caption + " (cont.)", ""} + printed.mid(55)
                            + QStringList{indent + QString(65, '-'), indent + rig.label("Label2")}));
        QCOMPARE(rig.f.printer.font.points, 10.0);

        // Cancel in the printer dialog prints nothing.
        rig.f.printer.pages.clear();
        rig.f.printerDialog.cancel = true;
        rig.click(QuizSumm::PrintButton);
        QVERIFY(rig.f.printer.pages.isEmpty());
    }
};

REGISTER_TEST(ReviewCardTest)
#include "review_card_test.moc"
