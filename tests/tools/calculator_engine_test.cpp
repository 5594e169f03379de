// The calculator's entry, arithmetic and memory, without its window.
#include "platform/prompter.h"
#include "tests/support/test_main.h"
#include "tools/calculator_engine.h"

#include <QTest>

namespace {
using Op = CalculatorEngine::Op;

struct Rig {
    Rig() { engine.load(); }

    // Presses keys by their captions: digits, "." "+" "-" "X" "/" "=" "%", and r square root,
    // s +/-, c CE/C, P M+, M M-, R MR, L MC.
    const QString& type(const QString& keys)
    {
        const QString ops = "/+X-=";
        for (const QChar key : keys) {
            if (key.isDigit())
                engine.digit(key.digitValue());
            else if (ops.contains(key))
                engine.operatorKey(Op(ops.indexOf(key)));
            else
                switch (key.unicode()) {
                case '.': engine.decimalPoint(); break;
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

    // The only box shown was this exclamation message with an OK button.
    bool toldOnly(const QString& text, const QString& title) const
    {
        return prompter.shown.size() == 1 && prompter.shown[0].text == text && prompter.shown[0].title == title
            && prompter.shown[0].icon == Prompter::Exclamation && prompter.shown[0].buttons == Prompter::OkOnly;
    }

    // The calculator as a fresh load leaves it, whatever the memory holds.
    bool isFresh() const
    {
        const auto& r = registers;
        return r.Readout == "0." && r.OperandCount == 0 && r.PendingOp == Op::NoOp
            && r.LastKeyKind == CalculatorEngine::KeyKind::None && !r.DecimalEntered;
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
        QCOMPARE(NumValue("."), 0.0);
        QCOMPARE(NumValue("-2.3.4"), -2.3);
        QCOMPARE(NumText(2.5), "2.5");
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
        QCOMPARE(rig.type("70"), "70.");
        QCOMPARE(rig.type(".5."), "70.5");
        QCOMPARE(rig.type("0"), "70.50");
        QCOMPARE(Rig().type(".01"), "0.01");

        Rig sign;
        QCOMPARE(sign.type("s"), "0.");
        QCOMPARE(sign.type("12s3"), "-123.");
        QCOMPARE(sign.type("s"), "123.");
    }

    void operatorsChainLeftToRight()
    {
        Rig rig;
        QCOMPARE(rig.type("2+3X"), "5");
        QCOMPARE(rig.type("4="), "20");
        QCOMPARE(rig.type("="), "20");
        QCOMPARE(rig.type("7="), "7.");  // a number typed after "=" replaces the result
        QCOMPARE(rig.type("+1.5="), "8.5");
        QCOMPARE(Rig().type("5+="), "10");
        QCOMPARE(Rig().type("6+X-2="), "4");  // the last operator pressed is the one used
    }

    void clearEntryThenClearAll()
    {
        QCOMPARE(Rig().type("4+9c2="), "6");
        Rig twice;
        twice.type("4+9cc");
        QVERIFY(twice.isFresh());
        Rig operatorBetween;  // operator keys do not restart the count of presses
        operatorBetween.type("4+9c+c");
        QVERIFY(operatorBetween.isFresh());
        QCOMPARE(Rig().type("4+c7c3="), "7");  // a digit does
    }

    void percentSquareRootAndDivision()
    {
        QCOMPARE(Rig().type("200X5%"), "10");
        Rig root;
        QCOMPARE(root.type("9r"), "3");
        QVERIFY(root.registers.PendingOp == Op::Equals);
        QCOMPARE(root.type("2sr"), "-2.");
        QVERIFY(root.toldOnly("Change sign to +.", "Calculator"));
        QCOMPARE(root.type("s+1="), "3");

        Rig zero;
        QCOMPARE(zero.type("6/0="), "6.");
        QVERIFY(zero.toldOnly("Can't divide by zero", "Calculator"));
        QCOMPARE(Rig().type("6/0+2="), "8");  // the operator pressed with the zero becomes pending
    }

    void overflowResetsAllButTheMemory()
    {
        const QString huge(200, '9');  // about 1E+200
        Rig rig;
        rig.type("5P");
        rig.type(huge + "X" + huge + "=");
        QVERIFY(rig.isFresh());
        QVERIFY(rig.toldOnly("Sorry, Overflow!", "ERROR"));
        QCOMPARE(rig.type("3+R="), "8");

        Rig memory;  // a memory that would overflow keeps its value
        memory.type(huge + "X" + huge.left(108) + "=P");
        const double stored = memory.registers.MemoryValue;
        memory.type("P");
        QVERIFY(memory.toldOnly("Sorry, Overflow!", "ERROR"));
        QCOMPARE(memory.registers.MemoryValue, stored);

        Rig percent;  // one message, although "%" presses "=" as well
        percent.type(QString(400, '9') + "%");
        QVERIFY(percent.isFresh());
        QVERIFY(percent.toldOnly("Sorry, Overflow!", "ERROR"));
    }

    void memoryKeysLeaveTheEntryOpen()
    {
        Rig rig;
        QCOMPARE(rig.type("5P3"), "53.");
        QCOMPARE(rig.engine.indicator(), "Mem:  5");
        rig.type("cc5Pc3P");
        QCOMPARE(rig.engine.indicator(), "Mem:  13");
        QCOMPARE(rig.type("ccR"), "13");
        rig.type("2M");
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
