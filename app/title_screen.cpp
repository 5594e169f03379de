#include "app/title_screen.h"

#include "platform/cp1252.h"
#include "shell/app_state.h"
#include "app/startup.h"

#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace {
Prompter::Answer showBox(Prompter& prompter, const StartupBox& box)
{
    return prompter.message(box.text, box.buttons, box.icon, box.title);
}
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
    if (!runStartup())
        return;
    Label1[0]->setText(state.AuthorLine);
    Label1[1]->setText(state.edition.TitleLine1);
    Label1[3]->setText(state.edition.TitleLine2);
    Label1[2]->setText(state.PublisherLine);
    Label1[6]->setText(state.edition.EditionLine);
    Label1[4]->setText(cp1252::toUnicode(state.settings.UserName).trimmed());
    LoadDoneTime = state.platform.clock.secondsSinceMidnight();
}

// Start-up decides; the title screen shows its boxes and passes the replies back. When start-up
// ends the program the title screen goes and nothing else runs.
bool Pubdat::runStartup()
{
    Prompter& prompter = state.platform.prompter;
    Startup startup(state);
    StartupStep step = startup.start();
    while (step.next == StartupStep::Reply)
        step = step.box->isInput ? startup.reply(prompter.input(step.box->text, step.box->title, QString()))
                                 : startup.reply(showBox(prompter, *step.box));
    if (step.box)
        showBox(prompter, *step.box);
    if (step.next == StartupStep::ShowTitle)
        return true;
    state.forms.unload("Pubdat");
    state.platform.control.end();
    return false;
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
