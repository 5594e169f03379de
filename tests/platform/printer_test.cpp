// The printer: the recording double's columns and pages, and the real device printing to a
// PDF file in a temporary folder (never to a printer).
#include "platform/qt_printer.h"
#include "platform/recording_printer.h"
#include "platform/rtf_reader.h"
#include "platform/runtime_error.h"
#include "tests/support/test_files.h"
#include "tests/support/test_main.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QFontInfo>
#include <QHash>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <functional>
#include <memory>

namespace {
int pdfPageCount(const QString& path)
{
    static const QRegularExpression pageObject(QStringLiteral("/Type\\s*/Page\\b(?!s)"));
    return int(QString::fromLatin1(readFile(path)).count(pageObject));
}

bool isFinishedPdf(const QString& path)
{
    const QByteArray bytes = readFile(path);
    return bytes.startsWith("%PDF") && bytes.trimmed().endsWith("%%EOF");
}

// Where each word of a PDF starts, in points from the top left of its page.
QHash<QString, QPointF> pdfWords(const QString& path)
{
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    tool.waitForFinished();
    static const QRegularExpression word(
        QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>([^<]*)</word>"));
    QHash<QString, QPointF> words;
    for (const auto& m : word.globalMatch(QString::fromUtf8(tool.readAllStandardOutput())))
        words.insert(m.captured(3), QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()));
    return words;
}

// The number of the run-time error the call raises; 0 when it raises none.
int printerErrorOf(const std::function<void()>& call)
{
    try {
        call();
    } catch (const RuntimeError& error) {
        return error.Number;
    }
    return 0;
}

// Runs action on the print dialog once it is open; a failed check there still closes it.
void whenDialogOpens(std::function<void(QPrintDialog&)> action)
{
    QTimer::singleShot(0, [action] {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        action(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
}
}  // namespace

class PrinterTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
        pdf_ = dir_->filePath("out.pdf");
    }

    // --- the recording double ---

    void recordingPlacesTextAtColumns()
    {
        RecordingPrinterDevice printer;
        printer.printAt(1, "ABCDEFGHIJK");  // reaches column 12
        printer.printAt(10, "X");           // beyond column 10: next line
        printer.endLine();
        printer.printAt(5, "abc");
        printer.printAt(8, "d");  // exactly at column 8: same line
        printer.endLine();
        printer.endLine();  // an empty line
        printer.printAt(6, "Exam Results\r\n     Pat Doe");
        printer.endLine();
        printer.endDocument();
        QCOMPARE(printer.pages.size(), 1);
        QCOMPARE(printer.pages[0], QStringList({"ABCDEFGHIJK", "         X", "    abcd", "",
                                                "     Exam Results", "     Pat Doe"}));
    }

    void recordingTakesPageBreaksWhenSomethingFollows()
    {
        RecordingPrinterDevice printer;
        printer.printAt(3, "one");
        printer.newPage();  // ends the open line on the first page
        printer.endLine();
        printer.printAt(1, "two");
        printer.newPage();
        printer.newPage();
        printer.printAt(1, "three");
        printer.newPage();
        printer.endDocument();  // no empty last page
        QCOMPARE(printer.pages, QList<QStringList>({{"  one"}, {"", "two"}, {}, {"three"}}));
        QCOMPARE(printer.documentsEnded, 1);

        printer.printAt(1, "next job");  // a new job starts on a page of its own
        printer.endDocument();
        QCOMPARE(printer.pages.size(), 5);
        QCOMPARE(printer.pages.last(), QStringList{"next job"});
    }

    void recordingKeepsEachLinesFont()
    {
        RecordingPrinterDevice printer;
        printer.setFont("Arial");
        printer.setFontSize(11);
        printer.setBold(true);
        printer.printAt(6, "Topic");
        printer.endLine();
        printer.setFontSize(6);
        printer.setBold(false);
        printer.printAt(11, QString(88, QChar(0x2014)));
        printer.endLine();
        printer.endDocument();
        QCOMPARE(printer.lineFonts[0],
                 QList<PrintFont>({{"Arial", 11, true}, {"Arial", 6, false}}));
    }

    void recordingFailsLikeAMissingPrinter()
    {
        RecordingPrinterDevice printer;
        printer.availableFonts = {"Courier", "Courier New"};
        QCOMPARE(printer.fontNames(), printer.availableFonts);
        printer.failing = true;
        QCOMPARE(printerErrorOf([&printer] { printer.fontNames(); }), RuntimeErrorNo::PrinterError);
        QCOMPARE(printerErrorOf([&printer] { printer.printAt(1, "x"); }), RuntimeErrorNo::PrinterError);
        QVERIFY(printer.pages.isEmpty());
    }

    // --- the real device, printing to a PDF file ---

    void windowsFontNamesResolveToInstalledFonts()
    {
        QtPrinting printing(pdf_);
        const QStringList names = printing.device().fontNames();
        QVERIFY(names.contains("Courier New"));
        QVERIFY(names.contains("Arial"));

        const QFont courier = printingFont("Courier New", 10, false);
        QVERIFY(QFontInfo(courier).fixedPitch());
        const QFontMetricsF metrics(courier);
        QCOMPARE(metrics.horizontalAdvance("iiiii"), metrics.horizontalAdvance("MMMMM"));
        QVERIFY(!QFontInfo(printingFont("Arial", 11, true)).fixedPitch());
        QVERIFY(QFontInfo(printingFont("Arial", 11, true)).bold());
    }

    void printsLinesAndDocumentsOnTheirOwnPages()
    {
        {
            QtPrinting printing(pdf_);
            PrinterDevice& printer = printing.device();
            printer.setFont("Courier New");
            printer.setFontSize(10);
            printer.printAt(1, "First page");
            printer.endLine();
            printer.newPage();
            printer.printAt(3, "Second page");
            printer.endLine();
            QTextDocument document;
            document.setPlainText("A document\nof two paragraphs");
            printer.printDocument(document);  // begins a page of its own
            printer.printDocument(document);
            printer.newPage();
            printer.endDocument();
        }
        QVERIFY(isFinishedPdf(pdf_));
        QCOMPARE(pdfPageCount(pdf_), 4);
    }

    void placesColumnsInAverageCharacterWidths()
    {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QtPrinting printing(pdf_);
        PrinterDevice& printer = printing.device();
        printer.setFont("Courier New");
        printer.setFontSize(10);
        printer.printAt(1, "ABCDEFGHIJK");
        printer.printAt(10, "X");
        printer.printAt(11, " Y");  // exactly at column 11: same line
        printer.endLine();
        printer.setFont("Arial");
        printer.setFontSize(11);
        printer.printAt(45, "Date");
        printer.endDocument();

        // Courier New at 10 points is 6 points a character; the left margin is half an inch.
        const auto words = pdfWords(pdf_);
        const QPointF first = words.value("ABCDEFGHIJK");
        const QPointF x = words.value("X");
        const QPointF y = words.value("Y");
        QVERIFY2(qAbs(first.x() - 36) < 0.5, qPrintable(QString::number(first.x())));
        QVERIFY2(qAbs(x.x() - (36 + 9 * 6)) < 0.5, qPrintable(QString::number(x.x())));
        QVERIFY(x.y() > first.y() + 10);  // on the next line
        QVERIFY(qAbs(y.y() - x.y()) < 0.5);
        QVERIFY(qAbs(y.x() - (36 + 11 * 6)) < 0.5);
        // Arial's average character width is 904/2048 of its size, as Windows gives it.
        const QPointF date = words.value("Date");
        QVERIFY2(qAbs(date.x() - (36 + 44 * 11 * 904.0 / 2048)) < 1, qPrintable(QString::number(date.x())));
    }

    void fullPageStartsTheNextOneByItself_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("pages");
        QTest::newRow("a full report page") << 67 << 1;
        QTest::newRow("one line more") << 68 << 2;
    }
    void fullPageStartsTheNextOneByItself()
    {
        QFETCH(int, lines);
        QFETCH(int, pages);
        QtPrinting printing(pdf_);
        printing.printer().setPageSize(QPageSize(QPageSize::Letter));
        PrinterDevice& printer = printing.device();
        printer.setFont("Courier New");
        printer.setFontSize(10);
        for (int i = 1; i <= lines; ++i) {
            printer.printAt(1, QString::number(i));
            printer.endLine();
        }
        printer.endDocument();
        QCOMPARE(pdfPageCount(pdf_), pages);
    }

    void jobLeftOpenEndsWhenTheCommandReturns()
    {
        QtPrinting printing(pdf_);
        QTextDocument document;
        document.setPlainText("Notes");
        printing.device().printDocument(document);
        printing.device().printDocument(document);  // a second copy, same job
        QVERIFY(!isFinishedPdf(pdf_));
        QTRY_VERIFY(isFinishedPdf(pdf_));
        QCOMPARE(pdfPageCount(pdf_), 2);
    }

    void documentsPrintAsOnScreenAndOnlyTheChosenPages()
    {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QtPrinting printing(pdf_);
        PrinterDevice& printer = printing.device();
        QTextDocument document;
        readRtf("{\\rtf1 Margin\\par\\pard\\li360 Indented\\par}", document);
        printer.printDocument(document);
        printer.endDocument();
        // 360 twips are a quarter of an inch, 18 points, on paper as on the screen.
        const double indent = pdfWords(pdf_).value("Indented").x() - pdfWords(pdf_).value("Margin").x();
        QVERIFY2(qAbs(indent - 18) < 1, qPrintable(QString::number(indent)));

        printing.printer().setPrintRange(QPrinter::PageRange);  // as the print dialog sets it
        printing.printer().setFromTo(2, 3);
        for (const char* page : {"First", "Second", "Third", "Fourth"}) {
            printer.printAt(1, page);
            printer.newPage();
        }
        printer.endDocument();
        QCOMPARE(pdfPageCount(pdf_), 2);
        QVERIFY(pdfWords(pdf_).contains("Second") && pdfWords(pdf_).contains("Third"));
        printer.printAt(1, "Next");  // the range was for that printout only
        printer.endDocument();
        QVERIFY(pdfWords(pdf_).contains("Next"));
    }

    void unwritableFileIsAPrinterError()
    {
        QtPrinting printing(dir_->filePath("missing/folder/out.pdf"));
        QCOMPARE(printerErrorOf([&printing] { printing.device().printAt(1, "x"); }),
                 RuntimeErrorNo::PrinterError);
    }

    // --- the real dialog ---

    void dialogOffersTheFileWithoutAPrinterAndReturnsCopies()
    {
        if (!QPrinterInfo::availablePrinters().isEmpty())
            QSKIP("a printer is installed; the dialog is only driven where it cannot reach one");
        QtPrinting printing(pdf_);
        const QString chosen = dir_->filePath("chosen.pdf");
        bool offersFile = false;
        bool offersSelection = true;
        whenDialogOpens([&offersFile, &offersSelection, chosen](QPrintDialog& dialog) {
            offersFile = dialog.testOption(QAbstractPrintDialog::PrintToFile);
            offersSelection = dialog.testOption(QAbstractPrintDialog::PrintSelection);
            auto* copies = dialog.findChild<QSpinBox*>("copies");
            auto* file = dialog.findChild<QLineEdit*>("filename");
            QVERIFY(copies && file);
            copies->setValue(3);
            file->setText(chosen);
            dialog.accept();
        });
        PrinterDialog& dialog = printing.dialog();
        QVERIFY(dialog.show(PrinterDialog::NoPrintToFile | PrinterDialog::NoSelection));
        QVERIFY(offersFile);
        QVERIFY(!offersSelection);
        QCOMPARE(dialog.copies(), 3);
        QCOMPARE(dialog.flags(), 0x100004);
        QCOMPARE(printing.printer().copyCount(), 1);  // the program prints the copies itself

        printing.device().printAt(1, "printed where the dialog said");
        printing.device().endDocument();
        QVERIFY(isFinishedPdf(chosen));
        QVERIFY(!QFile::exists(pdf_));
    }

    void dialogReportsSelectionAndCancel()
    {
        if (!QPrinterInfo::availablePrinters().isEmpty())
            QSKIP("a printer is installed; the dialog is only driven where it cannot reach one");
        QtPrinting printing(pdf_);
        whenDialogOpens([](QPrintDialog& dialog) {
            auto* selection = dialog.findChild<QAbstractButton*>("printSelection");
            QVERIFY(selection);
            QVERIFY(selection->isEnabled());
            selection->click();
            dialog.accept();
        });
        QVERIFY(printing.dialog().show(PrinterDialog::NoPrintToFile));
        QCOMPARE(printing.dialog().flags(), 0x100001);

        whenDialogOpens([](QPrintDialog& dialog) { dialog.reject(); });
        QVERIFY(!printing.dialog().show(PrinterDialog::NoPrintToFile));
    }

private:
    std::unique_ptr<QTemporaryDir> dir_;
    QString pdf_;
};

REGISTER_TEST(PrinterTest)
#include "printer_test.moc"
