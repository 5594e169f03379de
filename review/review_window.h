// Quiz800: the topic review test. One item at a time is answered with A to D until the right
// choice is found; tallies, a score meter, clocks and a progress bar show how the test goes.
#pragma once

#include "shell/enlarge_rtf.h"
#include "shell/form.h"

#include <QColor>
#include <QWidget>
#include <array>

class QFrame;
class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;
class RichTextBox;

// The score meter: a bar that grows upward from the bottom with the score, in the colour of
// passing or failing, with the pass line beside it.
class ScoreMeter : public QWidget {
public:
    // passLine: the label that points at the pass mark; the meter places it beside the bar.
    explicit ScoreMeter(QLabel* passLine);

    void setPassMark(int percent);
    void setScore(float score, const QColor& colour);
    float score() const { return score_; }
    QColor colour() const { return colour_; }

    QSize sizeHint() const override { return {92, 300}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void placePassLine();
    QRect barArea() const;

    QLabel* passLine_;
    int passMark_ = 0;
    float score_ = 0;
    QColor colour_;
};

class Quiz800 : public Form {
    Q_OBJECT
public:
    explicit Quiz800(AppState& state);

    // Timer1_Timer: the item and elapsed clocks, every 200 ms while a new item waits.
    void timer1Timer();

    enum Button { A, B, C, D, Lifeline = 5, Next, Break, HelpButton, Notebook, CalculatorButton, Previous, ViewPicture };

protected:
    void formLoad() override;
    void formUnload() override;
    void resizeEvent(QResizeEvent* event) override;
    // Form_KeyPress: the window sees every key before the control with the focus.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* makeButtons();
    QGroupBox* makePerformance();
    QWidget* makeMeter();

    void newTest();
    void takeUp();
    bool dropUnknownPositions();
    void forgetSavedTest();
    void command1Click(int index);
    bool letterKey(QKeyEvent* event);
    void checkAnswer(int letter, int buttonIndex);
    void showItem(int position);
    void showTally();
    void drawScoreMeter();
    void addItemTime(double days);
    void showExplanation();
    void showText(const QByteArray& rtf);
    void showItemPicture(int index);
    void next();
    void previous();
    void applyLifeline();
    void coinToss();
    void finish();
    void showRestored(const QString& name);
    int passMark() const;
    double now() const;

    // Controls; Command1 index 4 is not used.
    std::array<QPushButton*, 13> Command1{};
    RichTextBox* RichTextBox1 = nullptr;
    QFrame* Shape4 = nullptr;  // under the text: its width sets the text's right margin
    QLabel* Label2 = nullptr;  // status line
    QGroupBox* Frame1 = nullptr;
    QLabel* Label3 = nullptr;   // Right
    QLabel* Label4 = nullptr;   // Wrong
    QLabel* Label5 = nullptr;   // Tries
    QLabel* Label11 = nullptr;  // Wild Guesses
    QLabel* Label6 = nullptr;   // score
    QLabel* Label8 = nullptr;   // Item Time
    QLabel* Label7 = nullptr;   // Elapsed Time
    ScoreMeter* Shape1 = nullptr;
    QLabel* Label1 = nullptr;   // pass line
    QLabel* Label9 = nullptr;   // 100%
    QLabel* Label10 = nullptr;  // 0%
    QLabel* HandShake = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QTimer* Timer1 = nullptr;

    // The window's own state while it is loaded.
    const int ChoiceCount = 4;
    int AnswerKey = 0;
    int LetterGiven = 0;
    double ItemShownAt = 0;
    QByteArray QuestionRtf;
    QByteArray ExplanationRtf;
    RtfCopies Text;  // NormalText and EnlargedText
    bool TestFinished = false;
};
