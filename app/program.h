// The entry both programs share: everything but the edition is the same code.
#pragma once

#include "editions/edition.h"

int runProgram(int argc, char** argv, const Edition& edition);
