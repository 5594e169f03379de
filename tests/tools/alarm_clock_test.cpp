// The alarm clock: reading a typed time, when the alarm sounds (once per setting and day, an
// AutoSet past midnight not before the next day), and the window's questions, caption and closing.
#include "tests/support/app_fixture.h"
#include "tests/support/test_main.h"
#include "tools/alarm_clock.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {
QDateTime at(const QString& time, int day = 0) { return {QDate(2026, 12, 8).addDays(day), QTime::fromString(time)}; }

struct AlarmRig {
    AlarmRig()
    {
        f.state.settings.UserName = QByteArray("Pat Reader").leftJustified(UserNameWidth, ' ');
        f.state.forms.add("AlarmForm", [this] { return new AlarmForm(f.state); });
        f.state.forms.add("ButtonMenu", [this] { return new StandInForm(f.state, "ButtonMenu"); });
        f.clock.set(at("07:29:59"));
        f.state.forms.show("AlarmForm");
        form = f.state.forms.get<AlarmForm>("AlarmForm");
    }
    template <class T>
    T* control(const QString& name) const { return f.state.forms.find("AlarmForm")->findChild<T*>(name); }
    QString setting() const { return control<QLabel>("Label1")->text(); }
    void click(AlarmForm::Button b) const { control<QPushButton>(QStringLiteral("Command1(%1)").arg(b))->click(); }
    // Answers for the input boxes, and OK for as many messages.
    void type(const QStringList& answers)
    {
        for (const QString& typed : answers) {
            f.prompter.type(typed);
            f.prompter.answer(Prompter::Ok);
        }
    }

    AppFixture f;
    AlarmForm* form = nullptr;
};
}  // namespace

class AlarmRulesTest : public QObject {
    Q_OBJECT
private slots:
    void typedTimesAreRead()
    {
        const std::pair<QString, QString> cases[] = {  // typed, time read ("" for none)
            {"7:30", "07:30:00"}, {" 7:30:15 pm ", "19:30:15"}, {"7 PM", "19:00:00"}, {"12:05 AM", "00:05:00"},
            {"7", ""}, {"13:00 PM", ""}, {"7:60", ""}, {"12/8/2026 7:30", ""}};
        for (const auto& [typed, time] : cases) {
            const std::optional<QTime> read = parseTimeOfDay(typed);
            QCOMPARE(typed + " = " + (read ? read->toString("HH:mm:ss") : QString()), typed + " = " + time);
        }
    }

    void soundsOncePerSettingAndDay()
    {
        Alarm alarm;
        QCOMPARE(alarm.setTo("7:29", at("07:29:59")), Alarm::GoneBy);
        QCOMPARE(alarm.setTo("7:29:59", at("07:29:59.900")), Alarm::Accepted);  // the current second counts
        QVERIFY(alarm.tick(at("07:29:59.950")));
        QVERIFY(!alarm.tick(at("12:00:00")));
        QVERIFY(!alarm.tick(at("00:00:01", 1)));
        QVERIFY(alarm.tick(at("07:29:59", 1)));  // the next day again
        alarm.setIn(0, at("07:30:05", 1));  // a new setting sounds even at the second it is made
        QVERIFY(alarm.tick(at("07:30:05", 1)));
    }

    // From now, minutes ahead: the setting, first sounding that day or the next.
    void autoSetCountsFromNow()
    {
        const std::tuple<QString, int, QString, int> cases[] = {
            {"10:15:20", 10, "10:25:20", 0}, {"23:00:00", 600, "09:00:00", 1}, {"23:50:00", 10, "00:00:00", 1}};
        for (const auto& [now, minutes, setting, day] : cases) {
            Alarm alarm;
            alarm.setIn(minutes, at(now));
            QCOMPARE(alarm.setting()->toString("HH:mm:ss"), setting);
            QVERIFY(!alarm.tick(at(now)));
            QVERIFY(!alarm.tick(at(setting, day).addMSecs(-1)));
            QVERIFY(alarm.tick(at(setting, day)));
        }
    }
};
REGISTER_TEST(AlarmRulesTest)

class AlarmFormTest : public QObject {
    Q_OBJECT
private slots:
    void setAlarmAsksUntilAFutureTimeThenSoundsOnce()
    {
        AlarmRig rig;
        rig.type({"abc", "6:00", "7:30"});
        rig.click(AlarmForm::SetAlarm);
        const auto& shown = rig.f.prompter.shown;
        QCOMPARE(shown.size(), size_t(5));
        QCOMPARE(shown[1].text, "The time you entered was not valid.\r\nPlease try again.");
        QCOMPARE(shown[3].text, "The time you entered has already gone by today.\r\nPlease try again.");
        QCOMPARE(rig.setting(), "7:30:00 AM");

        // Ticks that come before the message is shown do not sound it again.
        rig.form->setWindowState(Qt::WindowMinimized);
        rig.f.clock.set(at("07:29:59.800"));
        for (int tick = 0; tick < 4; ++tick, rig.f.clock.advance(300))
            rig.form->timer1Timer();
        QCoreApplication::processEvents();
        QCOMPARE(rig.f.tone.beeps, (std::vector<RecordingTone::Beep>{{1760, 800}}));
        QCOMPARE(shown.size(), size_t(6));
        QCOMPARE(shown[5].text, "Alarm at 7:30:00 AM");
        QCOMPARE(shown[5].title, "Hello, Pat Reader");
        QVERIFY(!rig.form->isMinimized() && !rig.control<QLabel>("Image1")->isVisible());
    }

    void setClockSaysWhenItCannot()
    {
        AlarmRig rig;
        rig.f.clock.refuseTimeChange = true;
        rig.type({"8:15", "8:75"});
        rig.click(AlarmForm::SetClock);
        QCOMPARE(rig.f.prompter.shown.back().title, "Sorry!");
        rig.click(AlarmForm::SetClock);  // not a time: one message, no second question
        QCOMPARE(rig.f.prompter.shown.size(), size_t(4));
    }

    void minimisedCaptionAndClosingClearsTheSetting()
    {
        AlarmRig rig;
        rig.f.state.forms.show("ButtonMenu");
        Form* menu = rig.f.state.forms.find("ButtonMenu");
        QListWidget* list = rig.control<QListWidget>("List1");
        list->setCurrentRow(2);
        emit list->itemDoubleClicked(list->item(2));  // the same as AutoSet
        QCOMPARE(rig.setting(), "7:59:59 AM");

        rig.form->setWindowState(Qt::WindowMinimized);
        rig.f.clock.advance(1000);
        rig.form->timer1Timer();
        QCOMPARE(rig.form->windowTitle(), "07:30 AM");
        rig.control<QRadioButton>("Option1(1)")->setChecked(true);
        rig.form->timer1Timer();
        QCOMPARE(rig.form->windowTitle(), "07:59 AM");

        menu->setWindowState(Qt::WindowMinimized);
        rig.click(AlarmForm::Done);
        QVERIFY(!menu->isMinimized());
        rig.f.state.forms.show("AlarmForm");
        QCOMPARE(rig.setting(), "");
        QVERIFY(!rig.control<QRadioButton>("Option1(1)")->isEnabled());
    }
};
REGISTER_TEST(AlarmFormTest)

#include "alarm_clock_test.moc"
