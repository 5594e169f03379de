#include "shell/app_state.h"

#include <QDir>

AppState::AppState(const Edition& edition, Platform& platform, QString folder)
    : edition(edition), platform(platform), folder(std::move(folder))
{
    PublisherLine = edition.PublisherLine;
    ConfigFileName = edition.EditionWord + "Config.MS";
    NotebookFileName = edition.EditionWord + "NoteBook.RTF";
    RunningFlagFileName = edition.EditionWord + "AppRunning";
    exam.ExamTopics.assign(size_t(edition.TopicCount) + 1, true);
    settings.TopicDrillLevel.assign(size_t(edition.TrackedSlotCount()) + 1, 0);
}

QString AppState::path(const QString& fileName) const { return QDir(folder).filePath(fileName); }
