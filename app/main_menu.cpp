#include "app/main_menu.h"

#include "exams/exam_rules.h"
#include "platform/basic.h"
#include "shell/app_state.h"
#include "shell/help_window.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QFile>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <cstdlib>
#include <numeric>
#include <utility>

namespace {
const QString SmallScreenText = "Please set your display at a resolution of 800 by 600 (Super VGA) or higher. "
                                "A minimum resolution of 800 by 600 is required to properly use the Review "
                                "Software. To raise the setting, use My Computer, followed by Display.";
// The chosen group stands out clearly; the other options keep the platform's look.
const QString SelectedOptionStyle = "QPushButton:checked { background-color: palette(highlight); "
                                    "color: palette(highlighted-text); border: 1px solid palette(shadow); "
                                    "border-radius: 4px; }";
enum Report { ReviewReports, ExamReports, Spreadsheet };
constexpr std::array<int, 3> GeneralHelpPages = {9, 1, 17};
constexpr int OptionWidth = 260;  // pixels: the option buttons, whatever their captions

QPushButton* namedButton(const QString& caption, const QString& name, int index)
{
    auto* button = new QPushButton(caption);
    button->setObjectName(QStringLiteral("%1(%2)").arg(name).arg(index));
    return button;
}

// A title band across the top, in place of the decorative picture.
QLabel* makeBanner(const Edition& edition)
{
    auto* banner = new QLabel(QStringLiteral("<div style='font-size:15pt; font-weight:bold'>%1</div>"
                                             "<div style='font-size:11pt'>%2</div>")
                                  .arg(edition.TitleLine1, edition.TitleLine2));
    banner->setAlignment(Qt::AlignCenter);
    banner->setAutoFillBackground(true);
    banner->setBackgroundRole(QPalette::Highlight);
    banner->setForegroundRole(QPalette::HighlightedText);
    banner->setContentsMargins(0, 12, 0, 12);
    return banner;
}

int sumOfLevels(const std::vector<int>& levels, int first, int last)
{
    return std::accumulate(levels.begin() + first, levels.begin() + last + 1, 0);
}
}  // namespace

ButtonMenu::ButtonMenu(AppState& appState) : Form(appState, "ButtonMenu")
{
    setWindowTitle("Navigation Screen");
    auto* body = new QHBoxLayout;
    body->setContentsMargins(16, 16, 16, 16);
    body->setSpacing(20);
    body->addLayout(makeOptions());
    body->addWidget(makeFrames(), 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(makeBanner(state.edition));
    layout->addLayout(body, 1);
    resize(760, 540);
    Option1[Scrap]->setChecked(true);
    connect(&state.mainMenu, &MainMenuLink::refreshRequested, this, &ButtonMenu::refreshCaptions);
    connect(&state.mainMenu, &MainMenuLink::lockChanged, this, &ButtonMenu::lockChanged);
    connect(&state.mainMenu, &MainMenuLink::choiceCleared, this, [this] { Option1[Scrap]->setChecked(true); });
    setEnabled(!state.mainMenu.isLocked());
}

QVBoxLayout* ButtonMenu::makeOptions()
{
    // A column of toggle buttons, one of them always selected; "Scrap", the empty choice, is
    // never drawn. They share the column's height, so that a larger window spreads them out.
    const QStringList options = {"&Topic Review Test",         state.edition.MenuExamOption,
                                 "Report &Cards and Progress", "Tools and &Options",
                                 "&Discussion and Guidelines", "General &Help",
                                 "Scrap"};
    auto* group = new QButtonGroup(this);
    auto* column = new QVBoxLayout;
    column->setSpacing(8);
    const QFont optionFont = enlargedBold(font(), 1.5);
    for (int i = 0; i < int(Option1.size()); ++i) {
        Option1[i] = namedButton(options[i], "Option1", i);
        Option1[i]->setCheckable(true);
        Option1[i]->setFixedWidth(OptionWidth);
        Option1[i]->setMinimumHeight(52);
        Option1[i]->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
        Option1[i]->setFont(optionFont);
        Option1[i]->setStyleSheet(SelectedOptionStyle);
        group->addButton(Option1[i]);
        column->addWidget(Option1[i]);
        connect(Option1[i], &QPushButton::toggled, this, [this, i](bool on) {
            if (on)
                option1Click(i);
        });
    }
    Option1[Scrap]->hide();
    return column;
}

QStackedWidget* ButtonMenu::makeFrames()
{
    // One frame of command buttons per group, stacked beside the options so that only the chosen
    // one shows and the menu keeps its size. The topic buttons get their drill suffixes when the
    // menu is refreshed. Each frame takes the share of the height its buttons would take in the
    // largest frame, so that its buttons grow with the window as the options do.
    const Edition& edition = state.edition;
    const QStringList frames = {"Reviews", "Report Cards and Progress", "Tools and Options",
                                "Discussion and Guidelines", "General Help"};
    const std::array<QStringList, 5> captions = {
        edition.TopicTitles.mid(1),
        {"&Topic Review Tests", edition.MenuExamReports, "&Monitor Spreadsheet"},
        {"&Glossary of Key Terms", "N&otebook", "C&alculator", "&Alarm Clock", "Review Test &Options"},
        edition.MenuDiscussionButtons,
        {"&About This Review Software", "User &Interface Tips", "User's &Guide"}};
    const std::array<std::vector<QPushButton*>*, 5> commands = {&Command1, &Command2, &Command3, &Command4,
                                                                 &Command5};
    const std::array<void (ButtonMenu::*)(int), 5> clicks = {
        &ButtonMenu::command1Click, &ButtonMenu::command2Click, &ButtonMenu::command3Click,
        &ButtonMenu::command4Click, &ButtonMenu::command5Click};
    const qsizetype mostButtons =
        std::max_element(captions.begin(), captions.end(), [](const auto& a, const auto& b) {
            return a.size() < b.size();
        })->size();
    Frames = new QStackedWidget;
    for (int k = 0; k < int(Frame1.size()); ++k) {
        Frame1[k] = new QGroupBox(frames[k]);
        Frame1[k]->setObjectName(QStringLiteral("Frame1(%1)").arg(k));
        auto* buttons = new QVBoxLayout(Frame1[k]);
        buttons->setSpacing(6);
        for (int i = 0; i < captions[k].size(); ++i) {
            QPushButton* button = namedButton(captions[k][i], QStringLiteral("Command%1").arg(k + 1), i);
            button->setMinimumHeight(32);
            button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
            buttons->addWidget(button);
            commands[k]->push_back(button);
            connect(button, &QPushButton::clicked, this, [this, click = clicks[k], i] { (this->*click)(i); });
        }
        auto* page = new QWidget;
        auto* column = new QVBoxLayout(page);
        column->setContentsMargins(0, 0, 0, 0);
        column->addWidget(Frame1[k], int(captions[k].size()));
        column->addStretch(int(mostButtons - captions[k].size()));
        Frames->addWidget(page);
    }
    auto* hint = new QLabel("Choose a group on the left to see its buttons.");  // the empty page
    hint->setAlignment(Qt::AlignCenter);
    hint->setForegroundRole(QPalette::PlaceholderText);
    Frames->addWidget(hint);
    return Frames;
}

void ButtonMenu::formLoad()
{
    if (!screenIsLargeEnough())
        return;
    refreshCaptions();
}

bool ButtonMenu::screenIsLargeEnough()
{
    const QSize screen = state.platform.control.screenSize();
    if (screen.width() >= 800 && screen.height() >= 600)
        return true;
    state.platform.prompter.message(SmallScreenText, Prompter::OkOnly, Prompter::Critical,
                                    "Higher Display Resolution Required!");
    state.platform.control.end();
    return false;
}

void ButtonMenu::refreshCaptions()
{
    refreshReviews();
    refreshExams();
}

void ButtonMenu::lockChanged(bool locked)
{
    setEnabled(!locked);
    if (!locked && isMinimized())
        setNormal();
}

void ButtonMenu::refreshReviews()
{
    const ReviewState& review = state.review;
    if (review.ReviewItemNo != 0) {
        Option1[Reviews]->setEnabled(true);
        setOptionCaption(Reviews, "Resume Topic" + basic::Str(review.CurrentTopic) + " &Review, "
                                      + ReviewTypeTitles.value(review.ReviewTestType));
        Command2[ReviewReports]->setEnabled(false);
        return;
    }
    Command2[ReviewReports]->setEnabled(true);
    const Edition& edition = state.edition;
    const std::vector<int>& level = state.settings.TopicDrillLevel;
    if (sumOfLevels(level, 1, edition.TopicCount) == edition.AllTopicsDoneTotal()) {
        setOptionCaption(Reviews, "All Topics Reviewed Three Times");
        Option1[Reviews]->setEnabled(false);
        return;
    }
    setOptionCaption(Reviews, "Topic &Review Test");
    for (int t = 1; t <= edition.TopicCount; ++t) {
        Command1[t - 1]->setEnabled(!drillsFinished(level[t]));
        Command1[t - 1]->setText(edition.TopicTitles[t] + drillSuffix(level[t]));
    }
}

void ButtonMenu::refreshExams()
{
    const ExamState& exam = state.exam;
    const Edition& edition = state.edition;
    if (exam.ExamCurrentItem != 0) {
        Option1[Exams]->setEnabled(true);
        setOptionCaption(Exams, edition.MenuResumeExam + ", " + edition.ExamTitles.value(exam.ExamKind));
        Command2[ExamReports]->setEnabled(false);
        return;
    }
    Command2[ExamReports]->setEnabled(true);
    const int levels = sumOfLevels(state.settings.TopicDrillLevel, edition.TopicCount + 1, edition.TrackedSlotCount());
    if (levels == edition.AllExamsDoneTotal()) {
        setOptionCaption(Exams, "All Exams Taken Three Times");
        Option1[Exams]->setEnabled(false);
    } else {
        setOptionCaption(Exams, edition.MenuExamOption);
    }
}

// A caption too long for its button goes on two lines, broken after its comma or else at the
// space nearest its middle: a push button does not wrap by itself.
void ButtonMenu::setOptionCaption(int index, QString caption)
{
    Option1[index]->setText(caption);
    if (Option1[index]->sizeHint().width() <= OptionWidth)
        return;
    qsizetype space = caption.indexOf(", ") + 1;
    if (space == 0) {
        const auto offCentre = [&caption](qsizetype i) { return std::abs(2 * i - caption.size()); };
        space = caption.indexOf(' ');
        for (qsizetype i = space; i >= 0; i = caption.indexOf(' ', i + 1))
            if (offCentre(i) < offCentre(space))
                space = i;
    }
    if (space >= 0) {
        caption[space] = '\n';
        Option1[index]->setText(caption);
    }
}

void ButtonMenu::option1Click(int index)
{
    switch (index) {
    case Reviews:
        if (state.review.ReviewItemNo == 0) {
            showFrame(0);
            return;
        }
        showFrame(NoFrame);
        state.forms.show("Quiz800");  // resumes the test in progress
        Option1[Scrap]->setChecked(true);
        return;
    case Exams:
        showFrame(NoFrame);
        state.forms.show(state.exam.ExamCurrentItem != 0 ? "ExamTest" : "ExamSet");
        Option1[Scrap]->setChecked(true);
        return;
    default:
        showFrame(index - 1);  // "Scrap" has no frame
    }
}

void ButtonMenu::showFrame(int k)
{
    Frames->setCurrentIndex(std::min(k, NoFrame));
}

void ButtonMenu::command1Click(int index)
{
    state.review.CurrentTopic = index + 1;
    state.forms.show("Quiz800");
    Option1[Scrap]->setChecked(true);
}

void ButtonMenu::command2Click(int index)
{
    switch (index) {
    case ReviewReports:  // report cards always open freshly built
        state.forms.unload("QuizSumm");
        state.forms.show("QuizSumm");
        break;
    case ExamReports:
        state.forms.unload("Scoring");
        state.forms.show("Scoring");
        break;
    case Spreadsheet:
        state.forms.show("Navigator", Forms::Modal);
        break;
    }
}

void ButtonMenu::command3Click(int index)
{
    switch (index) {
    case Glossary: showViewing(8); break;
    case Notebook: state.forms.showRestored("NoteBook"); break;
    case CalculatorTool: state.forms.showRestored("Calculator"); break;
    case Alarm: state.forms.showRestored("AlarmForm"); break;
    case Options: state.forms.show("Preferences", Forms::Modal); break;
    }
}

void ButtonMenu::command4Click(int index) { showViewing(index + 1); }

void ButtonMenu::command5Click(int index) { showHelp(state, GeneralHelpPages[index], Forms::Modeless); }

void ButtonMenu::showViewing(int mode)
{
    // The reading window reads its content at load: reload it only for another content.
    if (state.ViewingMode != mode)
        state.forms.unload("Viewing");
    state.ViewingMode = mode;
    state.forms.showRestored("Viewing");
}

// Unsaved notebook changes are saved or dropped as the user answers; false when the save failed,
// so that the program stays with the notebook's text.
bool ButtonMenu::notebookSettled()
{
    if (state.NotebookChanged
        && state.platform.prompter.message("Save your changes to disk?", Prompter::YesNo, Prompter::NoIcon,
                                           "Change to NoteBook Detected!")
               == Prompter::Yes) {
        if (auto* notebook = dynamic_cast<NotebookSaver*>(state.forms.load("NoteBook")))
            return notebook->saveNotebookToDisk();
    }
    return true;
}

void ButtonMenu::formUnload()
{
    QFile::remove(state.path(state.RunningFlagFileName));  // already gone is as good as removed
    state.platform.control.end();
}

void ButtonMenu::closeEvent(QCloseEvent* event)
{
    // While a test, an exam or a report card has the menu locked, it stays open; and so it does
    // when the notebook's changes could not be saved.
    if (state.mainMenu.isLocked() || !notebookSettled()) {
        event->ignore();
        return;
    }
    Form::closeEvent(event);
}

void endDesktopSession(AppState& state)
{
    // The session manager and a signal may both tell of the same end.
    if (std::exchange(state.SessionEnding, true))
        return;
    state.platform.prompter.stopAsking();
    for (const char* working : {"Quiz800", "ExamTest"})
        state.forms.unload(working);
    if (state.NotebookChanged)
        if (auto* notebook = dynamic_cast<NotebookSaver*>(state.forms.load("NoteBook")))
            notebook->saveNotebookToDisk();
    if (state.RunningFlagOwned)
        QFile::remove(state.path(state.RunningFlagFileName));
    state.platform.control.end();
}
