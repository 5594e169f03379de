// The red frame drawn around the exam window's Finished button once nothing remains to answer.
#pragma once

#include <QWidget>

class QPushButton;

// It blinks by switching its border style between solid (1) and inside solid (6).
class BorderShape : public QWidget {
    Q_OBJECT
public:
    enum Style { Solid = 1, InsideSolid = 6 };

    explicit BorderShape(QWidget* parent = nullptr);
    int borderStyle() const { return BorderStyle; }
    void setBorderStyle(int style);
    void blink() { setBorderStyle(BorderStyle == Solid ? InsideSolid : Solid); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int BorderStyle = Solid;
};

// The button inside the frame (hidden at first), which covers it without taking its clicks.
QWidget* framedButton(QPushButton* button, BorderShape* frame);
