// Calculator: a four-function desk calculator with percent, square root, sign change and one
// memory, worked with the mouse or the keyboard. The arithmetic lives in CalculatorEngine.
#pragma once

#include "shell/form.h"
#include "tools/calculator_engine.h"

#include <array>

class QFrame;
class QGridLayout;
class QLabel;
class QPushButton;

class Calculator : public Form {
    Q_OBJECT
public:
    explicit Calculator(AppState& state);

protected:
    void formLoad() override;
    void formUnload() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    enum Function { Percent, Root, HelpKey, MemoryClear, MemoryRecall, MemorySubtract, MemoryAdd };
    static constexpr int SignKey = 10;  // Number(10), "+/-"

    void makeDisplay();
    void makeNumberKeys();
    void makeOperationKeys();
    QGridLayout* makeKeyGrid();
    QPushButton* makeKey(const QString& caption, const QString& name);
    void numberClick(int index);
    void command1Click(int index);
    // Presses the key of a typed character and gives it the focus; false when no key has that
    // character.
    bool DispatchCalcKey(int code);
    QPushButton* keyFor(int code) const;
    void render();

    CalculatorEngine engine;
    QLabel* Readout = nullptr;
    QLabel* Label1 = nullptr;  // memory indicator
    QFrame* Line1 = nullptr;
    std::array<QPushButton*, 11> Number{};
    QPushButton* DecimalPoint = nullptr;
    std::array<QPushButton*, 5> Operator{};  // by CalculatorEngine::Op
    QPushButton* Cancel = nullptr;
    std::array<QPushButton*, 7> Command1{};  // by Function
};
