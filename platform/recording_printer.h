// Test doubles of the printer and the printer dialog: the device keeps each page as lines of
// text placed at their columns (one column per character), so a test compares a printout line
// by line; the dialog answers from fields the test sets.
#pragma once

#include "platform/printer.h"

#include <QList>
#include <vector>

struct PrintFont {
    QString name;
    double points = 10;
    bool bold = false;
    bool operator==(const PrintFont&) const = default;
};

class RecordingPrinterDevice : public PrinterDevice {
public:
    QStringList fontNames() override;
    void setFont(const QString& name) override;
    void setFontSize(double points) override;
    void setBold(bool bold) override;
    void endLine() override;
    void newPage() override;
    void endDocument() override;
    void printDocument(const QTextDocument& document) override;

    // What was printed. Page breaks are taken when something follows them, as on the real
    // printer, so a job that ends right after a new page has no empty last page.
    QList<QStringList> pages;
    QList<QList<PrintFont>> lineFonts;  // per page and line: the font the line began with
    QStringList documents;              // the plain text of every document printed
    int documentsEnded = 0;

    // What the printer offers; failing makes every call raise the printer error.
    QStringList availableFonts{"Arial", "Courier New", "Times New Roman"};
    bool failing = false;
    PrintFont font{"Arial", 10, false};

private:
    void check() const;
    void place(int column, const QString& text) override;
    void startLine();

    QString line_;
    bool lineOpen_ = false;
    PrintFont lineFont_;
    bool jobOpen_ = false;
    int pageBreaksDue_ = 0;
};

class RecordingPrinterDialog : public PrinterDialog {
public:
    bool show(int flags) override
    {
        shownFlags.push_back(flags);
        return !cancel;
    }
    int copies() const override { return copyCount; }
    // The flags the dialog was shown with, plus the selection choice.
    int flags() const override
    {
        const int shown = shownFlags.empty() ? 0 : shownFlags.back();
        return chooseSelection ? shown | Selection : shown;
    }

    bool cancel = false;
    int copyCount = 1;
    bool chooseSelection = false;
    std::vector<int> shownFlags;
};
