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
        // custom exam, an entry naming no tracked slot, and topic 3 around a free entry, which
        // ends the log.
        ConfigRecord record = loggedRecord(*edition, {{2, 0.70f}, {custom, 0.9f}, {5, 0.55f}, {2, 0.80f},
                                                      {custom + 1, 1.0f}, {2, 0.80f}, {custom, 0.5f}, {1, 0.0f},
                                                      {3, 0.6f}, {3, 0.7f}, {3, 0.9f}});
        record.ScoreLogDates[10] = QByteArray(ScoreLogDateWidth, '\0');
        const QList<QStringList> rows = spreadsheetRows(record, *edition);

        QCOMPARE(rows.size(), custom);
        QCOMPARE(rows[1], (QStringList{edition->TopicTitles[2], dayText(0), "70.0%", " 3", "80.0%", dayText(5)}));
        QCOMPARE(rows[custom - 1], (QStringList{"Custom Built", dayText(1), "90.0%", " 2", "90.0%", dayText(1)}));
        QCOMPARE(rows[0], (QStringList{edition->TopicTitles[1], dayText(7), "0.0%", " 1", "0.0%", dayText(7)}));
        QCOMPARE(rows[2].mid(3), (QStringList{" 1", "60.0%", dayText(8)}));
        QCOMPARE(rows[edition->TopicCount], (QStringList{edition->ExamTitles[1], "", "", " 0", "", ""}));

        // A full log counts every entry, the last one included.
        const QList<std::pair<int, float>> full(edition->ScoreLogSize, {4, 0.5f});
        QCOMPARE(tallyScoreLog(loggedRecord(*edition, full), *edition)[4].Takes, qint64(edition->ScoreLogSize));

        const QString title49(49, 'x');
        QCOMPARE(shortTitle(title49), title49);
        QCOMPARE(shortTitle(title49 + "y"), QString(46, 'x') + "...");
    }

    // The window over a configuration file: the grid as loaded and resized, the printout, and
    // leaving.
    void windowGridAndPrintout_data() { bothEditions(); }
    void windowGridAndPrintout()
    {
        QFETCH(const Edition*, edition);
        const int last = edition->TopicCount;
        AppFixture f(*edition);
        f.state.forms.add("Navigator", [&f] { return new Navigator(f.state); });
        const ConfigRecord record = loggedRecord(*edition, {{1, 0.75f}, {1, 0.8f}, {last, 1.0f}, {last + 1, 0.6f}});
        f.state.config().writeRecord1(record);
        f.state.settings = loadSettings(record, *edition);
        auto button = [&f](int i) {
            return f.state.forms.find("Navigator")->findChild<QPushButton*>(QStringLiteral("Command1(%1)").arg(i));
        };

        f.state.forms.load("Navigator");
        Form* sheet = f.state.forms.find("Navigator");
        const auto* grid = sheet->findChild<QTableWidget*>("Grid1");
        QCOMPARE(grid->rowHeight(0), 20);
        QVERIFY(qAbs(grid->columnWidth(3) - 0.11 * grid->contentsRect().width()) <= 0.5);
        f.state.forms.show("Navigator");  // modeless here, so the test can work it
        QCOMPARE(grid->item(0, 0)->text(), edition->TopicTitles[1]);
        QCOMPARE(grid->item(last, 1)->text(), dayText(3));
        QCOMPARE(std::pair(grid->currentRow(), grid->currentColumn()), std::pair(0, 1));
        QCOMPARE(sheet->findChild<QLabel*>("Label1(0)")->text(),
                 QString("Robin Q. Learner").leftJustified(30) + "\nTuesday, December 8, 2026");

        // Resized, the rows fill all but two row heights, the heading row twice as high as the rest.
        sheet->resize(1100, 900);
        QTRY_COMPARE(sheet->size(), QSize(1100, 900));
        const QSize inside = grid->contentsRect().size();
        const int row = grid->rowHeight(0);
        QCOMPARE(grid->horizontalHeader()->height(), 2 * row);
        QVERIFY(qAbs(row * (grid->rowCount() + 3) - inside.height()) <= grid->rowCount() + 3);
        QVERIFY(qAbs(grid->columnWidth(0) - 0.43 * inside.width()) <= 0.5);
        QVERIFY(qAbs(grid->columnWidth(5) - 0.13 * inside.width()) <= 0.5);

        f.printerDialog.cancel = true;  // Cancel prints nothing and says nothing
        button(0)->click();
        QVERIFY(f.printer.pages.isEmpty() && f.prompter.shown.empty());
        f.printerDialog.cancel = false;
        f.printerDialog.copyCount = 2;
        button(0)->click();
        QCOMPARE(f.printerDialog.shownFlags, (std::vector<int>{0x100004, 0x100004}));
        QCOMPARE(f.printer.documentsEnded, 1);
        QCOMPARE(f.printer.pages.size(), 2);
        QCOMPARE(f.printer.pages[0], f.printer.pages[1]);
        const QStringList page = f.printer.pages[0];
        const QString rule48 = QString(5, ' ') + QString(48, QChar(0x2014));
        QCOMPARE(page.mid(0, 4), (QStringList{"", "     Robin Q. Learner" + QString(14, ' '),
                                              "     Tuesday, December 8, 2026", rule48}));
        QCOMPARE(page[4], QString(44, ' ') + "Initial Date First Drill  Full     Highest       Date of");
        QCOMPARE(page[5], "      Topic Title                         of Topic Test     Score    Takes      Score     Highest Score");
        QCOMPARE(page[6], rule48);
        QCOMPARE(page.last(), rule48);
        // Row 1 on one line at its tab columns, a thin rule in small plain type, then row 2 in
        // the table's type again.
        QCOMPARE(page[7].mid(5, 39).trimmed(), edition->TopicTitles[1]);
        QCOMPARE(page[7].mid(44), dayText(0) + "      75.0%       2       80.0%       " + dayText(1));
        QCOMPARE(page[8], QString(10, ' ') + QString(88, QChar(0x2014)));
        QCOMPARE(f.printer.lineFonts[0][8], (PrintFont{"Arial", 6, false}));
        QCOMPARE(f.printer.lineFonts[0][9], (PrintFont{"Arial", 11, true}));
        // A title that passes column 45, cut when long, pushes the rest of its row to the next line.
        const qsizetype at = page.indexOf(QString(5, ' ') + shortTitle(edition->TopicTitles[last]));
        QVERIFY(at > 0);
        QVERIFY(page[at + 1].startsWith(QString(44, ' ') + dayText(2)));

        sheet->move(120, 90);
        button(2)->click();  // Done
        QVERIFY(!f.state.forms.isLoaded("Navigator"));
        QVERIFY(f.state.FormLeft[7] != 0 || f.state.FormTop[7] != 0);
        f.state.PrinterFailed = true;
        f.state.forms.show("Navigator");
        QVERIFY(!button(0)->isEnabled());
    }
};

REGISTER_TEST(ProgressSheetTest)
#include "progress_sheet_test.moc"
