// The parts of start-up that need no window: the notebook template and the files of a first run,
// the user's name as kept, and the choice of the printer font. The review test and the exam left unfinished
// are rebuilt beside their records.
#pragma once

#include "editions/edition.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class AppState;
struct ConfigRecord;

// The RTF text stored in the title screen's hidden pane; the notebook template starts with it.
extern const QByteArray TitlePaneRtf;

// A new notebook: a heading, the user's name and a notes section per topic.
QByteArray notebookTemplate(const Edition& edition, const QByteArray& userName);

// Rebuilds the review test and the exam left unfinished from the records that record (record 1 as
// read) names. A number that names no record the program can resume (one of the other kind, a
// damaged one, one past the end of the file or cut short at its end) is dropped from record 1 in
// the file too, so that no later rewrite, renumbering the records, makes it name another test;
// the records stay as they are. A file error raises a RuntimeError.
void resumeUnfinishedWork(AppState& state, const ConfigRecord& record);

// A first run's files for the name in the settings: the notebook template, then record 1 of the
// configuration file, last, so that a first run broken off at any point is a first run again.
// A file error raises a RuntimeError.
void saveFirstRun(AppState& state);

// The name as kept: leading blanks dropped, at most 30 characters.
QByteArray enteredUserName(const QString& typed);

// The last of "Terminal", "MS LineDraw", "Courier", "Courier New" that the printer offers; empty when none.
QString choosePrinterFontName(const QStringList& printerFonts);
