// The mock-exam report card: its lines, totals, sorts, retakes, results view and printout, and the
// window's erasures, which reach the file only through the shared rewrite.
#include "exams/exam_card.h"
#include "exams/exam_card_rows.h"
#include "exams/results_report.h"
#include "platform/record_file.h"
#include "review/review_record.h"
#include "tests/exams/exam_rig.h"
#include "tests/support/test_files.h"
#include "tests/support/test_main.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QTest>

namespace {

// A finished exam whose position p names item p and holds codes[p - 1].
ExamRecord storedExam(const Edition& e, int choice, int examKind, const char* date, const std::vector<int>& codes,
                      float score = 0.5f)
{
    ExamRecord r;
    r.Kind = quint8(e.ExamRecordKind(choice));
    r.ExamKind = quint8(examKind);
    r.SavedDate = date;
    r.ItemCount = r.CurrentItem = qint16(codes.size());
    r.Score = score;
    r.TimeLimit = 90;
    r.Minutes = 61.5f;
    r.Scrambled = 1;
    r.Structured = 1;
    r.Topics.assign(size_t(e.TopicCount) + 1, 0);
    for (int p = 1; p <= int(codes.size()); ++p) {
        r.Items[p] = qint16(p);
        r.Codes[p] = quint8(codes[p - 1]);
        r.AnsweredCount += codes[p - 1] != 0;
        r.UnsureCount += isUnsureCode(codes[p - 1]);
    }
    return r;
}

std::vector<ExamCardRow> rowsOf(const std::vector<ExamRecord>& records)
{
    std::vector<ExamCardRow> rows;
    for (const ExamRecord& r : records)
        rows.push_back({r, int(rows.size()) + 1});
    return rows;
}

// A card loaded from a file of the given exams, in order.
ExamCard cardOf(const std::vector<ExamRecord>& records, const Edition& e)
{
    AppFixture f(e);
    ConfigImage image(f.state.config());
    image.setRecord(1, QByteArray(RecordLength, '\0'));
    for (const ExamRecord& r : records)
        image.setRecord(image.count() + 1, encodeExamRecord(r, e));
    ExamCard card(e);
    card.load(image);
    return card;
}

// The items a retake asks, in order.
std::vector<int> retaken(const ExamState& exam)
{
    return {exam.ExamItems.begin() + 1, exam.ExamItems.begin() + 1 + exam.ExamItemCount};
}

Form* openCard(ExamRig& rig)
{
    rig.state.forms.add("Scoring", [&rig] { return new Scoring(rig.state); });
    return rig.show("Scoring");
}

}  // namespace

class ExamCardRowsTest : public QObject {
    Q_OBJECT
private slots:
    void linesAndTotals()
    {
        const Edition& e = vestoraEdition();
        ExamRecord custom = storedExam(e, e.CustomExamNo(), e.CustomExamNo(), "01-11-2026", {1, 64, 0}, 0);
        QCOMPARE(exam_card::line(custom, e), "Custom        01-11-2026   0.0%      3        2        1      Yes      90   1:01:30");
        // Nothing right at all: the total's pattern prints no digit before the point.
        QCOMPARE(exam_card::totalsLine(exam_card::totals(rowsOf({custom}))).left(18), "Total:         .0%");
        QCOMPARE(exam_card::examTitle(e.RetakeUnsureKind(), e), "Retake Unsure ");
        QCOMPARE(exam_card::examTitle(2, praxelleEdition()), "Exam II       ");

        // 120 exams of 300 questions: sums past a 16-bit total, a day's time passed, thousands separated.
        ExamRecord big = storedExam(e, 1, 1, "02-01-2026", std::vector<int>(300, 1), 0.75f);
        big.Minutes = 150;
        const QString totals = exam_card::totalsLine(exam_card::totals(rowsOf(std::vector<ExamRecord>(120, big))));
        QCOMPARE(totals, "Total:       75.0% 36,000   36,000        0           10,800 300:00:00");
        // 22.5 seconds round up to the second.
        big.Minutes = 0.375f;
        QVERIFY(exam_card::totalsLine(exam_card::totals(rowsOf({big}))).endsWith(" 00:00:23"));
        // A time no exam takes is damage: in whole seconds it would overrun the total's 64 bits.
        big.Minutes = 3e38f;
        QVERIFY(!isSoundExamRecord(big, e));
    }

    void sortsKeepEachRowWhole()
    {
        const Edition& e = vestoraEdition();
        // Dates compare in time: 31 December comes before 1 January of the next year.
        ExamCard card = cardOf({storedExam(e, 1, 1, "12-31-2025", {1, 1, 0, 0}, 0.5f),
                                storedExam(e, 2, 2, "01-01-2026", {64, 64, 64, 1}, 1.0f),
                                storedExam(e, 3, 3, "06-15-2026", {69, 1}, 0.5f)}, e);
        const std::vector<ExamCardRow>& rows = card.rows();
        card.sort(exam_card::EarliestDate);
        QCOMPARE(rows[0].Record.SavedDate, "12-31-2025");
        card.select(1);
        card.sort(exam_card::PercentUnsure);  // 3 of 4, then 1 of 2, then none
        QCOMPARE(rows[0].RowId, 2);
        QCOMPARE(rows[1].Record.Codes[1], quint8(69));  // the record moved with its row
        QCOMPARE(card.selected(), 0);                   // and stays selected
        card.sort(exam_card::PercentCorrect);
        QCOMPARE(rows[0].Record.Score, 1.0f);
        card.select(3);  // past the last line: nothing selected
        QVERIFY(!card.selectedRow());
    }

    void retakesOfAPartlyAnsweredExam()
    {
        for (const Edition* e : {&vestoraEdition(), &praxelleEdition()}) {
            // Right, right and unsure, wrong and unsure, unanswered, wrong, a code naming a fifth answer.
            ExamRecord r = storedExam(*e, e->CustomExamNo(), e->CustomExamNo(), "03-01-2026", {2, 66, 72, 0, 7, 5});
            r.Topics[2] = r.Topics[e->TopicCount] = 1;
            ExamState exam;
            exam.ExamRecordNo = 7;
            exam_card::prepareRetake(exam, r, exam_card::UnsureQuestions, *e);
            QCOMPARE(retaken(exam), (std::vector<int>{2, 3}));
            QCOMPARE(exam.ExamKind, e->RetakeUnsureKind());
            QCOMPARE(exam.ExamChoice, e->CustomExamNo());  // stored under the exam it retakes, as a new record
            QCOMPARE(exam.ExamRecordNo, 0);
            QVERIFY(exam.ExamTimeLimit == 90 && exam.ExamScrambled && exam.ExamStructured == 1);
            std::vector<bool> topics(size_t(e->TopicCount) + 1, false);
            topics[2] = topics[e->TopicCount] = true;
            QCOMPARE(exam.ExamTopics, topics);
            exam_card::prepareRetake(exam, r, exam_card::MissedQuestions, *e);
            QCOMPARE(retaken(exam), (std::vector<int>{3, 4, 5}));  // the wrong ones and the unanswered one
            QCOMPARE(exam.ExamKind, e->RetakeMissedKind());

            exam_card::prepareResults(exam, r, *e);
            QCOMPARE(exam.ExamAnswers[3], 4);
            QCOMPARE(exam.ExamUnsure[3], UnsureMark);
            QCOMPARE(exam.ExamAnswers[6], 0);  // the damaged code shows unanswered
            QCOMPARE(exam.ExamElapsed * 1440, 61.5);
        }
    }

    void retakeChoicesFollowTheDrills()
    {
        const Edition& e = vestoraEdition();
        const ExamRecord allRight = storedExam(e, 1, 1, "03-01-2026", {1, 2, 3}, 1.0f);
        QCOMPARE(exam_card::retakeChoices(allRight, 0, 3, e), (std::array<bool, 3>{true, false, false}));
        const ExamRecord allUnsure = storedExam(e, 1, 1, "03-01-2026", {64, 70}, 0.5f);
        QCOMPARE(exam_card::retakeChoices(allUnsure, 2, 2, e), (std::array<bool, 3>{true, true, true}));
        QCOMPARE(exam_card::retakeChoices(allUnsure, 3, 2, e), (std::array<bool, 3>{false, true, false}));
        QCOMPARE(exam_card::retakeChoices(allUnsure, 3, 5, e), (std::array<bool, 3>{true, true, false}));
        const ExamRecord custom = storedExam(e, e.CustomExamNo(), e.CustomExamNo(), "03-01-2026", {64, 7}, 0.5f);
        QCOMPARE(exam_card::retakeChoices(custom, 3, 0, e), (std::array<bool, 3>{true, true, true}));
        const ExamRecord lastPrepared = storedExam(e, e.PreparedExamCount, e.PreparedExamCount, "03-01-2026", {64, 7});
        QCOMPARE(exam_card::retakeChoices(lastPrepared, 3, 2, e), (std::array<bool, 3>{false, true, true}));
        // The row looks its exam's drills and size up; course data without them has neither.
        std::vector<int> levels(size_t(lastPrepared.Kind) + 1, 0);
        levels[lastPrepared.Kind] = 3;
        const std::vector<std::array<int, 3>> counts(size_t(e.PreparedExamCount) + 1, {0, 0, 2});
        QCOMPARE(ExamCardRow{lastPrepared}.retakes({levels, counts}, e), (RetakeChoices{false, true, true}));
        const std::vector<int> noLevels;
        const std::vector<std::array<int, 3>> noCounts;
        QCOMPARE(ExamCardRow{lastPrepared}.retakes({noLevels, noCounts}, e), exam_card::retakeChoices(lastPrepared, 0, 0, e));
    }

    void printoutPagesAndTopics()
    {
        exam_card::Printout printout{"Mock Exam Report Card", {}, "Total:  totals"};
        for (int k = 1; k <= 60; ++k)
            printout.Exams.append({QStringLiteral("Exam I AM     line %1").arg(k), k == 2, k == 2 ? " 1, 2, 5" : ""});
        RecordingPrinterDevice printer;
        exam_card::print(printer, printout, 2);
        QCOMPARE(printer.pages.size(), 4);  // each copy starts on a page of its own
        const QStringList first = printer.pages[0];
        QCOMPARE(first[1], "Mock Exam Report Card");
        const QStringList custom = {"Exam I AM     line 2", QString(10, ' ') + "Topics Covered:  1, 2, 5", ""};
        QCOMPARE(first.mid(7, 3), custom);
        QCOMPARE(first.last(), "Exam I AM     line 52");  // the custom exam took three counted lines
        const QStringList second = printer.pages[1];
        QCOMPARE(second[1], "Mock Exam Report Card (cont.)");
        QCOMPARE(second[3], "Exam I AM     line 53");
        QCOMPARE(second.last(), QString(13, ' ') + "Total:  totals");
        QCOMPARE(printer.pages[2], first);
    }
};
REGISTER_TEST(ExamCardRowsTest)

class ExamCardWindowTest : public QObject {
    Q_OBJECT
private slots:
    // No exams yet, or a configuration file that cannot be read: that one is said and kept.
    void emptyCard_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("no exams") << "";
        QTest::newRow("a folder in its place") << "folder";
        QTest::newRow("larger than any") << "large";
    }
    void emptyCard()
    {
        QFETCH(QString, file);
        ExamRig rig;
        const QString path = rig.state.config().path();
        const qint64 largest = qint64(MostConfigRecords) * RecordLength;
        if (file == "folder")
            QVERIFY(QFile::remove(path) && QDir().mkdir(path));
        if (file == "large")
            QVERIFY(QFile(path).resize(largest + 1));  // sparse: nothing is written
        if (!file.isEmpty())
            rig.f.prompter.answer(Prompter::Ok);
        openCard(rig);
        QCOMPARE(rig.f.prompter.shown.size(), size_t(file.isEmpty() ? 0 : 1));
        if (!file.isEmpty()) {
            QCOMPARE(rig.f.prompter.shown[0].title, "File Cannot Be Read!");
            QVERIFY(rig.f.prompter.shown[0].text.contains(path));
        }
        QVERIFY(!rig.menu()->isEnabled());
        for (const char* name : {"Command1(0)", "Command1(1)", "Command1(4)", "Command1(5)", "Frame1", "Frame2"})
            QVERIFY2(!rig.control("Scoring", name)->isEnabled(), name);
        QCOMPARE(rig.control<QLabel>("Scoring", "Label1(10)")->text(), "Total:");
        rig.control<QPushButton>("Scoring", "Command1(2)")->click();
        QVERIFY(!rig.state.forms.isLoaded("Scoring"));
        QVERIFY(rig.menu()->isEnabled());
        QCOMPARE(QFileInfo(path).isDir(), file == "folder");
        QCOMPARE(QFileInfo(path).size() == largest + 1, file == "large");
    }

    void maximisedItFillsTheScreenInLargerPrint()
    {
        ExamRig rig;
        Form* card = openCard(rig);
        const auto listPoints = [card] { return card->findChild<QListWidget*>("List1")->font().pointSize(); };
        const int normal = listPoints();
        card->showMaximized();
        QTRY_VERIFY(card->isMaximised());
        const QRect screen = card->screen()->availableGeometry();
        QTRY_COMPARE(card->frameGeometry(), screen);
        QVERIFY(listPoints() > normal);
        // The larger print scrolls rather than widening the window past the smallest screen.
        const QSize smallest(800, 600);
        QVERIFY(smallest.expandedTo(card->minimumSizeHint()) == smallest);
    }

    // Erasures reach the file only through the save that a button asks for, in list order;
    // review records stay off the list, and so does a damaged exam, said once and kept last. An
    // exam of a kind the card does not know is listed.
    void eraseSaveAndViewResults()
    {
        ExamRig rig;
        const Edition& e = rig.state.edition;
        const QString path = rig.state.config().path();
        const std::vector<ExamRecord> exams = {storedExam(e, 1, 1, "01-05-2026", {1, 2, 3}, 0.9f),
                                               storedExam(e, 2, 2, "01-03-2026", {1, 0, 3}, 0.2f),
                                               storedExam(e, 1, 1, "01-04-2026", {1, 2, 5}, 0.6f)};
        ExamRecord damaged = exams[2];
        damaged.ItemCount = 999;
        const ExamRecord unknownKind = storedExam(e, 1, 0, "01-06-2026", {1, 2, 3}, 0.4f);
        const QList<QByteArray> records = {encodeExamRecord(exams[0], e), encodeReviewRecord({.Kind = 2}),
                                           encodeExamRecord(exams[1], e), encodeExamRecord(damaged, e),
                                           encodeExamRecord(exams[2], e), encodeExamRecord(unknownKind, e)};
        for (int n = 0; n < records.size(); ++n)
            record_file::write(path, n + 2, records[n]);
        const QByteArray before = readFile(path);

        const auto list = [&] { return rig.state.forms.find("Scoring")->findChild<QListWidget*>("List1"); };
        const auto click = [&](int index) {
            rig.control<QPushButton>("Scoring", QStringLiteral("Command1(%1)").arg(index))->click();
        };
        rig.f.prompter.answer(Prompter::Ok);
        openCard(rig);
        QCOMPARE(list()->count(), 4);
        QCOMPARE(list()->item(3)->text().left(14), QString("Retake Unsure "));
        click(1);  // erase the first line; the new first is selected
        QCOMPARE(list()->currentRow(), 0);
        rig.state.forms.find("Scoring")->close();  // the close box writes nothing and asks nothing
        QCOMPARE(rig.f.prompter.shown.size(), size_t(1));
        QCOMPARE(rig.f.prompter.shown[0].title, QString("Damaged Records Kept"));
        QCOMPARE(readFile(path), before);

        rig.f.prompter.answer(Prompter::Ok);
        openCard(rig);
        list()->setCurrentRow(2);
        click(1);
        rig.control<QRadioButton>("Scoring", "Option1(2)")->setChecked(true);  // highest score first
        rig.f.prompter.answer(Prompter::Yes);
        click(5);  // View Results saves first
        QCOMPARE(rig.f.prompter.shown.back().title, QString("Exam Data Erased!"));
        ConfigImage saved(rig.state.config());
        QCOMPARE(saved.count(), 6);
        QCOMPARE(saved.record(2).left(e.ExamRecordSize), encodeExamRecord(exams[2], e));
        QCOMPARE(saved.record(3).left(e.ExamRecordSize), encodeExamRecord(unknownKind, e));
        QCOMPARE(saved.record(4).left(e.ExamRecordSize), encodeExamRecord(exams[1], e));
        QCOMPARE(saved.record(6).left(e.ExamRecordSize), encodeExamRecord(damaged, e));

        // The selected exam, still selected after the sort, reaches the results window with its
        // code naming a fifth answer unanswered.
        QVERIFY(!rig.state.forms.isLoaded("Scoring") && rig.state.forms.isLoaded("Results"));
        QCOMPARE(rig.state.exam.ExamAnswers[2], 2);
        QCOMPARE(rig.state.exam.ExamAnswers[3], 0);
        // Its score too, so that leaving the results does not call a 60% exam a poor one.
        QVERIFY(!doneReminder(rig.state.exam.ExamScore, rig.state.CrLf).contains("less than 30%"));
    }

    void retakeStartsTheExam()
    {
        ExamRig rig(praxelleEdition());
        const Edition& e = rig.state.edition;
        record_file::write(rig.state.config().path(), 2, encodeExamRecord(storedExam(e, 2, 2, "01-05-2026", {1, 72, 0, 4}), e));
        openCard(rig);
        rig.control<QRadioButton>("Scoring", "Option2(1)")->setChecked(true);
        rig.control<QPushButton>("Scoring", "Command1(4)")->click();
        QVERIFY(!rig.state.forms.isLoaded("Scoring") && rig.exam());
        QCOMPARE(rig.state.exam.ExamKind, e.RetakeMissedKind());
        QCOMPARE(retaken(rig.state.exam), (std::vector<int>{2, 3}));
        QVERIFY(rig.exam()->windowTitle().endsWith("of 2"));
    }
};
REGISTER_TEST(ExamCardWindowTest)
#include "exam_card_test.moc"
