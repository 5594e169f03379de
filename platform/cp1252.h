// The single-byte Windows-1252 code page in which every stored text is kept.
#pragma once

#include <QByteArray>
#include <QString>

namespace cp1252 {
QString toUnicode(const QByteArray& bytes);
// Characters the code page lacks become "?".
QByteArray fromUnicode(const QString& text);
}
