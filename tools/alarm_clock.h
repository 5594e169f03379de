// AlarmForm: a live clock, an alarm set to a typed time or to a number of minutes from now, and
// setting the computer's clock. The alarm works only while the window is open (it may be
// minimised); closing the window clears it.
#pragma once

#include "shell/form.h"

#include <QDate>
#include <QDateTime>
#include <QTime>
#include <array>
#include <optional>

class QGroupBox;
class QLabel;
class QLayout;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTimer;

// A time of day as the user types it: hours and minutes with optional seconds, in the 24-hour
// clock or with AM or PM ("7:30", "19:30", "7:30 PM", "7 pm"), so 7:30 alone is morning. Anything
// else, a date included, is not a time: a date would make an alarm that never sounds.
std::optional<QTime> parseTimeOfDay(const QString& text);

// The current time of day in whole seconds, as the clock shows it and the alarm compares it.
QTime timeOfDay(const QDateTime& now);

// A time of day as text: "h:mm:ss AM/PM" by default, or "Medium Time".
QString timeText(const QTime& time, const QString& pattern = QStringLiteral("h:mm:ss AM/PM"));

// The alarm's setting and whether it has sounded for it, kept for the run.
class Alarm {
public:
    enum Entry { Accepted, NotATime, GoneBy };

    // Set Alarm: a typed time later today; the current second still counts.
    Entry setTo(const QString& typed, const QDateTime& now);
    // AutoSet: minutes from now. A setting past midnight waits for the next day rather than
    // sounding at once because its time of day has gone by today.
    void setIn(int minutes, const QDateTime& now);
    void clear() { *this = Alarm(); }

    // A tick of the clock: true when the alarm goes off now. It goes off once per setting and
    // day: the flag is set before anything is shown, and a time before the setting (the next
    // day, or a clock set back) arms it again.
    bool tick(const QDateTime& now);

    const std::optional<QTime>& setting() const { return AlarmSetting; }
    bool pending() const { return AlarmSetting && !AlarmRang; }

private:
    void set(const QDateTime& at);

    std::optional<QTime> AlarmSetting;
    QDate AlarmDay;  // the first day the setting may sound
    bool AlarmRang = false;
};

class AlarmForm : public Form {
    Q_OBJECT
public:
    explicit AlarmForm(AppState& state);

    // Timer1_Timer, every 300 ms: the alarm, then the clock or the minimised caption. The alarm's
    // message follows from the event loop.
    void timer1Timer();

    enum Button { SetAlarm, SetClock, Done, AutoSet };
    enum Display { ClockDisplay, SettingDisplay };

protected:
    void formLoad() override;
    void formUnload() override;  // clears the setting and brings the main menu back
    void changeEvent(QEvent* event) override;

private:
    QLabel* makeClock();
    QLayout* makeSettingRow();
    QGroupBox* makeChoiceFrame();
    QGroupBox* makeDisplayFrame();
    void command1Click(int index);
    void setAlarmClick();
    void setClockClick();
    void autoSetClick();
    void tellAlarm(const QTime& time);  // the message, then the window back from minimised
    void showSetting();
    void ShowMinimizedCaption();

    Alarm& alarm;  // the setting outlives the window

    QLabel* lblTime = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Image1 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QListWidget* List1 = nullptr;
    std::array<QRadioButton*, 2> Option1{};
    std::array<QPushButton*, 4> Command1{};
    QTimer* Timer1 = nullptr;
};
