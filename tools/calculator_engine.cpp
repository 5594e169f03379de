#include "tools/calculator_engine.h"

#include "platform/basic.h"
#include "platform/prompter.h"

#include <cmath>

namespace {
const QString ClearedDisplay = QStringLiteral("0.");

// An arithmetic result beyond the range of a double.
struct Overflow {};

double checked(double value)
{
    if (!std::isfinite(value))
        throw Overflow{};
    return value;
}

double valueOf(const std::variant<QString, double>& operand)
{
    if (const auto* text = std::get_if<QString>(&operand))
        return NumValue(*text);
    return std::get<double>(operand);
}

QString textOf(const std::variant<QString, double>& operand)
{
    if (const auto* text = std::get_if<QString>(&operand))
        return *text;
    return NumText(std::get<double>(operand));
}
}  // namespace

double NumValue(const QString& text) { return basic::Val(text); }

QString NumText(double value)
{
    // QString::number writes "0" for a negative zero, and the C locale's point whatever the
    // machine's locale.
    return QString::number(value, 'g', 15).replace(QLatin1Char('e'), QLatin1Char('E'));
}

template <class Work>
void CalculatorEngine::guarded(Work work)
{
    try {
        work();
    } catch (const Overflow&) {
        prompter.message("Sorry, Overflow!", Prompter::OkOnly, Prompter::Exclamation, "ERROR");
        reset();
    }
}

void CalculatorEngine::reset()
{
    r.DecimalEntered = false;
    r.OperandCount = 0;
    r.LastKeyKind = KeyKind::None;
    r.PendingOp = NoOp;
    r.Readout = ClearedDisplay;
    r.FirstOperand = 0.0;
    r.SecondOperand = QStringLiteral("0");
}

void CalculatorEngine::load()
{
    r.DecimalEntered = false;
    r.OperandCount = 0;
    r.ClearPresses = 0;
    r.LastKeyKind = KeyKind::None;
    r.PendingOp = NoOp;
    r.Readout = ClearedDisplay;
    r.Label1.clear();
}

void CalculatorEngine::digit(int d)
{
    // Leading zeros are refused.
    if (d == 0 && !r.DecimalEntered && NumValue(r.Readout) == 0)
        return;
    if (r.LastKeyKind != KeyKind::Nums) {
        r.Readout = QStringLiteral(".");
        r.DecimalEntered = false;
    }
    // Until the point is typed the display keeps a trailing point after the whole part.
    if (r.DecimalEntered) {
        r.Readout += QString::number(d);
    } else {
        r.Readout.chop(1);
        r.Readout += QString::number(d) + QLatin1Char('.');
    }
    r.LastKeyKind = KeyKind::Nums;
    r.ClearPresses = 0;
}

void CalculatorEngine::changeSign()
{
    if (r.Readout == ClearedDisplay)
        return;
    if (r.Readout.startsWith(QLatin1Char('-')))
        r.Readout.remove(0, 1);
    else
        r.Readout.prepend(QLatin1Char('-'));
}

void CalculatorEngine::decimalPoint()
{
    if (r.LastKeyKind != KeyKind::Nums)
        r.Readout = ClearedDisplay;
    r.DecimalEntered = true;
    r.LastKeyKind = KeyKind::Nums;
    r.ClearPresses = 0;
}

void CalculatorEngine::operatorKey(Op op)
{
    guarded([&] {
        r.DisplayAtOp = r.Readout;
        // Operator keys repeated without new digits count once; "=" always counts.
        if (r.LastKeyKind == KeyKind::Nums || op == Equals)
            ++r.OperandCount;
        if (r.OperandCount == 1)
            r.FirstOperand = r.Readout;
        else if (r.OperandCount >= 2)
            evaluate();
        r.LastKeyKind = KeyKind::Ops;
        r.PendingOp = op;
    });
}

// The pending operation, left to right: its result becomes the first operand of the next one.
void CalculatorEngine::evaluate()
{
    r.SecondOperand = r.DisplayAtOp;
    const double first = valueOf(r.FirstOperand);
    const double second = NumValue(r.SecondOperand);
    switch (r.PendingOp) {
    case Add: r.FirstOperand = checked(first + second); break;
    case Subtract: r.FirstOperand = checked(first - second); break;
    case Multiply: r.FirstOperand = checked(first * second); break;
    case Divide:
        if (second == 0)
            prompter.message("Can't divide by zero", Prompter::OkOnly, Prompter::Exclamation, "Calculator");
        else
            r.FirstOperand = checked(first / second);
        break;
    case Equals: r.FirstOperand = r.SecondOperand; break;  // a number typed after "=" replaces the result
    case NoOp: break;
    }
    r.Readout = textOf(r.FirstOperand);
    r.OperandCount = 1;
}

void CalculatorEngine::clearKey()
{
    if (r.ClearPresses++ == 0) {
        // The entry only: the pending operation waits for a new number.
        r.Readout = ClearedDisplay;
        r.DecimalEntered = false;
        r.LastKeyKind = KeyKind::CE;
    } else {
        r.ClearPresses = 0;
        reset();
    }
}

void CalculatorEngine::percent()
{
    guarded([&] {
        r.Readout = NumText(checked(NumValue(r.Readout) / 100));
        operatorKey(Equals);
        r.ClearPresses = 0;
    });
}

void CalculatorEngine::squareRoot()
{
    guarded([&] {
        const double value = NumValue(r.Readout);
        if (value >= 0) {
            r.Readout = NumText(checked(std::sqrt(value)));
            operatorKey(Equals);
        } else {
            prompter.message("Change sign to +.", Prompter::OkOnly, Prompter::Exclamation, "Calculator");
        }
        r.ClearPresses = 0;
    });
}

void CalculatorEngine::memoryClear()
{
    r.Label1.clear();
    r.MemoryValue = 0;
    r.ClearPresses = 0;
}

void CalculatorEngine::memoryRecall()
{
    if (r.MemoryValue != 0)
        r.Readout = NumText(r.MemoryValue);
    r.ClearPresses = 0;
}

void CalculatorEngine::memorySubtract()
{
    guarded([&] {
        r.MemoryValue = checked(r.MemoryValue - NumValue(r.Readout));
        showMemory();
        r.ClearPresses = 0;
    });
}

void CalculatorEngine::memoryAdd()
{
    guarded([&] {
        r.MemoryValue = checked(r.MemoryValue + NumValue(r.Readout));
        showMemory();
        r.ClearPresses = 0;
    });
}

void CalculatorEngine::showMemory()
{
    if (r.MemoryValue != 0)
        r.Label1 = QStringLiteral("Mem:  ") + NumText(r.MemoryValue);
    else
        r.Label1.clear();
}
