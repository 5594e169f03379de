// How the windows under the main menu reach it without knowing it: a window that owns the user's
// attention (a test, an exam, a report card) holds the menu locked while it is open, and anything
// that changes progress asks for the menu's captions to be refreshed. The menu listens.
#pragma once

#include <QObject>

class AppState;

class MainMenuLink : public QObject {
    Q_OBJECT
public:
    bool isLocked() const { return locked_; }
    void setLocked(bool locked);
    void refresh() { emit refreshRequested(); }

signals:
    void lockChanged(bool locked);
    void refreshRequested();

private:
    bool locked_ = false;
};

// Sets the menu's captions and enabled states from the drill levels and the review test and
// exam in progress; nothing happens when the menu is not loaded.
void RefreshMainMenu(AppState& state);

// The windows that own the user's attention switch the menu off while they are open, and back
// on when they close.
void setMainMenuEnabled(AppState& state, bool enabled);
