// A whole program's shared state in a temporary folder, with every host service replaced by
// its test double: scripted boxes, a fake clock, a recording printer and program control.
#pragma once

#include "platform/recording_printer.h"
#include "shell/app_state.h"
#include "shell/form.h"

#include <QList>
#include <QTemporaryDir>

struct AppFixture {
    explicit AppFixture(const Edition& edition = vestoraEdition());
    ~AppFixture();

    // Writes the fixture course's data file into the folder and cuts it into the text store.
    void loadCourse(const QList<int>& topicItems = {}, const QList<int>& examItems = {});
    // The data file of a small course made for tests. topicItems and examItems: items per topic
    // and per prepared exam, from the first; missing counts are 5. Item k of a group reads
    // "<group> question k?", with choices "Choice alpha" to "Choice delta", answer letter
    // (k - 1) mod 4 of A to D and explanation "<group> explanation k.".
    static QByteArray courseData(const Edition& edition, const QList<int>& topicItems = {},
                                 const QList<int>& examItems = {});

    QTemporaryDir dir;
    ScriptedPrompter prompter;
    FakeClock clock;
    RecordingProgramControl control;
    RecordingPrinterDevice printer;
    RecordingPrinterDialog printerDialog;
    RecordingTone tone;
    RandomSource random;
    Platform platform{prompter, clock, control, printer, printerDialog, tone, random};
    AppState state;
};

// An empty window standing in, under its name, for one that a test does not need.
class StandInForm : public Form {
public:
    StandInForm(AppState& state, QString name) : Form(state, std::move(name)) {}
};
