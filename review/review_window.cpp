#include "review/review_window.h"

#include "platform/basic.h"
#include "platform/rich_text_box.h"
#include "platform/runtime_error.h"
#include "review/review_rules.h"
#include "review/review_save.h"
#include "shell/app_state.h"
#include "shell/help_window.h"
#include "shell/main_menu_link.h"
#include "shell/picture_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <utility>

namespace {
constexpr int QuizSlot = 11;
constexpr int QuizHelpPage = 5;
const QStringList StatusMessages = {" is the best choice.", " is not the best choice.",
                                    " is not the best choice either."};
const QColor RightColour(0, 128, 0);
const QColor WrongColour(255, 0, 0);
const QColor PassingColour(0, 255, 0);
const QColor ScoreBackground(32, 32, 32);

QLabel* namedLabel(const QString& caption, const QString& name)
{
    auto* label = new QLabel(caption);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);  // "<B> is the best choice." is no markup
    return label;
}

void setTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

// A green seal with a tick: the test is passing.
QPixmap handShakePicture()
{
    QPixmap picture(40, 40);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 100, 0), 2));
    painter.setBrush(QColor(40, 170, 60));
    painter.drawEllipse(QRectF(2, 2, 36, 36));
    painter.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(QPolygonF({QPointF(11, 21), QPointF(18, 28), QPointF(30, 13)}));
    return picture;
}
}  // namespace

// ---- The score meter ----

ScoreMeter::ScoreMeter(QLabel* passLine) : passLine_(passLine)
{
    setObjectName("Shape1");
    passLine_->setParent(this);
    setMinimumSize(92, 120);
}

void ScoreMeter::setPassMark(int percent)
{
    passMark_ = percent;
    placePassLine();
    update();
}

void ScoreMeter::setScore(float score, const QColor& colour)
{
    score_ = score;
    colour_ = colour;
    update();
}

QRect ScoreMeter::barArea() const { return {4, 0, 28, height()}; }

void ScoreMeter::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect area = barArea();
    painter.fillRect(area, palette().color(QPalette::Base));
    const int level = int(area.height() * std::clamp(score_, 0.0f, 1.0f));
    painter.fillRect(QRect(area.left(), area.bottom() - level + 1, area.width(), level), colour_);
    const int passY = int(area.height() * (1 - passMark_ / 100.0));
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DashLine));
    painter.drawLine(area.left(), passY, area.right(), passY);
    painter.setPen(palette().color(QPalette::Mid));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area.adjusted(0, 0, -1, -1));
}

void ScoreMeter::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placePassLine();
}

void ScoreMeter::placePassLine()
{
    // The label's arrow, in its upper third, points at the pass mark on the bar.
    passLine_->adjustSize();
    const int passY = int(barArea().height() * (1 - passMark_ / 100.0));
    const int top = std::clamp(passY - passLine_->height() / 3, 0, std::max(height() - passLine_->height(), 0));
    passLine_->move(barArea().right() + 6, top);
}

// ---- The window ----

Quiz800::Quiz800(AppState& state) : Form(state, "Quiz800", QuizSlot)
{
    setWindowTitle("Chapter Review Quiz");

    // The item: a large read-only pane whose text wraps within the marker under it.
    RichTextBox1 = new RichTextBox;
    RichTextBox1->setObjectName("RichTextBox1");
    RichTextBox1->setReadOnlyPane(true);
    RichTextBox1->installEventFilter(this);
    Shape4 = makeMarginShape(RichTextBox1);
    Shape4->setObjectName("Shape4");

    // The status line, large enough for its two lines.
    Label2 = namedLabel(QString(), "Label2");
    Label2->setAlignment(Qt::AlignCenter);
    QFont statusFont = Label2->font();
    statusFont.setPointSizeF(statusFont.pointSizeF() + 2);
    statusFont.setBold(true);
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
    auto* pane = new QVBoxLayout;
    pane->setSpacing(0);
    pane->addWidget(RichTextBox1, 1);
    pane->addWidget(Shape4);
    auto* top = new QHBoxLayout;
    top->addLayout(pane, 1);
    top->addWidget(makeMeter());
    auto* controls = new QVBoxLayout;
    controls->addWidget(makeButtons());
    controls->addWidget(Label2);
    controls->addWidget(ProgressBar1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(makePerformance());
    bottom->addLayout(controls, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(bottom);
    resize(800, 600);
}

QWidget* Quiz800::makeButtons()
{
    const std::array<QString, 13> captions = {"A",          "B",         "C",           "D",
                                              QString(),    "A&laddin",  "&Next",       "&Break",
                                              "&Help",      "N&otebook", "C&alculator", "&Previous",
                                              "&View Picture"};
    for (int i = 0; i < int(Command1.size()); ++i) {
        if (captions[i].isEmpty())
            continue;
        Command1[i] = new QPushButton(captions[i]);
        Command1[i]->setObjectName(QStringLiteral("Command1(%1)").arg(i));
        Command1[i]->installEventFilter(this);
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { command1Click(i); });
    }
    // The answer buttons are large and stand out; they appear with the first item.
    QFont answerFont = font();
    answerFont.setPointSizeF(answerFont.pointSizeF() + 4);
    answerFont.setBold(true);
    for (int i = A; i <= D; ++i) {
        Command1[i]->setFont(answerFont);
        Command1[i]->setFixedSize(64, 44);
        QSizePolicy policy = Command1[i]->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        Command1[i]->setSizePolicy(policy);
        Command1[i]->setEnabled(false);
        Command1[i]->hide();
    }
    for (int i : {Next, Break, Previous, ViewPicture})
        Command1[i]->setEnabled(false);

    auto* answers = new QHBoxLayout;
    for (int i = A; i <= D; ++i)
        answers->addWidget(Command1[i]);
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

QGroupBox* Quiz800::makePerformance()
{
    Frame1 = new QGroupBox("Performance");
    Frame1->setObjectName("Frame1");
    Label3 = namedLabel("Right:", "Label3");
    Label4 = namedLabel("Wrong:", "Label4");
    Label5 = namedLabel("Tries:", "Label5");
    Label11 = namedLabel("Wild Guesses:", "Label11");
    Label8 = namedLabel("Item Time:", "Label8");
    Label7 = namedLabel("Elapsed Time:", "Label7");

    // The score as a lit display, so that its bright green and red both read well.
    Label6 = namedLabel("%", "Label6");
    QFont scoreFont = Label6->font();
    scoreFont.setPointSizeF(scoreFont.pointSizeF() + 6);
    scoreFont.setBold(true);
    Label6->setFont(scoreFont);
    Label6->setAlignment(Qt::AlignCenter);
    Label6->setMinimumWidth(96);
    Label6->setAutoFillBackground(true);
    QPalette scorePalette = Label6->palette();
    scorePalette.setColor(QPalette::Window, ScoreBackground);
    scorePalette.setColor(QPalette::WindowText, PassingColour);
    Label6->setPalette(scorePalette);

    auto* grid = new QGridLayout(Frame1);
    grid->setHorizontalSpacing(12);
    grid->addWidget(Label3, 0, 0);
    grid->addWidget(Label4, 1, 0);
    grid->addWidget(Label5, 2, 0);
    grid->addWidget(Label11, 3, 0);
    grid->addWidget(Label6, 0, 1, 4, 1);
    grid->addWidget(Label8, 4, 0, 1, 2);
    grid->addWidget(Label7, 5, 0, 1, 2);
    Frame1->setMinimumWidth(230);
    return Frame1;
}

QWidget* Quiz800::makeMeter()
{
    Label9 = namedLabel("100%", "Label9");
    Label10 = namedLabel("0%", "Label10");
    Label1 = namedLabel("Pass%", "Label1");
    Label1->setToolTip("PASSING!");
    HandShake = namedLabel(QString(), "HandShake");
    HandShake->setPixmap(handShakePicture());
    HandShake->setToolTip("PASSING!");
    HandShake->hide();
    QSizePolicy policy = HandShake->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    HandShake->setSizePolicy(policy);
    Shape1 = new ScoreMeter(Label1);

    auto* meter = new QWidget;
    auto* column = new QVBoxLayout(meter);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    column->addWidget(Label9);
    column->addWidget(Shape1, 1);
    column->addWidget(Label10);
    column->addWidget(HandShake, 0, Qt::AlignHCenter);
    return meter;
}

int Quiz800::passMark() const { return state.settings.PassMarkChar; }

double Quiz800::now() const { return state.platform.clock.serialNow(); }

// ---- Opening ----

void Quiz800::formLoad()
{
    ReviewState& review = state.review;
    ItemShownAt = now();
    restorePosition();
    const bool isNew = review.ReviewItemNo == 0;
    if (isNew) {
        review.ReviewTally = {};
        review.ReviewScore = 0;
        newTest();
    }
    if (!dropUnknownPositions())  // before the tallies are shown: a drop recounts them
        return;
    showTally();
    if (state.settings.ShowScoreMeter) {
        Label1->setText("<----\n" + basic::formatNumber(passMark() / 100.0, "##%"));
        Shape1->setPassMark(passMark());
        Shape1->show();
        drawScoreMeter();
    } else {
        for (QWidget* control : std::initializer_list<QWidget*>{Shape1, Label1, Label9, Label10, HandShake})
            control->hide();
    }

    if (isNew) {
        Command1[Break]->setText("&Cancel");
        showItem(1);
        Command1[Break]->setEnabled(true);
    } else {
        takeUp();
    }
    TestFinished = false;
    setMainMenuEnabled(state, false);
}

void Quiz800::newTest()
{
    ReviewState& review = state.review;
    review.ReviewItemNo = 1;
    review.ReviewRecordNo = 0;
    review.ReviewItemsReached = 0;
    review.ReviewTestType = 1;
    review.ReviewElapsed = 0;
    std::fill(review.ReviewMisses.begin(), review.ReviewMisses.end(), 0);

    // The topic's items in file order.
    const TextStore& text = state.text;
    const int topic = review.CurrentTopic;
    const bool known = topic >= 1 && topic < int(text.TopicItemCounts.size());
    const int n = known ? std::min(text.TopicItemCounts[topic][1], MostTestItems) : 0;
    const int base = known ? text.reviewItemIndex(topic, 0) : 0;
    for (int j = 1; j <= n; ++j)
        review.ReviewOrder[j] = base + j;
    review.ReviewItemCount = n;

    for (int i = 1; i <= 3; ++i)
        review.LifelinesLeft[i] = newTestLifelines(n);
    if (state.settings.ScrambleItems) {
        state.platform.random.seed(unsigned(state.platform.clock.secondsSinceMidnight()));
        scrambleOrder(review.ReviewOrder, n, state.platform.random);
    }
}

bool Quiz800::dropUnknownPositions()
{
    // Items that are not in the course are skipped; a test left with none cannot be taken.
    dropUnknownItems(state.review, state.text);
    if (state.review.ReviewItemCount > 0)
        return true;
    state.platform.prompter.message("The items of this review test are not in the course, so the test cannot be taken.",
                                    Prompter::OkOnly, Prompter::Critical, QString());
    forgetSavedTest();
    Command1[Break]->setText("&Cancel");  // closing drops the test
    close();
    return false;
}

void Quiz800::forgetSavedTest()
{
    // Its record stays for the report card, but it is no longer offered for resuming.
    const int recordNo = std::exchange(state.review.ReviewRecordNo, 0);
    if (recordNo == 0)
        return;
    try {
        state.config().update([recordNo](ConfigRecord& r) {
            if (r.ReviewRecordNo == recordNo)
                r.ReviewRecordNo = 0;
        });
    } catch (const RuntimeError& error) {
        state.platform.prompter.message("Your configuration file could not be updated." + state.CrLf + error.Description,
                                        Prompter::OkOnly, Prompter::Critical, QString());
    }
}

void Quiz800::takeUp()
{
    const ReviewState& review = state.review;
    showItem(review.ReviewItemNo);
    if (review.ReviewItemsReached == review.ReviewItemNo) {
        showExplanation();
        if (review.ReviewItemNo == 1)
            Command1[Previous]->setEnabled(false);
    }
    if (review.ReviewItemsReached == 0) {  // a retake not answered yet
        Command1[Break]->setText("&Cancel");
        Command1[Break]->setEnabled(true);
    }
}

// ---- Showing an item ----

void Quiz800::showItem(int position)
{
    const ReviewState& review = state.review;
    setWindowTitle(state.edition.TopicTitles.value(review.CurrentTopic));
    Label2->setText(itemStatus(review.ReviewTestType, position, review.ReviewItemCount));
    setTextColour(Label2, Qt::black);

    const int index = review.ReviewOrder[position];
    const QByteArray& item = state.text.ReviewItems[index];
    AnswerKey = 'A' - 1 + itemKey(item);
    QuestionRtf = itemQuestion(item);
    ExplanationRtf = itemExplanation(item);
    showItemPicture(index);
    showText(state.text.RtfHeader + QuestionRtf + "\\par }");

    for (int i = 0; i < ChoiceCount; ++i) {
        Command1[i]->show();
        Command1[i]->setEnabled(true);
    }
    if (position == review.ReviewItemsReached || position == 1) {
        for (int i : {Next, Break, Previous})
            Command1[i]->setEnabled(false);
        if (state.settings.ShowClocks)
            Timer1->start();
    } else {
        Timer1->stop();
    }
    const auto& left = review.LifelinesLeft;
    if (left[1] != 0 || left[2] != 0 || left[3] != 0)
        Command1[Lifeline]->setEnabled(true);
    ProgressBar1->setValue(int(basic::roundHalfEven(double(review.ReviewItemsReached) / review.ReviewItemCount * 100)));
    ItemShownAt = now();
}

void Quiz800::showItemPicture(int index)
{
    const std::vector<int>& pictures = state.text.ItemPicture;
    const int picture = index >= 0 && index < int(pictures.size()) ? pictures[index] : 0;
    Command1[ViewPicture]->setEnabled(picture != 0);
    ::showItemPicture(state, picture, this);
}

void Quiz800::showText(const QByteArray& rtf)
{
    Text.set(rtf);
    showCopy(RichTextBox1, Text, isMaximised());
}

void Quiz800::showExplanation()
{
    ReviewState& review = state.review;
    Timer1->stop();
    showText(explainedItemRtf(state.text.RtfHeader, QuestionRtf, ExplanationRtf, state.CrLf.toLatin1()));
    // Expert advice shows the explanation but leaves the item waiting for its answer.
    const bool expertAdvice = review.LifelineChoice == 3;
    if (!expertAdvice) {
        for (int i : {Next, Previous, Break})
            Command1[i]->setEnabled(true);
        Command1[Next]->setText(review.ReviewItemNo == review.ReviewItemCount ? "&Done" : "&Next");
        for (int i = 0; i < ChoiceCount; ++i)
            Command1[i]->setEnabled(false);
        Command1[Lifeline]->setEnabled(false);
    }
    if (LetterGiven == 0 && !expertAdvice)
        Label2->setText(Label2->text() + "  (Answer is " + QChar(AnswerKey) + ")");
}

// ---- Judging ----

void Quiz800::checkAnswer(int letter, int buttonIndex)
{
    ReviewState& review = state.review;
    ++review.ReviewTally[3];
    const bool right = letter == AnswerKey;
    QString message;
    if (right) {
        addItemTime(now() - ItemShownAt);
        message = StatusMessages[0];
        setTextColour(Label2, RightColour);
        if (review.ReviewMisses[review.ReviewItemNo] == 0)  // a counted miss makes the item wrong
            ++review.ReviewTally[1];
        Command1[Break]->setText("&Break");
    } else {
        if (state.settings.SoundOnWrong)
            state.platform.tone.beep(440, 200);
        setTextColour(Label2, WrongColour);
        if (review.LifelineChoice != 2)  // a free response costs nothing
            message = StatusMessages[countMiss(review.ReviewMisses[review.ReviewItemNo], review.ReviewTally)];
        review.LifelineChoice = 0;
        Command1[buttonIndex]->setEnabled(false);
        RichTextBox1->setFocus();
    }
    showTally();
    Label2->setText(QString("<") + QChar(letter) + ">" + message);
    if (right) {
        showExplanation();
        LetterGiven = 0;
        Command1[Lifeline]->setEnabled(false);
        if (review.ReviewItemNo == 1) {
            Command1[Previous]->setEnabled(false);
            Command1[Next]->setFocus();
        } else if (review.ReviewItemNo == review.ReviewItemCount) {
            Command1[Previous]->setFocus();
        } else {
            Command1[Next]->setFocus();
        }
    } else {
        Label2->setText(Label2->text() + " Try Again...");
    }
    if (state.settings.ShowScoreMeter)
        drawScoreMeter();
}

void Quiz800::showTally()
{
    ReviewState& review = state.review;
    const auto& tally = review.ReviewTally;
    Label3->setText("Right:" + basic::Str(tally[1]));
    Label4->setText("Wrong:" + basic::Str(tally[2]));
    Label5->setText("Tries:" + basic::Str(tally[3]));
    if (tally[1] + tally[2] == 0)
        return;
    review.ReviewScore = reviewScore(tally[1], tally[2]);
    Label6->setText(basic::formatNumber(review.ReviewScore, "##0.0%"));
    setTextColour(Label6, reachesMark(review.ReviewScore, passMark()) ? PassingColour : WrongColour);
    Label11->setText("Wild Guesses:" + basic::Str(tally[4]));
}

void Quiz800::drawScoreMeter()
{
    const float score = state.review.ReviewScore;
    const bool passing = reachesMark(score, passMark());
    HandShake->setVisible(passing);
    Shape1->setScore(score, passing ? PassingColour : WrongColour);
}

void Quiz800::addItemTime(double days) { state.review.ReviewElapsed += days; }

void Quiz800::timer1Timer()
{
    const double shown = now() - ItemShownAt;
    Label8->setText("Item Time: " + basic::formatDateTime(shown, "h:mm:ss"));
    Label7->setText("Elapsed Time: " + basic::formatDateTime(state.review.ReviewElapsed + shown, "h:mm:ss"));
}

// ---- Buttons and keys ----

void Quiz800::command1Click(int index)
{
    if (index < ChoiceCount) {
        LetterGiven = 'A' + index;
        checkAnswer(LetterGiven, index);
        return;
    }
    switch (index) {
    case Lifeline:
        state.forms.show("Aladdin", Forms::Modal);
        applyLifeline();
        break;
    case Next: next(); break;
    case Break: state.forms.unload("Quiz800"); break;
    case HelpButton: showHelp(state, QuizHelpPage, Forms::Modeless); break;
    case Notebook: showRestored("NoteBook"); break;
    case CalculatorButton: showRestored("Calculator"); break;
    case Previous: previous(); break;
    case ViewPicture: showItemPicture(state.review.ReviewOrder[state.review.ReviewItemNo]); break;
    }
}

void Quiz800::showRestored(const QString& name)
{
    state.forms.show(name);
    if (Form* form = state.forms.find(name))
        form->setNormal();
}

void Quiz800::next()
{
    ReviewState& review = state.review;
    if (review.ReviewItemNo == review.ReviewItemCount) {
        finish();
        return;
    }
    Label2->clear();
    if (review.ReviewItemNo >= review.ReviewItemsReached) {  // on to a new item
        review.ReviewItemNo = review.ReviewItemsReached = review.ReviewItemNo + 1;
        showItem(review.ReviewItemNo);
        RichTextBox1->setFocus();
    } else {
        ++review.ReviewItemNo;
        showItem(review.ReviewItemNo);
        showExplanation();
        Command1[review.ReviewItemNo == review.ReviewItemCount ? Previous : Next]->setFocus();
    }
}

void Quiz800::previous()
{
    ReviewState& review = state.review;
    if (review.ReviewItemNo == 1)
        return;
    --review.ReviewItemNo;
    showItem(review.ReviewItemNo);
    showExplanation();
    if (review.ReviewItemNo == 1) {
        Command1[Next]->setFocus();
        Command1[Previous]->setEnabled(false);
    } else {
        Command1[Previous]->setFocus();
    }
}

bool Quiz800::letterKey(QKeyEvent* event)
{
    // A letter A to D whose button is enabled answers like the button; Alt and Ctrl keys are
    // the buttons' access keys and copying.
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString letter = event->text().toUpper();
    if (letter.size() != 1)
        return false;
    const int index = letter[0].unicode() - 'A';
    if (index < 0 || index >= ChoiceCount || !Command1[index]->isEnabled())
        return false;
    LetterGiven = 'A' + index;
    checkAnswer(LetterGiven, index);
    return true;
}

bool Quiz800::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && letterKey(static_cast<QKeyEvent*>(event)))
        return true;
    return Form::eventFilter(watched, event);
}

void Quiz800::keyPressEvent(QKeyEvent* event)
{
    if (!letterKey(event))
        Form::keyPressEvent(event);
}

// ---- Lifelines ----

void Quiz800::applyLifeline()
{
    ReviewState& review = state.review;
    switch (review.LifelineChoice) {
    case 1:
        Label2->setText("Now it's a coin toss!");
        coinToss();
        review.LifelineChoice = 0;
        break;
    case 2:
        Label2->setText("Take a Free Guess!");  // stays in force until a wrong answer
        break;
    case 3:
        Label2->setText("Here's what the expert says!\n(Scroll down as needed.)");
        showExplanation();
        review.LifelineChoice = 0;
        break;
    }
    const auto& left = review.LifelinesLeft;
    if (left[1] + left[2] + left[3] == 0)
        Command1[Lifeline]->setEnabled(false);
}

void Quiz800::coinToss()
{
    const int k = AnswerKey - 'A';
    std::array<bool, 4> open{};
    for (int i = 0; i < ChoiceCount; ++i)
        open[i] = Command1[i]->isEnabled();
    const int g = drawKeptChoice(open, k, state.platform.random);
    if (g < 0)
        return;
    // Every other choice goes, its text included, even one answered wrong before.
    for (int j = 0; j < ChoiceCount; ++j) {
        if (j == k || j == g)
            continue;
        Command1[j]->setEnabled(false);
        blankChoice(QuestionRtf, char('A' + j), state.CrLf.toLatin1());
    }
    showText(state.text.RtfHeader + QuestionRtf + "\\par }");
}

// ---- Finishing and closing ----

void Quiz800::finish()
{
    ReviewState& review = state.review;
    const bool passed = reachesMark(review.ReviewScore, passMark());
    int missed = 0;
    for (int p = 1; p <= review.ReviewItemCount; ++p)
        missed += review.ReviewMisses[p] != 0 ? 1 : 0;
    if (state.platform.prompter.message(finishMessage(passed, missed, state.CrLf), Prompter::OkCancel,
                                        passed ? Prompter::Exclamation : Prompter::Question, "Finished")
        != Prompter::Ok)
        return;

    // Only a test of all items below the last drill is logged and may count as a drill.
    const int topic = review.CurrentTopic;
    int& level = state.settings.TopicDrillLevel.at(topic);
    if (level < 3 && review.ReviewTestType == 1) {
        try {
            appendScoreLog(state.config(), topic, review.ReviewScore, state.platform.clock.today());
        } catch (const RuntimeError& error) {
            state.platform.prompter.message("Your score could not be logged." + state.CrLf + error.Description,
                                            Prompter::OkOnly, Prompter::Critical, QString());
        }
        if (countsAsDrill(review.ReviewScore, passMark(), state.edition.EditionPassThreshold))
            ++level;
    }
    TestFinished = true;
    state.forms.unload("Quiz800");
}

void Quiz800::formUnload()
{
    ReviewState& review = state.review;
    addItemTime(now() - ItemShownAt);
    Timer1->stop();
    state.forms.unload("PictForm");
    storePosition(true);
    setMainMenuEnabled(state, true);

    if (Command1[Break]->text() == "&Cancel") {  // nothing answered right yet: the test is dropped
        review.ReviewItemNo = 0;
    } else {
        // Resuming shows the last answered item with its explanation; Next leads on from it.
        if (Command1[Next]->isEnabled()) {
            if (review.ReviewItemsReached == 0)
                review.ReviewItemsReached = 1;
            review.ReviewItemNo = review.ReviewItemsReached;
        } else {
            review.ReviewItemNo = review.ReviewItemsReached = review.ReviewItemsReached - 1;
        }
        try {
            SaveReviewRecord(state, TestFinished);
        } catch (const RuntimeError& error) {
            // The test stays in memory, so it can still be resumed in this run.
            state.platform.prompter.message("Your review test could not be saved." + state.CrLf + error.Description,
                                            Prompter::OkOnly, Prompter::Critical, QString());
        }
    }
    RefreshMainMenu(state);
}

void Quiz800::resizeEvent(QResizeEvent* event)
{
    Form::resizeEvent(event);
    showCopy(RichTextBox1, Text, isMaximised());
}
