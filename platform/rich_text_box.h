// The rich-text box of the text panes and the notebook: an RTF document with the selection,
// find, right margin and printing that the windows use. Positions are 0-based character
// offsets in Text(), where each paragraph mark counts one.
#pragma once

#include <QByteArray>
#include <QTextEdit>

class PrinterDevice;
class PrinterDialog;

class RichTextBox : public QTextEdit {
    Q_OBJECT
public:
    explicit RichTextBox(QWidget* parent = nullptr);

    void setTextRTF(const QByteArray& rtf);
    QByteArray TextRTF() const;  // the RTF last set
    QString Text() const;        // plain text, paragraphs and line breaks as "\n"

    // Reads the file as RTF. A file that is not there, not an ordinary file or unreadable raises
    // a RuntimeError and leaves the box as it was.
    void LoadFile(const QString& path);
    // Writes the document as it now stands, as RTF, replacing the file in one step. A failure
    // raises a RuntimeError and leaves the file as it was.
    void SaveFile(const QString& path) const;

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

protected:
    // An editable box takes the rich-edit formatting keys: Ctrl+B, I and U, and the alignments
    // Ctrl+L, E, R and J.
    void keyPressEvent(QKeyEvent* event) override;
    // Only text comes in by paste, middle click or drop: Qt's own paste fails on a clipboard that
    // holds nothing, and a picture or a file dropped in could not be saved with the notes.
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    bool formatKey(int key);
    int textEnd() const;
    QByteArray rtf_;
};

// Printing as the text windows' Print buttons do: the printer dialog without printing to a file,
// then the selection when the user chose it, otherwise the whole document (the selection is
// dropped first), once per copy. False, without a word, for Cancel or a printer error.
bool printWithDialog(RichTextBox& box, PrinterDialog& dialog, PrinterDevice& printer);
