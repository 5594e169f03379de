// Reads RTF (the subset the course data and the notebook use) into a QTextDocument.
#pragma once

#include <QByteArray>

class QTextDocument;

// Replaces the document's content with the text and formats of the RTF bytes (Windows-1252).
// Malformed input is shown as far as it can be read; reading never fails.
// Sizes follow the screen's 15 twips per pixel; text without a size of its own is 12 points.
void readRtf(const QByteArray& rtf, QTextDocument& document);
