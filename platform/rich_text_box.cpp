#include "platform/rich_text_box.h"

#include "platform/cp1252.h"
#include "platform/durable_file.h"
#include "platform/file_check.h"
#include "platform/printer.h"
#include "platform/rtf_reader.h"
#include "platform/rtf_writer.h"
#include "platform/runtime_error.h"
#include "platform/twips.h"

#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMimeData>
#include <QStringDecoder>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <algorithm>
#include <optional>

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

void RichTextBox::LoadFile(const QString& path)
{
    const auto refused = [&path](const QString& reason) {
        return RuntimeError(RuntimeErrorNo::FileAccess,
                            QStringLiteral("Path/File access error (%1): %2").arg(path, reason));
    };
    if (const QString problem = readProblem(path); !problem.isEmpty())
        throw refused(problem);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw refused(file.errorString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw refused(file.errorString());
    if (bytes.trimmed().startsWith("{\\rtf")) {
        setTextRTF(bytes);
        return;
    }
    // Plain text put in the file's place keeps its lines: in the encoding its byte-order mark
    // names (UTF-16 or UTF-32 as well), else UTF-8 where it is, else the code page.
    const std::optional<QStringConverter::Encoding> marked = QStringConverter::encodingForData(bytes);
    QStringDecoder decoder(marked.value_or(QStringConverter::Utf8), QStringDecoder::Flag::Stateless);
    QString text = decoder(bytes);
    if (!marked && decoder.hasError())
        text = cp1252::toUnicode(bytes);
    rtf_.clear();
    setPlainText(text.replace(QLatin1String("\r\n"), QLatin1String("\n")));
    document()->setModified(false);
}

void RichTextBox::SaveFile(const QString& path) const
{
    durable_file::replace(path, writeRtf(*document()));
}

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

void RichTextBox::keyPressEvent(QKeyEvent* event)
{
    if (!isReadOnly() && event->modifiers() == Qt::ControlModifier && formatKey(event->key()))
        return;
    QTextEdit::keyPressEvent(event);
}

bool RichTextBox::canInsertFromMimeData(const QMimeData* source) const
{
    // A dropped file or link arrives as its address, which is not what was meant to go in.
    return source && !source->hasUrls() && !source->text().isEmpty();
}

void RichTextBox::insertFromMimeData(const QMimeData* source)
{
    if (canInsertFromMimeData(source))
        QTextEdit::insertFromMimeData(source);
}

bool RichTextBox::formatKey(int key)
{
    const QTextCharFormat now = currentCharFormat();
    QTextCharFormat change;
    switch (key) {
    case Qt::Key_B: change.setFontWeight(now.fontWeight() > QFont::Normal ? QFont::Normal : QFont::Bold); break;
    case Qt::Key_I: change.setFontItalic(!now.fontItalic()); break;
    case Qt::Key_U: change.setFontUnderline(!now.fontUnderline()); break;
    case Qt::Key_L: setAlignment(Qt::AlignLeft); return true;
    case Qt::Key_E: setAlignment(Qt::AlignHCenter); return true;
    case Qt::Key_R: setAlignment(Qt::AlignRight); return true;
    case Qt::Key_J: setAlignment(Qt::AlignJustify); return true;
    default: return false;
    }
    mergeCurrentCharFormat(change);
    return true;
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

bool printWithDialog(RichTextBox& box, PrinterDialog& dialog, PrinterDevice& printer)
{
    try {
        if (!dialog.show(PrinterDialog::NoPrintToFile))
            return false;
        const int copies = dialog.copies();
        if (dialog.flags() != (PrinterDialog::NoPrintToFile | PrinterDialog::Selection))
            box.setSelLength(0);
        for (int copy = 1; copy <= copies; ++copy)
            box.selPrint(printer);
    } catch (const RuntimeError&) {
        return false;
    }
    return true;
}
