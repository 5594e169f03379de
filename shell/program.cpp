#include "shell/program.h"

#include "platform/runtime_error.h"
#include "shell/text_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

// For now the program loads its edition's course text and says what it found; the windows
// come on top of this.
int runProgram(int argc, char** argv, const Edition& edition)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    try {
        const TextStore store = loadEditionData(QDir::currentPath(), edition);
        int reviewItems = 0;
        for (int t = 1; t <= edition.TopicCount; ++t)
            reviewItems += store.TopicItemCounts[t][1];
        out << edition.ProgramTitle << ": " << edition.ReadingTextCount << " reading texts, "
            << store.GlossaryEntries.size() - 1 << " glossary entries, " << reviewItems << " review items in "
            << edition.TopicCount << " topics, " << HelpPageCount << " help pages.\n";
        return 0;
    } catch (const RuntimeError& error) {
        out << "Unrecoverable error " << error.Number << " has occurred. (" << error.Description << ")\n";
        return 1;
    }
}
