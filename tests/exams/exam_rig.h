// The mock-exam windows ready to use: a course with as many items per topic and per prepared
// exam as a test asks for, a first-run configuration file, and the windows the exam windows
// open registered (the main menu, help, calculator and results as stand-ins).
#pragma once

#include "exams/exam_setup.h"
#include "exams/exam_window.h"
#include "shell/picture_window.h"
#include "tests/support/app_fixture.h"

#include <QCoreApplication>
#include <QListWidget>
#include <QPushButton>

// Answers from the fixture's script, after the user has taken `delay` ms to decide.
struct DelayingPrompter : Prompter {
    DelayingPrompter(ScriptedPrompter& script, FakeClock& clock) : script(script), clock(clock) {}
    Answer showMessage(const QString& text, Buttons buttons, Icon icon, const QString& title) override
    {
        clock.advance(delay);
        return script.message(text, buttons, icon, title);
    }
    QString showInput(const QString& prompt, const QString& title, const QString& defaultText) override
    {
        return script.input(prompt, title, defaultText);
    }
    ScriptedPrompter& script;
    FakeClock& clock;
    qint64 delay = 0;
};

struct ExamRig {
    // topicItems and examItems: items per topic and per prepared exam; missing counts are 5.
    explicit ExamRig(const Edition& edition = vestoraEdition(), QList<int> topicItems = {}, QList<int> examItems = {})
        : f(edition), state(edition, platform, f.dir.path())
    {
        f.loadCourse(topicItems, examItems);
        state.text = f.state.text;
        ConfigRecord record = state.config().readRecord1();
        initialiseFirstRun(record, edition, "Pat Reader");
        state.config().writeRecord1(record);
        state.settings = loadSettings(record, edition);

        Forms& forms = state.forms;
        forms.add("ExamSet", [this] { return new ExamSet(state); });
        forms.add("ExamTest", [this] { return new ExamTest(state); });
        forms.add("PictForm", [this] { return new PictForm(state); });
        for (const QString& name : StandIns)
            forms.add(name, [this, name] { return new StandInForm(state, name); });
        forms.show("ButtonMenu");
        // The stand-in follows the menu's lock as the real menu does.
        Form* menu = forms.find("ButtonMenu");
        QObject::connect(&state.mainMenu, &MainMenuLink::lockChanged, menu, [menu](bool locked) { menu->setEnabled(!locked); });
    }
    ~ExamRig()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // windows closed by the test
        for (const QString& name : StandIns + QStringList{"ExamSet", "ExamTest", "PictForm"})
            delete state.forms.find(name);
    }

    // A new exam as the set-up hands it over.
    void setNewExam(int choice, int itemCount, int timeLimit = 150, bool scrambled = false, int structured = 0)
    {
        ExamState& exam = state.exam;
        exam.ExamChoice = exam.ExamKind = choice;
        exam.ExamItemCount = itemCount;
        exam.ExamTimeLimit = timeLimit;
        exam.ExamScrambled = scrambled;
        exam.ExamStructured = structured;
        exam.ExamCurrentItem = 0;
        exam.ExamRecordNo = 0;
    }

    Form* show(const QString& name)
    {
        state.forms.show(name);
        return state.forms.find(name);
    }
    ExamTest* exam() const { return dynamic_cast<ExamTest*>(state.forms.find("ExamTest")); }
    Form* menu() const { return state.forms.find("ButtonMenu"); }

    template <class T = QWidget>
    T* control(const QString& form, const QString& name) const
    {
        Form* window = state.forms.find(form);
        return window ? window->findChild<T*>(name) : nullptr;
    }
    QPushButton* button(int index) const { return control<QPushButton>("ExamTest", QStringLiteral("Command1(%1)").arg(index)); }
    QListWidget* list(const QString& form, int index) const
    {
        return control<QListWidget>(form, QStringLiteral("List1(%1)").arg(index));
    }
    QStringList entries(const QString& form, int index) const
    {
        QStringList texts;
        const QListWidget* l = list(form, index);
        for (int row = 0; row < l->count(); ++row)
            texts << l->item(row)->text();
        return texts;
    }

    inline static const QStringList StandIns = {"ButtonMenu", "Help", "Calculator", "Results"};
    AppFixture f;
    DelayingPrompter prompter{f.prompter, f.clock};
    Platform platform{prompter, f.clock, f.control, f.printer, f.printerDialog, f.tone, f.random};
    AppState state;
};
