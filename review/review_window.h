// Quiz800: the topic review test. One item at a time is answered with A to D until the right
// choice is found; tallies, a score meter, clocks and a progress bar show how the test goes.
// The window shows its ReviewSession and passes the user's clicks and keys to it.
#pragma once

#include "review/quiz_panels.h"
#include "review/review_session.h"
#include "shell/answer_buttons.h"
#include "shell/form.h"
#include "shell/main_menu_link.h"
#include "shell/rtf_pane.h"

#include <array>
#include <optional>

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

class Quiz800 : public Form {
    Q_OBJECT
public:
    explicit Quiz800(AppState& state);

    ReviewSession& session() { return *Test; }
    // Timer1_Timer: the item and elapsed clocks, every 200 ms while a new item waits.
    void timer1Timer();

    enum Button { A, B, C, D, Lifeline = 5, Next, Break, HelpButton, Notebook, CalculatorButton, Previous, ViewPicture };

protected:
    void formLoad() override;
    void formUnload() override;
    // Form_KeyPress: the window sees every key before the control with the focus.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* makeButtons();
    void connectSession();

    void command1Click(int index);
    void answer(int choice);
    void focusWayOn(bool forward);
    void showItem(int itemIndex);
    void showItemPicture(int itemIndex);
    void showDocument();
    void showStatus();
    void showTally();
    void showControls();
    void askToFinish();
    void tell(ReviewSession::Notice notice, const QString& detail);

    ReviewSession* Test = nullptr;

    // Controls; Command1 indexes 0 to 3 are the answer buttons, 4 is not used.
    AnswerButtons* Answers = nullptr;
    std::array<QPushButton*, 13> Command1{};
    RtfPane* Item = nullptr;  // RichTextBox1 over Shape4
    QLabel* Label2 = nullptr;  // status line
    PerformanceFrame* Frame1 = nullptr;
    MeterColumn* Meter = nullptr;  // Shape1 with its scale, pass line and hand shake
    QProgressBar* ProgressBar1 = nullptr;
    QTimer* Timer1 = nullptr;
    std::optional<MainMenuLock> menuLock;  // from load to unload
};
