// Start-up from a fresh folder, a damaged one and one left by an earlier run, step by step with
// its replies; then the title screen that shows its boxes and the titles, driven through the
// scripted boxes and the fake clock.
#include "exams/exam_record.h"
#include "platform/record_file.h"
#include "review/review_record.h"
#include "review/review_save.h"
#include "app/edition_chooser.h"
#include "app/startup.h"
#include "app/title_screen.h"
#include "tests/support/app_fixture.h"
#include "tests/support/test_files.h"
#include "tests/support/test_main.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTest>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The menu as a bare window: these tests only need to see that it was shown.
class MenuStandIn : public Form {
public:
    explicit MenuStandIn(AppState& state) : Form(state, "ButtonMenu") {}
};

struct StartFixture : AppFixture {
    explicit StartFixture(const Edition& edition = vestoraEdition()) : AppFixture(edition)
    {
        state.forms.add("Pubdat", [this] { return new Pubdat(state); });
        state.forms.add("AppChoice", [this] { return new AppChoice(state); });
        state.forms.add("ButtonMenu", [this] { return new MenuStandIn(state); });
        writeDataFile();
    }
    void writeDataFile() { writeFile(state.path(state.edition.EditionWord), courseData(state.edition)); }
    bool exists(const QString& name) const { return QFile::exists(state.path(name)); }
    Pubdat* load() { return state.forms.get<Pubdat>("Pubdat"); }
    // Start-up over a folder where it asks nothing.
    StartupStep start() { return Startup(state).start(); }
    QString label(int i) { return state.forms.find("Pubdat")->findChild<QLabel*>(QStringLiteral("Label1(%1)").arg(i))->text(); }
    // A record 1 of an earlier run, pointing at the review and exam records given.
    void earlierRun(int reviewRecordNo, int examRecordNo)
    {
        ConfigRecord r = decodeConfigRecord(QByteArray(RecordLength, '\0'), state.edition);
        initialiseFirstRun(r, state.edition, "Lee");
        r.ReviewRecordNo = quint8(reviewRecordNo);
        r.ExamRecordNo = quint8(examRecordNo);
        state.config().writeRecord1(r);
    }
};

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void firstRunAsksTheNameAndSetsEverythingUp()
    {
        StartFixture f;
        Startup startup(f.state);
        StartupStep step = startup.start();
        QCOMPARE(step.next, StartupStep::Reply);
        QVERIFY(step.box->isInput);
        QCOMPARE(step.box->title, QString("Welcome! Please Enter Your Name."));
        QVERIFY(f.exists("BrokerAppRunning"));
        step = startup.reply("   Jane Q. Candidate with a name longer than thirty");
        const QByteArray name = "Jane Q. Candidate with a name ";  // exactly 30 characters
        QCOMPARE(step.box->text, "Thank you.\r\nSoftware user's name is " + QString(name) + ".");
        QCOMPARE(step.box->title, QString("Please Confirm."));
        QCOMPARE(step.box->buttons, Prompter::YesNo);
        step = startup.reply(Prompter::Yes);
        QCOMPARE(step.next, StartupStep::ShowTitle);
        QVERIFY(!step.box);
        QCOMPARE(f.state.settings.UserName, name);
        QVERIFY(f.state.RunningFlagOwned);

        const QByteArray record1 = record_file::read(f.state.path("BrokerConfig.MS"), 1);
        QCOMPARE(record1.left(5), QByteArray("\1\1\1\1\x4b"));
        QCOMPARE(record1.mid(7, 30), name);
        QFile notebook(f.state.path("BrokerNoteBook.RTF"));
        QVERIFY(notebook.open(QIODevice::ReadOnly));
        const QByteArray rtf = notebook.readAll();
        QCOMPARE(rtf, notebookTemplate(f.state.edition, name));
        QVERIFY(rtf.startsWith(TitlePaneRtf.chopped(3) + "\\b\\qc Review Notes for the\r\n\\par Brisoval Broker License"));
        QVERIFY(rtf.contains("\\par Broker's Responsibilities for Office Management\r\n\\par Notes:\r\n"));
        QVERIFY(rtf.endsWith("\\par \r\n\\par }\r\n"));
        QVERIFY(f.state.text.ReviewItems[1].startsWith("\\par 01"));
    }

    void nameMustBeConfirmedAndBlankNamesAskAgain()
    {
        StartFixture f(praxelleEdition());
        Startup startup(f.state);
        QVERIFY(startup.start().box->isInput);
        QVERIFY(startup.reply("    ").box->isInput);  // blanks only: asked again, no question
        QVERIFY(!startup.reply("Wrong Name").box->isInput);
        QVERIFY(startup.reply(Prompter::No).box->isInput);  // not confirmed: asked again
        QVERIFY(!startup.reply("Right Name").box->isInput);
        QCOMPARE(startup.reply(Prompter::Yes).next, StartupStep::ShowTitle);
        QCOMPARE(f.state.settings.UserName, QByteArray("Right Name").leftJustified(30));  // as stored
        QCOMPARE(quint8(record_file::read(f.state.path("LicenseConfig.MS"), 1)[4]), quint8(70));
    }

    void cancellingTheNamePromptCanExit()
    {
        StartFixture f;
        Startup startup(f.state);
        startup.start();
        StartupStep step = startup.reply(QString());  // Cancel
        QCOMPARE(step.box->text, QString("Exit Program?"));
        QCOMPARE(step.box->buttons, Prompter::YesNo);
        QVERIFY(startup.reply(Prompter::No).box->isInput);  // do not exit: asked again
        startup.reply(QString());
        step = startup.reply(Prompter::Yes);  // exit
        QCOMPARE(step.next, StartupStep::EndProgram);
        QVERIFY(!step.box);
        QVERIFY(!f.exists("BrokerAppRunning"));
        QCOMPARE(record_file::read(f.state.path("BrokerConfig.MS"), 1), QByteArray(RecordLength, '\0'));
    }

    void missingDataFileEndsBeforeAnythingIsWritten()
    {
        StartFixture f;
        QFile::remove(f.state.path("Broker"));
        const StartupStep step = f.start();
        QCOMPARE(step.next, StartupStep::EndProgram);
        QCOMPARE(step.box->title, QString("Missing File Detected!"));
        QCOMPARE(step.box->text, QString("Fatal Error. This Software must be reinstalled."));
        QCOMPARE(step.box->icon, Prompter::Critical);
        QVERIFY(!f.exists("BrokerConfig.MS"));
        QVERIFY(!f.exists("BrokerAppRunning"));
    }

    void filesThatCannotBeReadEndTheProgramBeforeAnythingIsWritten()
    {
        // A folder, a FIFO or a link to itself where the configuration file or the data file
        // should be (a link the data file's check takes for a missing file).
        enum Kind { Folder, Fifo, LinkLoop };
        for (const QString name : {"BrokerConfig.MS", "Broker"}) {
            for (const Kind kind : {Folder, Fifo, LinkLoop}) {
                StartFixture f;
                const QString path = f.state.path(name);
                QFile::remove(path);
                QVERIFY(kind == Folder ? QDir().mkdir(path)
                        : kind == Fifo ? ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0
                                       : QFile::link(path, path));
                const StartupStep step = f.start();
                QCOMPARE(step.next, StartupStep::EndProgram);
                QCOMPARE(step.box->title, kind == LinkLoop && name == "Broker" ? "Missing File Detected!"
                                                                                : "File Cannot Be Read!");
                QVERIFY((kind == LinkLoop && name == "Broker") || step.box->text.contains(name));
                QVERIFY(!f.exists("BrokerAppRunning"));
                QCOMPARE(QFileInfo(path).isDir(), kind == Folder);
                QCOMPARE(QFileInfo(path).isSymLink(), kind == LinkLoop);
            }
        }
        if (::geteuid() != 0) {  // the superuser reads any file
            StartFixture f;
            f.earlierRun(0, 0);
            const QByteArray before = readFile(f.state.path("BrokerConfig.MS"));
            QFile::setPermissions(f.state.path("BrokerConfig.MS"), {});
            QCOMPARE(f.start().box->title, QString("File Cannot Be Read!"));
            QFile::setPermissions(f.state.path("BrokerConfig.MS"), QFile::ReadOwner | QFile::WriteOwner);
            QCOMPARE(readFile(f.state.path("BrokerConfig.MS")), before);
        }
    }

    void leftoverRunningMarkerWarns()
    {
        for (const Prompter::Answer answer : {Prompter::Ok, Prompter::Cancel}) {
            StartFixture f;
            f.earlierRun(0, 0);
            QFile(f.state.path("BrokerAppRunning")).open(QIODevice::WriteOnly);
            Startup startup(f.state);
            const StartupStep warning = startup.start();
            QCOMPARE(warning.box->title, QString("Warning!"));
            QCOMPARE(warning.box->buttons, Prompter::OkCancel);
            QCOMPARE(warning.box->icon, Prompter::Exclamation);
            QVERIFY(warning.box->text.endsWith("Press OK to continue. Cancel to abort."));
            const StartupStep step = startup.reply(answer);
            QCOMPARE(step.next, answer == Prompter::Ok ? StartupStep::ShowTitle : StartupStep::EndProgram);
            QVERIFY(!step.box);
            QCOMPARE(f.state.RunningFlagOwned, answer == Prompter::Ok);
            QVERIFY(f.exists("BrokerAppRunning"));
        }
    }

    void unfinishedReviewTestAndExamAreRebuilt()
    {
        StartFixture f;
        f.earlierRun(2, 3);
        ReviewRecord review;
        review.Kind = 4;
        review.ItemNo = review.ItemsReached = 7;
        review.ItemCount = 10;
        review.TestType = 1;
        review.Minutes = 36;
        review.Tally = {0, 5, 1, 9};
        review.Lifelines = {0, 1, 0, 2};
        for (int i = 1; i <= 10; ++i) {
            review.Items[i] = qint16(20 + i);
            review.Misses[i] = quint8(i % 3);
        }
        record_file::write(f.state.path("BrokerConfig.MS"), 2, encodeReviewRecord(review));
        ExamRecord exam;
        exam.Kind = 13;  // the custom exam
        exam.ExamKind = 5;
        exam.CurrentItem = 2;
        exam.ItemCount = 3;
        exam.TimeLimit = 90;
        exam.Structured = 1;
        exam.Minutes = 72;
        exam.Topics = {0, 1, 0, 1, 0, 0, 0, 0, 1};
        exam.Items = std::vector<qint16>(301, 0);
        exam.Items[1] = 5, exam.Items[2] = 6, exam.Items[3] = 7;
        exam.Codes[1] = 72, exam.Codes[2] = 0, exam.Codes[3] = 86;
        record_file::write(f.state.path("BrokerConfig.MS"), 3, encodeExamRecord(exam, f.state.edition));

        QCOMPARE(f.start().next, StartupStep::ShowTitle);
        const ReviewState& r = f.state.review;
        QCOMPARE(r.ReviewRecordNo, 2);
        QCOMPARE(r.CurrentTopic, 4);
        QCOMPARE(r.ReviewItemNo, 7);
        QCOMPARE(r.ReviewItemCount, 10);
        QCOMPARE(r.ReviewTally[2], 1);
        QCOMPARE(r.ReviewTally[4], 0);  // wild guesses start again
        QCOMPARE(r.LifelinesLeft[3], 2);
        QCOMPARE(r.ReviewElapsed, 0.025);
        QCOMPARE(r.ReviewOrder[10], 30);
        QCOMPARE(r.ReviewMisses[5], 2);

        const ExamState& x = f.state.exam;
        QCOMPARE(x.ExamRecordNo, 3);
        QCOMPARE(x.ExamChoice, 5);
        QCOMPARE(x.ExamKind, 5);
        QCOMPARE(x.ExamCurrentItem, 2);
        QCOMPARE(x.ExamTimeLimit, 90);
        QCOMPARE(x.ExamElapsed, 0.05);
        QCOMPARE(x.ExamTopics, std::vector<bool>({true, true, false, true, false, false, false, false, true}));
        QCOMPARE(x.ExamAnswers[1], 4);   // code 72: D, unsure, answered once
        QCOMPARE(x.ExamUnsure[1], 63);
        QCOMPARE(x.ExamAnswerCount[1], 1);
        QCOMPARE(x.ExamAnswerCount[2], 0);  // code 0: not answered
        QCOMPARE(x.ExamAnswers[3], 3);   // code 86: C three times, unsure
        QCOMPARE(x.ExamAnswerCount[3], 3);
        QVERIFY(!x.ExamScrambled);  // as the record says, not as a new exam starts
    }

    void damagedRecordsAreNotResumed()
    {
        StartFixture f;
        f.earlierRun(2, 2);
        ReviewRecord review;
        review.Kind = 3;
        review.ItemCount = 999;  // more positions than a test has
        review.ItemNo = 1;
        record_file::write(f.state.path("BrokerConfig.MS"), 2, encodeReviewRecord(review));
        QCOMPARE(f.start().next, StartupStep::ShowTitle);
        QCOMPARE(f.state.review.ReviewItemNo, 0);
        QCOMPARE(f.state.review.ReviewRecordNo, 0);
        QCOMPARE(f.state.exam.ExamCurrentItem, 0);  // a review record is no exam either
    }

    // Record 1 names as in progress records the program cannot resume: an exam's as the review
    // test, and a last one cut short as the exam. Both numbers leave record 1 too, so that no
    // rewrite renumbering the records makes them name a finished test; the records stay as they
    // are, and the next new test goes after the one cut short.
    void numbersNamingNoResumableRecordAreDropped()
    {
        StartFixture f;
        f.earlierRun(2, 3);
        ExamRecord exam;
        exam.Kind = 13;  // the custom exam
        exam.ExamKind = 5;
        exam.CurrentItem = 1;
        exam.ItemCount = 3;
        exam.TimeLimit = 90;
        exam.Topics = {0, 1, 0, 1, 0, 0, 0, 0, 1};
        exam.Items[1] = 5, exam.Items[2] = 6, exam.Items[3] = 7;
        const QString path = f.state.path("BrokerConfig.MS");
        record_file::write(path, 2, encodeExamRecord(exam, f.state.edition));
        record_file::write(path, 3, encodeExamRecord(exam, f.state.edition));
        QVERIFY(QFile(path).resize(2 * RecordLength + 400));  // its items are there, its codes are not
        const QByteArray records = readFile(path).mid(RecordLength);

        QCOMPARE(f.start().next, StartupStep::ShowTitle);
        QCOMPARE(f.state.review.ReviewRecordNo, 0);
        QCOMPARE(f.state.review.ReviewItemNo, 0);
        QCOMPARE(f.state.exam.ExamRecordNo, 0);
        QCOMPARE(f.state.exam.ExamCurrentItem, 0);
        const ConfigRecord record1 = f.state.config().readRecord1();
        QCOMPARE(record1.ReviewRecordNo, 0);
        QCOMPARE(record1.ExamRecordNo, 0);
        QCOMPARE(readFile(path).mid(RecordLength), records);

        ReviewState& review = f.state.review;
        review.ReviewItemCount = review.ReviewItemNo = 1;
        review.ReviewOrder[1] = 1;
        SaveReviewRecord(review, f.state.settings, f.state.config(), QDate(2026, 3, 2), false);
        QCOMPARE(review.ReviewRecordNo, 4);
        QCOMPARE(readFile(path).mid(RecordLength, records.size()), records);
    }

    void countsAndTimesOutOfTheirRangesAreDamage()
    {
        const Edition& e = praxelleEdition();
        ReviewRecord review;
        review.Kind = 2;
        review.ItemNo = review.ItemsReached = review.ItemCount = 4;
        review.TestType = 1;
        review.Tally = {0, 2, 2, 4};  // one try for each position counted
        review.Misses = std::vector<quint8>(301, 0);
        review.Misses[3] = review.Misses[4] = 3;
        for (int i = 1; i <= 4; ++i)
            review.Items[i] = qint16(i);
        ReviewState resumed;
        QVERIFY(resumeReviewTest(resumed, review, e));
        ReviewRecord wildRetake = review;
        wildRetake.TestType = 4;  // paused, it resumes as any other test
        QVERIFY(resumeReviewTest(resumed, wildRetake, e));
        QCOMPARE(resumed.ReviewTestType, 4);
        const auto damaged = [&](auto change) {
            ReviewRecord r = review;
            change(r);
            ReviewState s;
            return !resumeReviewTest(s, r, e) && s.ReviewItemNo == 0;
        };
        QVERIFY(damaged([](ReviewRecord& r) { r.Misses[2] = 4; }));  // more misses than wrong choices
        QVERIFY(damaged([](ReviewRecord& r) { r.Tally[1] = 3; }));    // more right and wrong than positions
        QVERIFY(damaged([](ReviewRecord& r) { r.Tally[3] = 3; }));    // fewer tries than positions counted
        QVERIFY(damaged([](ReviewRecord& r) { r.Minutes = 1e30f; }));  // more than the clock can show

        ExamRecord exam;
        exam.Kind = quint8(e.ExamRecordKind(1));
        exam.Topics.assign(size_t(e.TopicCount) + 1, 1);
        exam.ExamKind = exam.CurrentItem = exam.ItemCount = 1;
        exam.Items[1] = 1;
        exam.TimeLimit = 5;
        exam.Minutes = 5;  // the whole limit used
        ExamState x;
        x.ExamTopics.assign(size_t(e.TopicCount) + 1, true);
        QVERIFY(resumeExam(x, exam, e));
        exam.Minutes = 5.01f;
        QVERIFY(!resumeExam(x, exam, e));
        exam.TimeLimit = 4;
        exam.Minutes = 1;
        QVERIFY(!resumeExam(x, exam, e));
    }

    void examItemsMustBeInTheirExamsCourse()
    {
        // Item 450 is a review item of the broker edition but past its prepared-exam items: only
        // the custom exam, which draws on the review items, may name it.
        const Edition& e = vestoraEdition();
        ExamRecord exam;
        exam.Topics.assign(size_t(e.TopicCount) + 1, 1);
        exam.ExamKind = 1;
        exam.CurrentItem = 1;
        exam.ItemCount = 2;
        exam.TimeLimit = 150;
        exam.Items[1] = 450, exam.Items[2] = 3;
        exam.Codes[1] = 2, exam.Codes[2] = 5;  // answered B once; "answer 5" is none of A to D
        ExamState resumed;
        resumed.ExamTopics.assign(size_t(e.TopicCount) + 1, true);
        exam.Kind = quint8(e.ExamRecordKind(1));
        QVERIFY(!resumeExam(resumed, exam, e));
        QCOMPARE(resumed.ExamCurrentItem, 0);

        exam.Kind = quint8(e.ExamRecordKind(e.CustomExamNo()));
        QVERIFY(resumeExam(resumed, exam, e));
        QCOMPARE(resumed.ExamItems[1], 450);
        QCOMPARE(resumed.ExamAnswers[1], 2);
        QCOMPARE(resumed.ExamAnswers[2], 0);
        QCOMPARE(resumed.ExamAnswerCount[2], 0);

        exam.Minutes = std::numeric_limits<float>::quiet_NaN();
        QVERIFY(!resumeExam(resumed, exam, e));
    }

    void damagedDataFileEndsWithTheUnrecoverableError()
    {
        StartFixture f;
        f.earlierRun(0, 0);
        writeFile(f.state.path("Broker"), "{\\rtf1 nothing to cut}");
        const StartupStep step = f.start();
        QCOMPARE(step.next, StartupStep::EndProgram);
        QCOMPARE(step.box->text, QString("Unrecoverable error 5 has occurred."));
        QCOMPARE(step.box->icon, Prompter::Critical);
        QVERIFY(f.exists("BrokerAppRunning"));  // left for the next start to warn about
    }

    void printerFontAndAMissingPrinter()
    {
        StartFixture f;
        f.earlierRun(0, 0);
        f.printer.availableFonts = {"Arial", "Courier", "Courier New", "Terminal"};
        QVERIFY(!f.start().box);
        QCOMPARE(f.state.PrinterFontName, QString("Courier New"));

        StartFixture g;
        g.earlierRun(0, 0);
        g.printer.failing = true;
        const StartupStep step = g.start();
        QCOMPARE(step.next, StartupStep::ShowTitle);
        QVERIFY(g.state.PrinterFailed);
        QVERIFY(g.state.PrinterFontName.isEmpty());
        QVERIFY(step.box->text.startsWith("There is a problem that will prevent printing."));
        QCOMPARE(step.box->icon, Prompter::Critical);
        QVERIFY(!step.box->title.isEmpty());

        StartFixture h;  // told once only
        h.earlierRun(0, 0);
        h.printer.failing = true;
        h.state.PrinterFailed = true;
        QVERIFY(!h.start().box);
    }

    // The title screen shows start-up's boxes in turn, passes back what was typed and answered,
    // then shows the titles and the name; a last box to tell comes before the titles.
    void titleScreenShowsStartupsBoxesThenTheTitles()
    {
        StartFixture f;
        f.printer.failing = true;
        f.prompter.type("Jane <b>Q</b>");
        f.prompter.answer(Prompter::Yes);
        f.prompter.answer(Prompter::Ok);
        QVERIFY(f.load());
        QVERIFY(!f.control.ended);
        QCOMPARE(f.prompter.shown.size(), size_t(3));
        QVERIFY(f.prompter.shown[0].isInput);
        QCOMPARE(f.prompter.shown[0].title, QString("Welcome! Please Enter Your Name."));
        QCOMPARE(f.prompter.shown[1].text, QString("Thank you.\r\nSoftware user's name is Jane <b>Q</b>."));
        QCOMPARE(f.prompter.shown[1].buttons, Prompter::YesNo);
        QVERIFY(f.prompter.shown[2].text.startsWith("There is a problem that will prevent printing."));
        QCOMPARE(f.state.settings.UserName, QByteArray("Jane <b>Q</b>").leftJustified(30));
        QCOMPARE(f.label(4), QString("Jane <b>Q</b>"));
        QCOMPARE(f.state.forms.find("Pubdat")->findChild<QLabel*>("Label1(4)")->textFormat(), Qt::PlainText);
        QCOMPARE(f.label(1), QString("REAL ESTATE BROKER LICENSE"));
        QCOMPARE(f.label(6), QString("Second Edition"));
    }

    // When start-up ends the program, after its message or without one, the title screen goes.
    void titleScreenGoesWhenStartupEndsTheProgram()
    {
        StartFixture f;
        QFile::remove(f.state.path("Broker"));
        f.prompter.answer(Prompter::Ok);
        QVERIFY(!f.load());
        QVERIFY(f.control.ended);
        QCOMPARE(f.prompter.shown.size(), size_t(1));
        QCOMPARE(f.prompter.shown[0].title, QString("Missing File Detected!"));

        StartFixture g;
        g.earlierRun(0, 0);
        QFile(g.state.path("BrokerAppRunning")).open(QIODevice::WriteOnly);
        g.prompter.answer(Prompter::Cancel);
        QVERIFY(!g.load());
        QVERIFY(g.control.ended);
        QCOMPARE(g.prompter.shown.size(), size_t(1));
        QVERIFY(!g.state.forms.isLoaded("ButtonMenu"));
    }

    void titleScreenLeavesAfterFourSecondsOrAtAKey()
    {
        StartFixture f;
        f.earlierRun(0, 0);
        Pubdat* title = f.load();
        f.clock.advance(4000);
        title->timer1Timer();
        QVERIFY(f.state.forms.isLoaded("Pubdat"));
        f.clock.advance(100);
        title->timer1Timer();
        QVERIFY(!f.state.forms.isLoaded("Pubdat"));
        QVERIFY(f.state.forms.isLoaded("ButtonMenu"));

        StartFixture g;
        g.earlierRun(0, 0);
        title = g.load();
        QTest::keyClick(title, Qt::Key_Space);
        QVERIFY(!g.state.forms.isLoaded("Pubdat"));
        QVERIFY(g.state.forms.isLoaded("ButtonMenu"));

        StartFixture h;
        h.earlierRun(0, 0);
        QTest::mouseClick(h.load()->findChild<QLabel*>("Label1(3)"), Qt::LeftButton);
        QVERIFY(!h.state.forms.isLoaded("Pubdat"));
        QVERIFY(h.state.forms.isLoaded("ButtonMenu"));

        StartFixture k;  // the close box or Alt+F4 goes the same way
        k.earlierRun(0, 0);
        k.load()->close();
        QVERIFY(!k.state.forms.isLoaded("Pubdat"));
        QVERIFY(k.state.forms.isLoaded("ButtonMenu"));
    }

    void titleScreenLeavesEvenWhenLoadingEndsBeforeMidnight()
    {
        StartFixture f;
        f.earlierRun(0, 0);
        f.clock.set(QDateTime(QDate(2026, 12, 8), QTime(23, 59, 58)));
        Pubdat* title = f.load();
        f.clock.advance(3000);
        title->timer1Timer();
        QVERIFY(f.state.forms.isLoaded("Pubdat"));
        f.clock.advance(2000);
        title->timer1Timer();
        QVERIFY(!f.state.forms.isLoaded("Pubdat"));
    }

    void editionChooser()
    {
        StartFixture cancel;
        auto* chooser = cancel.state.forms.get<AppChoice>("AppChoice");
        chooser->findChild<QAbstractButton*>("Command1(1)")->click();
        QVERIFY(cancel.control.ended);
        QVERIFY(cancel.control.started.isEmpty());

        StartFixture other;
        chooser = other.state.forms.get<AppChoice>("AppChoice");
        chooser->findChild<QAbstractButton*>("Option1(1)")->click();
        chooser->findChild<QAbstractButton*>("Command1(0)")->click();
        QCOMPARE(other.control.started, QStringList{"Praxelle.exe"});
        QVERIFY(other.control.ended);

        StartFixture same;
        chooser = same.state.forms.get<AppChoice>("AppChoice");
        chooser->findChild<QAbstractButton*>("Command1(0)")->click();
        QVERIFY(!same.control.ended);
        QVERIFY(!same.state.forms.isLoaded("AppChoice"));
    }
};

REGISTER_TEST(StartupTest)
#include "startup_test.moc"
