// Random-access files of fixed 940-byte records, numbered from 1, and the little-endian
// field codec that every record layout uses. Each call opens the file, does its work and
// closes it again, so no file stays open between operations.
#pragma once

#include <QByteArray>
#include <QString>
#include <QtEndian>

inline constexpr int RecordLength = 940;

namespace record_file {

// Opening creates the file empty when it does not exist; failure raises a RuntimeError.
void create(const QString& path);

// Records in the file: its length / 940 rounded to the nearest whole number, halves to even
// (a last record of 939 bytes still counts). 0 when the file does not exist.
int count(const QString& path);

// Record n as 940 bytes; bytes beyond the end of the file read as zeros.
QByteArray read(const QString& path, int n);

// Writes bytes (at most 940) at the start of slot n, padding any gap before it with zeros, and
// syncs the file to disk. Failure raises a RuntimeError.
void write(const QString& path, int n, const QByteArray& bytes);

// The same rules on a whole file held in memory, for a save that changes several records and then
// replaces the file in one step.
int countIn(const QByteArray& file);
QByteArray readFrom(const QByteArray& file, int n);
// Invalid n or more than 940 bytes raise a RuntimeError.
void writeInto(QByteArray& file, int n, const QByteArray& bytes);
// Takes record n out; later records move down by one.
void removeFrom(QByteArray& file, int n);

}  // namespace record_file

// Reads packed fields from a record, front to back.
class FieldReader {
public:
    explicit FieldReader(const QByteArray& bytes) : bytes_(bytes) {}
    quint8 byte() { return quint8(take(1)[0]); }
    QByteArray text(int width) { return take(width); }
    qint16 integer() { return fromLittleEndian<qint16>(take(2)); }
    float single() { return fromLittleEndian<float>(take(4)); }
    int position() const { return pos_; }

private:
    QByteArray take(int width);
    template <class T>
    static T fromLittleEndian(const QByteArray& b) { return qFromLittleEndian<T>(b.constData()); }
    QByteArray bytes_;
    int pos_ = 0;
};

// Writes packed fields into a record, front to back.
class FieldWriter {
public:
    void byte(int value) { bytes_.append(char(quint8(value))); }
    // Fixed-width text: cut to width, padded with blanks.
    void text(const QByteArray& value, int width);
    // Fixed-width bytes kept exactly: cut to width, padded with zeros.
    void raw(const QByteArray& value, int width);
    void integer(qint16 value) { append(value); }
    void single(float value) { append(value); }
    const QByteArray& bytes() const { return bytes_; }

private:
    template <class T>
    void append(T value)
    {
        char b[sizeof value];
        qToLittleEndian(value, b);
        bytes_.append(b, sizeof value);
    }
    QByteArray bytes_;
};
