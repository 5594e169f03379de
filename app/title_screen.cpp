#include "app/title_screen.h"

#include "platform/basic.h"
#include "platform/cp1252.h"
#include "platform/durable_file.h"
#include "platform/file_check.h"
#include "platform/runtime_error.h"
#include "shell/app_state.h"
#include "app/startup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace {
const QString RunningWarning =
    "It is possible that this application is already running on this computer.\r\n"
    "A previous system lockup or power loss could also cause this warning.\r\n"
    "If the application is indeed running, results may be unpredictable if you continue.\r\n"
    "Press OK to continue. Cancel to abort.";
const QString PrinterProblem =
    "There is a problem that will prevent printing. Most likely cause is that\r\n"
    "you have not selected a printer from the Windows Control Panel.\r\n"
    "Open the Control Panel, double-click the Printers icon, and choose Add to install a printer.";

}  // namespace

Pubdat::Pubdat(AppState& appState) : Form(appState, "Pubdat")
{
    setWindowTitle(state.edition.ProgramTitle);
    // Labels: 0 author, 1 title line 1, 2 publisher, 3 title line 2, 4 user name, 6 edition line.
    const std::array<const char*, 8> fonts = {"Arial", "Times New Roman", "Arial", "Times New Roman",
                                              "Arial", "Arial", "Arial", "Arial"};
    const std::array<int, 8> sizes = {10, 22, 12, 18, 12, 10, 11, 10};
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 30, 40, 30);
    layout->setSpacing(14);
    for (int i = 0; i < 8; ++i) {
        Label1[i] = new QLabel;
        Label1[i]->setObjectName(QStringLiteral("Label1(%1)").arg(i));
        Label1[i]->setAlignment(Qt::AlignCenter);
        Label1[i]->setTextFormat(Qt::PlainText);  // the user's name is shown as typed, never as markup
        QFont font(fonts[i], sizes[i]);
        font.setBold(i == 1 || i == 3);
        Label1[i]->setFont(font);
    }
    for (int i : {2, 1, 3, 6, 4, 0})
        layout->addWidget(Label1[i]);
    Label1[5]->hide();
    Label1[7]->hide();
    resize(560, 360);  // at least: the layout widens it to the longest title
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);  // a passing screen, not a window to work in

    Timer1 = new QTimer(this);
    Timer1->setInterval(200);
    connect(Timer1, &QTimer::timeout, this, &Pubdat::timer1Timer);
    Timer1->start();
}

void startProgram(AppState& state)
{
    if (state.edition.HasEditionChooser) {
        state.forms.show("AppChoice", Forms::Modal);
        if (state.platform.control.hasEnded())
            return;
    }
    state.forms.show("Pubdat");
}

void Pubdat::formLoad()
{
    if (!loadSequence())
        return;
    Label1[0]->setText(state.AuthorLine);
    Label1[1]->setText(state.edition.TitleLine1);
    Label1[3]->setText(state.edition.TitleLine2);
    Label1[2]->setText(state.PublisherLine);
    Label1[6]->setText(state.edition.EditionLine);
    Label1[4]->setText(cp1252::toUnicode(state.settings.UserName).trimmed());
    LoadDoneTime = state.platform.clock.secondsSinceMidnight();
}

// Start-up ends the program on its refusals: the title screen goes and nothing else runs.
void Pubdat::endProgram()
{
    state.forms.unload("Pubdat");
    state.platform.control.end();
}

bool Pubdat::loadSequence()
{
    Platform& platform = state.platform;
    if (!QFile::exists(state.path(state.edition.EditionWord))) {
        platform.prompter.message("Fatal Error. This Software must be reinstalled.", Prompter::OkOnly,
                                  Prompter::Critical, "Missing File Detected!");
        endProgram();
        return false;
    }
    const ConfigFile config = state.config();
    // Refused before the running marker is made, so that nothing is left behind.
    const QString dataFile = state.path(state.edition.EditionWord);
    for (const auto& [path, problem] : {std::pair(dataFile, isAbsent(dataFile) ? QString() : readProblem(dataFile)),
                                        std::pair(config.path(), configProblem(config.path()))}) {
        if (!problem.isEmpty()) {
            platform.prompter.message("The file " + QDir::toNativeSeparators(path) + " cannot be read (" + problem
                                          + ").\r\nThe program ends without changing it.",
                                      Prompter::OkOnly, Prompter::Critical, "File Cannot Be Read!");
            endProgram();
            return false;
        }
    }
    ConfigRecord record = config.readRecord1();  // a new or empty file reads as zeros: a first run
    try {
        const QString flag = state.path(state.RunningFlagFileName);
        if (QFile::exists(flag)) {
            if (platform.prompter.message(RunningWarning, Prompter::OkCancel, Prompter::Exclamation, "Warning!")
                == Prompter::Cancel) {
                endProgram();
                return false;
            }
        } else {
            durable_file::writeAt(flag, 0, {});  // an empty marker
        }
        state.RunningFlagOwned = true;
        if (record.UserName.at(0) == '\0') {
            if (!askUserName())
                return false;
            saveFirstRun(state);
        }
        record = config.readRecord1();
        state.settings = loadSettings(record, state.edition);
        resumeUnfinishedWork(state, record);
        state.text = loadEditionData(state.folder, state.edition);
        choosePrinterFont();
    } catch (const RuntimeError& error) {
        platform.prompter.message("Unrecoverable error" + basic::Str(error.Number) + " has occurred.",
                                  Prompter::OkOnly, Prompter::Critical, error.Description);
        endProgram();
        return false;
    }
    return true;
}

bool Pubdat::askUserName()
{
    Platform& platform = state.platform;
    QByteArray name;
    while (name.isEmpty()) {
        const QString typed = platform.prompter.input("Please type your name as you would like it to appear "
                                                      "on your report cards.",
                                                      "Welcome! Please Enter Your Name.", QString());
        if (typed.isEmpty()) {
            if (platform.prompter.message("Exit Program?", Prompter::YesNo, Prompter::Question, QString())
                == Prompter::Yes) {
                QFile::remove(state.path(state.RunningFlagFileName));
                endProgram();
                return false;
            }
            continue;
        }
        name = enteredUserName(typed);
        if (!name.isEmpty()
            && platform.prompter.message("Thank you.\r\nSoftware user's name is " + cp1252::toUnicode(name) + ".",
                                         Prompter::YesNo, Prompter::Question, "Please Confirm.")
                   == Prompter::No)
            name.clear();
    }
    state.settings.UserName = name;
    return true;
}

void Pubdat::choosePrinterFont()
{
    // A missing printer is reported once and start-up goes on without a printer font.
    try {
        state.PrinterFontName = choosePrinterFontName(state.platform.printer.fontNames());
    } catch (const RuntimeError& error) {
        if (error.Number != RuntimeErrorNo::PrinterError)
            throw;
        if (!state.PrinterFailed) {
            state.PrinterFailed = true;
            state.platform.prompter.message(PrinterProblem, Prompter::OkOnly, Prompter::Critical, error.Description);
        }
    }
}

void Pubdat::leave()
{
    if (LoadDoneTime)
        state.forms.unload("Pubdat");
}

// However the title screen goes once loading is done (a key, a click, the timer, its close box),
// the main menu follows: without it nothing would be left to end the program.
void Pubdat::formUnload()
{
    Timer1->stop();
    if (LoadDoneTime)
        state.forms.show("ButtonMenu");
}

void Pubdat::timer1Timer()
{
    if (!LoadDoneTime)
        return;
    float waited = state.platform.clock.secondsSinceMidnight() - *LoadDoneTime;
    if (waited < 0)
        waited += 86400;  // loading ended before midnight
    if (waited > 4.0f)
        leave();
}

void Pubdat::keyPressEvent(QKeyEvent*) { leave(); }

// A label passes its clicks on to the window.
void Pubdat::mousePressEvent(QMouseEvent*) { leave(); }
