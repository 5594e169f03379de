// ExamTest: one timed mock exam. Shows an item at a time, takes answers A to D, keeps the
// answered and remaining positions in two lists, counts down the time limit, and on closing
// hands the exam to the saving and finishing rules.
#pragma once

#include "shell/enlarge_rtf.h"
#include "shell/form.h"

#include <QDateTime>
#include <array>

class QFrame;
class QGroupBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTimer;
class RichTextBox;

// The red frame drawn around the Finished button; it blinks by switching its border style
// between solid (1) and inside solid (6).
class BorderShape : public QWidget {
    Q_OBJECT
public:
    explicit BorderShape(QWidget* parent = nullptr);
    int borderStyle() const { return BorderStyle; }
    void setBorderStyle(int style);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int BorderStyle = 1;
};

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
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* makeItemPane();
    QWidget* makeSidePane();
    QWidget* makeFinishedButton();
    QPushButton* makeButton(int index, const QString& caption);

    void loadLists();
    void addEntry(int list, const QString& text);
    void removeEntry(int list, int index);
    void selectEntry(int list, int index);  // runs the list's click, as the user's click would
    void rewriteAnsweredEntry(int index);
    QString answeredEntryOf(int position) const;
    void updateFrameCaption();
    void startBlinking();

    void list1Click(int index);
    void ShowExamItem(int N);
    void showItemPicture();
    void setNavigation();
    bool CommitAnswer(int& i);  // true when the position moved to the answered list
    void command1Click(int index);
    void answerClick(int index);
    void nextClick();
    void previousClick();
    void finishedClick();
    void unsureClick();
    void focusAfterMove(int list);
    void expire();
    double usedDays() const;
    bool structured() const;

    enum Button { Next = 5, Previous, Break, Finished, HelpButton, Unsure, CalculatorButton, ViewPicture };
    enum List { AnsweredList, RemainingList };

    std::array<QPushButton*, 13> Command1{};  // 0..3 the answers; there is no 4
    QGroupBox* Frame1 = nullptr;
    std::array<QListWidget*, 2> List1{};
    std::array<QLabel*, 2> Label1{};
    RichTextBox* RichTextBox1 = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;
    BorderShape* Shape1 = nullptr;
    QFrame* Shape3 = nullptr;

    QDateTime ClockStart;
    bool TimeExpired = false;
    bool ExamFinished = false;
    int ActiveList = RemainingList;
    RtfCopies ItemRtf;
    int ChoiceCount = 4;
    bool Closing = false;
    bool HasPicture = false;
};
