// How the windows under the main menu reach it without knowing it: a window that owns the user's
// attention (a test, an exam, a report card) holds the menu locked while it is open, and anything
// that changes progress asks for the menu's captions to be refreshed. The menu listens.
#pragma once

#include <QObject>
#include <QPointer>

class AppState;

class MainMenuLink : public QObject {
    Q_OBJECT
public:
    bool isLocked() const { return locked_; }
    void setLocked(bool locked);
    void refresh() { emit refreshRequested(); }
    // Back to the menu's empty choice, with no group showing, as a window opened from it starts.
    void clearChoice() { emit choiceCleared(); }

signals:
    void lockChanged(bool locked);
    void refreshRequested();
    void choiceCleared();

private:
    bool locked_ = false;
};

// Sets the menu's captions and enabled states from the drill levels and the review test and
// exam in progress; nothing happens when the menu is not loaded.
void RefreshMainMenu(AppState& state);

// The menu locked for as long as this lives: a window that owns the user's attention holds one
// from its load to its unload. The menu may go before the window at the program's end.
class MainMenuLock {
public:
    explicit MainMenuLock(MainMenuLink& link) : link_(&link) { link.setLocked(true); }
    ~MainMenuLock()
    {
        if (link_)
            link_->setLocked(false);
    }
    MainMenuLock(const MainMenuLock&) = delete;
    MainMenuLock& operator=(const MainMenuLock&) = delete;

private:
    QPointer<MainMenuLink> link_;
};

// The notebook window implements this, so that closing the menu with unsaved notebook changes
// can have them saved.
class NotebookSaver {
public:
    virtual ~NotebookSaver() = default;
    // Writes the notebook's document as RTF to the notebook file; false when that failed, which
    // the user has been told. Never throws: the menu calls this from its closing.
    virtual bool saveNotebookToDisk() = 0;
};
