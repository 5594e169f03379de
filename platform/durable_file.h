// Writing to disk so that what the program reports as saved is on the disk, and so that a file
// replaced as a whole is replaced in one step: a kill at any moment leaves the old file or the
// new one, whole, never a mix.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace durable_file {

// Writes bytes at offset into the file at path (created when missing; a gap before offset is
// filled with zeros) and syncs it to disk. Failure raises a RuntimeError.
void writeAt(const QString& path, qint64 offset, const QByteArray& bytes);

// Writes content to tempPath (emptied first, whatever was there), syncs it, renames it over path
// and syncs the folder. A read-only file at path is not replaced. On failure path is untouched,
// tempPath is removed and a RuntimeError tells the caller.
void replace(const QString& path, const QString& tempPath, const QByteArray& content);

// Test seam: the nth disk step from now fails as a file error would (1 = the next step, 0 = none).
// The steps are each write, each sync and each rename done by the functions above, so a test can
// stop a save at every point a kill could.
void failAtStep(int n);

// Test seam: while log is set, each step is added to it as it starts ("write", "sync", "rename"
// with the file's path, and "sync folder" with the folder's), so a test can see their order.
void logStepsTo(QStringList* log);

}  // namespace durable_file
