#include "platform/program_control.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <cstdio>
#include <cstdlib>

bool QtProgramControl::startProgram(const QString& fileName, const QString& folder)
{
    // Programs here have no ".exe": try the name as given, then without it, in the folder
    // and then beside this program.
    QStringList names{fileName};
    if (fileName.endsWith(".exe", Qt::CaseInsensitive))
        names << fileName.chopped(4);
    for (const QString& dir : {folder, QCoreApplication::applicationDirPath()}) {
        for (const QString& name : names) {
            const QFileInfo program(QDir(dir).filePath(name));
            if (program.isFile() && program.isExecutable())
                return QProcess::startDetached(program.absoluteFilePath(), {}, folder);
        }
    }
    return false;
}

void QtProgramControl::end()
{
    // Every file is closed after each operation, so nothing is left to write.
    std::fflush(nullptr);
    std::_Exit(0);
}

QSize QtProgramControl::screenSize() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize();
}
