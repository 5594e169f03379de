// The main menu: captions from the user's progress and the work in progress, the screen check,
// what its buttons open, and closing the program.
#include "app/main_menu.h"
#include "exams/exam_window.h"
#include "platform/durable_file.h"
#include "platform/session_end.h"
#include "shell/main_menu_link.h"
#include "tools/notebook.h"
#include "tests/review/quiz_rig.h"
#include "tests/support/app_fixture.h"
#include "tests/support/test_main.h"

#include <QAbstractButton>
#include <QFile>
#include <QGroupBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <X11/ICE/ICElib.h>
#include <csignal>
#include <functional>
#include <optional>

namespace {
const Edition& editionNamed(const QString& program)
{
    return program == "Vestora" ? vestoraEdition() : praxelleEdition();
}

// A stand-in window that counts its loads and keeps the reading mode it was loaded with.
class RecordingWindow : public Form {
public:
    RecordingWindow(AppState& state, const QString& name, int& loads) : Form(state, name), loads_(loads) {}
    int loadedMode = 0;

protected:
    void formLoad() override
    {
        ++loads_;
        loadedMode = state.ViewingMode;
    }

private:
    int& loads_;
};

class NotebookDouble : public Form, public NotebookSaver {
public:
    NotebookDouble(AppState& state, int& saves) : Form(state, "NoteBook"), saves_(saves) {}
    bool saveNotebookToDisk() override
    {
        ++saves_;
        return true;
    }

private:
    int& saves_;
};

// The menu with every window it opens replaced by a stand-in.
struct MenuRig {
    explicit MenuRig(const Edition& edition) : f(edition)
    {
        Forms& forms = f.state.forms;
        forms.add("ButtonMenu", [this] { return new ButtonMenu(f.state); });
        for (const QString& name : Placeholders)
            forms.add(name, [this, name] { return new StandInForm(f.state, name); });
        forms.add("Viewing", [this] { return new RecordingWindow(f.state, "Viewing", viewingLoads); });
        forms.add("Help", [this] { return new RecordingWindow(f.state, "Help", helpLoads); });
        forms.add("NoteBook", [this] { return new NotebookDouble(f.state, notebookSaves); });
    }
    ~MenuRig()
    {
        for (const QString& name : Placeholders + QStringList{"ButtonMenu", "Viewing", "Help", "NoteBook"})
            delete f.state.forms.find(name);
    }

    ButtonMenu* open()
    {
        f.state.forms.show("ButtonMenu");
        return dynamic_cast<ButtonMenu*>(f.state.forms.find("ButtonMenu"));
    }
    QAbstractButton* button(const QString& name) const
    {
        return f.state.forms.find("ButtonMenu")->findChild<QAbstractButton*>(name);
    }
    // As the user reads it, on one line.
    QString caption(const QString& name) const { return button(name)->text().replace('\n', ' '); }
    bool enabled(const QString& name) const { return button(name)->isEnabled(); }
    bool frameVisible(int k) const
    {
        return f.state.forms.find("ButtonMenu")->findChild<QGroupBox*>(QStringLiteral("Frame1(%1)").arg(k))->isVisible();
    }
    void setLevels(int first, int last, int level)
    {
        for (int i = first; i <= last; ++i)
            f.state.settings.TopicDrillLevel[i] = level;
    }

    inline static const QStringList Placeholders = {"Quiz800", "ExamSet", "ExamTest", "QuizSumm", "Scoring"};
    AppFixture f;
    int viewingLoads = 0;
    int helpLoads = 0;
    int notebookSaves = 0;
};

// The menu and the windows whose work the session's end saves, over a small course.
struct WorkRig : QuizRig {
    WorkRig()
    {
        Forms& forms = f.state.forms;
        forms.add("ButtonMenu", [this] { return new ButtonMenu(f.state); });
        forms.add("ExamTest", [this] { return new ExamTest(f.state); });
        forms.add("NoteBook", [this] { return new NoteBook(f.state); });
        for (const QString& name : StandIns)
            forms.add(name, [this, name] { return new StandInForm(f.state, name); });
        forms.show("ButtonMenu");
    }
    ~WorkRig()
    {
        for (const QString& name : StandIns + QStringList{"ButtonMenu", "NoteBook"})
            delete f.state.forms.find(name);
    }
    inline static const QStringList StandIns = {"PictForm", "Results", "Help", "Calculator"};
};
using Work = std::function<void(WorkRig&)>;

// A signal's action now: the handler or the default.
bool endsByDefault(int signal)
{
    struct sigaction now = {};
    ::sigaction(signal, nullptr, &now);
    return now.sa_handler == SIG_DFL;
}

// The captions of the menu's visible buttons that do not fit them, once laid out.
QString cutCaptions(const QWidget* menu)
{
    QCoreApplication::processEvents();
    QStringList cut;
    for (const QPushButton* button : menu->findChildren<QPushButton*>())
        if (button->isVisible()
            && (button->sizeHint().width() > button->width() || button->sizeHint().height() > button->height()))
            cut << button->text();
    return cut.join(" | ");
}

void addEditionRows()
{
    QTest::addColumn<QString>("program");
    QTest::newRow("Vestora") << "Vestora";
    QTest::newRow("Praxelle") << "Praxelle";
}
}  // namespace

class MainMenuTest : public QObject {
    Q_OBJECT
private slots:
    void topicCaptionsFollowDrillLevels_data() { addEditionRows(); }
    void topicCaptionsFollowDrillLevels()
    {
        QFETCH(QString, program);
        const Edition& edition = editionNamed(program);
        MenuRig rig(edition);
        rig.f.state.settings.TopicDrillLevel[1] = 1;
        rig.f.state.settings.TopicDrillLevel[2] = 2;
        rig.f.state.settings.TopicDrillLevel[edition.TopicCount] = 3;
        QVERIFY(rig.open());

        QCOMPARE(rig.caption("Option1(0)"), "Topic &Review Test");
        QCOMPARE(rig.caption("Command1(0)"), edition.TopicTitles[1] + " - 2nd Drill");
        QCOMPARE(rig.caption("Command1(1)"), edition.TopicTitles[2] + " - Last Drill");
        QCOMPARE(rig.caption("Command1(2)"), edition.TopicTitles[3] + " - 1st Drill");
        const QString last = QStringLiteral("Command1(%1)").arg(edition.TopicCount - 1);
        QCOMPARE(rig.caption(last), edition.TopicTitles[edition.TopicCount] + " - Finished");
        QVERIFY(!rig.enabled(last));
        QVERIFY(rig.enabled("Command1(1)"));
        QCOMPARE(rig.caption("Option1(1)"), edition.MenuExamOption);
        QVERIFY(rig.enabled("Option1(0)") && rig.enabled("Option1(1)"));
    }

    void workDoneAndInProgress_data() { addEditionRows(); }
    void workDoneAndInProgress()
    {
        QFETCH(QString, program);
        const Edition& edition = editionNamed(program);
        MenuRig rig(edition);
        AppState& state = rig.f.state;
        rig.setLevels(1, edition.TrackedSlotCount(), 3);
        QVERIFY(rig.open());
        QCOMPARE(rig.caption("Option1(0)"), "All Topics Reviewed Three Times");
        QCOMPARE(rig.caption("Option1(1)"), "All Exams Taken Three Times");
        QVERIFY(!rig.enabled("Option1(0)") && !rig.enabled("Option1(1)"));

        // Work in progress takes the options over and closes its report card.
        state.review.ReviewItemNo = 4;
        state.review.CurrentTopic = 3;
        state.review.ReviewTestType = 3;
        state.exam.ExamCurrentItem = 7;
        state.exam.ExamKind = edition.RetakeUnsureKind();
        RefreshMainMenu(state);
        QCOMPARE(rig.caption("Option1(0)"), "Resume Topic 3 &Review, Retake Missed Items");
        QCOMPARE(rig.caption("Option1(1)"), edition.MenuResumeExam + ", Retake Unsure Items");
        QVERIFY(rig.enabled("Option1(0)") && rig.enabled("Option1(1)"));
        QVERIFY(!rig.enabled("Command2(0)") && !rig.enabled("Command2(1)"));

        // Once both end, the report cards open again; an option disabled by the totals is enabled
        // again only by work in progress.
        state.review.ReviewItemNo = 0;
        state.exam.ExamCurrentItem = 0;
        RefreshMainMenu(state);
        QVERIFY(rig.enabled("Command2(0)") && rig.enabled("Command2(1)"));
        QVERIFY(!rig.enabled("Option1(0)"));
        state.settings.TopicDrillLevel[1] = 2;
        RefreshMainMenu(state);
        QCOMPARE(rig.caption("Option1(0)"), "Topic &Review Test");
        QVERIFY(!rig.enabled("Option1(0)"));
    }

    void everyCaptionFitsItsButton_data() { addEditionRows(); }
    void everyCaptionFitsItsButton()
    {
        QFETCH(QString, program);
        const Edition& edition = editionNamed(program);
        MenuRig rig(edition);
        AppState& state = rig.f.state;
        rig.setLevels(1, edition.TopicCount, 2);  // the longest drill suffix
        ButtonMenu* menu = rig.open();
        for (int option : {0, 2, 3, 4, 5}) {
            rig.button(QStringLiteral("Option1(%1)").arg(option))->click();
            QCOMPARE(cutCaptions(menu), QString());
        }
        rig.setLevels(1, edition.TrackedSlotCount(), 3);
        RefreshMainMenu(state);
        QCOMPARE(cutCaptions(menu), QString());

        // Every test and exam that can resume, from the last topic.
        state.review.ReviewItemNo = 1;
        state.review.CurrentTopic = edition.TopicCount;
        state.exam.ExamCurrentItem = 1;
        for (int kind = 1; kind < edition.ExamTitles.size(); ++kind) {
            state.review.ReviewTestType = std::min(kind, 4);
            state.exam.ExamKind = kind;
            RefreshMainMenu(state);
            QCOMPARE(cutCaptions(menu), QString());
        }
        // A caption on two lines keeps its access key.
        menu->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(menu));
        QTest::keyClick(menu, Qt::Key_R, Qt::AltModifier);
        QTRY_VERIFY(state.forms.isLoaded("Quiz800"));
    }

    void screenCheck_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<bool>("passes");
        QTest::newRow("800x600") << QSize(800, 600) << true;
        QTest::newRow("799 across") << QSize(799, 600) << false;
        QTest::newRow("599 down") << QSize(1024, 599) << false;
    }
    void screenCheck()
    {
        QFETCH(QSize, screen);
        QFETCH(bool, passes);
        MenuRig rig(vestoraEdition());
        rig.f.control.screen = screen;
        rig.f.prompter.answer(Prompter::Ok);
        rig.open();
        QCOMPARE(rig.f.control.ended, !passes);
        QCOMPARE(rig.f.prompter.shown.size(), size_t(passes ? 0 : 1));
        // The captions are set only when the screen passes.
        QCOMPARE(rig.caption("Option1(0)") == "Topic &Review Test", passes);
        if (!passes) {
            const ScriptedPrompter::Shown& box = rig.f.prompter.shown.front();
            QCOMPARE(box.title, "Higher Display Resolution Required!");
            QCOMPARE(box.icon, Prompter::Critical);
            QVERIFY(box.text.startsWith("Please set your display at a resolution of 800 by 600 (Super VGA) or "
                                        "higher. A minimum"));
            QVERIFY(box.text.endsWith("Software. To raise the setting, use My Computer, followed by Display."));
        }
    }

    void optionsShowGroupsOrOpenWork()
    {
        MenuRig rig(vestoraEdition());
        AppState& state = rig.f.state;
        ButtonMenu* menu = rig.open();
        QVERIFY(rig.button("Option1(6)")->isChecked());
        QVERIFY(!rig.frameVisible(0));

        rig.button("Option1(3)")->click();
        for (int k = 0; k < 5; ++k)
            QCOMPARE(rig.frameVisible(k), k == 2);
        rig.button("Option1(0)")->click();
        for (int k = 0; k < 5; ++k)
            QCOMPARE(rig.frameVisible(k), k == 0);

        // A topic button starts that topic's test and returns to the empty choice.
        rig.button("Command1(2)")->click();
        QCOMPARE(state.review.CurrentTopic, 3);
        QVERIFY(state.forms.isLoaded("Quiz800"));
        QVERIFY(rig.button("Option1(6)")->isChecked());
        QVERIFY(!rig.frameVisible(0));

        // The exam option opens the set-up, or the exam in progress.
        rig.button("Option1(1)")->click();
        QVERIFY(state.forms.isLoaded("ExamSet") && !state.forms.isLoaded("ExamTest"));
        QVERIFY(rig.button("Option1(6)")->isChecked());
        state.exam.ExamCurrentItem = 2;
        rig.button("Option1(1)")->click();
        QVERIFY(state.forms.isLoaded("ExamTest"));

        // With a test in progress the first option resumes it rather than showing the topics.
        state.forms.unload("Quiz800");
        state.review.ReviewItemNo = 5;
        rig.button("Option1(0)")->click();
        QVERIFY(state.forms.isLoaded("Quiz800"));
        QVERIFY(rig.button("Option1(6)")->isChecked());
        for (int k = 0; k < 5; ++k)
            QVERIFY(!rig.frameVisible(k));

        // Access keys choose a group.
        menu->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(menu));
        QTest::keyClick(menu, Qt::Key_C, Qt::AltModifier);
        QTRY_VERIFY(rig.frameVisible(1));
        QVERIFY(rig.button("Option1(2)")->isChecked());
    }

    void switchingGroupsKeepsTheSize()
    {
        MenuRig rig(praxelleEdition());  // nine topics: the tallest group
        ButtonMenu* menu = rig.open();
        const QSize opened = menu->size();
        for (int option : {5, 4, 3, 2, 0, 5, 2})  // earlier groups chosen after later ones
            rig.button(QStringLiteral("Option1(%1)").arg(option))->click();
        QCOMPARE(menu->size(), opened);
        QVERIFY(menu->width() + 10 <= 800 && menu->height() + 40 <= 600);  // room for a frame on a small screen
    }

    void readingAndHelpButtons()
    {
        MenuRig rig(praxelleEdition());
        AppState& state = rig.f.state;
        rig.open();
        rig.button("Option1(4)")->click();

        rig.button("Command4(1)")->click();
        QCOMPARE(state.ViewingMode, 2);
        auto* viewing = dynamic_cast<RecordingWindow*>(state.forms.find("Viewing"));
        QVERIFY(viewing);
        QCOMPARE(viewing->loadedMode, 2);

        // The same text again brings the open window back to normal size without reloading it.
        viewing->setWindowState(Qt::WindowMinimized);
        rig.button("Command4(1)")->click();
        QCOMPARE(rig.viewingLoads, 1);
        QCOMPARE(state.forms.find("Viewing"), viewing);
        QVERIFY(!(viewing->windowState() & Qt::WindowMinimized));

        // Another text, or the glossary, reloads it with the new content.
        rig.button("Command4(6)")->click();
        QCOMPARE(rig.viewingLoads, 2);
        QCOMPARE(dynamic_cast<RecordingWindow*>(state.forms.find("Viewing"))->loadedMode, 7);
        rig.button("Option1(3)")->click();
        rig.button("Command3(0)")->click();
        rig.button("Command3(0)")->click();
        QCOMPARE(rig.viewingLoads, 3);
        QCOMPARE(dynamic_cast<RecordingWindow*>(state.forms.find("Viewing"))->loadedMode, 8);

        // The general help buttons each load their page afresh.
        rig.button("Option1(5)")->click();
        const std::array<int, 3> pages = {9, 1, 17};
        for (int i = 0; i < 3; ++i) {
            rig.button(QStringLiteral("Command5(%1)").arg(i))->click();
            QCOMPARE(state.HelpTopicNo, pages[i]);
            QCOMPARE(rig.helpLoads, i + 1);
        }
    }

    void closingEndsProgram_data()
    {
        QTest::addColumn<bool>("changed");
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("saves");
        QTest::addColumn<bool>("sessionEnds");  // a signal instead of the close box
        QTest::newRow("no changes") << false << int(Prompter::Yes) << 0 << false;
        QTest::newRow("changes kept") << true << int(Prompter::Yes) << 1 << false;
        QTest::newRow("changes discarded") << true << int(Prompter::No) << 0 << false;
        QTest::newRow("session ends") << true << int(Prompter::No) << 1 << true;
    }
    void closingEndsProgram()
    {
        QFETCH(bool, changed);
        QFETCH(int, answer);
        QFETCH(int, saves);
        QFETCH(bool, sessionEnds);
        MenuRig rig(vestoraEdition());
        AppState& state = rig.f.state;
        const QString flag = state.path(state.RunningFlagFileName);
        QFile(flag).open(QIODevice::WriteOnly);
        state.RunningFlagOwned = true;
        state.NotebookChanged = changed;
        ButtonMenu* menu = rig.open();

        // Locked by an open test, the menu stays; the session's end saves the test, the exam and
        // the notes without a question and ends the program all the same.
        auto lock = std::make_optional<MainMenuLock>(state.mainMenu);
        if (sessionEnds) {
            state.forms.show("Quiz800");
            state.forms.show("ExamTest");
            SessionEndWatcher watcher;
            connect(&watcher, &SessionEndWatcher::sessionEnding, [&state] { endDesktopSession(state); });
            ::raise(SIGTERM);
            QTRY_VERIFY(rig.f.control.ended);
            QVERIFY(rig.f.prompter.shown.empty());
            QVERIFY(!state.forms.isLoaded("Quiz800") && !state.forms.isLoaded("ExamTest"));
            QCOMPARE(rig.notebookSaves, saves);
            QVERIFY(!QFile::exists(flag));
            return;
        }
        rig.f.prompter.answer(Prompter::Answer(answer));
        menu->close();
        QVERIFY(state.forms.isLoaded("ButtonMenu"));
        QVERIFY(!rig.f.control.ended);

        lock.reset();
        menu->close();
        QCOMPARE(rig.f.prompter.shown.size(), size_t(changed ? 1 : 0));
        if (changed) {
            const ScriptedPrompter::Shown& box = rig.f.prompter.shown.front();
            QCOMPARE(box.text, "Save your changes to disk?");
            QCOMPARE(box.title, "Change to NoteBook Detected!");
            QCOMPARE(box.buttons, Prompter::YesNo);
            QCOMPARE(box.icon, Prompter::NoIcon);
        }
        QCOMPARE(rig.notebookSaves, saves);
        QVERIFY(!QFile::exists(flag));
        QVERIFY(rig.f.control.ended);
    }

    void sessionEndShowsNoBox_data()
    {
        QTest::addColumn<Work>("work");
        QTest::addColumn<std::function<void()>>("sessionEnds");
        QTest::addColumn<QString>("logged");  // on standard error
        QTest::newRow("review test not saved, on a signal") << Work([](WorkRig& rig) {
            rig.open();
            rig.answerRight();
            durable_file::failAtStep(1);
        }) << std::function<void()>([] { ::raise(SIGTERM); }) << "Your review test could not be saved\\.";
        QTest::newRow("notes not saved, the manager says die") << Work([](WorkRig& rig) {
            QFile(rig.f.state.path(rig.f.state.NotebookFileName)).open(QIODevice::WriteOnly);
            rig.f.state.forms.show("NoteBook");
            QTest::keyClicks(rig.f.state.forms.find("NoteBook")->findChild<RichTextBox*>("RichTextBox1"), "Notes");
            durable_file::failAtStep(1);
        }) << std::function<void()>([] {  // as Qt passes the manager's "die" on
            QEvent quit(QEvent::Quit);
            QCoreApplication::sendEvent(QCoreApplication::instance(), &quit);
        }) << "\\[Notebook Not Saved!\\]";
        QTest::newRow("exam out of time under 30%, the manager lost") << Work([](WorkRig& rig) {
            ExamState& exam = rig.f.state.exam;
            exam.ExamChoice = exam.ExamKind = 1;
            exam.ExamItemCount = exam.ExamTimeLimit = 5;
            exam.ExamScrambled = false;
            rig.f.state.forms.show("ExamTest");
            auto* window = dynamic_cast<ExamTest*>(rig.f.state.forms.find("ExamTest"));
            window->findChild<QPushButton*>("Command1(0)")->click();  // item 1 right: one of five
            window->findChild<QPushButton*>("Command1(5)")->click();
            rig.f.clock.advance(6 * 60'000);
            window->timer1Tick();
        }) << std::function<void()>([] {  // what libICE calls when the connection breaks
            IceIOErrorHandler handler = IceSetIOErrorHandler(nullptr);
            IceSetIOErrorHandler(handler);
            handler(nullptr);
        }) << "\\[Sorry!\\] You answered 20\\.0%";
    }
    void sessionEndShowsNoBox()
    {
        QFETCH(Work, work);
        QFETCH(std::function<void()>, sessionEnds);
        QFETCH(QString, logged);
        WorkRig rig;
        AppState& state = rig.f.state;
        SessionEndWatcher watcher;
        connect(&watcher, &SessionEndWatcher::sessionEnding, [&state] { endDesktopSession(state); });
        work(rig);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(logged));
        sessionEnds();
        QTRY_VERIFY(rig.f.control.ended);
        durable_file::failAtStep(0);
        for (const auto& box : rig.f.prompter.shown)
            QFAIL(qPrintable(box.title + " " + box.text));
        QVERIFY(!state.forms.isLoaded("Quiz800") && !state.forms.isLoaded("ExamTest"));
        QVERIFY(!state.forms.isLoaded("Results"));
        QCOMPARE(rig.recordCount(), 1);  // the save failed, or the poor exam left the card
        // Whatever waits now, a further signal ends the program.
        for (const int signal : {SIGTERM, SIGHUP, SIGINT})
            QVERIFY(endsByDefault(signal));
    }
};

REGISTER_TEST(MainMenuTest)
#include "main_menu_test.moc"
