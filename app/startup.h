// Start-up as a plain object that the title screen runs, and its parts: the notebook template and
// the files of a first run, the user's name as kept, and the choice of the printer font. The review
// test and the exam left unfinished are rebuilt beside their records.
#pragma once

#include "editions/edition.h"
#include "platform/prompter.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class AppState;
struct ConfigRecord;

// A box start-up has shown: a message box, or the name prompt (isInput, text as its prompt).
struct StartupBox {
    QString text;
    QString title;
    Prompter::Buttons buttons = Prompter::OkOnly;
    Prompter::Icon icon = Prompter::NoIcon;
    bool isInput = false;
};

// What start-up needs next: its box shown (a last step may have none), then its reply passed
// back, or the title screen shown, or the program ended.
struct StartupStep {
    enum Next { Reply, ShowTitle, EndProgram };
    std::optional<StartupBox> box;
    Next next = ShowTitle;
};

// Start-up in its fixed order: the files checked before anything is written, the running marker
// taken, a first run's name and files, the settings, the unfinished work resumed, the course text
// cut and the printer font chosen. A file error on the way ends the program with its message.
class Startup {
public:
    explicit Startup(AppState& appState) : state(appState) {}

    StartupStep start();
    // The answer to the last step's message box, or the text typed in its name prompt (empty for Cancel).
    StartupStep reply(Prompter::Answer answer);
    StartupStep reply(const QString& typed);

private:
    enum Question { RunningWarning, NamePrompt, ExitQuestion, NameConfirm };

    StartupStep ask(Question question);
    StartupStep takeMarker();
    StartupStep answered(Prompter::Answer answer);
    StartupStep finish();
    StartupStep choosePrinterFont();
    StartupStep guarded(const std::function<StartupStep()>& steps);

    AppState& state;
    bool firstRun_ = false;
    Question asked_ = RunningWarning;
    QByteArray name_;  // the name typed, as kept, while it is confirmed
};

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
