// Writing to disk so that what the program reports as saved is on the disk, and so that a file
// replaced as a whole is replaced in one step: a kill at any moment leaves the old file or the
// new one, whole, never a mix.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

namespace durable_file {

// Writes bytes at offset into the file at path (created when missing; a gap before offset is
// filled with zeros) and syncs it to disk. Failure raises a RuntimeError.
void writeAt(const QString& path, qint64 offset, const QByteArray& bytes);

// Writes content to a temporary file made anew beside the file at path (named for it: path's
// name, ".new" and a unique end; those a killed save left are removed first), syncs it, renames it
// over that file and syncs the folder. A link at path stays: its target is replaced. A read-only
// file is not replaced. A failure before the rename leaves the old file and removes the temporary
// one; a failed folder sync leaves the new file; either raises a RuntimeError.
void replace(const QString& path, const QByteArray& content);

// Test seam: the nth disk step from now fails as a file error would (1 = the next step, 0 = none).
// The steps are each write, each sync, each rename and each folder sync done by the functions
// above, so a test can stop a save at every point a kill could.
void failAtStep(int n);

// Test seam: while log is set, each step is added to it as it starts ("write", "sync", "rename"
// with the file's path, and "sync folder" with the folder's), so a test can see their order.
void logStepsTo(QStringList* log);

// Test seam: while set, action runs as each step starts (its own steps do not run it again), so a
// test can make another save between any two steps of this one.
void runBeforeEachStep(std::function<void()> action);

}  // namespace durable_file
