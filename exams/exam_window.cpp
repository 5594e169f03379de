#include "exams/exam_window.h"

#include "exams/exam_rules.h"
#include "exams/exam_scoring.h"
#include "platform/basic.h"
#include "platform/rich_text_box.h"
#include "shell/app_state.h"
#include "shell/main_menu_link.h"
#include "shell/help_window.h"
#include "shell/picture_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr int ExamTestSlot = 3;
constexpr int ExamTestHelpPage = 11;
constexpr int AnswerCount = 4;
constexpr int ClockInterval = 200;  // ms
constexpr int BlinkInterval = 300;  // ms
const QColor WarningColour(255, 0, 0);  // the clock's warning

}  // namespace

ExamTest::ExamTest(AppState& appState) : Form(appState, "ExamTest", ExamTestSlot)
{
    setWindowTitle("Practice Exam");
    session = new ExamSession(state.exam, state.text, state.edition, state.platform.clock, state.platform.random,
                              [this](bool cancelled, bool finished) { return runExamClosingRules(state, cancelled, finished); },
                              this);
    Frame1 = new ExamLists(*session, this);
    connect(session, &ExamSession::progressChanged, Frame1, &ExamLists::fill);
    connect(session, &ExamSession::itemShown, this, &ExamTest::showItem);
    connect(session, &ExamSession::controlsChanged, this, &ExamTest::render);
    connect(session, &ExamSession::clockChanged, this, &ExamTest::showClock);
    connect(session, &ExamSession::expired, this, &ExamTest::showExpiry);
    connect(session, &ExamSession::closeRequested, this, &ExamTest::close);
    connect(session, &ExamSession::closed, this, [this](const ExamClosing& closing) { showExamClosing(state, closing); });

    Timer1 = new QTimer(this);
    Timer1->setInterval(ClockInterval);
    connect(Timer1, &QTimer::timeout, this, &ExamTest::timer1Tick);
    Timer2 = new QTimer(this);
    Timer2->setInterval(BlinkInterval);
    connect(Timer2, &QTimer::timeout, this, &ExamTest::timer2Tick);

    // Layout: the item and its answer buttons on the left, the clock, progress, lists and the
    // exam's own buttons on the right.
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(14);
    layout->addWidget(makeItemPane(), 1);
    layout->addWidget(makeSidePane());
    resize(900, 650);
}

QPushButton* ExamTest::makeButton(int index, const QString& caption)
{
    auto* button = new QPushButton(caption);
    button->setObjectName(QStringLiteral("Command1(%1)").arg(index));
    button->installEventFilter(this);
    connect(button, &QPushButton::clicked, this, [this, index] { command1Click(index); });
    Command1[index] = button;
    return button;
}

QWidget* ExamTest::makeItemPane()
{
    Item = new RtfPane("Shape3");
    Item->box()->installEventFilter(this);

    Label1[0] = new QLabel(answerLabel(0, false));
    Label1[0]->setObjectName("Label1(0)");
    Label1[0]->setFont(enlargedBold(font(), 2));

    Answers = new AnswerButtons(QSize(56, 48), 5);
    Answers->layout()->setSpacing(0);  // side by side, as the rest of the row
    connect(Answers, &AnswerButtons::chosen, session, &ExamSession::answer);
    for (int i = 0; i < AnswerCount; ++i)
        Command1[i] = Answers->button(i);
    auto* answers = new QHBoxLayout;
    answers->addWidget(Answers);
    answers->addSpacing(16);
    answers->addWidget(makeButton(Unsure, "&Unsure"));
    answers->addStretch();
    answers->addWidget(makeButton(Previous, "&Previous"));
    answers->addWidget(makeButton(Next, "&Next"));
    for (int index : {Unsure, Previous, Next})
        Command1[index]->setMinimumHeight(48);

    auto* pane = new QWidget;
    auto* column = new QVBoxLayout(pane);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(Item, 1);
    column->addSpacing(10);
    column->addWidget(Label1[0]);
    column->addSpacing(8);
    column->addLayout(answers);
    return pane;
}

QWidget* ExamTest::makeSidePane()
{
    Label1[1] = new QLabel("Time Remaining: ");
    Label1[1]->setObjectName("Label1(1)");
    Label1[1]->setFont(enlargedBold(font(), 4));
    Label1[1]->setAlignment(Qt::AlignCenter);

    ProgressBar1 = new QProgressBar;
    ProgressBar1->setObjectName("ProgressBar1");

    auto* buttons = new QGridLayout;
    buttons->addWidget(makeButton(ViewPicture, "&View Picture"), 0, 0);
    buttons->addWidget(makeButton(CalculatorButton, "C&alculator"), 0, 1);
    buttons->addWidget(makeButton(HelpButton, "&Help"), 1, 0);
    buttons->addWidget(makeButton(Break, "&Break"), 1, 1);
    Shape1 = new BorderShape;
    Shape1->setObjectName("Shape1");
    buttons->addWidget(framedButton(makeButton(Finished, "&Finished"), Shape1), 2, 0, 1, 2);
    Command1[Finished]->setMinimumHeight(40);
    Command1[Finished]->setFont(enlargedBold(font(), 2));

    auto* pane = new QWidget;
    pane->setMaximumWidth(300);  // narrower when the screen is small
    auto* column = new QVBoxLayout(pane);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(Label1[1]);
    column->addWidget(ProgressBar1);
    column->addWidget(Frame1, 1);
    column->addLayout(buttons);
    return pane;
}

void ExamTest::formLoad()
{
    restorePosition();
    menuLock.emplace(state.mainMenu);
    session->start();
    Timer1->start();
}

void ExamTest::showItem()
{
    setWindowTitle(session->title());
    Item->setDocument(session->itemRtf());
    if (session->picture() != 0)
        showItemPicture();
    else
        state.forms.unload("PictForm");
}

void ExamTest::render(ExamSession::Focus focus)
{
    // What is switched on comes first and what is switched off last, so that the focus never
    // passes through a control on its way (a list it entered would show its entry).
    std::vector<std::pair<QWidget*, bool>> enabled;
    for (int k = 0; k < AnswerCount; ++k)
        enabled.emplace_back(Command1[k], session->answerEnabled(k));
    enabled.emplace_back(Command1[Next], session->nextEnabled());
    enabled.emplace_back(Command1[Previous], session->previousEnabled());
    enabled.emplace_back(Command1[Break], session->actionsEnabled());
    enabled.emplace_back(Command1[Unsure], session->actionsEnabled());
    enabled.emplace_back(Command1[ViewPicture], session->picture() != 0);
    for (const auto which : {ExamSession::AnsweredList, ExamSession::RemainingList})
        enabled.emplace_back(Frame1->list(which), session->listEnabled(which));
    for (const auto& [control, on] : enabled)
        if (on)
            control->setEnabled(true);
    const std::array<QWidget*, 5> targets = {nullptr, Command1[Next], Command1[Previous], Command1[Finished], Item->box()};
    if (QWidget* target = targets[focus])
        target->setFocus();
    for (const auto& [control, on] : enabled)
        if (!on)
            control->setEnabled(false);

    Command1[Previous]->setText(session->previousConfirms() ? "Confirm" : "&Previous");
    Command1[Break]->setText(session->closeCancels() ? "&Cancel" : "&Break");
    Label1[0]->setText(session->answerText());
    ProgressBar1->setValue(session->progress());
    Frame1->showSelection();
    Shape1->setVisible(session->finishedFramed());
    if (session->finishedBlinks() && !Timer2->isActive())
        Timer2->start();
}

void ExamTest::showItemPicture() { ::showItemPicture(state, session->picture(), this); }

void ExamTest::command1Click(int index)
{
    switch (index) {
    case Next: session->next(); break;
    case Previous: session->previous(); break;
    case Break: session->interrupt(); break;
    case Finished: finishedClick(); break;
    case HelpButton: showHelp(state, ExamTestHelpPage, Forms::Modeless); break;
    case Unsure: session->toggleUnsure(); break;
    case CalculatorButton: state.forms.showRestored("Calculator"); break;
    case ViewPicture: showItemPicture(); break;
    }
}

void ExamTest::finishedClick()
{
    if (session->wantsCaution()) {
        const QDateTime asked = state.platform.clock.now();
        if (state.platform.prompter.message(cautionText(session->remainingCount()), Prompter::OkCancel,
                                            Prompter::NoIcon, "Caution...")
            != Prompter::Ok) {
            session->giveTimeBack(asked);
            return;
        }
    }
    session->finish();
}

void ExamTest::timer1Tick() { session->tick(); }

void ExamTest::showClock(const Countdown& clock)
{
    Label1[1]->setText(clock.Text);
    QPalette colours = Label1[1]->palette();
    colours.setColor(QPalette::WindowText, clock.Warning ? WarningColour : palette().color(QPalette::WindowText));
    Label1[1]->setPalette(colours);
}

void ExamTest::showExpiry()
{
    Timer1->stop();
    Timer2->stop();
    Item->setDocument(session->itemRtf());  // emptied
    Shape1->setBorderStyle(BorderShape::Solid);
}

void ExamTest::timer2Tick() { Shape1->blink(); }

bool ExamTest::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return Form::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const QString typed = key->text();
    // Keys that type nothing, control characters (Ctrl+C among them) and the space bar keep
    // their usual work.
    if (typed.size() != 1 || !typed[0].isPrint() || typed[0] == ' '
        || key->modifiers() & (Qt::AltModifier | Qt::ControlModifier))
        return false;
    Answers->answerKey(key);
    return true;  // every other typed character is discarded
}

void ExamTest::formUnload()
{
    Timer1->stop();
    Timer2->stop();
    Frame1->quieten();
    state.forms.unload("PictForm");
    storePosition(true);
    menuLock.reset();
    session->close();
}

namespace {
void tellExamSave(AppState& state, const ExamClosing& closing)
{
    Prompter& prompter = state.platform.prompter;
    switch (closing.Notice) {
    case ExamNotice::None: return;
    case ExamNotice::PoorExamDropped:
        prompter.message("You answered " + basic::formatNumber(state.exam.ExamScore, "##.0%")
                             + " (less than 30%) of the questions correctly. Therefore, this exam has not been "
                               "recorded on your Exam Report Card.",
                         Prompter::OkOnly, Prompter::Question, "Sorry!");
        return;
    case ExamNotice::NoRoom:
        prompter.message("This exam cannot be saved for a later session: your configuration file has no room left "
                         "for another exam in progress. The exam stays open for resuming until you close the "
                         "program; finish it to keep its result.",
                         Prompter::OkOnly, Prompter::Exclamation, "Exam Not Saved");
        return;
    case ExamNotice::NotSaved:
        prompter.message("Your exam could not be saved.\r\n" + closing.Detail, Prompter::OkOnly, Prompter::Critical,
                         QString());
        return;
    }
}
}  // namespace

void showExamClosing(AppState& state, const ExamClosing& closing)
{
    tellExamSave(state, closing);
    RefreshMainMenu(state);
    if (closing.End != ExamEnd::ResultsReady || state.SessionEnding)
        return;
    state.forms.unload("Results");
    state.forms.show("Results");
}
