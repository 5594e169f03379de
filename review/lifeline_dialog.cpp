#include "review/lifeline_dialog.h"

#include "platform/basic.h"
#include "review/review_session.h"
#include "review/review_window.h"
#include "shell/app_state.h"
#include "shell/help_window.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
constexpr int LifelineHelpPage = 16;
}

Aladdin::Aladdin(AppState& appState) : Form(appState, "Aladdin")
{
    setWindowTitle("Aladdin");

    // The three kinds, each with its count beside it; none is selected at first.
    Frame1 = new QGroupBox("Wishes at Your Command");
    Frame1->setObjectName("Frame1");
    Label1 = new QLabel("Number Remaining");
    Label1->setObjectName("Label1");
    Label1->setAlignment(Qt::AlignCenter);
    const QStringList kinds = {"Make it 50:50", "Free Response (no penalty)", "Show Expert Advise"};
    auto* group = new QButtonGroup(this);
    auto* grid = new QGridLayout(Frame1);
    grid->setHorizontalSpacing(24);
    grid->addWidget(Label1, 0, 1);
    for (int i = 0; i < 3; ++i) {
        Option1[i] = new QRadioButton(kinds[i]);
        Option1[i]->setObjectName(QStringLiteral("Option1(%1)").arg(i));
        group->addButton(Option1[i]);
        Label2[i] = new QLabel;
        Label2[i]->setObjectName(QStringLiteral("Label2(%1)").arg(i));
        Label2[i]->setAlignment(Qt::AlignCenter);
        grid->addWidget(Option1[i], i + 1, 0);
        grid->addWidget(Label2[i], i + 1, 1);
    }

    const QStringList captions = {"OK", "Cancel", "Help"};
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (int i = 0; i < 3; ++i) {
        Command1[i] = new QPushButton(captions[i]);
        Command1[i]->setObjectName(QStringLiteral("Command1(%1)").arg(i));
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { command1Click(i); });
        buttons->addWidget(Command1[i]);
    }
    Command1[Ok]->setDefault(true);
    setCancelButton(Command1[Cancel]);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addLayout(buttons);
    resize(420, 230);
}

ReviewSession* Aladdin::session() const
{
    auto* quiz = dynamic_cast<Quiz800*>(state.forms.find("Quiz800"));
    return quiz ? &quiz->session() : nullptr;
}

void Aladdin::formLoad()
{
    ReviewSession* test = session();
    if (test)
        test->offerLifelines();
    for (int kind = ReviewState::CoinToss; kind <= ReviewState::ExpertAdvice; ++kind) {
        Label2[kind - 1]->setText(basic::Str(state.review.LifelinesLeft[kind]));
        Option1[kind - 1]->setEnabled(test && test->mayChoose(kind));
    }
}

void Aladdin::command1Click(int index)
{
    switch (index) {
    case Ok:
        for (int kind = ReviewState::CoinToss; kind <= ReviewState::ExpertAdvice; ++kind) {
            if (Option1[kind - 1]->isChecked()) {
                if (ReviewSession* test = session())
                    test->chooseLifeline(kind);
                break;
            }
        }
        state.forms.unload("Aladdin");
        break;
    case Cancel: state.forms.unload("Aladdin"); break;
    case HelpButton: showHelp(state, LifelineHelpPage, Forms::Modal); break;
    }
}
