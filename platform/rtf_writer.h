// Writes a QTextDocument as RTF, in the subset that platform/rtf_reader.h reads back: fonts,
// bold, italic, underline, sizes, colours, alignment, indents, tab stops, tabs and line breaks.
#pragma once

#include <QByteArray>

class QTextDocument;

// The document as an RTF file in Windows-1252; characters outside the code page go as \uN.
// Text without a font of its own is written in the document's default font.
QByteArray writeRtf(const QTextDocument& document);
