#include "exams/exam_window.h"

#include "exams/exam_record.h"
#include "exams/exam_rules.h"
#include "exams/exam_scoring.h"
#include "platform/basic.h"
#include "platform/rich_text_box.h"
#include "shell/app_state.h"
#include "shell/main_menu_link.h"
#include "shell/help_window.h"
#include "shell/picture_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <algorithm>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr int ExamTestSlot = 3;
constexpr int ExamTestHelpPage = 11;
constexpr int ClockInterval = 200;  // ms
constexpr int BlinkInterval = 300;  // ms
constexpr int SolidBorder = 1;
constexpr int InsideSolidBorder = 6;
const QColor ActiveListColour(0, 255, 0);
const QColor IdleListColour(192, 192, 192);
const QColor WarningColour(255, 0, 0);

QFont enlarged(QFont font, double points, bool bold)
{
    font.setPointSizeF(font.pointSizeF() + points);
    font.setBold(bold);
    return font;
}

void setBackColour(QListWidget* list, const QColor& colour)
{
    QPalette colours = list->palette();
    colours.setColor(QPalette::Base, colour);
    // The answered list is often disabled: its entries must stay readable on the grey.
    colours.setColor(QPalette::Disabled, QPalette::Text, QColor(70, 70, 70));
    list->setPalette(colours);
}
}  // namespace

BorderShape::BorderShape(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void BorderShape::setBorderStyle(int style)
{
    BorderStyle = style;
    update();
}

void BorderShape::paintEvent(QPaintEvent*)
{
    // Solid is a heavy frame at the edge, inside solid a light one within it: switching pulses.
    const int width = BorderStyle == SolidBorder ? 5 : 2;
    QPainter painter(this);
    painter.setPen(Qt::NoPen);
    painter.setBrush(WarningColour);
    const QRect outer = rect();
    const QRect inner = outer.adjusted(width, width, -width, -width);
    QRegion frame = QRegion(outer).subtracted(QRegion(inner));
    painter.setClipRegion(frame);
    painter.drawRect(outer);
}

ExamTest::ExamTest(AppState& state) : Form(state, "ExamTest", ExamTestSlot)
{
    setWindowTitle("Practice Exam");

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
    RichTextBox1 = new RichTextBox;
    RichTextBox1->setObjectName("RichTextBox1");
    RichTextBox1->setReadOnlyPane(true);
    RichTextBox1->installEventFilter(this);
    Shape3 = makeMarginShape(RichTextBox1);
    Shape3->setObjectName("Shape3");

    Label1[0] = new QLabel("Your Answer: ");
    Label1[0]->setObjectName("Label1(0)");
    Label1[0]->setFont(enlarged(font(), 2, true));

    auto* answers = new QHBoxLayout;
    const QString letters = "ABCD";
    for (int i = 0; i < ChoiceCount; ++i) {
        QPushButton* button = makeButton(i, letters.mid(i, 1));
        button->setFont(enlarged(font(), 5, true));
        button->setFixedSize(56, 48);
        answers->addWidget(button);
    }
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
    column->addWidget(RichTextBox1, 1);
    column->addWidget(Shape3);
    column->addSpacing(10);
    column->addWidget(Label1[0]);
    column->addSpacing(8);
    column->addLayout(answers);
    return pane;
}

QWidget* ExamTest::makeFinishedButton()
{
    // The button sits inside the red frame, which covers it without taking its clicks.
    auto* holder = new QWidget;
    auto* grid = new QGridLayout(holder);
    grid->setContentsMargins(0, 0, 0, 0);
    auto* inset = new QVBoxLayout;
    inset->setContentsMargins(7, 7, 7, 7);
    inset->addWidget(makeButton(Finished, "&Finished"));
    grid->addLayout(inset, 0, 0);
    Shape1 = new BorderShape;
    Shape1->setObjectName("Shape1");
    Shape1->hide();
    grid->addWidget(Shape1, 0, 0);
    Shape1->raise();
    return holder;
}

QWidget* ExamTest::makeSidePane()
{
    Label1[1] = new QLabel("Time Remaining: ");
    Label1[1]->setObjectName("Label1(1)");
    Label1[1]->setFont(enlarged(font(), 4, true));
    Label1[1]->setAlignment(Qt::AlignCenter);

    ProgressBar1 = new QProgressBar;
    ProgressBar1->setObjectName("ProgressBar1");
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);

    // The two lists side by side, answered on the left; both sort by their text.
    Frame1 = new QGroupBox;
    Frame1->setObjectName("Frame1");
    auto* lists = new QHBoxLayout(Frame1);
    for (int i = 0; i < int(List1.size()); ++i) {
        List1[i] = new QListWidget;
        List1[i]->setObjectName(QStringLiteral("List1(%1)").arg(i));
        List1[i]->setFont(fixedPitchFont());
        List1[i]->setSortingEnabled(true);
        List1[i]->installEventFilter(this);
        lists->addWidget(List1[i]);
        connect(List1[i], &QListWidget::currentRowChanged, this, [this, i](int row) {
            if (row >= 0)
                list1Click(i);
        });
        // A click on the entry already selected shows it too, when it is not the one on show.
        connect(List1[i], &QListWidget::itemClicked, this, [this, i](QListWidgetItem* item) {
            if (ActiveList != i || entryPosition(item->text()) != state.exam.ExamCurrentItem)
                list1Click(i);
        });
    }
    setBackColour(List1[AnsweredList], IdleListColour);
    setBackColour(List1[RemainingList], ActiveListColour);
    List1[AnsweredList]->setEnabled(false);

    auto* buttons = new QGridLayout;
    buttons->addWidget(makeButton(ViewPicture, "&View Picture"), 0, 0);
    buttons->addWidget(makeButton(CalculatorButton, "C&alculator"), 0, 1);
    buttons->addWidget(makeButton(HelpButton, "&Help"), 1, 0);
    buttons->addWidget(makeButton(Break, "&Break"), 1, 1);
    buttons->addWidget(makeFinishedButton(), 2, 0, 1, 2);
    Command1[ViewPicture]->setEnabled(false);
    Command1[Finished]->setMinimumHeight(40);
    Command1[Finished]->setFont(enlarged(font(), 2, true));

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

bool ExamTest::structured() const { return state.exam.ExamStructured == 1; }

void ExamTest::formLoad()
{
    restorePosition();
    ExamFinished = false;
    setMainMenuEnabled(state, false);
    loadLists();
    updateFrameCaption();
    Closing = false;
    HasPicture = false;
    if (structured())
        Command1[Next]->setEnabled(false);

    ExamState& exam = state.exam;
    if (List1[RemainingList]->count() > 0) {
        selectEntry(RemainingList, 0);
    } else {
        startBlinking();
        // The saved position; a structured exam takes its items in order, from the first.
        selectEntry(AnsweredList, structured() ? 0 : exam.ExamCurrentItem - 1);
    }
    if (state.edition.ExamLoadSetsCloseCaption)
        Command1[Break]->setText(exam.ExamCurrentItem == 1 ? "&Cancel" : "&Break");
    TimeExpired = false;
    ClockStart = state.platform.clock.now();
    Timer1->start();
}

void ExamTest::loadLists()
{
    ExamState& exam = state.exam;
    if (exam.ExamCurrentItem != 0) {  // resuming: answered positions were saved committed
        for (int n = 1; n <= exam.ExamItemCount; ++n) {
            if (exam.ExamAnswers[n] != 0) {
                addEntry(AnsweredList, answeredEntryOf(n));
                exam.ExamAnswered[n] = 1;
            } else {
                addEntry(RemainingList, remainingEntry(n));
            }
        }
        List1[AnsweredList]->setEnabled(true);
        return;
    }
    if (exam.ExamKind <= state.edition.CustomExamNo()) {
        state.platform.random.seed(unsigned(state.platform.clock.secondsSinceMidnight()));
        buildNewExam(exam, state.text, state.edition, state.platform.random);
    } else {  // a retake keeps the items the report card chose
        for (std::vector<int>* perPosition : {&exam.ExamUnsure, &exam.ExamKey, &exam.ExamAnswerCount, &exam.ExamAnswered})
            perPosition->assign(size_t(MostTestItems) + 1, 0);
    }
    for (int n = 1; n <= exam.ExamItemCount; ++n)
        addEntry(RemainingList, remainingEntry(n));
    exam.ExamCurrentItem = 1;
    exam.ExamElapsed = 0;
}

QString ExamTest::answeredEntryOf(int position) const
{
    const ExamState& exam = state.exam;
    return answeredEntry(position, exam.ExamAnswers[position], exam.ExamUnsure[position] != 0);
}

void ExamTest::addEntry(int list, const QString& text)
{
    const QSignalBlocker quiet(List1[list]);
    List1[list]->addItem(text);
}

void ExamTest::removeEntry(int list, int index)
{
    // Nothing stays selected, so that selecting an index afterwards shows its entry.
    const QSignalBlocker quiet(List1[list]);
    delete List1[list]->takeItem(index);
    List1[list]->setCurrentRow(-1);
}

void ExamTest::selectEntry(int list, int index)
{
    QListWidget* entries = List1[list];
    if (index < 0 || index >= entries->count())
        return;
    if (entries->currentRow() == index)
        list1Click(list);
    else
        entries->setCurrentRow(index);  // its click runs through currentRowChanged
}

void ExamTest::rewriteAnsweredEntry(int index)
{
    removeEntry(AnsweredList, index);
    addEntry(AnsweredList, answeredEntryOf(state.exam.ExamCurrentItem));
    selectEntry(AnsweredList, index);  // it sorts back into place, and shows anew
}

void ExamTest::updateFrameCaption()
{
    Frame1->setTitle(listFrameCaption(List1[AnsweredList]->count(), List1[RemainingList]->count()));
}

void ExamTest::startBlinking()
{
    Shape1->show();
    Timer2->start(BlinkInterval);
}

void ExamTest::list1Click(int index)
{
    if (Closing || TimeExpired)  // a list whose row changes after expiry must not show an item again
        return;
    if (structured()) {
        // Items come strictly in list order: the first remaining one is always on show, or,
        // with none remaining, the answered one selected.
        ActiveList = List1[RemainingList]->count() > 0 ? RemainingList : AnsweredList;
        Command1[Previous]->setText("Confirm");
        Command1[Previous]->setEnabled(false);
        for (QListWidget* list : List1)
            list->setEnabled(false);
    } else {
        ActiveList = index;
    }
    setBackColour(List1[ActiveList], ActiveListColour);
    setBackColour(List1[1 - ActiveList], IdleListColour);
    const QListWidgetItem* selected = List1[ActiveList]->currentItem();
    state.exam.ExamCurrentItem = selected ? entryPosition(selected->text()) : 0;
    ShowExamItem(state.exam.ExamCurrentItem);
}

void ExamTest::ShowExamItem(int N)
{
    ExamState& exam = state.exam;
    setWindowTitle(itemCaption(state.edition.ExamTitles.value(exam.ExamChoice), N, exam.ExamItemCount));

    const QByteArray text = examItemText(state, N);
    HasPicture = examItemPicture(state, N) != 0;
    exam.ExamKey[N] = itemKey(text);
    ItemRtf.set(state.text.RtfHeader + itemQuestion(text) + "\\par }");
    RichTextBox1->setTextRTF(ItemRtf.forWindow(isMaximised()));

    ChoiceCount = 4;
    for (int k = 0; k < ChoiceCount; ++k)
        Command1[k]->setEnabled(true);
    Label1[0]->setText(answerLabel(exam.ExamAnswers[N], exam.ExamUnsure[N] != 0));
    const int answer = exam.ExamAnswers[N];
    if (answer >= 1 && answer <= ChoiceCount)  // a damaged record may hold another value
        Command1[answer - 1]->setEnabled(false);

    if (HasPicture)
        showItemPicture();
    else
        state.forms.unload("PictForm");
    Command1[ViewPicture]->setEnabled(HasPicture);

    setNavigation();
    Command1[Break]->setText(List1[AnsweredList]->count() > 0 ? "&Break" : "&Cancel");
    ProgressBar1->setValue(
        int(basic::roundHalfEven(List1[AnsweredList]->count() / double(exam.ExamItemCount) * 100)));
}

void ExamTest::showItemPicture() { ::showItemPicture(state, examItemPicture(state, state.exam.ExamCurrentItem), this); }

void ExamTest::setNavigation()
{
    const int i = List1[ActiveList]->currentRow();
    const int c = List1[ActiveList]->count();
    const bool last = i > 0 && i == c - 1;
    Command1[Previous]->setEnabled(i != 0);
    if (last)
        Command1[Next]->setEnabled(false);
    else if (!structured())
        Command1[Next]->setEnabled(true);
}

bool ExamTest::CommitAnswer(int& i)
{
    ExamState& exam = state.exam;
    if (!structured())
        List1[AnsweredList]->setEnabled(true);
    i = List1[ActiveList]->currentRow();
    if (ActiveList != RemainingList)
        return false;  // answers to answered positions are written to their entries at once
    const int n = exam.ExamCurrentItem;
    const bool moved = exam.ExamAnswers[n] != 0;
    if (moved) {
        addEntry(AnsweredList, answeredEntryOf(n));
        exam.ExamAnswered[n] = 1;
        removeEntry(RemainingList, i);
        updateFrameCaption();
    }
    if (List1[RemainingList]->count() == 0) {
        List1[RemainingList]->setEnabled(false);
        ActiveList = AnsweredList;
        i = List1[AnsweredList]->count() - 2;
        Command1[Finished]->setEnabled(true);
        startBlinking();
    }
    return moved;
}

void ExamTest::command1Click(int index)
{
    // Once the time is up only these act, whatever has the focus or is enabled.
    if (TimeExpired && index != Finished && index != HelpButton && index != CalculatorButton && index != ViewPicture)
        return;
    if (index < ChoiceCount) {
        answerClick(index);
        return;
    }
    switch (index) {
    case Next: nextClick(); break;
    case Previous: previousClick(); break;
    case Break: close(); break;
    case Finished: finishedClick(); break;
    case HelpButton: showHelp(state, ExamTestHelpPage, Forms::Modeless); break;
    case Unsure: unsureClick(); break;
    case CalculatorButton:
        state.forms.show("Calculator");
        if (Form* calculator = state.forms.find("Calculator"))
            calculator->setNormal();
        break;
    case ViewPicture: showItemPicture(); break;
    }
}

void ExamTest::answerClick(int index)
{
    ExamState& exam = state.exam;
    for (int k = 0; k < ChoiceCount; ++k)
        Command1[k]->setEnabled(k != index);
    const int n = exam.ExamCurrentItem;
    exam.ExamAnswers[n] = index + 1;
    exam.ExamAnswerCount[n] += 1;
    if (exam.ExamUnsure[n] == 0 && exam.ExamAnswerCount[n] > 2)
        exam.ExamUnsure[n] = UnsureMark;  // a third change of mind
    if (ActiveList == AnsweredList)
        rewriteAnsweredEntry(List1[AnsweredList]->currentRow());
    Label1[0]->setText(answerLabel(exam.ExamAnswers[n], exam.ExamUnsure[n] != 0));

    if (structured()) {
        Command1[Previous]->setEnabled(false);
        Command1[Next]->setEnabled(true);
        Command1[Next]->setFocus();
        return;
    }
    const QListWidget* list = List1[ActiveList];
    const bool lastOfMany = list->count() > 1 && list->currentRow() == list->count() - 1;
    Command1[lastOfMany ? Previous : Next]->setFocus();
}

void ExamTest::nextClick()
{
    if (structured()) {  // Next only arms Confirm
        Command1[Previous]->setEnabled(true);
        Command1[Previous]->setFocus();
        Command1[Next]->setEnabled(false);
        return;
    }
    int i = 0;
    const bool moved = CommitAnswer(i);
    if (ActiveList == RemainingList) {
        if (moved)
            selectEntry(RemainingList, i);  // the following entry moved up into its place
        else if (List1[RemainingList]->count() > 1)
            selectEntry(RemainingList, i + 1);
    } else {
        selectEntry(AnsweredList, i + 1);
    }
    focusAfterMove(ActiveList);
}

void ExamTest::previousClick()
{
    int i = 0;
    CommitAnswer(i);
    if (!structured()) {
        selectEntry(ActiveList, i - 1);
        Command1[i - 1 != 0 ? Previous : Next]->setFocus();
        return;
    }
    // Confirm
    Command1[Previous]->setEnabled(false);
    RichTextBox1->setFocus();
    if (List1[RemainingList]->count() > 0) {
        selectEntry(RemainingList, i);
        selectEntry(AnsweredList, List1[AnsweredList]->count() - 1);
    } else {
        ExamFinished = true;
        close();
    }
}

void ExamTest::focusAfterMove(int list)
{
    const int row = List1[list]->currentRow();
    const bool lastOfMany = row > 0 && row == List1[list]->count() - 1;
    Command1[lastOfMany ? Previous : Next]->setFocus();
}

void ExamTest::finishedClick()
{
    const int remaining = List1[RemainingList]->count();
    if (!TimeExpired && remaining > 0) {
        Clock& clock = state.platform.clock;
        const QDateTime asked = clock.now();
        if (state.platform.prompter.message(cautionText(remaining), Prompter::OkCancel, Prompter::NoIcon, "Caution...")
            != Prompter::Ok) {
            ClockStart = ClockStart.addMSecs(asked.msecsTo(clock.now()));  // the time spent deciding is given back
            return;
        }
    }
    ExamFinished = true;
    close();
}

void ExamTest::unsureClick()
{
    ExamState& exam = state.exam;
    const int n = exam.ExamCurrentItem;
    if (exam.ExamUnsure[n] != 0) {
        exam.ExamUnsure[n] = 0;
        Label1[0]->setText(answerLabel(exam.ExamAnswers[n], false));
    } else {
        exam.ExamUnsure[n] = UnsureMark;
        Label1[0]->setText(markedUnsureLabel(exam.ExamAnswers[n]));
    }
    if (ActiveList == AnsweredList)
        rewriteAnsweredEntry(List1[AnsweredList]->currentRow());
}

double ExamTest::usedDays() const
{
    return state.exam.ExamElapsed + ClockStart.msecsTo(state.platform.clock.now()) / 86400000.0;
}

void ExamTest::timer1Tick()
{
    const Countdown clock = countdown(state.exam.ExamTimeLimit, usedDays());
    state.exam.ExamMinutesLeft = clock.MinutesLeft;
    Label1[1]->setText(clock.Text);
    QPalette colours = Label1[1]->palette();
    colours.setColor(QPalette::WindowText, clock.Warning ? WarningColour : palette().color(QPalette::WindowText));
    Label1[1]->setPalette(colours);
    if (clock.Expired)
        expire();
}

void ExamTest::expire()
{
    Timer1->stop();
    TimeExpired = true;
    // The focus goes first, so that it never passes through a list on its way.
    Command1[Finished]->setFocus();
    for (int index : {0, 1, 2, 3, int(Next), int(Previous), int(Break), int(Unsure)})
        Command1[index]->setEnabled(false);
    for (QListWidget* list : List1)
        list->setEnabled(false);
    ItemRtf.set(QByteArray());
    RichTextBox1->setTextRTF(QByteArray());
    Timer2->stop();
    Shape1->setBorderStyle(SolidBorder);
    Shape1->show();
    ExamFinished = true;
}

void ExamTest::timer2Tick()
{
    Shape1->setBorderStyle(Shape1->borderStyle() == SolidBorder ? InsideSolidBorder : SolidBorder);
}

void ExamTest::resizeEvent(QResizeEvent* event)
{
    Form::resizeEvent(event);
    showCopy(RichTextBox1, ItemRtf, isMaximised());
}

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
    const int answer = QString("ABCD").left(ChoiceCount).indexOf(typed.toUpper());
    if (answer >= 0 && Command1[answer]->isEnabled())
        Command1[answer]->click();
    return true;  // every other typed character is discarded
}

void ExamTest::formUnload()
{
    ExamState& exam = state.exam;
    // Never more than the limit, also when the close comes between the real expiry and the tick that
    // notices it: a saved exam with more time used than allowed is not resumed.
    const double limit = exam.ExamTimeLimit / 1440.0;
    exam.ExamElapsed = TimeExpired ? limit : std::min(usedDays(), limit);
    Closing = true;
    Timer1->stop();
    Timer2->stop();
    for (QListWidget* list : List1)
        list->blockSignals(true);  // their teardown must not show items
    state.forms.unload("PictForm");
    storePosition(true);
    setMainMenuEnabled(state, true);
    runExamClosingRules(state, Command1[Break]->text() == "&Cancel", ExamFinished);
}
