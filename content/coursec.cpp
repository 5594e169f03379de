// coursec: compiles the course of one edition into its data file and item pictures.
//   coursec <content folder> <broker|license> <output folder>
#include "content/course.h"

#include <QGuiApplication>
#include <QSaveFile>
#include <iostream>

namespace {

const Edition* editionNamed(const QString& name)
{
    for (const Edition* edition : {&vestoraEdition(), &praxelleEdition()})
        if (edition->EditionWord.toLower() == name)
            return edition;
    return nullptr;
}

void writeDataFile(const QString& path, const QByteArray& data)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit())
        throw CourseError(QStringLiteral("Cannot write %1.").arg(path));
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");  // it only draws pictures into images
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    const Edition* edition = args.size() == 4 ? editionNamed(args[2]) : nullptr;
    if (!edition) {
        std::cerr << "usage: coursec <content folder> <broker|license> <output folder>\n";
        return 2;
    }
    try {
        const Course course = readCourse(args[1], *edition);
        writeDataFile(args[3] + '/' + edition->EditionWord, buildEditionData(course, *edition));
        writeItemPictures(course, *edition, args[3]);
    } catch (const CourseError& error) {
        std::cerr << "coursec: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
