// PictForm: an item's picture at its own size, in a window of its own.
#pragma once

#include "shell/form.h"

class QLabel;

class PictForm : public Form {
    Q_OBJECT
public:
    explicit PictForm(AppState& state);

    // Sizes the window to a width x height pixel picture and loads it from the file at path;
    // a picture that cannot be loaded raises a RuntimeError.
    void loadPicture(int width, int height, const QString& path);
    // Shows the window in front of owner, the window that shows the item, and keeps it there;
    // owner keeps the keyboard. While owner is still opening, the window follows it.
    void showInFrontOf(QWidget* owner);

protected:
    void formLoad() override;
    bool eventFilter(QObject* watched, QEvent* event) override;  // the owner coming on screen
    void formUnload() override;

private:
    QLabel* Image1 = nullptr;  // stretched with the window, so the picture keeps its proportions
};

// Shows the picture file fileName, from the program's folder, at width x height pixels, in
// front of owner without taking its keyboard. An unreadable file raises a RuntimeError to the caller.
void ShowPicture(AppState& state, int width, int height, const QString& fileName, QWidget* owner);

// The picture of an item whose picture mark is picture (1 or 2: the edition's PictureSpecs),
// sized and named as its PictureSpec says, in front of owner; 0 closes the picture window. A
// picture that cannot be shown is reported to the user, and the window that asked goes on.
void showItemPicture(AppState& state, int picture, QWidget* owner);
