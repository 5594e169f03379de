// The panels of the review-test window that only show figures: the performance frame with the
// tallies, score and clocks, and the score meter with its scale and the hand shake.
#pragma once

#include <QColor>
#include <QGroupBox>
#include <QWidget>
#include <array>

class QLabel;

// A label named as the window's controls are named, showing its text as plain text.
QLabel* namedLabel(const QString& caption, const QString& name);
void setTextColour(QWidget* widget, const QColor& colour);

// Frame1 "Performance": Right, Wrong, Tries, Wild Guesses, the score and the two clocks.
class PerformanceFrame : public QGroupBox {
public:
    PerformanceFrame();

    // tally: by ReviewState::Tally. The score and Wild Guesses show only once scored is set.
    void showTally(const std::array<int, 5>& tally, bool scored, float score, bool passing);
    void showClocks(double itemDays, double elapsedDays);

private:
    QLabel* Label3 = nullptr;   // Right
    QLabel* Label4 = nullptr;   // Wrong
    QLabel* Label5 = nullptr;   // Tries
    QLabel* Label11 = nullptr;  // Wild Guesses
    QLabel* Label6 = nullptr;   // score
    QLabel* Label8 = nullptr;   // Item Time
    QLabel* Label7 = nullptr;   // Elapsed Time
};

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

// The meter with "100%" above it, "0%" below it, the pass line beside it and the hand shake under
// it, shown while the score is at or above the pass mark.
class MeterColumn : public QWidget {
public:
    MeterColumn();

    void setPassMark(int percent);
    void showScore(float score, bool passing);
    void hideMeter();  // the meter is switched off in the settings

private:
    ScoreMeter* Shape1 = nullptr;
    QLabel* Label1 = nullptr;   // pass line
    QLabel* Label9 = nullptr;   // 100%
    QLabel* Label10 = nullptr;  // 0%
    QLabel* HandShake = nullptr;
};
