// The calculator window: the keys typed on it and where the focus goes.
#include "shell/help_window.h"
#include "tests/support/app_fixture.h"
#include "tests/support/test_main.h"
#include "tools/calculator.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {
struct CalculatorRig {
    CalculatorRig()
    {
        f.state.forms.add("Calculator", [this] { return new Calculator(f.state); });
        f.state.forms.add("Help", [this] { return new Help(f.state); });
    }

    // Shown and active, so that typed keys go to the key with the focus.
    bool open()
    {
        f.state.forms.show("Calculator");
        return QTest::qWaitForWindowActive(window());
    }
    Form* window() const { return f.state.forms.find("Calculator"); }
    QPushButton* key(const QString& name) const { return window()->findChild<QPushButton*>(name); }
    QString label(const QString& name) const { return window()->findChild<QLabel*>(name)->text(); }
    QWidget* focus() const { return window()->focusWidget(); }

    // Types each character on the key that has the focus, as the user would.
    QString type(const QString& keys) const
    {
        for (const QChar c : keys)
            QTest::keyClick(focus(), c.toLatin1());
        return label("Readout");
    }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const
    {
        QTest::keyClick(focus(), key, modifiers);
    }

    AppFixture f;
};
}  // namespace

class CalculatorWindowTest : public QObject {
    Q_OBJECT
private slots:
    void typedKeysPressTheirButtons()
    {
        CalculatorRig rig;
        QVERIFY(rig.open());
        QCOMPARE(rig.window()->windowTitle(), "Calculator");
        QCOMPARE(rig.type("12"), "12.");
        QCOMPARE(rig.focus(), rig.key("Operator(4)"));  // after a digit, "=" has the focus
        QCOMPARE(rig.type("+3="), "15");
        QCOMPARE(rig.focus(), rig.key("Operator(4)"));
        QCOMPARE(rig.type("*2="), "30");
        QCOMPARE(rig.type("x2X2="), "120");
        QCOMPARE(rig.type("/8-1="), "14");
        QCOMPARE(rig.focus(), rig.key("Operator(4)"));
        QCOMPARE(rig.type("+0.5-"), "14.5");
        QCOMPARE(rig.focus(), rig.key("Operator(3)"));
        QCOMPARE(rig.type("200%"), "12.5");
        QCOMPARE(rig.focus(), rig.key("Command1(0)"));
        QCOMPARE(rig.type("16@"), "4");
        QCOMPARE(rig.focus(), rig.key("Command1(1)"));
        QCOMPARE(rig.type("ab"), "4");  // keys without a button do nothing

        rig.press(Qt::Key_F9);
        QCOMPARE(rig.label("Readout"), "-4");
        QCOMPARE(rig.focus(), rig.key("Number(10)"));
        rig.press(Qt::Key_Escape);
        QCOMPARE(rig.label("Readout"), "0.");
        QCOMPARE(rig.focus(), rig.key("Cancel"));
        QVERIFY(rig.f.state.forms.isLoaded("Calculator"));

        rig.type("9+1");
        rig.press(Qt::Key_Return);  // presses the focused "="
        QCOMPARE(rig.label("Readout"), "10");
        QVERIFY(rig.f.prompter.shown.empty());
    }

    void controlKeysWorkTheMemoryAndClose()
    {
        CalculatorRig rig;
        QVERIFY(rig.open());
        rig.type("7");
        rig.press(Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(rig.label("Label1"), "Mem:  7");
        QCOMPARE(rig.focus(), rig.key("Command1(6)"));
        rig.type("2");
        rig.press(Qt::Key_M, Qt::ControlModifier);
        QCOMPARE(rig.label("Label1"), "Mem:  -65");
        rig.press(Qt::Key_Escape);
        rig.press(Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(rig.label("Readout"), "-65");
        QCOMPARE(rig.focus(), rig.key("Command1(4)"));

        // Closing keeps the memory for the next opening, without its indicator.
        const Qt::Key closers[] = {Qt::Key_C, Qt::Key_V, Qt::Key_X, Qt::Key_Z};
        for (Qt::Key closer : closers) {
            rig.press(closer, Qt::ControlModifier);
            QTRY_VERIFY(!rig.f.state.forms.isLoaded("Calculator"));
            QVERIFY(rig.open());
            QCOMPARE(rig.label("Readout"), "0.");
            QCOMPARE(rig.label("Label1"), "");
        }
        rig.press(Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(rig.label("Readout"), "-65");
        rig.press(Qt::Key_L, Qt::ControlModifier);
        rig.press(Qt::Key_Escape);
        rig.press(Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(rig.label("Readout"), "0.");

        rig.f.loadCourse();
        rig.key("Command1(2)")->click();
        QCOMPARE(rig.f.state.HelpTopicNo, 15);
        QVERIFY(rig.f.state.forms.isLoaded("Help"));
    }
};

REGISTER_TEST(CalculatorWindowTest)
#include "calculator_window_test.moc"
