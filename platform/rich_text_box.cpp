#include "platform/rich_text_box.h"

#include "platform/printer.h"
#include "platform/rtf_reader.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <algorithm>

namespace {
constexpr double TwipsPerPixel = 15.0;
}

RichTextBox::RichTextBox(QWidget* parent) : QTextEdit(parent)
{
    // Arial, or its metric twin where it is not installed, at RTF's default size.
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    font.setPointSize(12);
    setFont(font);

    QPalette colours = palette();
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::Text, Qt::black);
    setPalette(colours);
    setAcceptRichText(false);  // pasted text takes the format at the caret, as typed text does
}

void RichTextBox::setTextRTF(const QByteArray& rtf)
{
    rtf_ = rtf;
    readRtf(rtf, *document());
    document()->clearUndoRedoStacks();
    document()->setModified(false);
    moveCursor(QTextCursor::Start);
}

QByteArray RichTextBox::TextRTF() const { return rtf_; }

QString RichTextBox::Text() const { return toPlainText(); }

int RichTextBox::textEnd() const { return document()->characterCount() - 1; }

int RichTextBox::SelStart() const { return textCursor().selectionStart(); }

void RichTextBox::setSelStart(int start)
{
    QTextCursor cursor = textCursor();
    cursor.setPosition(std::clamp(start, 0, textEnd()));
    setTextCursor(cursor);
}

int RichTextBox::SelLength() const
{
    const QTextCursor cursor = textCursor();
    return cursor.selectionEnd() - cursor.selectionStart();
}

void RichTextBox::setSelLength(int length)
{
    QTextCursor cursor = textCursor();
    const int start = cursor.selectionStart();
    cursor.setPosition(start);
    cursor.setPosition(start + std::clamp(length, 0, textEnd() - start), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

QString RichTextBox::SelText() const { return textCursor().selection().toPlainText(); }

int RichTextBox::find(const QString& text, int start, bool matchCase)
{
    if (text.isEmpty())
        return -1;
    const int at = Text().indexOf(text, std::max(start, 0), matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive);
    if (at >= 0) {
        setSelStart(at);
        setSelLength(text.size());
    }
    return at;
}

void RichTextBox::setRightMargin(double twips)
{
    if (twips <= 0) {
        setLineWrapMode(WidgetWidth);
        return;
    }
    setLineWrapMode(FixedPixelWidth);
    setLineWrapColumnOrWidth(qRound(twips / TwipsPerPixel));
}

void RichTextBox::setReadOnlyPane(bool on)
{
    // Read-only Qt text keeps the keyboard caret and Ctrl+C when it stays selectable by keys.
    setReadOnly(on);
    if (on)
        setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

void RichTextBox::selPrint(PrinterDevice& printer)
{
    const QTextCursor cursor = textCursor();
    if (!cursor.hasSelection()) {
        printer.printDocument(*document());
        return;
    }
    QTextDocument selection;
    selection.setDefaultFont(document()->defaultFont());
    QTextCursor(&selection).insertFragment(cursor.selection());
    printer.printDocument(selection);
}
