#include "shell/card_window.h"

#include "platform/runtime_error.h"
#include "shell/app_state.h"
#include "shell/card_messages.h"
#include "shell/fixed_pitch_list.h"
#include "shell/help_window.h"
#include "shell/report_printing.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

CardWindow::CardWindow(AppState& appState, CardModel& cardModel, const Kind& cardKind)
    : Form(appState, cardKind.Name, cardKind.Slot), model(cardModel), kind(cardKind)
{
    List1 = new QListWidget;
    List1->setObjectName("List1");
    connect(List1, &QListWidget::currentRowChanged, this, &CardWindow::list1Click);
    for (int i = 0; i < int(kind.Buttons.size()); ++i) {
        Command1.push_back(new QPushButton(kind.Buttons[i]));
        Command1[i]->setObjectName(QStringLiteral("Command1(%1)").arg(i));
        Command1[i]->setAutoDefault(false);
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { command1Click(i); });
    }
    makeSortFrame();
    makeIncludeFrame();
}

void CardWindow::makeSortFrame()
{
    Frame1 = new QGroupBox("Sort List By:");
    Frame1->setObjectName("Frame1");
    auto* grid = new QGridLayout(Frame1);
    for (int i = 0; i < int(Option1.size()); ++i) {
        Option1[i] = new QRadioButton(kind.SortOrders[i]);
        Option1[i]->setObjectName(QStringLiteral("Option1(%1)").arg(i));
        grid->addWidget(Option1[i], i % kind.SortRows, i / kind.SortRows);
        connect(Option1[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (!on)
                return;
            model.sort(i);
            fillReportList();
        });
    }
}

void CardWindow::makeIncludeFrame()
{
    Frame2 = new QGroupBox("Include");
    Frame2->setObjectName("Frame2");
    auto* column = new QVBoxLayout(Frame2);
    for (int i = 0; i < int(Option2.size()); ++i) {
        Option2[i] = new QRadioButton(kind.Includes[i]);
        Option2[i]->setObjectName(QStringLiteral("Option2(%1)").arg(i));
        column->addWidget(Option2[i]);
        connect(Option2[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (!on)
                return;
            model.include(i);
            showRetakeChoices();
        });
    }
    if (kind.RetakeAtBottom)
        column->addStretch();
    column->addWidget(Command1[RetakeButton]);
}

QLayout* CardWindow::controlsRow(std::initializer_list<int> buttonOrder)
{
    auto* buttons = new QVBoxLayout;
    for (int i : buttonOrder)
        buttons->addWidget(Command1[i]);
    buttons->addStretch();
    auto* row = new QHBoxLayout;
    row->addWidget(Frame1);
    row->addWidget(Frame2);
    row->addStretch();
    row->addLayout(buttons);
    return row;
}

// ---- Opening and closing ----

void CardWindow::formLoad()
{
    Option2[0]->setChecked(true);  // here, as the card's model now stands
    menuLock.emplace(state.mainMenu);
    restorePosition();
    try {
        model.load(ConfigImage(state.config()));
    } catch (const RuntimeError& error) {
        tellUnreadableCardFile(state.platform.prompter, error.Description);
    }
    tellUnshownRecords(state.platform.prompter, int(model.unshownRecords().size()));
    if (model.rowCount() == 0) {
        disableCardActions();
        Frame1->setEnabled(false);
    } else {
        Option1[0]->setChecked(true);  // sorts and fills the list
        List1->setCurrentRow(0);
    }
    if (state.PrinterFailed)
        Command1[PrintButton]->setEnabled(false);
}

void CardWindow::formUnload()
{
    storePosition(true);
    menuLock.reset();
}

// ---- The list ----

void CardWindow::fillReportList()
{
    {
        const QSignalBlocker quiet(List1);
        fillFixedPitchList(List1, model.lines());
    }
    totalsLabel->setText(totalsText());
    if (model.rowCount() == 0) {
        selectionLabel->setText(selectionText());
        Command1[RetakeButton]->setEnabled(false);
    }
    List1->setCurrentRow(model.selected());
}

void CardWindow::list1Click(int line)
{
    if (line < 0)
        return;
    model.select(line);
    selectionLabel->setText(selectionText());
    showRetakeChoices();
}

void CardWindow::showRetakeChoices()
{
    if (model.selected() < 0)
        return;
    const RetakeChoices allowed = model.allowedRetakes({state.settings.TopicDrillLevel, state.text.TopicItemCounts});
    for (int i = 0; i < int(Option2.size()); ++i)
        Option2[i]->setEnabled(allowed[i]);
    Command1[RetakeButton]->setEnabled(allowed[model.included()]);
}

// ---- Buttons ----

void CardWindow::command1Click(int index)
{
    switch (index) {
    case PrintButton: print(); break;
    case EraseButton: erase(); break;
    case DoneButton:
        if (saveErasures())
            state.forms.unload(name());
        break;
    case HelpButton: showHelp(state, kind.HelpPage, Forms::Modeless); break;
    case RetakeButton: retake(); break;
    case ViewButton: viewResults(); break;
    }
}

void CardWindow::print()
{
    const bool printed = printThroughDialog(state, [&](PrinterDevice& printer, int copies) {
        useReportFont(state);
        printCard(printer, copies);
    });
    if (printed)
        Command1[DoneButton]->setFocus();
}

void CardWindow::erase()
{
    model.eraseSelected();
    fillReportList();
    if (model.rowCount() == 0)
        disableCardActions();
}

// Erasures reach the file only when the user agrees, in one rewrite that copies the other kind's
// records as they are.
bool CardWindow::saveErasures()
{
    if (!model.erased())
        return true;
    if (askToSaveCard(state.platform.prompter, kind.ErasedTitle)) {
        const bool reviewCard = kind.Card == ReportCardOf::ReviewTests;
        int& otherResumeNo = reviewCard ? state.exam.ExamRecordNo : state.review.ReviewRecordNo;
        const CardRewrite rewrite =
            rewriteReportCard(state.config(), kind.Card, model.keptRecords(), model.unshownRecords(), otherResumeNo);
        if (!tellCardRewrite(state.platform.prompter, rewrite, reviewCard ? "exam" : "review test"))
            return false;
    }
    model.clearErased();
    return true;
}

void CardWindow::disableCardActions()
{
    for (int i = PrintButton; i < int(Command1.size()); ++i) {
        if (i != DoneButton && i != HelpButton)
            Command1[i]->setEnabled(false);
    }
    Frame2->setEnabled(false);
}
