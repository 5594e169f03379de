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
        return info.isSymLink() ? QStringLiteral("it is a link that leads to no file") : QStringLiteral("it is not there");
    if (!info.isFile())
        return QStringLiteral("it is not an ordinary file");
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString() : file.errorString();
}

// Nothing at all is at path: no file and no link (a link that leads nowhere is not absent, as
// writing there would replace the link).
inline bool isAbsent(const QString& path)
{
    const QFileInfo info(path);
    return !info.exists() && !info.isSymLink();
}
