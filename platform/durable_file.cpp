#include "platform/durable_file.h"

#include "platform/runtime_error.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

int stepsToFailure = 0;
QStringList* stepLog = nullptr;

RuntimeError accessError(const QString& path, const QString& reason)
{
    return RuntimeError(RuntimeErrorNo::FileAccess, QStringLiteral("Path/File access error (%1): %2").arg(path, reason));
}

QString systemReason() { return QString::fromLocal8Bit(std::strerror(errno)); }

void note(const char* what, const QString& path)
{
    if (stepLog)
        stepLog->append(QLatin1String(what) + ' ' + path);
}

// Every step that changes the disk passes here first, so a test can make any one of them fail.
void step(const char* what, const QString& path)
{
    note(what, path);
    if (stepsToFailure > 0 && --stepsToFailure == 0)
        throw accessError(path, QStringLiteral("failure injected by a test"));
}

void sync(QFile& file)
{
    step("sync", file.fileName());
    if (!file.flush() || ::fsync(file.handle()) != 0)
        throw accessError(file.fileName(), systemReason());
}

// The rename is only durable once the folder's entry is on disk too.
void syncFolder(const QString& folder)
{
    note("sync folder", folder);
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

namespace durable_file {

void writeAt(const QString& path, qint64 offset, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        throw accessError(path, file.errorString());
    step("write", path);
    if (file.size() < offset && !file.resize(offset))  // resize fills the gap with zeros
        throw accessError(path, file.errorString());
    if (!file.seek(offset) || file.write(bytes) != bytes.size())
        throw accessError(path, file.errorString());
    sync(file);
}

void replace(const QString& path, const QString& tempPath, const QByteArray& content)
{
    // A file the user made read-only is kept, though the folder would let a rename replace it.
    const QFileInfo target(path);
    constexpr auto anyWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;  // the mode's bits
    if (target.isFile() && (!target.isWritable() || !(target.permissions() & anyWrite)))
        throw accessError(path, QStringLiteral("the file is read-only"));
    try {
        QFile file(tempPath);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            throw accessError(tempPath, file.errorString());
        step("write", tempPath);
        if (file.write(content) != content.size())
            throw accessError(tempPath, file.errorString());
        sync(file);
        file.close();
        step("rename", path);
        if (::rename(QFile::encodeName(tempPath).constData(), QFile::encodeName(path).constData()) != 0)
            throw accessError(path, systemReason());
    } catch (const RuntimeError&) {
        QFile::remove(tempPath);
        throw;
    }
    syncFolder(QFileInfo(path).absolutePath());
}

void failAtStep(int n) { stepsToFailure = n; }

void logStepsTo(QStringList* log) { stepLog = log; }

}  // namespace durable_file
