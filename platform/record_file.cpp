#include "platform/record_file.h"

#include "platform/basic.h"
#include "platform/runtime_error.h"

#include <QFile>
#include <QFileInfo>

namespace {
RuntimeError accessError(const QString& path)
{
    return RuntimeError(RuntimeErrorNo::FileAccess, QStringLiteral("Path/File access error (%1)").arg(path));
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
    return int(basic::roundHalfEven(double(QFileInfo(path).size()) / RecordLength));
}

QByteArray read(const QString& path, int n)
{
    QByteArray record(RecordLength, '\0');
    QFile file(path);
    if (n < 1 || !file.open(QIODevice::ReadOnly))
        return record;
    if (file.seek(qint64(n - 1) * RecordLength)) {
        const QByteArray got = file.read(RecordLength);
        std::memcpy(record.data(), got.constData(), size_t(got.size()));
    }
    return record;
}

void write(const QString& path, int n, const QByteArray& bytes)
{
    QFile file(path);
    if (n < 1 || bytes.size() > RecordLength || !file.open(QIODevice::ReadWrite))
        throw accessError(path);
    const qint64 at = qint64(n - 1) * RecordLength;
    if (file.size() < at && !file.resize(at))  // resize fills the gap with zeros
        throw accessError(path);
    if (!file.seek(at) || file.write(bytes) != bytes.size() || !file.flush())
        throw accessError(path);
}

}  // namespace record_file

QByteArray FieldReader::take(int width)
{
    QByteArray part = bytes_.mid(pos_, width);
    part.append(QByteArray(width - part.size(), '\0'));  // a short record reads as zeros
    pos_ += width;
    return part;
}

void FieldWriter::text(const QByteArray& value, int width)
{
    bytes_.append(value.left(width).leftJustified(width, ' '));
}

void FieldWriter::raw(const QByteArray& value, int width)
{
    bytes_.append(value.left(width).leftJustified(width, '\0'));
}
