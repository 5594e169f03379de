#include "platform/record_file.h"

#include "platform/basic.h"
#include "platform/durable_file.h"
#include "platform/runtime_error.h"

#include <QFile>
#include <QFileInfo>
#include <cstring>

namespace {
RuntimeError accessError(const QString& path)
{
    return RuntimeError(RuntimeErrorNo::FileAccess, QStringLiteral("Path/File access error (%1)").arg(path));
}

int countOfLength(qint64 length) { return int(basic::roundHalfEven(double(length) / RecordLength)); }

qint64 offsetOf(int n) { return qint64(n - 1) * RecordLength; }

void checkSlot(const QString& where, int n, const QByteArray& bytes)
{
    if (n < 1 || bytes.size() > RecordLength)
        throw accessError(where);
}
}  // namespace

namespace record_file {

void create(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        throw accessError(path);
}

int count(const QString& path)
{
    return countOfLength(QFileInfo(path).size());
}

QByteArray read(const QString& path, int n)
{
    QByteArray record(RecordLength, '\0');
    QFile file(path);
    if (n < 1 || !file.open(QIODevice::ReadOnly))
        return record;
    if (file.seek(offsetOf(n))) {
        const QByteArray got = file.read(RecordLength);
        std::memcpy(record.data(), got.constData(), size_t(got.size()));
    }
    return record;
}

void write(const QString& path, int n, const QByteArray& bytes)
{
    checkSlot(path, n, bytes);
    durable_file::writeAt(path, offsetOf(n), bytes);
}

int countIn(const QByteArray& file) { return countOfLength(file.size()); }

QByteArray readFrom(const QByteArray& file, int n)
{
    QByteArray record = n < 1 ? QByteArray() : file.mid(offsetOf(n), RecordLength);
    return record.leftJustified(RecordLength, '\0');
}

void writeInto(QByteArray& file, int n, const QByteArray& bytes)
{
    checkSlot(QStringLiteral("record %1").arg(n), n, bytes);
    const qint64 at = offsetOf(n);
    if (file.size() < at + bytes.size())
        file.resize(at + bytes.size(), '\0');
    file.replace(at, bytes.size(), bytes);
}

void removeFrom(QByteArray& file, int n)
{
    if (n >= 1)
        file.remove(offsetOf(n), RecordLength);
}

}  // namespace record_file

QByteArray FieldReader::take(int width)
{
    QByteArray part = bytes_.mid(pos_, width);
    part.append(QByteArray(width - part.size(), '\0'));  // a short record reads as zeros
    pos_ += width;
    return part;
}

void FieldWriter::field(const QByteArray& value, int width, Padding padding)
{
    bytes_.append(value.left(width).leftJustified(width, padding == Padding::Blanks ? ' ' : '\0'));
}
