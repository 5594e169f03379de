#include "app/startup.h"

#include "exams/exam_record.h"
#include "platform/basic.h"
#include "platform/cp1252.h"
#include "platform/durable_file.h"
#include "platform/file_check.h"
#include "platform/record_file.h"
#include "platform/runtime_error.h"
#include "review/review_record.h"
#include "shell/app_state.h"

#include <QDir>
#include <QFile>

const QByteArray TitlePaneRtf = "{\\rtf1\\ansi\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss Arial;}}\r\n"
                                "\\viewkind4\\uc1\\pard\\b\\f0\\fs23 RichTextBox1\r\n"
                                "\\par }\r\n";

namespace {
const QString RunningWarningText =
    "It is possible that this application is already running on this computer.\r\n"
    "A previous system lockup or power loss could also cause this warning.\r\n"
    "If the application is indeed running, results may be unpredictable if you continue.\r\n"
    "Press OK to continue. Cancel to abort.";
const QString PrinterProblem =
    "There is a problem that will prevent printing. Most likely cause is that\r\n"
    "you have not selected a printer from the Windows Control Panel.\r\n"
    "Open the Control Panel, double-click the Printers icon, and choose Add to install a printer.";

// A refusal: its message, then the program ends.
StartupStep ended(const QString& text, const QString& title)
{
    return {StartupBox{text, title, Prompter::OkOnly, Prompter::Critical}, StartupStep::EndProgram};
}

// A name typed with RTF's special characters must not break the notebook's markup.
QByteArray rtfEscaped(const QByteArray& text)
{
    QByteArray out;
    for (char c : text) {
        if (c == '\\' || c == '{' || c == '}')
            out += '\\';
        out += c;
    }
    return out;
}
}  // namespace

QByteArray notebookTemplate(const Edition& edition, const QByteArray& userName)
{
    const QByteArray crlf = "\r\n", par = "\\par ";
    const QByteArray head = TitlePaneRtf.chopped(3);  // up to the final "\par "
    QByteArray body = "\\b\\qc Review Notes for the" + crlf + par + cp1252::fromUnicode(edition.NotebookHeading) + crlf
                      + par + cp1252::fromUnicode(edition.TitleLine2) + crlf + par
                      + "\\pard\\plain Notebook prepared by " + rtfEscaped(userName) + crlf + par + crlf;
    for (int t = 1; t <= edition.TopicCount; ++t) {
        body += par + cp1252::fromUnicode(edition.TopicTitles[t]) + crlf + par + "Notes:" + crlf;
        for (int k = 0; k < 4; ++k)
            body += par + crlf;
    }
    return head + body + par + "}" + crlf;
}

QByteArray enteredUserName(const QString& typed)
{
    qsizetype start = 0;
    while (start < typed.size() && typed[start] == ' ')
        ++start;
    return cp1252::fromUnicode(typed.mid(start, 30));
}

QString choosePrinterFontName(const QStringList& printerFonts)
{
    const QString joined = printerFonts.join(QString());
    QString chosen;
    for (const char* name : {"Terminal", "MS LineDraw", "Courier", "Courier New"})
        if (joined.contains(QLatin1String(name)))
            chosen = name;
    return chosen;
}

void saveFirstRun(AppState& state)
{
    const QString notebook = state.path(state.NotebookFileName);
    durable_file::replace(notebook, notebookTemplate(state.edition, state.settings.UserName));
    const ConfigFile config = state.config();
    ConfigRecord record = config.readRecord1();
    initialiseFirstRun(record, state.edition, state.settings.UserName);
    config.writeRecord1(record);
}

void resumeUnfinishedWork(AppState& state, const ConfigRecord& record)
{
    ConfigImage image(state.config());
    const Edition& edition = state.edition;
    const int reviewNo = record.ReviewRecordNo, examNo = record.ExamRecordNo;
    // Record 1 is never a test's; a Vestora exam record is a byte short of its slot.
    const int examLength = int(encodeExamRecord(ExamRecord(), edition).size());
    const bool reviewResumed = reviewNo >= 2 && image.holdsWhole(reviewNo, RecordLength)
                               && resumeReviewTest(state.review, decodeReviewRecord(image.record(reviewNo)), edition);
    const bool examResumed = examNo >= 2 && image.holdsWhole(examNo, examLength)
                             && resumeExam(state.exam, decodeExamRecord(image.record(examNo), edition), edition);
    state.review.ReviewRecordNo = reviewResumed ? reviewNo : 0;
    state.exam.ExamRecordNo = examResumed ? examNo : 0;
    if (state.review.ReviewRecordNo == reviewNo && state.exam.ExamRecordNo == examNo)
        return;
    image.update([&](ConfigRecord& r) {
        r.ReviewRecordNo = quint8(state.review.ReviewRecordNo);
        r.ExamRecordNo = quint8(state.exam.ExamRecordNo);
    });
    image.save();
}

StartupStep Startup::start()
{
    const QString dataFile = state.path(state.edition.EditionWord);
    if (!QFile::exists(dataFile))
        return ended("Fatal Error. This Software must be reinstalled.", "Missing File Detected!");
    const ConfigFile config = state.config();
    // Refused before the running marker is made, so that nothing is left behind.
    for (const auto& [path, problem] : {std::pair(dataFile, isAbsent(dataFile) ? QString() : readProblem(dataFile)),
                                        std::pair(config.path(), configProblem(config.path()))}) {
        if (!problem.isEmpty())
            return ended("The file " + QDir::toNativeSeparators(path) + " cannot be read (" + problem
                             + ").\r\nThe program ends without changing it.",
                         "File Cannot Be Read!");
    }
    firstRun_ = config.readRecord1().UserName.at(0) == '\0';  // a new or empty file reads as zeros
    return guarded([this] {
        if (QFile::exists(state.path(state.RunningFlagFileName)))
            return ask(RunningWarning);
        durable_file::writeAt(state.path(state.RunningFlagFileName), 0, {});  // an empty marker
        return takeMarker();
    });
}

StartupStep Startup::reply(Prompter::Answer answer)
{
    return guarded([this, answer] { return answered(answer); });
}

StartupStep Startup::reply(const QString& typed)
{
    if (typed.isEmpty())
        return ask(ExitQuestion);
    name_ = enteredUserName(typed);
    return ask(name_.isEmpty() ? NamePrompt : NameConfirm);
}

// A file error from the marker on ends the program with the unrecoverable error; the marker stays
// for the next start to warn about.
StartupStep Startup::guarded(const std::function<StartupStep()>& steps)
{
    try {
        return steps();
    } catch (const RuntimeError& error) {
        return ended("Unrecoverable error" + basic::Str(error.Number) + " has occurred.", error.Description);
    }
}

StartupStep Startup::ask(Question question)
{
    asked_ = question;
    switch (question) {
    case RunningWarning:
        return {StartupBox{RunningWarningText, "Warning!", Prompter::OkCancel, Prompter::Exclamation}, StartupStep::Reply};
    case NamePrompt:
        return {StartupBox{"Please type your name as you would like it to appear on your report cards.",
                           "Welcome! Please Enter Your Name.", Prompter::OkOnly, Prompter::NoIcon, true},
                StartupStep::Reply};
    case ExitQuestion:
        return {StartupBox{"Exit Program?", QString(), Prompter::YesNo, Prompter::Question}, StartupStep::Reply};
    case NameConfirm:
        return {StartupBox{"Thank you.\r\nSoftware user's name is " + cp1252::toUnicode(name_) + ".",
                           "Please Confirm.", Prompter::YesNo, Prompter::Question},
                StartupStep::Reply};
    }
    return {};
}

StartupStep Startup::answered(Prompter::Answer answer)
{
    switch (asked_) {
    case RunningWarning:
        return answer == Prompter::Cancel ? StartupStep{{}, StartupStep::EndProgram} : takeMarker();
    case ExitQuestion:
        if (answer != Prompter::Yes)
            return ask(NamePrompt);
        QFile::remove(state.path(state.RunningFlagFileName));
        return {{}, StartupStep::EndProgram};
    case NameConfirm:
        if (answer == Prompter::No)
            return ask(NamePrompt);
        state.settings.UserName = name_;
        saveFirstRun(state);
        return finish();
    case NamePrompt:
        break;
    }
    return ask(asked_);  // the name prompt wants text, not an answer
}

StartupStep Startup::takeMarker()
{
    state.RunningFlagOwned = true;
    return firstRun_ ? ask(NamePrompt) : finish();
}

StartupStep Startup::finish()
{
    const ConfigRecord record = state.config().readRecord1();
    state.settings = loadSettings(record, state.edition);
    resumeUnfinishedWork(state, record);
    state.text = loadEditionData(state.folder, state.edition);
    return choosePrinterFont();
}

// A missing printer is reported once and start-up goes on without a printer font.
StartupStep Startup::choosePrinterFont()
{
    try {
        state.PrinterFontName = choosePrinterFontName(state.platform.printer.fontNames());
    } catch (const RuntimeError& error) {
        if (error.Number != RuntimeErrorNo::PrinterError)
            throw;
        if (!state.PrinterFailed) {
            state.PrinterFailed = true;
            return {StartupBox{PrinterProblem, error.Description, Prompter::OkOnly, Prompter::Critical},
                    StartupStep::ShowTitle};
        }
    }
    return {};
}
