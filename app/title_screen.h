// Pubdat: the title screen. Its loading runs start-up, which sets up everything the program
// shares, showing start-up's boxes; then it gives way to the main menu after four seconds, or at once on a key or click.
#pragma once

#include "shell/form.h"

#include <array>
#include <optional>

class QLabel;
class QTimer;

class Pubdat : public Form {
    Q_OBJECT
public:
    explicit Pubdat(AppState& state);

    // Called by the timer every 200 ms: leaves four seconds after loading ended.
    void timer1Timer();

protected:
    void formLoad() override;
    void formUnload() override;  // goes on to the main menu once loading is done
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;  // on the window or any label

private:
    bool runStartup();          // false when the program ended on the way
    void leave();               // to the main menu, once loading is done

    std::array<QLabel*, 8> Label1{};
    QTimer* Timer1 = nullptr;
    std::optional<float> LoadDoneTime;  // seconds since midnight when loading ended
};

// What the program does first: the edition chooser where the edition has one, then the title screen.
void startProgram(AppState& state);
