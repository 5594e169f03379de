// The one way the configuration file is replaced as a whole (report-card erasures, dropping a
// poor exam): the new content goes to "NewConfig" beside it and takes its place in one step,
// so a failure at any point leaves the old file as it was.
#pragma once

#include <QByteArray>
#include <QString>

inline const QString ConfigTempFileName = QStringLiteral("NewConfig");

// Writes content to "NewConfig" in the folder of the file at path (emptied first, whatever an
// interrupted rewrite left there), flushes it to disk and renames it over that file. On failure
// the old file stays intact, "NewConfig" is removed, and a RuntimeError tells the caller.
void replaceConfigFile(const QString& path, const QByteArray& content);
