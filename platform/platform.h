// The host services the program uses, bundled so that a test can hand in its doubles.
#pragma once

#include "platform/clock.h"
#include "platform/printer.h"
#include "platform/program_control.h"
#include "platform/prompter.h"
#include "platform/random_source.h"
#include "platform/tone.h"

struct Platform {
    Prompter& prompter;
    Clock& clock;
    ProgramControl& control;
    PrinterDevice& printer;
    PrinterDialog& printerDialog;
    Tone& tone;
    RandomSource& random;
};
