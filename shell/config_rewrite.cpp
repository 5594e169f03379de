#include "shell/config_rewrite.h"

#include "platform/runtime_error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

RuntimeError rewriteError(const QString& path, const QString& reason)
{
    return RuntimeError(RuntimeErrorNo::FileAccess,
                        QStringLiteral("Path/File access error (%1): %2").arg(path, reason));
}

// The rename is only durable once the folder's entry is on disk too.
void syncFolder(const QString& folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

void writeDurably(const QString& tempPath, const QByteArray& content)
{
    QFile file(tempPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw rewriteError(tempPath, file.errorString());
    if (file.write(content) != content.size() || !file.flush())
        throw rewriteError(tempPath, file.errorString());
    if (::fsync(file.handle()) != 0)
        throw rewriteError(tempPath, QString::fromLocal8Bit(std::strerror(errno)));
}

}  // namespace

void replaceConfigFile(const QString& path, const QByteArray& content)
{
    const QString folder = QFileInfo(path).absolutePath();
    const QString tempPath = QDir(folder).filePath(ConfigTempFileName);
    try {
        writeDurably(tempPath, content);
        // One step: at every moment the configuration file is either the old one or the new one.
        if (::rename(QFile::encodeName(tempPath).constData(), QFile::encodeName(path).constData()) != 0)
            throw rewriteError(path, QString::fromLocal8Bit(std::strerror(errno)));
    } catch (const RuntimeError&) {
        QFile::remove(tempPath);
        throw;
    }
    syncFolder(folder);
}
