// The desk calculator without its window: the display text, the entry state, the arithmetic and
// the memory register. The window forwards its keys here and shows display() and indicator().
#pragma once

#include <QString>
#include <variant>

class Prompter;

// The longest leading number of the text, the point always the decimal separator ("12." reads 12,
// "." reads 0); a text too large for a double reads as infinity.
double NumValue(const QString& text);
// A result as the display shows it: 15 significant digits, no trailing zeros or point, the
// exponent form for very large and very small magnitudes.
QString NumText(double value);

class CalculatorEngine {
public:
    // Operator(i), in the order of the keys.
    enum Op { Divide, Add, Multiply, Subtract, Equals, NoOp };
    enum class KeyKind { None, Nums, Ops, CE };

    // Every value of the calculator. The registry keeps them for the run, so a memory stored
    // before the window was closed can still be recalled; the load resets the entry state only.
    struct Registers {
        QString Readout = "0.";
        QString Label1;                                // the memory indicator
        std::variant<QString, double> FirstOperand = 0.0;  // display text, or the running result
        QString SecondOperand;
        QString DisplayAtOp;
        KeyKind LastKeyKind = KeyKind::None;
        Op PendingOp = NoOp;
        bool DecimalEntered = false;
        int OperandCount = 0;
        int ClearPresses = 0;
        double MemoryValue = 0;                        // never used reads as 0
    };

    CalculatorEngine(Registers& registers, Prompter& boxes) : r(registers), prompter(boxes) {}

    void load();
    void digit(int d);          // Number(0..9)
    void changeSign();          // Number(10), "+/-"
    void decimalPoint();
    void operatorKey(Op op);
    void clearKey();            // "CE/C": the entry first, everything but the memory when pressed again
    void percent();
    void squareRoot();
    void memoryClear();
    void memoryRecall();
    void memorySubtract();
    void memoryAdd();

    const QString& display() const { return r.Readout; }
    const QString& indicator() const { return r.Label1; }
    const Registers& registers() const { return r; }

private:
    void evaluate();
    void showMemory();
    // Runs a key's work; an arithmetic overflow inside it ends in the overflow message and a reset.
    template <class Work>
    void guarded(Work work);
    void reset();

    Registers& r;
    Prompter& prompter;
};
