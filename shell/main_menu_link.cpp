#include "shell/main_menu_link.h"

#include "shell/app_state.h"

void MainMenuLink::setLocked(bool locked)
{
    locked_ = locked;
    emit lockChanged(locked);
}

void RefreshMainMenu(AppState& state) { state.mainMenu.refresh(); }
