// Whole files read and written by the tests themselves.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

// The file's bytes; empty when it cannot be read.
inline QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// The temporary files of saves of the file at path that are left beside it.
inline QStringList temporaryFilesOf(const QString& path)
{
    const QFileInfo file(path);
    return file.dir().entryList({file.fileName() + ".new*"}, QDir::AllEntries | QDir::System | QDir::Hidden);
}
