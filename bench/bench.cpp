// Prints the median time of the data-file cut, the glossary's opening, the opening of a 100-item
// exam window, of the mock-exam report card over 250 exams and of the review-test report card on
// 250 tests with its sorts, for both editions, on the data files the build writes into the
// run folder; and the start-up to the title screen beside a bare window, each a fresh process.
//   bench [run folder] [runs]
#include "app/all_forms.h"
#include "app/program.h"
#include "exams/exam_record.h"
#include "platform/basic.h"
#include "platform/record_file.h"
#include "review/review_record.h"
#include "shell/app_state.h"
#include "shell/reading_window.h"

#include "platform/runtime_error.h"
#include "tests/support/app_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QGroupBox>
#include <QProcess>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <functional>
#include <unistd.h>
#include <vector>

namespace {

double median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Median milliseconds of runs timed runs of step; undo (not timed) runs after each one.
double medianMs(int runs, const std::function<void()>& step, const std::function<void()>& undo = [] {})
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        step();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
        undo();
    }
    return median(times);
}

// Shows a window and lets it lay out and paint once, as the user would first see it.
void open(AppState& state, const QString& name)
{
    state.forms.show(name);
    QCoreApplication::processEvents();
}

void close(AppState& state, const QString& name)
{
    state.forms.unload(name);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

struct Timings {
    double cut = 0, glossary = 0, exam = 0, examCard = 0, reviewCard = 0, reviewCardSort = 0, reviewCardSorts = 0;
    double startup = 0;
};

// A long history: 250 finished exams of 100 to 300 questions, taking turns over the exams.
void writeExamHistory(AppState& state, int exams)
{
    const Edition& edition = state.edition;
    for (int n = 0; n < exams; ++n) {
        ExamRecord r;
        r.Kind = quint8(edition.ExamRecordKind(n % edition.CustomExamNo() + 1));
        r.ExamKind = quint8(n % edition.ExamKindCount() + 1);
        r.SavedDate = basic::dateText(QDate(2025, 1, 1).addDays(n * 3)).toLatin1();
        r.ItemCount = qint16(100 + n % 3 * 100);
        r.TimeLimit = 150;
        r.Minutes = 120.5f;
        for (int p = 1; p <= r.ItemCount; ++p) {
            r.Items[p] = qint16(p);
            r.Codes[p] = quint8(p % 9 == 0 ? 7 : p % 5 == 0 ? 66 : 1);
            r.AnsweredCount++;
            r.UnsureCount += isUnsureCode(r.Codes[p]);
        }
        r.Score = 0.8f;
        record_file::write(state.path(state.ConfigFileName), n + 2, encodeExamRecord(r, edition));
    }
}

// A history of 250 finished review tests of 30 items, some missed, of every topic.
void writeReviewHistory(AppState& state)
{
    ConfigImage image(state.config());
    for (int i = 0; i < 250; ++i) {
        ReviewRecord r;
        r.Kind = quint8(1 + i % state.edition.TopicCount);
        r.SavedDate = basic::dateText(QDate(2025, 1, 1).addDays(i * 7 % 700)).toLatin1();
        r.ItemCount = 30;
        r.TestType = 1;
        r.Score = float(i % 31) / 30;
        r.TriesPerItem = 1.5f;
        r.Minutes = float(i % 90);
        for (int p = 1; p <= 30; ++p) {
            r.Items[p] = qint16(p);
            r.Misses[p] = quint8((i + p) % 4);
        }
        image.setRecord(i + 2, encodeReviewRecord(r));
    }
    image.save();
}

Timings measure(const Edition& edition, const QString& runFolder, int runs)
{
    // A whole program in a temporary folder with every host service replaced by its double:
    // nothing the bench does reaches the user's files.
    AppFixture program(edition);
    AppState& state = program.state;
    QFile data(runFolder + '/' + edition.EditionWord);
    data.open(QIODevice::ReadOnly);
    const QByteArray bytes = data.readAll();
    state.text = cutEditionData(bytes, edition);
    registerForms(state);

    Timings t;
    t.cut = medianMs(runs, [&] { cutEditionData(bytes, edition); });

    state.ViewingMode = Viewing::GlossaryMode;
    t.glossary = medianMs(runs, [&] { open(state, "Viewing"); }, [&] { close(state, "Viewing"); });

    // A new prepared exam of 100 items, closed again before anything is answered (nothing is saved).
    ExamState& exam = state.exam;
    t.exam = medianMs(runs, [&] {
        exam.ExamChoice = exam.ExamKind = 1;
        exam.ExamItemCount = 100;
        exam.ExamCurrentItem = exam.ExamRecordNo = 0;
        open(state, "ExamTest");
    }, [&] { close(state, "ExamTest"); });

    writeExamHistory(state, 250);
    t.examCard = medianMs(runs, [&] { open(state, "Scoring"); }, [&] { close(state, "Scoring"); });
    // The review-test report card on that history, and its five sorts.
    writeReviewHistory(state);
    t.reviewCard = medianMs(runs, [&] { open(state, "QuizSumm"); }, [&] { close(state, "QuizSumm"); });
    open(state, "QuizSumm");
    const QList<QRadioButton*> sorts = state.forms.find("QuizSumm")->findChild<QGroupBox*>("Frame1")->findChildren<QRadioButton*>();
    int next = 0;  // each sort in turn, every one from the order the one before left
    t.reviewCardSort = medianMs(runs * int(sorts.size()), [&] { sorts[next++ % sorts.size()]->click(); });
    t.reviewCardSorts = medianMs(runs, [&] {
        for (QRadioButton* sort : sorts)
            sort->click();
    });
    close(state, "QuizSumm");

    if (!program.prompter.shown.empty())
        std::fprintf(stderr, "%s: unexpected message \"%s\"\n", qPrintable(edition.ProgramTitle),
                     qPrintable(program.prompter.shown.front().text));
    return t;
}

// ---- Start-up, in a fresh process each time ----
// The bench runs itself as the child: "--start <edition word>" runs the program in the current
// folder, "--bare" shows a bare window. The child prints the monotonic clock, in nanoseconds, once
// its window named in shownWindow has been painted, and ends at once.

qint64 monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

const char* shownWindow = "";

// Watches every event of the child for its window's first paint; the edition chooser, where the
// edition has one, is answered with OK as soon as it is painted.
class FirstPaint : public QObject {
protected:
    bool eventFilter(QObject* target, QEvent* event) override
    {
        if (event->type() != QEvent::Paint || !target->isWidgetType() || !static_cast<QWidget*>(target)->isWindow())
            return false;
        if (target->objectName() == QLatin1String(shownWindow)) {
            // The window's labels paint in the same pass, right after the window itself.
            QTimer::singleShot(0, [] {
                std::printf("%lld\n", static_cast<long long>(monotonicNs()));
                std::fflush(stdout);
                _exit(0);
            });
        } else if (target->objectName() == QLatin1String("AppChoice")) {
            QTimer::singleShot(0, target, [target] { target->findChild<QAbstractButton*>("Command1(0)")->click(); });
        }
        return false;
    }
};

void watchFirstPaint() { qApp->installEventFilter(new FirstPaint); }

int runChild(int argc, char** argv)
{
    qAddPreRoutine(watchFirstPaint);
    if (std::strcmp(argv[1], "--bare") == 0) {
        shownWindow = "Bare";
        QApplication app(argc, argv);
        QWidget window;
        window.setObjectName(shownWindow);
        window.resize(560, 360);
        window.show();
        return app.exec();
    }
    shownWindow = "Pubdat";
    for (const Edition* edition : {&vestoraEdition(), &praxelleEdition()})
        if (argc > 2 && edition->EditionWord == QLatin1String(argv[2]))
            return runProgram(argc, argv, *edition);
    return 2;
}

// Milliseconds from starting the child to its window painted; a negative value when it failed.
double childMs(const QStringList& arguments, const QString& folder)
{
    QProcess child;
    child.setWorkingDirectory(folder);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const qint64 start = monotonicNs();
    child.start(QCoreApplication::applicationFilePath(), arguments);
    if (!child.waitForFinished(20000)) {
        child.kill();
        child.waitForFinished();
        return -1;
    }
    bool ok = false;
    const qint64 painted = child.readAllStandardOutput().trimmed().toLongLong(&ok);
    return ok ? double(painted - start) / 1e6 : -1;
}

// The program in a folder of its own each run, as an earlier run left it: its data file, a
// configuration file with a user's name, no running marker. Runs take turns with the bare window,
// so that both meet the same load on the machine.
double startupMs(const Edition& edition, const QString& runFolder, int runs, std::vector<double>& bare)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        QTemporaryDir folder;
        QFile::copy(runFolder + '/' + edition.EditionWord, folder.filePath(edition.EditionWord));
        const ConfigFile config(folder.filePath(edition.EditionWord + "Config.MS"), edition);
        ConfigRecord record = config.readRecord1();
        initialiseFirstRun(record, edition, "Bench");
        config.writeRecord1(record);
        const double program = childMs({"--start", edition.EditionWord}, folder.path());
        const double window = childMs({"--bare"}, folder.path());
        if (program < 0 || window < 0)
            throw RuntimeError(RuntimeErrorNo::InvalidCall, edition.ProgramTitle + ": a start-up did not show its window");
        times.push_back(program);
        bare.push_back(window);
    }
    return median(times);
}

}  // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform's notes on every window shown would bury the table.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "%s\n", qPrintable(message));
    });
    if (argc > 1 && argv[1][0] == '-')
        return runChild(argc, argv);
    QApplication app(argc, argv);
    const QString runFolder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(RUN_FOLDER);
    const int runs = argc > 2 ? std::max(1, atoi(argv[2])) : 20;

    Timings vestora, praxelle;
    std::vector<double> bare;
    try {
        vestora = measure(vestoraEdition(), runFolder, runs);
        praxelle = measure(praxelleEdition(), runFolder, runs);
        vestora.startup = startupMs(vestoraEdition(), runFolder, runs, bare);
        praxelle.startup = startupMs(praxelleEdition(), runFolder, runs, bare);
    } catch (const RuntimeError& error) {
        std::fprintf(stderr, "bench: %s\n", qPrintable(error.Description));
        return 1;
    }
    std::printf("median of %d runs, ms     Vestora   Praxelle\n", runs);
    const auto row = [](const char* what, double v, double p) { std::printf("%-24s %8.2f %10.2f\n", what, v, p); };
    row("data-file cut", vestora.cut, praxelle.cut);
    row("glossary opening", vestora.glossary, praxelle.glossary);
    row("100-item exam opening", vestora.exam, praxelle.exam);
    row("250-exam card opening", vestora.examCard, praxelle.examCard);
    row("review card, 250 tests", vestora.reviewCard, praxelle.reviewCard);
    row("review card, one sort", vestora.reviewCardSort, praxelle.reviewCardSort);
    row("review card, 5 sorts", vestora.reviewCardSorts, praxelle.reviewCardSorts);
    // The chooser of an edition that has one is answered the moment it is painted.
    row("start-up to title screen", vestora.startup, praxelle.startup);
    const double window = median(bare);
    std::printf("%-24s %8.2f %10s\n", "bare window", window, "");
    row("start-up / bare window", vestora.startup / window, praxelle.startup / window);
    return 0;
}
