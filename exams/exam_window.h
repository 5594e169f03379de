// ExamTest: the window of one timed mock exam. It shows what its ExamSession holds (the item, the
// answered and remaining lists, the clock) and hands the user's clicks and keys to it.
#pragma once

#include "exams/exam_lists.h"
#include "exams/exam_session.h"
#include "exams/finished_frame.h"
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

class ExamTest : public Form {
    Q_OBJECT
public:
    explicit ExamTest(AppState& state);

    // The clock (every 200 ms) and the blink of the Finished frame (every 300 ms once started);
    // public so that tests can step them with their own clock.
    void timer1Tick();
    void timer2Tick();

protected:
    void formLoad() override;
    void formUnload() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* makeItemPane();
    QWidget* makeSidePane();
    QPushButton* makeButton(int index, const QString& caption);

    void showItem();
    void render(ExamSession::Focus focus);
    void showClock(const Countdown& clock);
    void showExpiry();
    void showItemPicture();
    void command1Click(int index);
    void finishedClick();

    enum Button { Next = 5, Previous, Break, Finished, HelpButton, Unsure, CalculatorButton, ViewPicture };

    ExamSession* session = nullptr;
    AnswerButtons* Answers = nullptr;
    std::array<QPushButton*, 13> Command1{};  // 0..3 the answers; there is no 4
    ExamLists* Frame1 = nullptr;
    std::array<QLabel*, 2> Label1{};
    RtfPane* Item = nullptr;  // RichTextBox1 over Shape3
    QProgressBar* ProgressBar1 = nullptr;
    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;
    BorderShape* Shape1 = nullptr;
    std::optional<MainMenuLock> menuLock;  // from load to unload
};

// After the exam window has closed: the main menu brought up to date, however the exam ended, and
// the results of a finished exam shown, unless the desktop session is ending.
void showExamClosing(AppState& state, const ExamClosing& closing);
