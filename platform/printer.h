// The printer and the printer dialog. Reports print line by line at character columns; the
// rich-text panes print whole documents. Tests use the recording doubles.
#pragma once

#include <QString>
#include <QStringList>

class QTextDocument;

class PrinterDevice {
public:
    virtual ~PrinterDevice() = default;
    // Fonts the printer offers; raises a RuntimeError (printer error) when there is no printer.
    virtual QStringList fontNames() = 0;
    virtual void setFont(const QString& name) = 0;
    virtual void setFontSize(double points) = 0;
    virtual void setBold(bool bold) = 0;
    // Prints text at column (1-based, in average character widths of the current font); when the
    // print position is already beyond that column, the text goes to that column of the next line.
    // Line breaks in text go on as many lines, the later pieces from the first column.
    void printAt(int column, const QString& text);
    // printAt, then the end of the line.
    void printLine(int column, const QString& text);
    virtual void endLine() = 0;
    virtual void newPage() = 0;
    virtual void endDocument() = 0;
    // A whole rich-text document, on pages of its own.
    virtual void printDocument(const QTextDocument& document) = 0;

protected:
    // One line's text at column, as printAt places it.
    virtual void place(int column, const QString& text) = 0;
};

class PrinterDialog {
public:
    // The flags the program sets before showing the dialog, and the selection flag it reads back.
    static constexpr int NoPrintToFile = 0x100000;
    static constexpr int NoSelection = 0x4;
    static constexpr int Selection = 0x1;

    virtual ~PrinterDialog() = default;
    // Shows the dialog with the given flags; false for Cancel. On OK, copies() and flags() hold
    // the user's choice.
    virtual bool show(int flags) = 0;
    virtual int copies() const = 0;
    virtual int flags() const = 0;
};
