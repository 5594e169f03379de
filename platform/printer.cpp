#include "platform/printer.h"

#include <QRegularExpression>

void PrinterDevice::printAt(int column, const QString& text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    const QStringList pieces = text.split(lineBreak);
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (i > 0)
            endLine();
        place(i == 0 ? column : 1, pieces[i]);
    }
}

void PrinterDevice::printLine(int column, const QString& text)
{
    printAt(column, text);
    endLine();
}
