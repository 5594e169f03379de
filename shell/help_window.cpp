#include "shell/help_window.h"

#include "shell/app_state.h"

#include <QVBoxLayout>

void showHelp(AppState& state, int page, Forms::Mode mode, bool onlyWhenDifferent)
{
    if (!onlyWhenDifferent || state.HelpTopicNo != page)
        state.forms.unload("Help");
    state.HelpTopicNo = page;
    // Normal size before showing: a modal show only returns once the window is closed.
    if (Form* help = state.forms.load("Help"))
        help->setNormal();
    state.forms.show("Help", mode);
}

Help::Help(AppState& appState) : Form(appState, "Help", 5)
{
    setWindowTitle("Help");

    Page = new RtfPane("Shape1");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Page);
    resize(600, 440);
}

void Help::formLoad()
{
    restorePosition();
    Page->setDocument(state.text.RtfHeader + state.text.HelpPages.at(state.HelpTopicNo));
}

void Help::formUnload() { storePosition(true); }
