#include "app/edition_chooser.h"

#include "shell/app_state.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

AppChoice::AppChoice(AppState& appState) : Form(appState, "AppChoice")
{
    setWindowTitle("Application Choice");
    Option1 = {new QRadioButton("Broker Praxelle"), new QRadioButton("Salesperson Praxelle")};
    Command1 = {new QPushButton("OK"), new QPushButton("Cancel")};
    for (int i = 0; i < 2; ++i) {
        Option1[i]->setObjectName(QStringLiteral("Option1(%1)").arg(i));
        Command1[i]->setObjectName(QStringLiteral("Command1(%1)").arg(i));
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { commandClick(i); });
    }
    Option1[0]->setChecked(true);
    Command1[Ok]->setDefault(true);
    setCancelButton(Command1[Cancel]);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1[Ok]);
    buttons->addWidget(Command1[Cancel]);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Option1[0]);
    layout->addWidget(Option1[1]);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->addStrut(300);  // room for the caption
    // Its controls do not follow the window's size, so the window keeps its own.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
}

void AppChoice::commandClick(int index)
{
    // Closing the window by its close box goes on with this edition, as OK with the first option does.
    state.forms.unload("AppChoice");
    if (index == Cancel) {
        state.platform.control.end();
    } else if (Option1[1]->isChecked()) {
        state.platform.control.startProgram(state.edition.OtherProgramFile, state.folder);
        state.platform.control.end();
    }
}
