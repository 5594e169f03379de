// The exam results: list entries, scoring summary, the printout's pages, and the window's Sort,
// Print and Done.
#include "exams/results_report.h"
#include "exams/results_window.h"
#include "platform/basic.h"
#include "platform/rich_text_box.h"
#include "app/main_menu.h"
#include "shell/picture_window.h"
#include "tests/exams/exam_items.h"
#include "tests/support/app_fixture.h"
#include "tests/support/test_main.h"

#include <QAbstractButton>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QTest>

namespace {

// The printed result rows of a page: the leading numbers of each row (one or two positions).
QList<QList<int>> rowsOf(const QStringList& page)
{
    QList<QList<int>> rows;
    for (const QString& line : page) {
        const QString text = line.trimmed();
        if (text.isEmpty() || !text.at(0).isDigit())
            continue;
        QList<int> positions;
        for (const QString& word : text.split(' ', Qt::SkipEmptyParts))
            if (word.at(0).isDigit())
                positions << word.toInt();
        rows << positions;
    }
    return rows;
}

ResultsPrintout samplePrintout()
{
    ResultsPrintout printout;
    printout.Title = printout.ContinuedTitle = "Mock Exam I AM";
    printout.UserName = "Pat Doe";
    printout.Now = basic::toSerial(QDateTime(QDate(2026, 12, 8), QTime(14, 5, 9)));
    printout.SummaryCaption = "Scoring Summary";
    printout.Summary = QStringList{"Answered", "Not Answered", "   Total", "Correct", "Unsure", "Time Used"};
    return printout;
}

// The results window over a 10-position exam, with the menu it disables.
struct ResultsRig {
    ResultsRig()
    {
        f.loadCourse();
        f.state.settings.UserName = "Pat Doe";
        f.state.forms.add("ButtonMenu", [this] { return new ButtonMenu(f.state); });
        f.state.forms.add("Results", [this] { return new Results(f.state); });
        f.state.forms.load("ButtonMenu");
        startExam(f.state, 10);
        f.state.exam.ExamCurrentItem = 0;
        f.state.exam.ExamElapsed = (62 * 60 + 5) / 86400.0;
    }
    Results* show()
    {
        f.state.forms.show("Results");
        return dynamic_cast<Results*>(f.state.forms.find("Results"));
    }
    template <class T>
    T* control(const QString& name) { return f.state.forms.find("Results")->findChild<T*>(name); }
    QListWidget* list() { return control<QListWidget>("List1"); }
    QAbstractButton* button(int index) { return control<QAbstractButton>(QStringLiteral("Command1(%1)").arg(index)); }

    AppFixture f;
};

}  // namespace

class ResultsWindowTest : public QObject {
    Q_OBJECT
private slots:
    void listEntriesAndSummary()
    {
        QCOMPARE(resultListEntry(7, 2, 3, 63), QString("  7   B    C?"));
        QCOMPARE(resultListEntry(7, 2, 0, 0), QString("  7   B    "));

        ExamState exam;
        exam.ExamItemCount = 8;
        for (int i = 1; i <= 8; ++i)
            exam.ExamKey[i] = 1;
        for (int i = 1; i <= 6; ++i)
            exam.ExamAnswers[i] = i <= 5 ? 1 : 2;  // five right, one wrong, two unanswered
        exam.ExamUnsure[6] = 63;
        exam.ExamUnsure[7] = 63;  // a mark on an unanswered position does not count
        const QStringList summary = scoringSummary(tallyResults(exam), 8, (62 * 60 + 5) / 86400.0);
        QCOMPARE(summary, QStringList({"Answered         6", "Not Answered     2", "   Total         8",
                                       "Correct          5   62.5%", "Unsure           1   12.5%",
                                       "Time Used     1:02:05"}));
    }

    void printoutPages_data()
    {
        QTest::addColumn<int>("items");
        QTest::addColumn<QList<int>>("rowsPerPage");
        QTest::addColumn<QList<int>>("firstRowPerPage");  // left and right position of each page's first row
        QTest::newRow("101") << 101 << QList<int>{51} << QList<int>{1, 52};
        QTest::newRow("110: the summary goes to a page of its own") << 110 << QList<int>{55, 0} << QList<int>{1, 56};
        QTest::newRow("111") << 111 << QList<int>{55, 1} << QList<int>{1, 56, 111};
        QTest::newRow("300") << 300 << QList<int>{55, 55, 40} << QList<int>{1, 56, 111, 166, 221, 261};
    }
    void printoutPages()
    {
        QFETCH(int, items);
        QFETCH(QList<int>, rowsPerPage);
        QFETCH(QList<int>, firstRowPerPage);
        ExamState exam;
        exam.ExamItemCount = items;
        for (int i = 1; i <= items; ++i)
            exam.ExamAnswers[i] = exam.ExamKey[i] = 2;
        RecordingPrinterDevice printer;
        printResults(printer, exam, samplePrintout(), 1);

        QCOMPARE(printer.pages.size(), rowsPerPage.size());
        QList<int> firstRows, printed;
        for (int page = 0; page < printer.pages.size(); ++page) {
            const QList<QList<int>> rows = rowsOf(printer.pages[page]);
            QCOMPARE(rows.size(), rowsPerPage[page]);
            QCOMPARE(resultRowsOnPage(items, page + 1), rowsPerPage[page]);
            if (!rows.isEmpty())
                firstRows << rows.first();
            for (const QList<int>& row : rows)
                printed << row;
            if (page > 0)
                QCOMPARE(printer.pages[page].first(), QString("     Mock Exam I AM  (cont.)"));
        }
        QCOMPARE(firstRows, firstRowPerPage);
        std::sort(printed.begin(), printed.end());
        QCOMPARE(printed.size(), items);  // every position once
        QCOMPARE(printed.last(), items);
        QVERIFY(printer.pages.last().contains("  Time Used"));
    }

    void printoutHeaderAndUnansweredPositions()
    {
        ExamState exam;
        exam.ExamItemCount = 3;
        exam.ExamKey[1] = exam.ExamKey[2] = exam.ExamKey[3] = 2;
        exam.ExamAnswers[1] = 2;
        exam.ExamUnsure[1] = 63;
        RecordingPrinterDevice printer;
        printResults(printer, exam, samplePrintout(), 2);

        QCOMPARE(printer.pages.size(), 2);  // each copy on a page of its own
        const QStringList page = printer.pages.first();
        QCOMPARE(page.mid(0, 6), QStringList({"     Mock Exam I AM Results", "     Pat Doe",
                                              "     Tuesday, December 8, 2026            2:05:09 PM", "",
                                              "          Correct     Your               Correct     Your     ",
                                              "  Item    Answer      Answer     Item    Answer      Answer   "}));
        QVERIFY(printer.lineFonts.first()[0].bold);
        // The key of an unanswered position is not disclosed, and a note says so.
        QCOMPARE(page[7], QString("     1       B          B?          3") + QString(20, ' '));
        QCOMPARE(page[8], QString("     2") + QString(20, ' '));
        QCOMPARE(page.mid(9, 2), QStringList({QString(30, '-'), "Note: Correct answer supplied only if question answered."}));
        QCOMPARE(page.mid(11, 3), QStringList({"", "     Scoring Summary", "  Answered"}));
        QVERIFY(printer.lineFonts.first()[12].bold);
        QVERIFY(!printer.lineFonts.first()[13].bold);
        QCOMPARE(printer.pages[1], page);
    }

    void loadShowsTheListTheSummaryAndTheFirstItem()
    {
        ResultsRig rig;
        ExamState& exam = rig.f.state.exam;
        answer(exam, 1, 'A');
        answer(exam, 2, 'C', 1, true);  // the key is B
        rig.f.state.PrinterFailed = true;
        rig.show();

        QVERIFY(!rig.f.state.forms.find("ButtonMenu")->isEnabled());
        QCOMPARE(rig.list()->count(), 10);
        QCOMPARE(rig.list()->item(1)->text(), QString("  2   B    C?"));
        QCOMPARE(rig.list()->item(9)->text(), QString(" 10   B    "));
        QCOMPARE(rig.control<QLabel>("Label1(3)")->text(), QString("Correct          1   10.0%"));
        QCOMPARE(rig.f.state.forms.find("Results")->windowTitle(), QString("Mock Exam I AM Results, Item 1"));
        QVERIFY(rig.control<RichTextBox>("RichTextBox1")->Text().contains("Question 1?"));
        QVERIFY(rig.control<RichTextBox>("RichTextBox1")->Text().contains("Explanation 1."));
        QVERIFY(!rig.button(0)->isEnabled());  // not scrambled: nothing to sort
        QVERIFY(!rig.button(1)->isEnabled());  // the printer failed at start-up

        rig.list()->setCurrentRow(6);
        QCOMPARE(rig.f.state.forms.find("Results")->windowTitle(), QString("Mock Exam I AM Results, Item 7"));

        rig.f.state.forms.unload("Results");
        QVERIFY(rig.f.state.forms.find("ButtonMenu")->isEnabled());
    }

    void sortPutsTheQuestionsBackInOrder()
    {
        ResultsRig rig;
        ExamState& exam = rig.f.state.exam;
        exam.ExamScrambled = true;
        const int scrambled[] = {0, 6, 3, 9, 1, 10, 2, 8, 4, 7, 5};
        for (int i = 1; i <= 10; ++i) {
            exam.ExamItems[i] = scrambled[i];
            answer(exam, i, keyOfItem(scrambled[i]), 1, scrambled[i] == 9);  // item 9 marked unsure
        }
        exam.ExamAnswers[5] = 1;  // item 10 answered A (its key is B)
        rig.show();
        rig.list()->setCurrentRow(2);  // item 9
        rig.button(0)->click();

        for (int i = 1; i <= 10; ++i)
            QCOMPARE(exam.ExamItems[i], i);
        QCOMPARE(rig.list()->item(8)->text(), QString("  9   A    A?"));
        QCOMPARE(rig.list()->item(9)->text(), QString(" 10   B    A"));
        QCOMPARE(rig.list()->currentRow(), 8);  // the same item stays shown
        QCOMPARE(rig.f.state.forms.find("Results")->windowTitle(), QString("Mock Exam I AM Results, Item 9"));
        QVERIFY(rig.control<RichTextBox>("RichTextBox1")->Text().contains("Question 9?"));
        QVERIFY(!rig.button(0)->isEnabled());
    }

    void customExamItemsShowTheirPictures()
    {
        ResultsRig rig;
        AppState& state = rig.f.state;
        state.forms.add("PictForm", [&state] { return new PictForm(state); });
        state.exam.ExamChoice = state.edition.CustomExamNo();
        for (int k = 1; k <= 10; ++k)
            state.text.ReviewItems[k] = examItem(k);
        state.text.ItemPicture[2] = 1;  // the edition's first picture
        const PictureSpec size = parsePictureSpec(state.edition.PictureSpecs[1]);
        QImage picture(size.Width, size.Height, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        QVERIFY(picture.save(state.path(itemPictureFile(state.edition, size)), "PNG"));
        rig.show();
        QVERIFY(!rig.button(6)->isEnabled());

        rig.list()->setCurrentRow(1);
        QCOMPARE(state.forms.find("Results")->windowTitle(), QString("Custom Built Results, Item 2"));
        QVERIFY(state.forms.isLoaded("PictForm"));
        QVERIFY(rig.button(6)->isEnabled());
        state.forms.unload("PictForm");
        rig.button(6)->click();  // View Picture brings it back
        QVERIFY(state.forms.isLoaded("PictForm"));

        rig.list()->setCurrentRow(2);
        QVERIFY(!state.forms.isLoaded("PictForm"));
        QVERIFY(!rig.button(6)->isEnabled());
    }

    void doneRemindsBeforeClosing_data()
    {
        QTest::addColumn<float>("score");
        QTest::addColumn<QString>("note");
        QTest::newRow("29%") << 0.29f << "Note: You scored less than 30% correct. Therefore, the results of this "
                                         "test have not been added to your report card.";
        QTest::newRow("30%") << 0.3f << "Note: You can review the results of this test later using the report card.";
    }
    void doneRemindsBeforeClosing()
    {
        QFETCH(float, score);
        QFETCH(QString, note);
        ResultsRig rig;
        rig.f.state.exam.ExamScore = score;
        rig.f.state.exam.ExamCurrentItem = 3;
        rig.show();

        rig.f.prompter.answer(Prompter::Cancel);
        rig.button(4)->click();
        QVERIFY(rig.f.state.forms.isLoaded("Results"));
        QCOMPARE(rig.f.state.exam.ExamCurrentItem, 3);
        const ScriptedPrompter::Shown& shown = rig.f.prompter.shown.back();
        QCOMPARE(shown.text, note + "\r\nPress O.K. to stop viewing scoring results or Cancel to keep working.");
        QCOMPARE(shown.title, QString("Caution..."));
        QCOMPARE(shown.buttons, Prompter::OkCancel);

        rig.f.prompter.answer(Prompter::Ok);
        rig.button(4)->click();
        QVERIFY(!rig.f.state.forms.isLoaded("Results"));
        QCOMPARE(rig.f.state.exam.ExamCurrentItem, 0);
    }

    void printOncePerShowing()
    {
        ResultsRig rig;
        rig.f.state.PrinterFontName = "Courier New";
        rig.show();

        rig.f.printerDialog.cancel = true;
        rig.button(1)->click();
        QVERIFY(rig.f.printer.pages.isEmpty());
        QVERIFY(rig.button(1)->isEnabled());  // a cancelled dialog leaves Print as it was

        rig.f.printerDialog.cancel = false;
        rig.f.printerDialog.copyCount = 3;
        rig.button(1)->click();
        QCOMPARE(rig.f.printerDialog.shownFlags.back(), 0x100004);
        QCOMPARE(rig.f.printer.pages.size(), 3);
        QCOMPARE(rig.f.printer.lineFonts.first().first(), (PrintFont{"Courier New", 10, true}));
        QVERIFY(!rig.button(1)->isEnabled());
    }
};

REGISTER_TEST(ResultsWindowTest)
#include "results_window_test.moc"
