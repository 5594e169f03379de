#include "exams/results_window.h"

#include "exams/exam_scoring.h"
#include "exams/results_report.h"
#include "platform/basic.h"
#include "platform/cp1252.h"
#include "platform/printer.h"
#include "review/review_rules.h"
#include "shell/app_state.h"
#include "shell/main_menu_link.h"
#include "shell/help_window.h"
#include "shell/picture_window.h"
#include "shell/report_printing.h"

#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {
constexpr int ResultsSlot = 13;
constexpr int ResultsHelpPage = 12;
}  // namespace

Results::Results(AppState& appState) : Form(appState, "Results", ResultsSlot)
{
    setWindowTitle(state.edition.ResultsCaption);

    // The shown item, with the placeholder that sets its right margin.
    Item = new RtfPane("Shape2");

    // The command buttons.
    const std::array<const char*, 7> captions = {"&Sort", "&Print", "N&oteBook", "&Help", "&Done", "C&alculator",
                                                 "&View Picture"};
    for (int i = 0; i < int(Command1.size()); ++i) {
        Command1[i] = new QPushButton(captions[i]);
        Command1[i]->setObjectName(QStringLiteral("Command1(%1)").arg(i));
        Command1[i]->setAutoDefault(false);
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { command1Click(i); });
    }

    // Layout: the list above the summary on the left, the item on the right, the buttons below.
    auto* left = new QVBoxLayout;
    left->addWidget(makeListFrame(), 1);
    left->addWidget(makeSummaryFrame());
    auto* panes = new QHBoxLayout;
    panes->addLayout(left);
    panes->addWidget(Item, 1);
    auto* buttons = new QHBoxLayout;
    for (int i : {SortButton, PrintButton, PictureButton, NotebookButton, CalculatorButton})
        buttons->addWidget(Command1[i]);
    buttons->addStretch();
    buttons->addWidget(Command1[HelpButton]);
    buttons->addWidget(Command1[DoneButton]);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(panes, 1);
    layout->addLayout(buttons);
    resize(900, 640);
}

// The positions, in a fixed-pitch font so that the letters line up under the frame's caption.
QGroupBox* Results::makeListFrame()
{
    List1 = new QListWidget;
    List1->setObjectName("List1");
    List1->setFont(fixedPitchFont(10));
    List1->setMinimumWidth(QFontMetrics(List1->font()).horizontalAdvance(QString(18, 'M')));
    connect(List1, &QListWidget::currentRowChanged, this, &Results::list1Click);
    Frame2 = new QGroupBox("Answer: Correct  Yours");
    Frame2->setObjectName("Frame2");
    (new QVBoxLayout(Frame2))->addWidget(List1);
    return Frame2;
}

// The scoring summary; the line sets the total off from the two counts above it.
QGroupBox* Results::makeSummaryFrame()
{
    Frame1 = new QGroupBox(ScoringSummaryCaption);
    Frame1->setObjectName("Frame1");
    auto* summary = new QVBoxLayout(Frame1);
    const std::array<const char*, 6> labels = {"Answered", "Not Answered", "   Total", "Correct", "Unsure", "Time Used"};
    for (int i = 0; i < int(Label1.size()); ++i) {
        Label1[i] = new QLabel(labels[i]);
        Label1[i]->setObjectName(QStringLiteral("Label1(%1)").arg(i));
        Label1[i]->setFont(fixedPitchFont(10));
        if (i == 2) {
            Line1 = new QFrame;
            Line1->setObjectName("Line1");
            Line1->setFrameShape(QFrame::HLine);
            summary->addWidget(Line1);
        }
        summary->addWidget(Label1[i]);
    }
    return Frame1;
}

void Results::formLoad()
{
    menuLock.emplace(state.mainMenu);
    ExamState& exam = state.exam;
    exam.ExamKey.assign(MostTestItems + 1, 0);
    restorePosition();
    for (int i = 1; i <= exam.ExamItemCount; ++i)
        exam.ExamKey[i] = itemKey(examItemText(state, i));
    fillList();
    const QStringList summary = examSummary(exam);
    for (int i = 0; i < int(Label1.size()); ++i)
        Label1[i]->setText(summary[i]);
    List1->setCurrentRow(0);
    Command1[SortButton]->setEnabled(exam.ExamScrambled);
    Command1[PrintButton]->setEnabled(!state.PrinterFailed);
}

void Results::formUnload()
{
    state.forms.unload("PictForm");
    storePosition(true);
    menuLock.reset();
}

void Results::fillList()
{
    // Nothing is shown while the list is rebuilt; the caller selects the entry to show.
    const QSignalBlocker quiet(List1);
    List1->clear();
    const ExamState& exam = state.exam;
    for (int i = 1; i <= exam.ExamItemCount; ++i)
        List1->addItem(resultListEntry(i, exam.ExamKey[i], exam.ExamAnswers[i], exam.ExamUnsure[i]));
    List1->setCurrentRow(-1);
}

void Results::list1Click(int row)
{
    if (row >= 0)
        ShowResultItem(row + 1);
}

void Results::ShowResultItem(int n)
{
    const QByteArray text = examItemText(state, n);
    Item->setDocument(explainedItemRtf(state.text, itemQuestion(text), itemExplanation(text), state.CrLf.toLatin1()));
    showItemPicture(n);
    setWindowTitle(state.edition.ExamTitles.value(state.exam.ExamChoice) + " Results, Item" + basic::Str(n));
}

void Results::showItemPicture(int n)
{
    const int picture = examItemPicture(state, n);
    Command1[PictureButton]->setEnabled(picture != 0);
    ::showItemPicture(state, picture, this);
}

void Results::command1Click(int index)
{
    switch (index) {
    case SortButton: sort(); break;
    case PrintButton: print(); break;
    case NotebookButton: state.forms.showRestored("NoteBook"); break;
    case CalculatorButton: state.forms.showRestored("Calculator"); break;
    case HelpButton: showHelp(state, ResultsHelpPage, Forms::Modeless); break;
    case DoneButton: done(); break;
    case PictureButton: showItemPicture(List1->currentRow() + 1); break;
    }
}

void Results::sort()
{
    ExamState& exam = state.exam;
    const int shown = exam.ExamItems[std::max(List1->currentRow(), 0) + 1];
    sortByQuestionOrder(exam);
    fillList();
    const auto first = exam.ExamItems.begin() + 1;
    List1->setCurrentRow(int(std::find(first, first + exam.ExamItemCount, shown) - first));
    Command1[SortButton]->setEnabled(false);
    List1->setFocus();
}

void Results::print()
{
    const Edition& edition = state.edition;
    const int choice = state.exam.ExamChoice;
    ResultsPrintout printout;
    printout.ContinuedTitle = edition.ExamTitles.value(choice);
    printout.Title = choice == edition.CustomExamNo() ? printout.ContinuedTitle + edition.ResultsExamWord
                                                      : printout.ContinuedTitle;
    printout.UserName = cp1252::toUnicode(state.settings.UserName);
    printout.SummaryCaption = ScoringSummaryCaption;
    printout.Summary = examSummary(state.exam);
    const bool printed = printThroughDialog(state, [&](PrinterDevice& printer, int copies) {
        useReportFont(state);
        Command1[PrintButton]->setEnabled(false);  // once per showing of the results
        printout.Now = state.platform.clock.serialNow();
        printResults(printer, state.exam, printout, copies);
    });
    if (printed)
        Command1[DoneButton]->setFocus();
}

void Results::done()
{
    if (state.platform.prompter.message(doneReminder(state.exam.ExamScore, state.CrLf), Prompter::OkCancel,
                                        Prompter::NoIcon, "Caution...")
        != Prompter::Ok)
        return;
    state.exam.ExamCurrentItem = 0;
    state.forms.unload("Results");
}
