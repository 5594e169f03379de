// The rich-text box of the text panes and the notebook: an RTF document with the selection,
// find, right margin and printing that the windows use. Positions are 0-based character
// offsets in Text(), where each paragraph mark counts one.
#pragma once

#include <QByteArray>
#include <QTextEdit>

class PrinterDevice;

class RichTextBox : public QTextEdit {
    Q_OBJECT
public:
    explicit RichTextBox(QWidget* parent = nullptr);

    void setTextRTF(const QByteArray& rtf);
    QByteArray TextRTF() const;  // the RTF last set
    QString Text() const;        // plain text, paragraphs and line breaks as "\n"

    int SelStart() const;
    void setSelStart(int start);  // puts the caret there, nothing selected
    int SelLength() const;
    void setSelLength(int length);  // selects from SelStart on
    QString SelText() const;

    // Selects the first occurrence of text at or after start and returns its position, or -1.
    int find(const QString& text, int start = 0, bool matchCase = false);

    // The width within which lines wrap, in twips; 0 wraps at the box's own width.
    void setRightMargin(double twips);
    // A read-only pane: typing changes nothing, but the caret and selection move and Ctrl+C copies.
    void setReadOnlyPane(bool on);

    // Prints the selection, or the whole document when nothing is selected.
    void selPrint(PrinterDevice& printer);

private:
    int textEnd() const;
    QByteArray rtf_;
};
