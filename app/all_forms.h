// Every window of the program, registered by name.
#pragma once

class AppState;

void registerForms(AppState& state);
