#include "platform/durable_file.h"

#include "platform/runtime_error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#include <utility>

namespace {

int stepsToFailure = 0;
QStringList* stepLog = nullptr;
std::function<void()> stepAction;

RuntimeError accessError(const QString& path, const QString& reason)
{
    return RuntimeError(RuntimeErrorNo::FileAccess, QStringLiteral("Path/File access error (%1): %2").arg(path, reason));
}

QString systemReason(int error = errno) { return QString::fromLocal8Bit(std::strerror(error)); }

// Every step that changes the disk passes here first, so a test can make any one of them fail.
void step(const char* what, const QString& path)
{
    if (stepAction) {
        const auto action = std::exchange(stepAction, nullptr);  // its own steps do not run it again
        action();
        stepAction = action;
    }
    if (stepLog)
        stepLog->append(QLatin1String(what) + ' ' + path);
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
    step("sync folder", folder);
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        throw accessError(folder, systemReason());
    const int error = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    if (error != 0)
        throw accessError(folder, systemReason(error));
}

// A link in the file's place stays a link: the file it leads to is the one replaced, as editors
// do, and one that leads nowhere yet is created there.
QFileInfo replacedFile(const QString& path)
{
    QFileInfo file(path);
    for (int hops = 0; file.isSymLink() && hops < 40; ++hops)  // 40: the system's own limit
        file.setFile(file.symLinkTarget());
    return file;
}

// Temporary files of a save are named for the file they replace, so a save never touches those
// of another file (the other edition's, sharing the folder) and can clear what a save of its own
// file left when it was killed before its rename.
QString temporaryPrefix(const QFileInfo& file) { return file.fileName() + ".new"; }

void removeLeftovers(const QFileInfo& file)
{
    QDir folder = file.dir();
    const QString prefix = temporaryPrefix(file);
    for (const QString& name : folder.entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot))
        if (name.startsWith(prefix))
            folder.remove(name);  // never opened: a pipe or a link there is just unlinked
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

void replace(const QString& path, const QByteArray& content)
{
    const QFileInfo target = replacedFile(path);
    // A file the user made read-only is kept, though the folder would let a rename replace it.
    constexpr auto anyWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;  // the mode's bits
    if (target.isFile() && (!target.isWritable() || !(target.permissions() & anyWrite)))
        throw accessError(path, QStringLiteral("the file is read-only"));
    removeLeftovers(target);
    // Made anew under a name no other save has (O_EXCL), so nothing found there is ever opened.
    QTemporaryFile file(target.dir().filePath(temporaryPrefix(target) + ".XXXXXX"));
    file.setAutoRemove(false);  // once renamed, its name is free for another save to take
    if (!file.open())
        throw accessError(file.fileTemplate(), file.errorString());
    try {
        if (target.exists() && !file.setPermissions(target.permissions()))
            throw accessError(file.fileName(), file.errorString());
        step("write", file.fileName());
        if (file.write(content) != content.size())
            throw accessError(file.fileName(), file.errorString());
        sync(file);
        file.close();
        step("rename", target.filePath());
        if (::rename(QFile::encodeName(file.fileName()).constData(), QFile::encodeName(target.filePath()).constData()) != 0)
            throw accessError(path, systemReason());
    } catch (const RuntimeError&) {
        QFile::remove(file.fileName());
        throw;
    }
    // Should this fail, the new file stays, but the caller hears of it as of any failed step.
    syncFolder(target.absolutePath());
}

void failAtStep(int n) { stepsToFailure = n; }

void logStepsTo(QStringList* log) { stepLog = log; }

void runBeforeEachStep(std::function<void()> action) { stepAction = std::move(action); }

}  // namespace durable_file
