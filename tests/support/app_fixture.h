// A whole program's shared state in a temporary folder, with every host service replaced by
// its test double: scripted boxes, a fake clock, a recording printer and program control.
#pragma once

#include "platform/recording_printer.h"
#include "shell/app_state.h"

#include <QTemporaryDir>

struct AppFixture {
    explicit AppFixture(const Edition& edition = vestoraEdition());
    ~AppFixture();

    // Writes the fixture course's data file into the folder and cuts it into the text store.
    void loadCourse();
    // The data file of a small course made for tests: a few items per topic and exam.
    static QByteArray courseData(const Edition& edition);

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
