// The parts of start-up that need no window: the notebook template of a first run, rebuilding
// the review test and the exam left unfinished, and the choice of the printer font.
#pragma once

#include "exams/exam_record.h"
#include "review/review_record.h"
#include "shell/app_state.h"

// The RTF text stored in the title screen's hidden pane; the notebook template starts with it.
extern const QByteArray TitlePaneRtf;

// A new notebook: a heading, the user's name and a notes section per topic.
QByteArray notebookTemplate(const Edition& edition, const QByteArray& userName);

// The name as kept: leading blanks dropped, at most 30 characters.
QByteArray enteredUserName(const QString& typed);

// Rebuild the exam in progress from its record; false (and nothing changed) when the record is
// damaged, so that it is never trusted. The review test's, resumeReviewTest, is beside its record.
bool resumeExam(ExamState& exam, const ExamRecord& record, const Edition& edition);

// The last of "Terminal", "MS LineDraw", "Courier", "Courier New" that the printer offers; empty when none.
QString choosePrinterFontName(const QStringList& printerFonts);
