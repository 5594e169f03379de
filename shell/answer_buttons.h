// The four answer buttons, A to D, of the review test and the exam. A click, or a letter typed
// while its button is enabled, reports the choice; the window decides what it means.
#pragma once

#include <QWidget>
#include <array>

class QKeyEvent;
class QPushButton;

class AnswerButtons : public QWidget {
    Q_OBJECT
public:
    // Buttons "A" to "D" named Command1(0) to Command1(3), of a fixed size, in bold print
    // `extraPoints` larger than the window's.
    AnswerButtons(QSize buttonSize, qreal extraPoints);

    QPushButton* button(int choice) const { return Command1.at(choice); }
    // A letter A to D in either case, typed without Ctrl, Alt or Meta, whose button is enabled:
    // reports that choice and returns true. Other keys are left to the caller.
    bool answerKey(const QKeyEvent* key);

signals:
    void chosen(int choice);  // 0 for A

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;  // letters typed on a button

private:
    std::array<QPushButton*, 4> Command1{};
};
