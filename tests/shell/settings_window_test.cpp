// The settings window: the pass-mark box's range and rounding, and when the options reach
// record 1 of the configuration file.
#include "shell/settings_window.h"
#include "tests/support/app_fixture.h"
#include "tests/support/test_files.h"
#include "tests/support/test_main.h"

#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {
const QDateTime LongAgo(QDate(2001, 1, 1), QTime(12, 0));

// The dialog over a configuration file that has been in use: a score log entry and reserved
// bytes that no setting may touch, and a pass mark of 60.
struct PreferencesRig {
    explicit PreferencesRig(const Edition& edition = vestoraEdition()) : f(edition)
    {
        AppState& state = f.state;
        state.forms.add("Preferences", [this] { return new Preferences(f.state); });
        ConfigRecord record = state.config().readRecord1();
        initialiseFirstRun(record, edition, "Pat Reader");
        record.PassMark = 60;
        record.ScoreLogDates[1] = "03-04-2026";
        record.ScoreLogKinds[1] = 2;
        record.ScoreLogScores[1] = 0.8f;
        for (int i = 0; i < record.Reserved.size(); ++i)
            record.Reserved[i] = char(i * 7 + 1);
        state.config().writeRecord1(record);
        state.settings = loadSettings(record, edition);
        file = state.config().path();
        before = readFile(file);
        QFile config(file);
        if (!config.open(QIODevice::ReadOnly) || !config.setFileTime(LongAgo, QFileDevice::FileModificationTime))
            qFatal("cannot date the configuration file back");
    }
    ~PreferencesRig() { delete f.state.forms.find("Preferences"); }

    Preferences* open()
    {
        f.state.forms.show("Preferences");  // modeless here, so the test can work it
        return dynamic_cast<Preferences*>(f.state.forms.find("Preferences"));
    }
    template <class T>
    T* control(const QString& name) const
    {
        return f.state.forms.find("Preferences")->findChild<T*>(name);
    }
    void click(const QString& name) const { control<QPushButton>(name)->click(); }
    void typePassMark(const QString& text) const
    {
        QLineEdit* box = control<QLineEdit>("Text1");
        box->selectAll();
        QTest::keyClicks(box, text);
    }
    bool fileWritten() const { return QFileInfo(file).lastModified() != LongAgo; }
    ConfigRecord record() const { return f.state.config().readRecord1(); }

    AppFixture f;
    QString file;
    QByteArray before;
};
}  // namespace

class SettingsWindowTest : public QObject {
    Q_OBJECT
private slots:
    void passMarkSaved_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("stored");
        QTest::newRow("above 100") << "150" << "100" << 100;
        QTest::newRow("negative") << "-5" << "0" << 0;
        QTest::newRow("letters") << "abc" << "abc" << 0;
        QTest::newRow("half down to even") << "72.5" << "72.5" << 72;
        QTest::newRow("half up to even") << "73.5" << "73.5" << 74;
    }
    void passMarkSaved()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(int, stored);
        PreferencesRig rig;
        rig.open();
        rig.typePassMark(typed);
        QCOMPARE(rig.control<QLineEdit>("Text1")->text(), shown);
        rig.control<QCheckBox>("Check3")->click();
        rig.click("Command1");

        QVERIFY(!rig.f.state.forms.isLoaded("Preferences"));
        QVERIFY(rig.f.prompter.shown.empty());
        QCOMPARE(int(rig.f.state.settings.PassMarkChar), stored);
        QVERIFY(!rig.f.state.settings.ShowClocks);
        const QByteArray after = readFile(rig.file);
        QCOMPARE(after.size(), rig.before.size());
        QCOMPARE(int(quint8(after[4])), stored);
        QCOMPARE(int(after[2]), 0);
        QCOMPARE(after.mid(0, 2), rig.before.mid(0, 2));
        QCOMPARE(after.mid(3, 1), rig.before.mid(3, 1));
        QCOMPARE(after.mid(5), rig.before.mid(5));
    }

    void untouchedAsksAndWritesNothing()
    {
        PreferencesRig rig;
        rig.open();
        QLineEdit* passMark = rig.control<QLineEdit>("Text1");
        QCOMPARE(passMark->text(), " 60");
        passMark->selectAll();
        QTest::keyClick(passMark, Qt::Key_X, Qt::AltModifier);  // a letter held with Alt types nothing
        QCOMPARE(passMark->text(), " 60");
        rig.click("Command2");
        rig.open()->close();
        QVERIFY(rig.f.prompter.shown.empty());
        QVERIFY(!rig.fileWritten());
    }

    void cancelAfterChangeAsks_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("Yes stores") << int(Prompter::Yes);
        QTest::newRow("No keeps") << int(Prompter::No);
    }
    void cancelAfterChangeAsks()
    {
        QFETCH(int, answer);
        const bool yes = answer == Prompter::Yes;
        PreferencesRig rig;
        rig.f.prompter.answer(Prompter::Answer(answer));
        rig.open();
        rig.control<QCheckBox>("Check2")->click();
        rig.typePassMark("88");
        rig.click("Command2");

        QCOMPARE(rig.f.prompter.shown.size(), size_t(1));
        const ScriptedPrompter::Shown& box = rig.f.prompter.shown.front();
        QCOMPARE(box.text, "Save your preference changes?");
        QCOMPARE(box.title, "Change in Preferences Detected!");
        QCOMPARE(box.buttons, Prompter::YesNo);
        QCOMPARE(box.icon, Prompter::NoIcon);
        QVERIFY(!rig.f.state.forms.isLoaded("Preferences"));
        QCOMPARE(rig.f.state.settings.SoundOnWrong, !yes);
        QCOMPARE(int(rig.f.state.settings.PassMarkChar), yes ? 88 : 60);
        QCOMPARE(rig.fileWritten(), yes);
        QCOMPARE(int(rig.record().SoundFlag), yes ? 0 : 1);
        QCOMPARE(int(rig.record().PassMark), yes ? 88 : 60);
        QCOMPARE(rig.record().ScoreLogKinds[1], quint8(2));

        // The next opening starts unchanged again.
        rig.open()->close();
        QCOMPARE(rig.f.prompter.shown.size(), size_t(1));
    }
};

REGISTER_TEST(SettingsWindowTest)
#include "settings_window_test.moc"
