// The calculator's entry, arithmetic and memory, without its window.
#include "platform/prompter.h"
#include "tests/support/test_main.h"
#include "tools/calculator_engine.h"

#include <QTest>
#include <map>

namespace {
struct Rig {
    Rig() { engine.load(); }

    // Presses keys by their captions: digits, "." "+" "-" "X" "/" "=" "%", and r square root,
    // s +/-, c CE/C, P M+, M M-, R MR, L MC.
    const QString& type(const QString& keys)
    {
        using E = CalculatorEngine;
        static const std::map<char, void (E::*)()> others = {
            {'.', &E::decimalPoint}, {'%', &E::percent},       {'r', &E::squareRoot},
            {'s', &E::changeSign},   {'c', &E::clearKey},      {'P', &E::memoryAdd},
            {'M', &E::memorySubtract}, {'R', &E::memoryRecall}, {'L', &E::memoryClear}};
        const QString ops = "/+X-=";
        for (const QChar key : keys) {
            if (key.isDigit())
                engine.digit(key.digitValue());
            else if (ops.contains(key))
                engine.operatorKey(E::Op(ops.indexOf(key)));
            else
                (engine.*others.at(key.toLatin1()))();
        }
        return engine.display();
    }

    // The only box shown was this exclamation message with an OK button.
    bool toldOnly(const QString& text, const QString& title) const
    {
        return prompter.shown.size() == 1 && prompter.shown[0].text == text && prompter.shown[0].title == title
            && prompter.shown[0].icon == Prompter::Exclamation && prompter.shown[0].buttons == Prompter::OkOnly;
    }

    CalculatorEngine::Registers registers;
    ScriptedPrompter prompter;
    CalculatorEngine engine{registers, prompter};
};
}  // namespace

class CalculatorEngineTest : public QObject {
    Q_OBJECT
private slots:
    // Keys pressed on a fresh calculator, and the display they leave.
    void keysFromAFreshStart()
    {
        const std::pair<QString, QString> cases[] = {
            // Entry keeps a trailing point until the point is typed; leading zeros and the sign of
            // nothing are refused.
            {"0s", "0."}, {"070.5.0", "70.50"}, {".01", "0.01"}, {"12s3", "-123."}, {"12s3s", "123."},
            // Operators chain left to right; the last one pressed is used; "=" takes the display
            // as its operand and repeats nothing; a number typed after it replaces the result.
            {"2+3X", "5"}, {"2+3X4==", "20"}, {"6+X-2=", "4"}, {"5+=", "10"}, {"2+3=7+1.5=", "8.5"},
            // CE/C clears the entry, pressed again everything; a digit restarts the count, an
            // operator does not.
            {"4+9c2=", "6"}, {"4+9cc2=", "2."}, {"4+9c+c2=", "2."}, {"4+c7c3=", "7"},
            // Percent and square root press "="; the operator pressed with a zero divisor is kept.
            {"200X5%", "10"}, {"2+9r", "5"}, {"6/0+2=", "8"},
            // Results: 15 significant digits, no negative zero, large ones in exponent form.
            {"1/3=", "0.333333333333333"}, {"1sX0=", "0"}, {"10000000000X10000000000=", "1E+20"}};
        for (const auto& [keys, shown] : cases)
            QCOMPARE(keys + " shows " + Rig().type(keys), keys + " shows " + shown);
    }

    void refusedKeysAreToldAndTheEntryGoesOn()
    {
        Rig root;
        QCOMPARE(root.type("2sr"), "-2.");
        QVERIFY(root.toldOnly("Change sign to +.", "Calculator"));
        QCOMPARE(root.type("s+1="), "3");
        Rig zero;
        QCOMPARE(zero.type("6/0="), "6.");
        QVERIFY(zero.toldOnly("Can't divide by zero", "Calculator"));
    }

    void overflowResetsAllButTheMemory()
    {
        const QString huge(200, '9');  // about 1E+200
        Rig rig;
        QCOMPARE(rig.type("5P" + huge + "X" + huge + "="), "0.");
        QVERIFY(rig.toldOnly("Sorry, Overflow!", "ERROR"));
        QCOMPARE(rig.type("3+R="), "8");

        Rig memory;  // a memory that would overflow keeps its value
        const QString stored = memory.type(huge + "X" + huge.left(108) + "=P");
        QCOMPARE(memory.type("PR"), stored);
        QVERIFY(memory.toldOnly("Sorry, Overflow!", "ERROR"));

        Rig percent;  // one message, although "%" presses "=" as well
        QCOMPARE(percent.type(QString(400, '9') + "%3+1="), "4");
        QVERIFY(percent.toldOnly("Sorry, Overflow!", "ERROR"));
    }

    // The memory keys leave the entry open; the indicator shows a memory other than zero.
    void memoryKeys()
    {
        Rig rig;
        QCOMPARE(rig.type("5P3"), "53.");
        QCOMPARE(rig.engine.indicator(), "Mem:  5");
        QCOMPARE(rig.type("cc8PccR"), "13");
        rig.type("2M");
        QCOMPARE(rig.engine.indicator(), "Mem:  11");
        QCOMPARE(rig.type("c1R3"), "13.");  // the digit replaces the recalled value's last character
        rig.type("L");
        QCOMPARE(rig.engine.indicator(), "");
        rig.type("c4Pc4M");
        QCOMPARE(rig.engine.indicator(), "");
    }
};

REGISTER_TEST(CalculatorEngineTest)
#include "calculator_engine_test.moc"
