#include "platform/recording_printer.h"

#include "platform/runtime_error.h"

#include <QTextDocument>

void RecordingPrinterDevice::check() const
{
    if (failing)
        throw RuntimeError(RuntimeErrorNo::PrinterError, QStringLiteral("Printer error"));
}

QStringList RecordingPrinterDevice::fontNames()
{
    check();
    return availableFonts;
}

void RecordingPrinterDevice::setFont(const QString& name)
{
    check();
    font.name = name;
}

void RecordingPrinterDevice::setFontSize(double points)
{
    check();
    font.points = points;
}

void RecordingPrinterDevice::setBold(bool bold)
{
    check();
    font.bold = bold;
}

void RecordingPrinterDevice::place(int column, const QString& text)
{
    check();
    const int left = std::max(column, 1) - 1;
    if (lineOpen_ && line_.size() > left)
        endLine();
    if (!lineOpen_)
        startLine();
    line_ = line_.leftJustified(left, u' ') + text;
}

void RecordingPrinterDevice::endLine()
{
    check();
    if (!lineOpen_)
        startLine();
    pages.last() << line_;
    lineFonts.last() << lineFont_;
    line_.clear();
    lineOpen_ = false;
}

void RecordingPrinterDevice::newPage()
{
    check();
    if (lineOpen_)
        endLine();
    ++pageBreaksDue_;
}

void RecordingPrinterDevice::endDocument()
{
    check();
    if (lineOpen_)
        endLine();
    pageBreaksDue_ = 0;
    jobOpen_ = false;
    ++documentsEnded;
}

void RecordingPrinterDevice::printDocument(const QTextDocument& document)
{
    check();
    documents << document.toPlainText();
}

void RecordingPrinterDevice::startLine()
{
    if (!jobOpen_) {
        pages.append(QStringList());
        lineFonts.append(QList<PrintFont>());
        jobOpen_ = true;
    }
    for (; pageBreaksDue_ > 0; --pageBreaksDue_) {
        pages.append(QStringList());
        lineFonts.append(QList<PrintFont>());
    }
    lineOpen_ = true;
    lineFont_ = font;
}
