// A stand-in for a window that is not built yet: the menu can open it without harm.
#pragma once

#include "shell/form.h"

class PlaceholderWindow : public Form {
    Q_OBJECT
public:
    // name: the window's name in the registry; caption: its title bar text.
    PlaceholderWindow(AppState& state, QString name, QString caption);
};
