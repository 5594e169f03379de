// The review test's score meter.
#pragma once

#include <QColor>
#include <QWidget>

class QLabel;

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
