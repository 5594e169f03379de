#include "shell/settings_window.h"

#include "platform/basic.h"
#include "platform/runtime_error.h"
#include "shell/app_state.h"
#include "shell/help_window.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {
constexpr int PreferencesSlot = 9;
constexpr int PreferencesHelpPage = 3;

// A control that keeps its place in the layout while hidden, so the dialog does not jump.
template <class Widget>
Widget* steady(Widget* widget, const QString& name)
{
    widget->setObjectName(name);
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
    widget->hide();
    return widget;
}
}  // namespace

Preferences::Preferences(AppState& appState) : Form(appState, "Preferences", PreferencesSlot)
{
    setWindowTitle("Review Test Options");

    // Controls: each check box with its icon, shown while the box is on, and the pass mark.
    makeCheckBoxes();
    makePassMark();

    // The buttons.
    Command1 = new QPushButton("&Save");
    Command2 = new QPushButton("&Cancel");
    Command3 = new QPushButton("&Help");
    Command1->setObjectName("Command1");
    Command2->setObjectName("Command2");
    Command3->setObjectName("Command3");
    Command1->setDefault(true);
    setCancelButton(Command2);
    connect(Command1, &QPushButton::clicked, this, &Preferences::command1Click);
    connect(Command2, &QPushButton::clicked, this, [this] { this->state.forms.unload("Preferences"); });
    connect(Command3, &QPushButton::clicked, this,
            [this] { showHelp(this->state, PreferencesHelpPage, Forms::Modal); });

    // Layout: the options in a frame, the buttons below.
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command3);
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeOptionFrame());
    layout->addLayout(buttons);
    setMinimumWidth(420);
}

std::array<std::pair<QCheckBox*, QLabel*>, 4> Preferences::checkBoxes() const
{
    return {{{Check1, Picture1}, {Check2, Picture2}, {Check3, Picture3}, {Check5, Picture5}}};
}

void Preferences::makeCheckBoxes()
{
    Check1 = new QCheckBox("Scramble Order of Questions");
    Check2 = new QCheckBox("Sound On");
    Check3 = new QCheckBox("Activate Timer During Questioning");
    Check5 = new QCheckBox("Include Progress Report");
    Picture1 = steady(new QLabel, "Picture1");
    Picture2 = steady(new QLabel, "Picture2");
    Picture3 = steady(new QLabel, "Picture3");
    Picture5 = steady(new QLabel, "Picture5");
    const std::array<QStyle::StandardPixmap, 4> icons = {QStyle::SP_BrowserReload, QStyle::SP_MediaVolume,
                                                         QStyle::SP_MediaPlay, QStyle::SP_FileDialogContentsView};
    const QStringList boxNames = {"Check1", "Check2", "Check3", "Check5"};
    const auto boxes = checkBoxes();
    for (int i = 0; i < int(boxes.size()); ++i) {
        auto [box, icon] = boxes[i];
        box->setObjectName(boxNames[i]);
        box->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);  // its row may grow
        icon->setPixmap(style()->standardIcon(icons[i]).pixmap(24, 24));
        connect(box, &QCheckBox::toggled, this, [this, box, icon](bool on) { checkClick(box, icon, on); });
    }
}

// The pass mark, shown with the progress report only.
void Preferences::makePassMark()
{
    Text1 = steady(new QLineEdit, "Text1");
    Text1->setFixedWidth(64);
    Text1->setAlignment(Qt::AlignRight);
    Label2 = {steady(new QLabel("Passing Grade: It is recommended that you set this higher than your "
                                "licensing exam requirements."),
                     "Label2(0)"),
              steady(new QLabel("%"), "Label2(1)")};
    Label2[0]->setWordWrap(true);
    connect(Text1, &QLineEdit::textEdited, this, [this] { PrefsChanged = true; });
    connect(Text1, &QLineEdit::textChanged, this, &Preferences::text1Change);
}

// The frame of options: the icons in a narrow column before their boxes, the pass mark under
// them with its label. The rows share a larger window evenly, so the controls keep their places.
QFrame* Preferences::makeOptionFrame()
{
    Frame1 = new QFrame;
    Frame1->setObjectName("Frame1");
    Frame1->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(Frame1);
    grid->setContentsMargins(16, 14, 16, 14);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(10);
    grid->setColumnMinimumWidth(0, 24);
    const auto boxes = checkBoxes();
    for (int i = 0; i < int(boxes.size()); ++i) {
        grid->addWidget(boxes[i].second, i, 0);
        grid->addWidget(boxes[i].first, i, 1);
    }
    auto* passMark = new QHBoxLayout;
    passMark->addWidget(Text1);
    passMark->addWidget(Label2[1]);
    passMark->addStretch();
    auto* passMarkRow = new QVBoxLayout;
    passMarkRow->addWidget(Label2[0]);
    passMarkRow->addLayout(passMark);
    grid->addLayout(passMarkRow, 4, 1, Qt::AlignVCenter);  // the label stays over its box
    for (int row = 0; row < grid->rowCount(); ++row)
        grid->setRowStretch(row, 1);
    return Frame1;
}

void Preferences::formLoad()
{
    restorePosition();
    const Settings& settings = state.settings;
    Check1->setChecked(settings.ScrambleItems);
    Check2->setChecked(settings.SoundOnWrong);
    Check3->setChecked(settings.ShowClocks);
    Check5->setChecked(settings.ShowScoreMeter);
    Text1->setText(basic::Str(int(settings.PassMarkChar)));
    PrefsChanged = false;  // setting the controls counted as changes
}

void Preferences::checkClick(QCheckBox* box, QLabel* icon, bool on)
{
    icon->setVisible(on);
    if (box == Check5) {
        Text1->setVisible(on);
        Label2[0]->setVisible(on);
        Label2[1]->setVisible(on);
    }
    PrefsChanged = true;
}

void Preferences::text1Change()
{
    // The box always holds a pass mark from 0 to 100.
    if (basic::Val(Text1->text()) > 100)
        Text1->setText("100");
    if (!(basic::Val(Text1->text()) >= 0))
        Text1->setText("0");
}

Settings Preferences::chosenSettings() const
{
    Settings chosen = state.settings;
    chosen.ScrambleItems = Check1->isChecked();
    chosen.SoundOnWrong = Check2->isChecked();
    chosen.ShowClocks = Check3->isChecked();
    chosen.ShowScoreMeter = Check5->isChecked();
    chosen.PassMarkChar = quint8(basic::roundHalfEven(basic::Val(Text1->text())));
    return chosen;
}

void Preferences::SavePreferences(const Settings& chosen)
{
    try {
        state.config().update([&chosen](ConfigRecord& record) {
            record.ScrambleFlag = chosen.ScrambleItems ? 1 : 0;
            record.SoundFlag = chosen.SoundOnWrong ? 1 : 0;
            record.ClocksFlag = chosen.ShowClocks ? 1 : 0;
            record.ScoreMeterFlag = chosen.ShowScoreMeter ? 1 : 0;
            record.PassMark = chosen.PassMarkChar;
        });
    } catch (const RuntimeError& error) {
        // Left unsaved, the closing question offers to try again.
        state.platform.prompter.message("Your preferences could not be saved.\r\n" + error.Description,
                                        Prompter::OkOnly, Prompter::Critical, QString());
        return;
    }
    state.settings = chosen;
    PrefsChanged = false;
}

void Preferences::command1Click()
{
    SavePreferences(chosenSettings());
    state.forms.unload("Preferences");
}

void Preferences::formUnload()
{
    if (PrefsChanged
        && state.platform.prompter.message("Save your preference changes?", Prompter::YesNo, Prompter::NoIcon,
                                           "Change in Preferences Detected!")
               == Prompter::Yes) {
        SavePreferences(chosenSettings());
    }
    storePosition();
    PrefsChanged = false;
}
