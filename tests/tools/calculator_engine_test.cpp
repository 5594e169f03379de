// The calculator's entry, arithmetic and memory, without its window.
#include "platform/prompter.h"
#include "tests/support/test_main.h"
#include "tools/calculator_engine.h"

#include <QTest>

namespace {
using Op = CalculatorEngine::Op;
using KeyKind = CalculatorEngine::KeyKind;

struct Rig {
    Rig() { engine.load(); }

    // Presses keys by their captions: digits, "." "+" "-" "X" "/" "=" "%", and
    // r square root, s +/-, c CE/C, P M+, M M-, R MR, L MC. Blanks are for reading only.
    const QString& type(const QString& keys)
    {
        for (const QChar key : keys) {
            if (key.isDigit()) {
                engine.digit(key.digitValue());
                continue;
            }
            switch (key.unicode()) {
            case '.': engine.decimalPoint(); break;
            case '/': engine.operatorKey(Op::Divide); break;
            case '+': engine.operatorKey(Op::Add); break;
            case 'X': engine.operatorKey(Op::Multiply); break;
            case '-': engine.operatorKey(Op::Subtract); break;
            case '=': engine.operatorKey(Op::Equals); break;
            case '%': engine.percent(); break;
            case 'r': engine.squareRoot(); break;
            case 's': engine.changeSign(); break;
            case 'c': engine.clearKey(); break;
            case 'P': engine.memoryAdd(); break;
            case 'M': engine.memorySubtract(); break;
            case 'R': engine.memoryRecall(); break;
            case 'L': engine.memoryClear(); break;
            }
        }
        return engine.display();
    }

    // The calculator as a fresh load leaves it, whatever the memory holds.
    bool isFresh() const
    {
        const auto& r = engine.registers();
        return r.Readout == "0." && r.OperandCount == 0 && r.PendingOp == Op::NoOp && r.LastKeyKind == KeyKind::None
            && !r.DecimalEntered;
    }

    CalculatorEngine::Registers registers;
    ScriptedPrompter prompter;
    CalculatorEngine engine{registers, prompter};
};
}  // namespace

class CalculatorEngineTest : public QObject {
    Q_OBJECT
private slots:
    void numbersAreReadAndShown()
    {
        QCOMPARE(NumValue("12."), 12.0);
        QCOMPARE(NumValue("-7.5"), -7.5);
        QCOMPARE(NumValue("."), 0.0);
        QCOMPARE(NumValue("2.3.4"), 2.3);
        QCOMPARE(NumValue("1.5E+3"), 1500.0);
        QCOMPARE(NumText(8), "8");
        QCOMPARE(NumText(2.5), "2.5");
        QCOMPARE(NumText(-0.25), "-0.25");
        QCOMPARE(NumText(1.0 / 3), "0.333333333333333");
        QCOMPARE(NumText(0.1 + 0.2), "0.3");
        QCOMPARE(NumText(-0.0), "0");
        QCOMPARE(NumText(1e20), "1E+20");
        QCOMPARE(NumValue(NumText(-1.25e-30)), -1.25e-30);
    }

    void entryKeepsATrailingPointUntilThePoint()
    {
        Rig rig;
        QCOMPARE(rig.type("0"), "0.");  // leading zeros are refused
        QCOMPARE(rig.type("7"), "7.");
        QCOMPARE(rig.type("0"), "70.");
        QCOMPARE(rig.type(".5"), "70.5");
        QCOMPARE(rig.type("."), "70.5");
        QCOMPARE(rig.type("0"), "70.50");

        Rig point;
        QCOMPARE(point.type(".0"), "0.0");
        QCOMPARE(point.type("1"), "0.01");

        Rig sign;
        QCOMPARE(sign.type("s"), "0.");
        QCOMPARE(sign.type("12s"), "-12.");
        QCOMPARE(sign.type("3"), "-123.");
        QCOMPARE(sign.type("s"), "123.");
        QVERIFY(sign.registers.LastKeyKind == KeyKind::Nums);
    }

    void operatorsChainLeftToRight()
    {
        Rig rig;
        QCOMPARE(rig.type("2+3X"), "5");
        QCOMPARE(rig.type("4="), "20");
        QCOMPARE(rig.type("="), "20");
        QCOMPARE(rig.type("7="), "7.");  // a number typed after "=" replaces the result
        QCOMPARE(rig.type("+1.5="), "8.5");

        Rig twice;
        QCOMPARE(twice.type("5+="), "10");
        Rig changedMind;
        QCOMPARE(changedMind.type("6+X-2="), "4");  // the last operator pressed is the one used
        Rig divide;
        QCOMPARE(divide.type("1/3="), "0.333333333333333");
        QVERIFY(divide.prompter.shown.empty());
    }

    void clearEntryThenClearAll()
    {
        Rig rig;
        QCOMPARE(rig.type("4+9c"), "0.");
        QCOMPARE(rig.type("2="), "6");

        Rig twice;
        twice.type("4+9cc");
        QVERIFY(twice.isFresh());
        QCOMPARE(twice.type("2="), "2.");

        Rig operatorBetween;  // operator keys do not restart the count of presses
        operatorBetween.type("4+9c+c");
        QVERIFY(operatorBetween.isFresh());

        Rig digitBetween;  // a digit does
        QCOMPARE(digitBetween.type("4+c7c3="), "7");
    }

    void percentAndSquareRoot()
    {
        Rig rig;
        QCOMPARE(rig.type("200X5%"), "10");
        QCOMPARE(rig.type("c50%"), "0.5");

        Rig root;
        QCOMPARE(root.type("9r"), "3");
        QVERIFY(root.registers.PendingOp == Op::Equals);
        QCOMPARE(root.type("2s"), "-2.");
        QCOMPARE(root.type("r"), "-2.");
        QCOMPARE(root.prompter.shown.size(), size_t(1));
        QCOMPARE(root.prompter.shown[0].text, "Change sign to +.");
        QCOMPARE(root.prompter.shown[0].title, "Calculator");
        QCOMPARE(root.prompter.shown[0].icon, Prompter::Exclamation);
        QCOMPARE(root.type("s+1="), "3");
    }

    void divisionByZeroKeepsTheFirstOperand()
    {
        Rig rig;
        QCOMPARE(rig.type("6/0="), "6.");
        QCOMPARE(rig.prompter.shown.size(), size_t(1));
        QCOMPARE(rig.prompter.shown[0].text, "Can't divide by zero");
        QCOMPARE(rig.prompter.shown[0].title, "Calculator");
        QCOMPARE(rig.prompter.shown[0].buttons, Prompter::OkOnly);
        QCOMPARE(rig.prompter.shown[0].icon, Prompter::Exclamation);

        Rig next;  // the operator pressed with the zero becomes pending
        QCOMPARE(next.type("6/0+2="), "8");
    }

    void overflowResetsAllButTheMemory()
    {
        const QString huge(200, '9');  // about 1E+200
        Rig rig;
        rig.type("5P");
        rig.type(huge + "X" + huge + "=");
        QVERIFY(rig.isFresh());
        QCOMPARE(rig.prompter.shown.size(), size_t(1));
        QCOMPARE(rig.prompter.shown[0].text, "Sorry, Overflow!");
        QCOMPARE(rig.prompter.shown[0].title, "ERROR");
        QCOMPARE(rig.prompter.shown[0].icon, Prompter::Exclamation);
        QCOMPARE(rig.type("3+R="), "8");

        Rig memory;  // a memory that would overflow keeps its value
        memory.type(huge + "X" + huge.left(108) + "=P");
        const double stored = memory.registers.MemoryValue;
        memory.type("P");
        QCOMPARE(memory.prompter.shown.size(), size_t(1));
        QCOMPARE(memory.registers.MemoryValue, stored);

        Rig percent;  // one message, although "%" presses "=" as well
        percent.type(QString(400, '9') + "%");
        QVERIFY(percent.isFresh());
        QCOMPARE(percent.prompter.shown.size(), size_t(1));
    }

    void memoryKeysLeaveTheEntryOpen()
    {
        Rig rig;
        QCOMPARE(rig.type("5P3"), "53.");
        QCOMPARE(rig.engine.indicator(), "Mem:  5");
        rig.type("cc5Pc3P");
        QCOMPARE(rig.engine.indicator(), "Mem:  13");
        QCOMPARE(rig.type("ccR"), "13");
        QCOMPARE(rig.type("2M"), "2.");
        QCOMPARE(rig.engine.indicator(), "Mem:  11");
        QCOMPARE(rig.type("c1R3"), "13.");  // the digit replaces the recalled value's last character

        rig.engine.load();  // the memory outlives the window, its indicator does not
        QCOMPARE(rig.engine.indicator(), "");
        QCOMPARE(rig.type("R"), "11");
        rig.type("L");
        QCOMPARE(rig.engine.indicator(), "");
        QCOMPARE(rig.type("ccR"), "0.");
        rig.type("4Pc4M");
        QCOMPARE(rig.engine.indicator(), "");
    }
};

REGISTER_TEST(CalculatorEngineTest)
#include "calculator_engine_test.moc"
