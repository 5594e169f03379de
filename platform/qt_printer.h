// The real printer: QPainter on a QPrinter that goes to the system's default printer, or to a
// PDF file when the machine has none. The device and the dialog share one QPrinter, so what the
// user picks in the dialog is where the printout goes.
#pragma once

#include "platform/printer.h"

#include <QFont>
#include <QPainter>
#include <QPrinter>
#include <QTimer>
#include <optional>

// The font a printing font name stands for here: the Windows names the program asks for map
// to the metric-compatible fonts installed, so character columns come out as designed.
QFont printingFont(const QString& name, double points, bool bold);

// The QPrinter, made when printing first needs it: making one loads the system's print support,
// which start-up does not need. An empty pdfFile prints to the default printer, or, on a machine
// without one, to "Printout.pdf" in the user's Documents folder; a file name always prints to
// that PDF file.
class LazyPrinter {
public:
    explicit LazyPrinter(QString pdfFile) : pdfFile_(std::move(pdfFile)) {}
    QPrinter& get();
    bool isMade() const { return printer_.has_value(); }

private:
    QString pdfFile_;
    std::optional<QPrinter> printer_;
};

class QtPrinterDevice : public PrinterDevice {
public:
    explicit QtPrinterDevice(LazyPrinter& printer);
    ~QtPrinterDevice() override;

    QStringList fontNames() override;
    void setFont(const QString& name) override;
    void setFontSize(double points) override;
    void setBold(bool bold) override;
    void endLine() override;
    void newPage() override;
    void endDocument() override;
    void printDocument(const QTextDocument& document) override;

private:
    void place(int column, const QString& text) override;
    void startLine(double height);
    void takePageBreaks();
    void startPage();
    bool pageChosen() const;
    static double screenDpi();
    bool finishJob();
    QFont font() const { return printingFont(fontName_, points_, bold_); }
    double pageHeight() const;
    QPrinter& printer() const { return printer_.get(); }

    LazyPrinter& printer_;
    QPainter painter_;
    QTimer jobEnd_;
    QString fontName_ = QStringLiteral("Arial");
    double points_ = 10;
    bool bold_ = false;
    // The print position in device pixels from the top left of the printable area.
    double x_ = 0;
    double y_ = 0;
    bool lineOpen_ = false;
    double lineHeight_ = 0;  // the tallest font printed on the open line
    int pageBreaksDue_ = 0;  // taken when something is printed, so a job never ends on an empty page
    int page_ = 0;           // the page being printed, as the user counts them in the page range
    int sheets_ = 0;         // pages of the job that went to the printer
};

class QtPrinterDialog : public PrinterDialog {
public:
    explicit QtPrinterDialog(LazyPrinter& printer) : printer_(printer) {}
    bool show(int flags) override;
    int copies() const override { return copies_; }
    int flags() const override { return flags_; }

private:
    LazyPrinter& printer_;
    int copies_ = 1;
    int flags_ = 0;
};

// One printer with its device and dialog; pdfFile as for LazyPrinter.
class QtPrinting {
public:
    explicit QtPrinting(const QString& pdfFile = {});
    PrinterDevice& device() { return device_; }
    PrinterDialog& dialog() { return dialog_; }
    QPrinter& printer() { return printer_.get(); }

private:
    LazyPrinter printer_;
    QtPrinterDevice device_;
    QtPrinterDialog dialog_;
};
