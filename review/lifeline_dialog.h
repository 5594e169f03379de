// Aladdin: the user picks one lifeline (coin toss, free response, expert advice) for the item
// on screen of the review test; the test applies it once the dialog has closed.
#pragma once

#include "shell/form.h"

#include <array>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class ReviewSession;

class Aladdin : public Form {
    Q_OBJECT
public:
    explicit Aladdin(AppState& state);

protected:
    void formLoad() override;  // the counts, and which lifelines may be chosen

private:
    void command1Click(int index);
    // The test of the review-test window, which decides what may be chosen and takes the choice.
    ReviewSession* session() const;

    enum Button { Ok, Cancel, HelpButton };

    QGroupBox* Frame1 = nullptr;
    std::array<QRadioButton*, 3> Option1{};
    std::array<QLabel*, 3> Label2{};  // count left of each kind
    QLabel* Label1 = nullptr;
    std::array<QPushButton*, 3> Command1{};
};
