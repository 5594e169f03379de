// The progress spreadsheet: its rows from the score log, title cutting, the grid's sizes, and
// the printout, in both editions.
#include "review/progress_rows.h"
#include "review/progress_sheet.h"
#include "platform/record_file.h"
#include "shell/config_file.h"
#include "tests/support/app_fixture.h"
#include "tests/support/test_main.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

Q_DECLARE_METATYPE(const Edition*)

namespace {
const QDate Day1(2026, 3, 2);

// A score log as the program writes it: each result on a day of its own, from Day1 on.
ConfigRecord loggedRecord(const Edition& edition, const QList<std::pair<int, float>>& results)
{
    ConfigRecord record = decodeConfigRecord(QByteArray(RecordLength, '\0'), edition);
    initialiseFirstRun(record, edition, "Robin Q. Learner");
    for (int i = 0; i < results.size(); ++i)
        logScore(record, results[i].first, results[i].second, Day1.addDays(i));
    return record;
}

QString dayText(int i) { return Day1.addDays(i).toString("MM-dd-yyyy"); }

void bothEditions()
{
    QTest::addColumn<const Edition*>("edition");
    QTest::newRow("Vestora") << &vestoraEdition();
    QTest::newRow("Praxelle") << &praxelleEdition();
}

// The spreadsheet opened over a configuration file holding record.
struct SheetRig {
    SheetRig(const Edition& edition, const ConfigRecord& record) : f(edition)
    {
        f.state.forms.add("Navigator", [this] { return new Navigator(f.state); });
        f.state.config().writeRecord1(record);
        f.state.settings = loadSettings(record, edition);
    }
    ~SheetRig() { delete f.state.forms.find("Navigator"); }

    Form* open()
    {
        f.state.forms.show("Navigator");  // modeless here, so the test can work it
        return f.state.forms.find("Navigator");
    }
    template <class T>
    T* control(const QString& name) const
    {
        return f.state.forms.find("Navigator")->findChild<T*>(name);
    }
    void click(int button) const { control<QPushButton>(QStringLiteral("Command1(%1)").arg(button))->click(); }

    AppFixture f;
};
}  // namespace

class ProgressSheetTest : public QObject {
    Q_OBJECT
private slots:
    void rowsFromScoreLog_data() { bothEditions(); }
    void rowsFromScoreLog()
    {
        QFETCH(const Edition*, edition);
        const int custom = edition->TrackedSlotCount();
        // Topic 2 three times among other results, a lower score after a higher one on the
        // custom exam, and an entry naming no tracked slot.
        const ConfigRecord record = loggedRecord(
            *edition, {{2, 0.70f}, {custom, 0.9f}, {5, 0.55f}, {2, 0.80f}, {custom + 1, 1.0f}, {2, 0.80f},
                       {custom, 0.5f}, {1, 0.0f}});
        const QList<QStringList> rows = spreadsheetRows(record, *edition);

        QCOMPARE(rows.size(), custom);
        QCOMPARE(rows[1], (QStringList{edition->TopicTitles[2], dayText(0), "70.0%", " 3", "80.0%", dayText(5)}));
        QCOMPARE(rows[custom - 1],
                 (QStringList{"Custom Built", dayText(1), "90.0%", " 2", "90.0%", dayText(1)}));
        QCOMPARE(rows[0], (QStringList{edition->TopicTitles[1], dayText(7), "0.0%", " 1", "0.0%", dayText(7)}));
        QCOMPARE(rows[edition->TopicCount], (QStringList{edition->ExamTitles[1], "", "", " 0", "", ""}));

        // The first free entry ends the log, whatever follows it.
        ConfigRecord gap = loggedRecord(*edition, {{3, 0.6f}, {3, 0.7f}, {3, 0.8f}, {3, 0.9f}, {3, 0.95f}, {3, 1.0f}});
        gap.ScoreLogDates[5] = QByteArray(ScoreLogDateWidth, '\0');
        QCOMPARE(spreadsheetRows(gap, *edition)[2].mid(3), (QStringList{" 4", "90.0%", dayText(3)}));

        // A full log counts every entry, the last one included.
        const QList<std::pair<int, float>> full(edition->ScoreLogSize, {4, 0.5f});
        QCOMPARE(tallyScoreLog(loggedRecord(*edition, full), *edition)[4].Takes, qint64(edition->ScoreLogSize));
    }

    void titlesCut()
    {
        const QString title49(49, 'x');
        QCOMPARE(shortTitle(title49), title49);
        QCOMPARE(shortTitle(title49 + "y"), QString(46, 'x') + "...");
        // The one long title of the two courses, in the salesperson's edition.
        const Edition& praxelle = praxelleEdition();
        const QList<QStringList> rows = spreadsheetRows(loggedRecord(praxelle, {}), praxelle);
        QCOMPARE(rows[8][0], praxelle.TopicTitles[9].left(46) + "...");
    }

    void windowShowsAndSizesTheGrid_data() { bothEditions(); }
    void windowShowsAndSizesTheGrid()
    {
        QFETCH(const Edition*, edition);
        const ConfigRecord record = loggedRecord(*edition, {{1, 0.75f}, {edition->TopicCount + 1, 0.6f}});
        SheetRig rig(*edition, record);
        rig.f.state.PrinterFailed = true;
        // As loaded: rows of 300 twips, the five value columns 0.11 of the width each.
        rig.f.state.forms.load("Navigator");
        const auto* grid = rig.control<QTableWidget>("Grid1");
        QCOMPARE(grid->rowHeight(0), 20);
        QVERIFY(qAbs(grid->columnWidth(3) - 0.11 * grid->contentsRect().width()) <= 0.5);
        Form* sheet = rig.open();

        QCOMPARE(grid->rowCount(), edition->TrackedSlotCount());
        for (int c = 0; c < 6; ++c)
            QCOMPARE(grid->item(0, c)->text(), spreadsheetRows(record, *edition)[0][c]);
        QCOMPARE(grid->item(edition->TopicCount, 1)->text(), dayText(1));
        QCOMPARE(grid->currentRow(), 0);
        QCOMPARE(grid->currentColumn(), 1);
        QCOMPARE(rig.control<QLabel>("Label1(0)")->text(),
                 QString("Robin Q. Learner").leftJustified(30) + "\nTuesday, December 8, 2026");
        QVERIFY(!rig.control<QPushButton>("Command1(0)")->isEnabled());

        // After a resize the heading row is twice as high as a data row, the rows fill all but
        // two row heights, and the title column keeps 0.43 of the width.
        sheet->resize(1100, 900);
        QTRY_COMPARE(sheet->size(), QSize(1100, 900));
        const QSize inside = grid->contentsRect().size();
        const int row = grid->rowHeight(0);
        QCOMPARE(grid->horizontalHeader()->height(), 2 * row);
        QVERIFY(qAbs(row * (grid->rowCount() + 3) - inside.height()) <= grid->rowCount() + 3);
        QVERIFY(qAbs(grid->columnWidth(0) - 0.43 * inside.width()) <= 0.5);
        QVERIFY(qAbs(grid->columnWidth(5) - 0.13 * inside.width()) <= 0.5);

        sheet->move(120, 90);
        rig.click(2);  // Done
        QVERIFY(!rig.f.state.forms.isLoaded("Navigator"));
        QVERIFY(rig.f.state.FormLeft[7] != 0 || rig.f.state.FormTop[7] != 0);
    }

    void printout_data() { bothEditions(); }
    void printout()
    {
        QFETCH(const Edition*, edition);
        const ConfigRecord record = loggedRecord(*edition, {{1, 0.75f}, {1, 0.8f}, {edition->TopicCount, 1.0f}});
        SheetRig rig(*edition, record);
        rig.open();
        rig.f.printerDialog.cancel = true;  // Cancel prints nothing and says nothing
        rig.click(0);
        const RecordingPrinterDevice& printer = rig.f.printer;
        QVERIFY(printer.pages.isEmpty() && rig.f.prompter.shown.empty());

        rig.f.printerDialog.cancel = false;
        rig.f.printerDialog.copyCount = 2;
        rig.click(0);
        QCOMPARE(rig.f.printerDialog.shownFlags, (std::vector<int>{0x100004, 0x100004}));
        QCOMPARE(printer.documentsEnded, 1);
        QCOMPARE(printer.pages.size(), 2);
        QCOMPARE(printer.pages[0], printer.pages[1]);
        const QStringList page = printer.pages[0];
        const QString rule48 = QString(5, ' ') + QString(48, QChar(0x2014));
        QCOMPARE(page.mid(0, 4), (QStringList{"", "     Robin Q. Learner" + QString(14, ' '),
                                              "     Tuesday, December 8, 2026", rule48}));
        QCOMPARE(page[4], QString(44, ' ') + "Initial Date First Drill  Full     Highest       Date of");
        QCOMPARE(page[5], "      Topic Title                         of Topic Test     Score    Takes      Score     Highest Score");
        QCOMPARE(page[6], rule48);
        QCOMPARE(page.last(), rule48);

        // Row 1 on one line at its tab columns, then a thin rule in small plain type.
        const QString row1 = page[7];
        QCOMPARE(row1.mid(5, 39).trimmed(), edition->TopicTitles[1]);
        QCOMPARE(row1.mid(44), dayText(0) + "      75.0%       2       80.0%       " + dayText(1));
        QCOMPARE(page[8], QString(10, ' ') + QString(88, QChar(0x2014)));
        QCOMPARE(printer.lineFonts[0][8], (PrintFont{"Arial", 6, false}));
        QCOMPARE(printer.lineFonts[0][7], (PrintFont{"Arial", 11, true}));

        // A title that passes column 45 pushes the rest of its row to column 45 of the next line.
        const QString longTitle = shortTitle(edition->TopicTitles[edition->TopicCount]);
        const qsizetype at = page.indexOf(QString(5, ' ') + longTitle);
        QVERIFY(at > 0);
        QVERIFY(page[at + 1].startsWith(QString(44, ' ') + dayText(2)));
    }
};

REGISTER_TEST(ProgressSheetTest)
#include "progress_sheet_test.moc"
