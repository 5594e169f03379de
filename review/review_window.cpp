#include "review/review_window.h"

#include "platform/basic.h"
#include "platform/rich_text_box.h"
#include "review/quiz_panels.h"
#include "review/review_rules.h"
#include "shell/app_state.h"
#include "shell/help_window.h"
#include "shell/main_menu_link.h"
#include "shell/picture_window.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <map>

namespace {
constexpr int QuizSlot = 11;
constexpr int QuizHelpPage = 5;
const QColor RightColour(0, 128, 0);
const QColor WrongColour(255, 0, 0);
}  // namespace

Quiz800::Quiz800(AppState& appState) : Form(appState, "Quiz800", QuizSlot)
{
    setWindowTitle("Chapter Review Quiz");

    Item = new RtfPane("Shape4");
    Item->box()->installEventFilter(this);

    // The status line, large enough for its two lines.
    Label2 = namedLabel(QString(), "Label2");
    Label2->setAlignment(Qt::AlignCenter);
    const QFont statusFont = enlargedBold(Label2->font(), 2);
    Label2->setFont(statusFont);
    Label2->setMinimumHeight(2 * QFontMetrics(statusFont).lineSpacing() + 6);

    ProgressBar1 = new QProgressBar;
    ProgressBar1->setObjectName("ProgressBar1");
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(200);
    connect(Timer1, &QTimer::timeout, this, &Quiz800::timer1Timer);

    // The pane with the meter at its right; below, the performance at the left beside the
    // buttons, the status line and the progress bar.
    auto* top = new QHBoxLayout;
    top->addWidget(Item, 1);
    Meter = new MeterColumn;
    top->addWidget(Meter);
    auto* controls = new QVBoxLayout;
    controls->addWidget(makeButtons());
    controls->addWidget(Label2);
    controls->addWidget(ProgressBar1);
    auto* bottom = new QHBoxLayout;
    Frame1 = new PerformanceFrame;
    bottom->addWidget(Frame1);
    bottom->addLayout(controls, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(bottom);
    resize(800, 600);

    Test = new ReviewSession(state.review, state.settings, state.text, state.config(), state.platform.clock,
                             state.platform.random, state.platform.tone, this);
    connectSession();
}

QWidget* Quiz800::makeButtons()
{
    // The answer buttons are large and stand out; they appear with the first item.
    Answers = new AnswerButtons(QSize(64, 44), 4);
    connect(Answers, &AnswerButtons::chosen, this, &Quiz800::answer);
    QSizePolicy policy = Answers->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    Answers->setSizePolicy(policy);
    Answers->hide();
    for (int i = A; i <= D; ++i)
        Command1[i] = Answers->button(i);
    const std::map<int, QString> captions = {
        {Lifeline, "A&laddin"},  {Next, "&Next"},                  {Break, "&Break"},       {HelpButton, "&Help"},
        {Notebook, "N&otebook"}, {CalculatorButton, "C&alculator"}, {Previous, "&Previous"}, {ViewPicture, "&View Picture"}};
    for (const auto& [i, caption] : captions) {
        Command1[i] = new QPushButton(caption);
        Command1[i]->setObjectName(QStringLiteral("Command1(%1)").arg(i));
        Command1[i]->installEventFilter(this);
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { command1Click(i); });
    }
    for (int i : {A, B, C, D, Next, Break, Previous, ViewPicture})
        Command1[i]->setEnabled(false);

    auto* answers = new QHBoxLayout;
    answers->addWidget(Answers);
    answers->addStretch();
    answers->addWidget(Command1[ViewPicture]);
    answers->addWidget(Command1[Notebook]);
    auto* moves = new QHBoxLayout;
    for (int i : {Next, Previous, Break, HelpButton, Lifeline, CalculatorButton})
        moves->addWidget(Command1[i]);
    auto* buttons = new QWidget;
    auto* rows = new QVBoxLayout(buttons);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->addLayout(answers);
    rows->addLayout(moves);
    return buttons;
}

void Quiz800::connectSession()
{
    connect(Test, &ReviewSession::itemShown, this, &Quiz800::showItem);
    connect(Test, &ReviewSession::documentChanged, this, &Quiz800::showDocument);
    connect(Test, &ReviewSession::statusChanged, this, &Quiz800::showStatus);
    connect(Test, &ReviewSession::tallyChanged, this, &Quiz800::showTally);
    connect(Test, &ReviewSession::controlsChanged, this, &Quiz800::showControls);
    connect(Test, &ReviewSession::progressChanged, ProgressBar1, &QProgressBar::setValue);
    connect(Test, &ReviewSession::moved, this, &Quiz800::focusWayOn);
    connect(Test, &ReviewSession::finishOffered, this, &Quiz800::askToFinish);
    connect(Test, &ReviewSession::finished, this, [this] { state.forms.unload("Quiz800"); });
    connect(Test, &ReviewSession::noticed, this, &Quiz800::tell);
}

// ---- Opening and closing ----

void Quiz800::formLoad()
{
    restorePosition();
    if (!Test->start()) {
        close();  // the test was dropped
        return;
    }
    if (state.settings.ShowScoreMeter)
        Meter->setPassMark(Test->passMark());
    else
        Meter->hideMeter();
    showTally();
    menuLock.emplace(state.mainMenu);
}

void Quiz800::formUnload()
{
    Timer1->stop();
    state.forms.unload("PictForm");
    storePosition(true);
    menuLock.reset();
    Test->close();
    RefreshMainMenu(state);
}

void Quiz800::tell(ReviewSession::Notice notice, const QString& detail)
{
    const QString crLf = state.CrLf;
    const std::map<ReviewSession::Notice, QString> texts = {
        {ReviewSession::ItemsMissing,
         "The items of this review test are not in the course, so the test cannot be taken."},
        {ReviewSession::ConfigNotUpdated, "Your configuration file could not be updated." + crLf},
        {ReviewSession::NotSaved, "Your review test could not be saved." + crLf},
        {ReviewSession::NotResumable,
         "Your review test was saved, but the configuration file holds too many records for it to be resumed after "
         "the program is closed." + crLf
             + "You can resume it until you close the program. Erasing old tests on the report cards makes room for "
               "the tests to come."}};
    const auto icon = notice == ReviewSession::NotResumable ? Prompter::Exclamation : Prompter::Critical;
    state.platform.prompter.message(texts.at(notice) + detail, Prompter::OkOnly, icon, QString());
}

// ---- Showing the session ----

void Quiz800::showItem(int itemIndex)
{
    setWindowTitle(state.edition.TopicTitles.value(Test->review().CurrentTopic));
    showItemPicture(itemIndex);
    Answers->show();
}

void Quiz800::showItemPicture(int itemIndex)
{
    const std::vector<int>& pictures = state.text.ItemPicture;
    const int picture = itemIndex >= 0 && itemIndex < int(pictures.size()) ? pictures[itemIndex] : 0;
    Command1[ViewPicture]->setEnabled(picture != 0);
    ::showItemPicture(state, picture, this);
}

void Quiz800::showDocument()
{
    Item->setDocument(Test->document());
}

void Quiz800::showStatus()
{
    static const std::map<ReviewSession::StatusTone, QColor> colours = {
        {ReviewSession::Plain, Qt::black}, {ReviewSession::RightTone, RightColour},
        {ReviewSession::WrongTone, WrongColour}};
    Label2->setText(Test->status());
    setTextColour(Label2, colours.at(Test->statusTone()));
}

void Quiz800::showTally()
{
    const ReviewState& review = Test->review();
    Frame1->showTally(review.ReviewTally, Test->scored(), review.ReviewScore, Test->passing());
    if (state.settings.ShowScoreMeter)
        Meter->showScore(review.ReviewScore, Test->passing());
}

void Quiz800::showControls()
{
    for (int i = A; i <= D; ++i)
        Command1[i]->setEnabled(Test->choiceOpen(i));
    Command1[Next]->setEnabled(Test->itemAnswered());
    if (Test->itemAnswered())
        Command1[Next]->setText(Test->onLastItem() ? "&Done" : "&Next");
    Command1[Previous]->setEnabled(Test->canGoBack());
    Command1[Break]->setEnabled(Test->canBreak());
    Command1[Break]->setText(Test->dropsOnClose() ? "&Cancel" : "&Break");
    Command1[Lifeline]->setEnabled(Test->lifelineOffered());
    if (!Test->clockRunning())
        Timer1->stop();
    else if (!Timer1->isActive())
        Timer1->start();
}

void Quiz800::timer1Timer() { Frame1->showClocks(Test->itemTime(), Test->elapsedTime()); }

void Quiz800::askToFinish()
{
    const bool passed = Test->passing();
    if (state.platform.prompter.message(finishMessage(passed, Test->missed(), state.CrLf), Prompter::OkCancel,
                                        passed ? Prompter::Exclamation : Prompter::Question, "Finished")
        == Prompter::Ok)
        Test->finish();
}

// ---- Buttons and keys ----

void Quiz800::command1Click(int index)
{
    switch (index) {
    case Lifeline:
        state.forms.show("Aladdin", Forms::Modal);
        Test->applyLifeline();
        break;
    case Next: Test->next(); break;
    case Break: state.forms.unload("Quiz800"); break;
    case HelpButton: showHelp(state, QuizHelpPage, Forms::Modeless); break;
    case Notebook: state.forms.showRestored("NoteBook"); break;
    case CalculatorButton: state.forms.showRestored("Calculator"); break;
    case Previous: Test->previous(); break;
    case ViewPicture: showItemPicture(Test->itemOnScreen()); break;
    }
}

void Quiz800::answer(int choice)
{
    Test->answer(choice);
    focusWayOn(true);
}

void Quiz800::focusWayOn(bool forward)
{
    // The pane while the item waits for its answer; else the button that leads on.
    if (!Test->itemAnswered())
        Item->box()->setFocus();
    else if (Test->review().ReviewItemNo == 1)
        Command1[Next]->setFocus();
    else
        Command1[forward && !Test->onLastItem() ? Next : Previous]->setFocus();
}

// A letter still open answers like its button, wherever it is typed.
bool Quiz800::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && Answers->answerKey(static_cast<QKeyEvent*>(event)))
        return true;
    return Form::eventFilter(watched, event);
}

void Quiz800::keyPressEvent(QKeyEvent* event)
{
    if (!Answers->answerKey(event))
        Form::keyPressEvent(event);
}
