// The base of every window. Closing a window by its close box and unloading it from code run
// the same unload handler; windows with a slot come back where the user left them, and every
// window opens wholly on the screen.
#pragma once

#include <QDialog>
#include <optional>

class AppState;
class QAbstractButton;
class QFont;

// The fixed-pitch font of the report and exam lists, whose columns line up character by character.
QFont fixedPitchFont(int points = 11);
// font made larger by points and bold, for the captions and values meant to stand out.
QFont enlargedBold(QFont font, qreal points);

class Form : public QDialog {
    Q_OBJECT
public:
    // name: the window's name in the registry; slot: its position slot, 0 for none.
    Form(AppState& state, QString name, int slot = 0);

    const QString& name() const { return name_; }
    // Brings a minimised or maximised window back to its normal size.
    void setNormal() { setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized)); }
    bool isMaximised() const { return windowState() & Qt::WindowMaximized; }

protected:
    friend class Forms;
    virtual void formLoad() {}
    virtual void formUnload() {}
    // Moves to the remembered position, when the slot holds one, as the window is shown.
    void restorePosition();
    // Stores the position of the window's normal frame in the slot; normalFirst brings the window
    // to its normal state first.
    void storePosition(bool normalFirst = true);
    // The button that Escape presses; a window without one ignores Escape.
    void setCancelButton(QAbstractButton* button) { cancelButton_ = button; }
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void reject() override;
    bool eventFilter(QObject* watched, QEvent* event) override;  // the window's first exposure

    AppState& state;

private:
    QMargins frameMargins();
    void fitOnScreen();

    QString name_;
    int slot_;
    bool unloading_ = false;
    QAbstractButton* cancelButton_ = nullptr;
    // How the window is placed as it is shown, and once more on its final size and frame.
    std::optional<QPoint> restoredCorner_;  // where the frame goes
    bool centred_ = false;
};
