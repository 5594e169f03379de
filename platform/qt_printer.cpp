#include "platform/qt_printer.h"

#include "platform/runtime_error.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QScreen>
#include <QStandardPaths>
#include <QTextDocument>
#include <memory>

namespace {
// The fonts the program names, and the fonts with the same character widths installed here.
const std::pair<const char*, const char*> windowsFonts[] = {
    {"Courier New", "Liberation Mono"},
    {"Arial", "Liberation Sans"},
    {"Times New Roman", "Liberation Serif"},
};

// Narrow top and bottom margins: a report page holds 67 lines of 10-point type on Letter paper.
const QMarginsF pageMargins(0.5, 0.2, 0.5, 0.2);

// A position this close to a column (in device pixels) counts as at the column, not beyond it.
constexpr double columnTolerance = 0.5;

[[noreturn]] void printerError()
{
    throw RuntimeError(RuntimeErrorNo::PrinterError, QStringLiteral("Printer error"));
}

QString installedFamily(const QString& name)
{
    if (QFontDatabase::hasFamily(name))
        return name;
    for (const auto& [windowsName, here] : windowsFonts) {
        if (name.compare(QLatin1String(windowsName), Qt::CaseInsensitive) == 0 && QFontDatabase::hasFamily(here))
            return QString::fromLatin1(here);
    }
    return name;  // left to the system's font matching
}

// A column is the average character width as Windows measures it: the advances of the
// lower-case letters and the space, weighted by how often they occur in English text. The
// average Qt reports here spans every glyph of the font and makes proportional columns a third
// wider, pushing the right-hand columns of a report off the page.
double columnWidth(const QFontMetricsF& metrics)
{
    static constexpr int letterWeights[26] = {64, 14, 27, 35, 100, 20, 14, 42, 63, 3, 6, 35, 20,
                                              56, 56, 17, 4,  49, 56,  71, 31, 10, 18, 3,  18, 2};
    double sum = 166 * metrics.horizontalAdvance(u' ');
    for (int i = 0; i < 26; ++i)
        sum += letterWeights[i] * metrics.horizontalAdvance(QChar(u'a' + i));
    return sum / 1000;
}

// The Documents folder when the user has one, else the home folder: the dialog refuses a
// file in a folder that does not exist.
QString defaultPdfFile()
{
    const QDir documents(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    return QDir(documents.exists() ? documents : QDir::home()).filePath(QStringLiteral("Printout.pdf"));
}
}  // namespace

QFont printingFont(const QString& name, double points, bool bold)
{
    QFont font(installedFamily(name));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// --- QtPrinterDevice ---

QtPrinterDevice::QtPrinterDevice(LazyPrinter& printer) : printer_(printer)
{
    // A job the program leaves open (a failed report, a document print) still reaches the
    // printer once the command that printed it has returned.
    jobEnd_.setSingleShot(true);
    jobEnd_.setInterval(0);
    QObject::connect(&jobEnd_, &QTimer::timeout, [this] { finishJob(); });
}

QtPrinterDevice::~QtPrinterDevice() { finishJob(); }

QStringList QtPrinterDevice::fontNames()
{
    // Every printer Qt makes is valid while the application runs: the printer is not made for
    // this question, which start-up asks before the title screen.
    if (printer_.isMade() ? !printer().isValid() : !QCoreApplication::instance())
        printerError();
    QStringList names = QFontDatabase::families();
    for (const auto& [windowsName, here] : windowsFonts) {
        if (!names.contains(QLatin1String(windowsName)) && names.contains(QLatin1String(here)))
            names << QString::fromLatin1(windowsName);
    }
    if (names.isEmpty())
        printerError();
    return names;
}

void QtPrinterDevice::setFont(const QString& name) { fontName_ = name; }
void QtPrinterDevice::setFontSize(double points) { points_ = points; }
void QtPrinterDevice::setBold(bool bold) { bold_ = bold; }

void QtPrinterDevice::place(int column, const QString& text)
{
    const QFont current = font();
    const QFontMetricsF metrics(current, &printer());
    const double left = (std::max(column, 1) - 1) * columnWidth(metrics);
    if (lineOpen_ && x_ > left + columnTolerance)
        endLine();
    if (!lineOpen_)
        startLine(metrics.height());
    painter_.setFont(current);
    if (pageChosen())
        painter_.drawText(QPointF(left, y_ + metrics.ascent()), text);
    x_ = left + metrics.horizontalAdvance(text);
    lineHeight_ = std::max(lineHeight_, metrics.height());
}

void QtPrinterDevice::endLine()
{
    const double height = QFontMetricsF(font(), &printer()).height();
    if (!lineOpen_)
        startLine(height);
    y_ += lineHeight_ > 0 ? lineHeight_ : height;
    x_ = 0;
    lineOpen_ = false;
}

void QtPrinterDevice::newPage()
{
    if (lineOpen_)
        endLine();
    ++pageBreaksDue_;
}

void QtPrinterDevice::endDocument()
{
    if (!finishJob())
        printerError();
}

void QtPrinterDevice::printDocument(const QTextDocument& document)
{
    if (lineOpen_)
        endLine();
    if (painter_.isActive() && y_ > 0)
        pageBreaksDue_ = std::max(pageBreaksDue_, 1);
    if (painter_.isActive())
        page_ = 1 - pageBreaksDue_;  // a document's pages are numbered on their own, copy by copy
    takePageBreaks();

    // Laid out at the screen's resolution, where its indents and tab stops are measured, and
    // drawn scaled up to the printer's, as Qt prints documents: laid out on the printer itself,
    // a margin of 24 screen pixels would shrink to 24 printer dots.
    const std::unique_ptr<QTextDocument> copy(document.clone());
    const double scale = printer().logicalDpiY() / screenDpi();
    const QSizeF page(printer().pageRect(QPrinter::DevicePixel).width() / scale, pageHeight() / scale);
    copy->setPageSize(page);
    for (int i = 0; i < copy->pageCount(); ++i) {
        if (i > 0) {
            pageBreaksDue_ = 1;
            takePageBreaks();
        }
        if (!pageChosen())
            continue;
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(QPointF(0, i * page.height()), page);
        painter_.save();
        painter_.scale(scale, scale);
        painter_.translate(0, -i * page.height());
        painter_.setClipRect(context.clip);
        copy->documentLayout()->draw(&painter_, context);
        painter_.restore();
    }
    pageBreaksDue_ = 1;  // what follows starts a page of its own
}

// The first text of a line (or an empty line) makes room for it: the job begins, due page
// breaks are taken, and a line that would pass the bottom margin goes to a new page.
void QtPrinterDevice::startLine(double height)
{
    if (painter_.isActive() && pageBreaksDue_ == 0 && y_ > 0 && y_ + height > pageHeight())
        pageBreaksDue_ = 1;
    takePageBreaks();
    lineOpen_ = true;
    lineHeight_ = 0;
    x_ = 0;
}

void QtPrinterDevice::takePageBreaks()
{
    if (!painter_.isActive()) {
        printer().setPageMargins(pageMargins, QPageLayout::Inch);
        if (!painter_.begin(&printer()))
            printerError();
        y_ = 0;
        page_ = 1;
        sheets_ = 0;
        jobEnd_.start();
        startPage();
    }
    for (; pageBreaksDue_ > 0; --pageBreaksDue_) {
        ++page_;
        y_ = 0;
        startPage();
    }
}

// Pages outside the range chosen in the dialog are laid out, so that the others keep their
// content, but take no sheet.
void QtPrinterDevice::startPage()
{
    if (!pageChosen())
        return;
    if (sheets_ > 0 && !printer().newPage())
        printerError();
    ++sheets_;
}

bool QtPrinterDevice::pageChosen() const
{
    return printer().printRange() != QPrinter::PageRange || printer().pageRanges().contains(page_);
}

bool QtPrinterDevice::finishJob()
{
    jobEnd_.stop();
    if (printer_.isMade())
        printer().setPrintRange(QPrinter::AllPages);  // a range chosen in the dialog is for one printout
    lineOpen_ = false;
    x_ = y_ = 0;
    pageBreaksDue_ = 0;
    return !painter_.isActive() || painter_.end();
}

double QtPrinterDevice::pageHeight() const { return printer().pageRect(QPrinter::DevicePixel).height(); }

// The resolution text panes are laid out at, where a document gives no device of its own.
double QtPrinterDevice::screenDpi()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchY() : 96;
}

// --- QtPrinterDialog ---

bool QtPrinterDialog::show(int flags)
{
    QPrinter& printer = printer_.get();
    // Without a printer the PDF file is the only way to print, whatever the flags say; and
    // printing that goes to a file stays offered the file.
    const bool fileChoice = QPrinterInfo::availablePrinters().isEmpty()
        || printer.outputFormat() == QPrinter::PdfFormat || !(flags & NoPrintToFile);
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    dialog.setOption(QAbstractPrintDialog::PrintToFile, fileChoice);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, !(flags & NoSelection));
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setPrintRange(QAbstractPrintDialog::AllPages);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    // The program prints each copy itself; the printer must not multiply them again.
    copies_ = std::max(printer.copyCount(), 1);
    printer.setCopyCount(1);
    flags_ = (flags & ~Selection) | (dialog.printRange() == QAbstractPrintDialog::Selection ? Selection : 0);
    return true;
}

// --- QtPrinting ---

QPrinter& LazyPrinter::get()
{
    if (!printer_) {
        printer_.emplace(QPrinter::HighResolution);
        if (!pdfFile_.isEmpty() || QPrinterInfo::availablePrinters().isEmpty()) {
            printer_->setOutputFormat(QPrinter::PdfFormat);
            printer_->setOutputFileName(pdfFile_.isEmpty() ? defaultPdfFile() : pdfFile_);
        }
    }
    return *printer_;
}

QtPrinting::QtPrinting(const QString& pdfFile) : printer_(pdfFile), device_(printer_), dialog_(printer_) {}
