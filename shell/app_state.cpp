#include "shell/app_state.h"

#include <QDir>

AppState::AppState(const Edition& theEdition, Platform& hostServices, QString runFolder)
    : edition(theEdition), platform(hostServices), folder(std::move(runFolder))
{
    PublisherLine = edition.PublisherLine;
    ConfigFileName = edition.EditionWord + "Config.MS";
    NotebookFileName = edition.EditionWord + "NoteBook.RTF";
    RunningFlagFileName = edition.EditionWord + "AppRunning";
    exam.ExamTopics.assign(size_t(edition.TopicCount) + 1, true);
    settings.TopicDrillLevel.assign(size_t(edition.TrackedSlotCount()) + 1, 0);
}

QString AppState::path(const QString& fileName) const { return QDir(folder).filePath(fileName); }
