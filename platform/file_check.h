// Refusing, before anything opens it, a file that cannot be read whole.
#pragma once

#include <QFile>
#include <QFileInfo>
#include <QString>

// Why the file at path cannot be read: "it is not there", "it is not an ordinary file" or the
// system's reason; empty when it can. Asked before opening, as opening a FIFO would wait for a
// writer for ever.
inline QString readProblem(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral("it is not there");
    if (!info.isFile())
        return QStringLiteral("it is not an ordinary file");
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString() : file.errorString();
}
