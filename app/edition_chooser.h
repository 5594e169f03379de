// AppChoice: which edition to run, asked by the broker edition before anything loads.
#pragma once

#include "shell/form.h"

#include <array>

class QPushButton;
class QRadioButton;

class AppChoice : public Form {
    Q_OBJECT
public:
    explicit AppChoice(AppState& state);

private:
    void commandClick(int index);  // Command1_Click(Index)
    enum Button { Ok, Cancel };
    std::array<QRadioButton*, 2> Option1{};
    std::array<QPushButton*, 2> Command1{};
};
