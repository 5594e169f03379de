// Random-access files of fixed 940-byte records, numbered from 1, and the little-endian
// field codec that every record layout uses. Each call opens the file, does its work and
// closes it again, so no file stays open between operations.
#pragma once

#include <QByteArray>
#include <QString>
#include <QtEndian>
#include <iterator>

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

// How a text field shorter than its width is filled when written: blanks, or zero bytes where the
// bytes are kept exactly as given.
enum class Padding { Blanks, Zeros };

// The packed fields of a record, read front to back. Each record layout lists its fields once, in
// a template that takes either a FieldReader (decoding) or a FieldWriter (encoding), so that the
// two directions cannot drift apart.
class FieldReader {
public:
    explicit FieldReader(const QByteArray& bytes) : bytes_(bytes) {}
    void field(quint8& value) { value = quint8(take(1)[0]); }
    void field(qint16& value) { value = fromLittleEndian<qint16>(take(2)); }
    void field(float& value) { value = fromLittleEndian<float>(take(4)); }
    void field(QByteArray& value, int width, Padding) { value = take(width); }
    // Slots 1..count of a 1-based array; a vector is sized count + 1 first.
    template <class Slots, class... Format>
    void array(Slots& values, int count, Format... format)
    {
        if constexpr (requires { values.resize(0); })
            values.assign(size_t(count) + 1, typename Slots::value_type{});
        for (int i = 1; i <= count; ++i)
            field(values[i], format...);
    }
    int position() const { return pos_; }

private:
    QByteArray take(int width);
    template <class T>
    static T fromLittleEndian(const QByteArray& b) { return qFromLittleEndian<T>(b.constData()); }
    QByteArray bytes_;
    int pos_ = 0;
};

// The packed fields of a record, written front to back.
class FieldWriter {
public:
    void field(quint8 value) { bytes_.append(char(value)); }
    void field(qint16 value) { append(value); }
    void field(float value) { append(value); }
    // Fixed-width text: cut to width, padded as asked.
    void field(const QByteArray& value, int width, Padding padding);
    // Slots 1..count of a 1-based array; slots a short array lacks are written as zeros.
    template <class Slots, class... Format>
    void array(const Slots& values, int count, Format... format)
    {
        for (int i = 1; i <= count; ++i)
            field(i < int(std::size(values)) ? values[i] : typename Slots::value_type{}, format...);
    }
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
