#include "tools/alarm_clock.h"

#include "platform/basic.h"
#include "platform/cp1252.h"
#include "shell/app_state.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr int AlarmSlot = 1;
constexpr int TickInterval = 300;  // ms
constexpr int ListEntries = 60;
constexpr int MinutesPerEntry = 10;
constexpr int AlarmFrequency = 1760;  // Hz
constexpr int AlarmLength = 800;      // ms
const QString Caption = QStringLiteral("Alarm Clock");
const QString TimeHint = QStringLiteral(
    "Use any 12-or 24-hour clock time. If AM or PM is omitted from the 12-hour clock time, AM is assumed.");
}  // namespace

std::optional<QTime> parseTimeOfDay(const QString& text)
{
    static const QRegularExpression pattern(
        QStringLiteral(R"(^\s*([0-9]{1,2})(?::([0-9]{1,2})(?::([0-9]{1,2}))?)?\s*(?:([ap])m?)?\s*$)"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(text);
    // A bare number is no time; "7 pm" is.
    if (!match.hasMatch() || (!match.hasCaptured(2) && !match.hasCaptured(4)))
        return std::nullopt;
    int hour = match.captured(1).toInt();
    if (match.hasCaptured(4)) {
        if (hour > 12)
            return std::nullopt;
        hour = hour % 12 + (match.captured(4).compare(QLatin1String("p"), Qt::CaseInsensitive) == 0 ? 12 : 0);
    }
    const QTime time(hour, match.captured(2).toInt(), match.captured(3).toInt());
    return time.isValid() ? std::optional(time) : std::nullopt;
}

QTime timeOfDay(const QDateTime& now)
{
    const QTime time = now.time();
    return QTime(time.hour(), time.minute(), time.second());
}

QString timeText(const QTime& time, const QString& pattern)
{
    return basic::formatDateTime(time.msecsSinceStartOfDay() / 86400000.0, pattern);
}

Alarm::Entry Alarm::setTo(const QString& typed, const QDateTime& now)
{
    const std::optional<QTime> time = parseTimeOfDay(typed);
    if (!time)
        return NotATime;
    if (timeOfDay(now) > *time)
        return GoneBy;
    set(QDateTime(now.date(), *time));
    return Accepted;
}

void Alarm::setIn(int minutes, const QDateTime& now)
{
    set(QDateTime(now.date(), timeOfDay(now)).addSecs(qint64(minutes) * 60));
}

void Alarm::set(const QDateTime& at)
{
    AlarmSetting = at.time();
    AlarmDay = at.date();
    AlarmRang = false;  // a new setting sounds, whatever the last one did
}

bool Alarm::tick(const QDateTime& now)
{
    if (!AlarmSetting)
        return false;
    const QTime time = timeOfDay(now);
    if (!AlarmRang && now.date() >= AlarmDay && time >= *AlarmSetting) {
        AlarmRang = true;
        return true;
    }
    if (time < *AlarmSetting)
        AlarmRang = false;
    return false;
}

AlarmForm::AlarmForm(AppState& appState)
    : Form(appState, "AlarmForm", AlarmSlot), alarm(state.forms.keep<Alarm>("AlarmForm"))
{
    setWindowTitle(Caption);

    // The command buttons; AutoSet stands with the minute choices.
    const std::array<const char*, 4> captions = {"Set &Alarm", "Set &Clock", "&Done", "Auto&Set"};
    for (int i = 0; i < int(Command1.size()); ++i) {
        Command1[i] = new QPushButton(captions[i]);
        Command1[i]->setObjectName(QStringLiteral("Command1(%1)").arg(i));
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { command1Click(i); });
    }

    // The clock's tick.
    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(TickInterval);
    connect(Timer1, &QTimer::timeout, this, &AlarmForm::timer1Timer);

    // Layout: the clock over the setting, the two frames side by side, the buttons below.
    auto* frames = new QHBoxLayout;
    frames->addWidget(makeChoiceFrame(), 1);
    frames->addWidget(makeDisplayFrame(), 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command1[SetAlarm]);
    buttons->addWidget(Command1[SetClock]);
    buttons->addStretch();
    buttons->addWidget(Command1[Done]);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeClock());
    layout->addLayout(makeSettingRow());
    layout->addLayout(frames, 1);
    layout->addLayout(buttons);
    resize(440, 360);
}

QLabel* AlarmForm::makeClock()
{
    lblTime = new QLabel;
    lblTime->setObjectName("lblTime");
    lblTime->setAlignment(Qt::AlignCenter);
    QFont clockFont = lblTime->font();
    clockFont.setPointSize(26);
    clockFont.setBold(true);
    lblTime->setFont(clockFont);
    return lblTime;
}

// The setting, centred, with the bell shown while the alarm waits.
QLayout* AlarmForm::makeSettingRow()
{
    Label1 = new QLabel;
    Label1->setObjectName("Label1");
    Label1->setMinimumWidth(110);
    Image1 = new QLabel;
    Image1->setObjectName("Image1");
    Image1->setPixmap(style()->standardIcon(QStyle::SP_MediaVolume).pixmap(24, 24));
    QSizePolicy steady = Image1->sizePolicy();
    steady.setRetainSizeWhenHidden(true);  // the setting does not jump when the bell goes
    Image1->setSizePolicy(steady);
    Image1->hide();
    auto* setting = new QHBoxLayout;
    setting->addStretch();
    setting->addWidget(Image1);
    setting->addWidget(Label1);
    setting->addStretch();
    return setting;
}

// The minute choices and AutoSet; a double-click on a choice sets it at once.
QGroupBox* AlarmForm::makeChoiceFrame()
{
    Frame2 = new QGroupBox("Set alarm to sound in:");
    Frame2->setObjectName("Frame2");
    List1 = new QListWidget;
    List1->setObjectName("List1");
    connect(List1, &QListWidget::itemDoubleClicked, this, &AlarmForm::autoSetClick);
    auto* choices = new QVBoxLayout(Frame2);
    choices->addWidget(List1);
    choices->addWidget(Command1[AutoSet]);
    return Frame2;
}

// What the caption shows while the window is minimised.
QGroupBox* AlarmForm::makeDisplayFrame()
{
    Frame1 = new QGroupBox("Time display when minimized");
    Frame1->setObjectName("Frame1");
    Option1 = {new QRadioButton("Clock"), new QRadioButton("Alarm Setting")};
    auto* display = new QVBoxLayout(Frame1);
    for (int i = 0; i < int(Option1.size()); ++i) {
        Option1[i]->setObjectName(QStringLiteral("Option1(%1)").arg(i));
        display->addWidget(Option1[i]);
    }
    display->addStretch();
    return Frame1;
}

void AlarmForm::formLoad()
{
    restorePosition();
    List1->clear();
    for (int i = 1; i <= ListEntries; ++i)
        List1->addItem(basic::formatNumber(i * MinutesPerEntry, "### min."));
    List1->setCurrentRow(0);
    Option1[ClockDisplay]->setChecked(true);
    Option1[SettingDisplay]->setEnabled(alarm.pending());
    showSetting();
    lblTime->setText(timeText(timeOfDay(state.platform.clock.now())));
    Timer1->start();
}

void AlarmForm::command1Click(int index)
{
    switch (index) {
    case SetAlarm: setAlarmClick(); break;
    case SetClock: setClockClick(); break;
    case Done: state.forms.unload(name()); break;
    case AutoSet: autoSetClick(); break;
    }
}

// Asks until the answer is a time still to come today, or empty.
void AlarmForm::setAlarmClick()
{
    Prompter& prompter = state.platform.prompter;
    const QString InputPrompt = TimeHint + state.CrLf + state.CrLf + "Enter alarm setting" + state.CrLf + "(hh:mm).";
    const QString shown = alarm.setting() ? timeText(*alarm.setting()) : QString();
    for (;;) {
        const QString TimeEntry = prompter.input(InputPrompt, "Set Alarm Clock", shown);
        if (TimeEntry.isEmpty())
            return;
        const Alarm::Entry entry = alarm.setTo(TimeEntry, state.platform.clock.now());
        if (entry == Alarm::Accepted)
            break;
        const QString why = entry == Alarm::NotATime ? "The time you entered was not valid."
                                                     : "The time you entered has already gone by today.";
        prompter.message(why + state.CrLf + "Please try again.", Prompter::OkOnly, Prompter::Question, "Sorry!");
    }
    Option1[SettingDisplay]->setEnabled(true);
    showSetting();
    storePosition(false);
}

void AlarmForm::setClockClick()
{
    Prompter& prompter = state.platform.prompter;
    Clock& clock = state.platform.clock;
    const QString InputPrompt = TimeHint + state.CrLf + state.CrLf + "Enter current time" + state.CrLf + "(hh:mm).";
    const QString TimeEntry = prompter.input(InputPrompt, "Set Computer Clock", timeText(timeOfDay(clock.now())));
    if (TimeEntry.isEmpty())
        return;
    const std::optional<QTime> time = parseTimeOfDay(TimeEntry);
    if (!time)
        prompter.message("The time you entered was not valid." + state.CrLf + "Please try again.", Prompter::OkOnly,
                         Prompter::Question, "Sorry!");
    else if (!clock.setTimeOfDay(*time))
        prompter.message("The computer's clock could not be set." + state.CrLf
                             + "Changing the time needs administrator rights.",
                         Prompter::OkOnly, Prompter::Exclamation, "Sorry!");
    else
        lblTime->setText(timeText(timeOfDay(clock.now())));
    storePosition(false);
}

void AlarmForm::autoSetClick()
{
    alarm.setIn((List1->currentRow() + 1) * MinutesPerEntry, state.platform.clock.now());
    Option1[SettingDisplay]->setEnabled(true);
    showSetting();
    storePosition(false);
}

void AlarmForm::timer1Timer()
{
    const QDateTime now = state.platform.clock.now();
    if (alarm.tick(now)) {
        state.platform.tone.beep(AlarmFrequency, AlarmLength);
        // Told from the event loop, so that the clock goes on ticking while the message is open.
        QMetaObject::invokeMethod(this, [this, now] { tellAlarm(timeOfDay(now)); }, Qt::QueuedConnection);
    }
    showSetting();
    if (isMinimized())
        ShowMinimizedCaption();
    else
        lblTime->setText(timeText(timeOfDay(now)));
}

void AlarmForm::tellAlarm(const QTime& time)
{
    state.platform.prompter.message("Alarm at " + timeText(time),
                                    Prompter::OkOnly, Prompter::Exclamation,
                                    "Hello, " + cp1252::toUnicode(state.settings.UserName).trimmed());
    setNormal();
}

void AlarmForm::showSetting()
{
    Label1->setText(alarm.setting() ? timeText(*alarm.setting()) : QString());
    Image1->setVisible(alarm.pending());
}

void AlarmForm::ShowMinimizedCaption()
{
    const std::optional<QTime> shown =
        Option1[ClockDisplay]->isChecked() ? timeOfDay(state.platform.clock.now()) : alarm.setting();
    setWindowTitle(shown ? timeText(*shown, "Medium Time") : QString());
}

void AlarmForm::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowStateChange) {
        if (isMinimized())
            ShowMinimizedCaption();
        else
            setWindowTitle(Caption);
    }
    Form::changeEvent(event);
}

void AlarmForm::formUnload()
{
    Timer1->stop();
    storePosition();
    alarm.clear();
    if (Form* menu = state.forms.find("ButtonMenu"))
        menu->setNormal();
}
