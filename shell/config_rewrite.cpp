#include "shell/config_rewrite.h"

#include "platform/durable_file.h"

#include <QDir>
#include <QFileInfo>

void replaceConfigFile(const QString& path, const QByteArray& content)
{
    durable_file::replace(path, QFileInfo(path).dir().filePath(ConfigTempFileName), content);
}
