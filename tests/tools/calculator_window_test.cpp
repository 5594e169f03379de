// The calculator window: the keys typed on it and where the focus goes.
#include "tests/support/app_fixture.h"
#include "tests/support/test_main.h"
#include "tools/calculator.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {
struct CalculatorRig {
    CalculatorRig() { f.state.forms.add("Calculator", [this] { return new Calculator(f.state); }); }

    // Shown and active, so that typed keys go to the key with the focus.
    bool open()
    {
        f.state.forms.show("Calculator");
        return QTest::qWaitForWindowActive(window());
    }
    Form* window() const { return f.state.forms.find("Calculator"); }
    QWidget* key(const QString& name) const { return window()->findChild<QPushButton*>(name); }
    QWidget* focus() const { return window()->focusWidget(); }
    QString label(const QString& name) const { return window()->findChild<QLabel*>(name)->text(); }
    QString type(const QString& keys) const
    {
        for (const QChar c : keys)
            QTest::keyClick(focus(), c.toLatin1());
        return label("Readout");
    }
    QString press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) const
    {
        QTest::keyClick(focus(), key, modifiers);
        return window() ? label("Readout") : QString();  // the closing keys close it
    }

    AppFixture f;
};
}  // namespace

class CalculatorWindowTest : public QObject {
    Q_OBJECT
private slots:
    // Typed keys and Ctrl+letters press their buttons; Ctrl+C, V, X and Z close the window.
    void keysPressTheirButtons()
    {
        CalculatorRig rig;
        QVERIFY(rig.open());
        QCOMPARE(rig.type("12"), "12.");
        QCOMPARE(rig.focus(), rig.key("Operator(4)"));  // after a digit, "=" has the focus
        QCOMPARE(rig.type("+3*2x2X2/8-1="), "14");
        QCOMPARE(rig.type("+0.5-"), "14.5");
        QCOMPARE(rig.focus(), rig.key("Operator(3)"));
        QCOMPARE(rig.type("200%"), "12.5");
        QCOMPARE(rig.type("16@ab"), "4");  // keys without a button do nothing
        QCOMPARE(rig.press(Qt::Key_F9, Qt::NoModifier), "-4");
        QCOMPARE(rig.focus(), rig.key("Number(10)"));
        QCOMPARE(rig.press(Qt::Key_Escape, Qt::NoModifier), "0.");
        rig.type("9+1");
        QCOMPARE(rig.press(Qt::Key_Return, Qt::NoModifier), "10");  // presses the focused "="
        QVERIFY(rig.f.prompter.shown.empty());

        rig.type("7");
        rig.press(Qt::Key_P);
        rig.type("2");
        rig.press(Qt::Key_M);
        QCOMPARE(rig.label("Label1"), "Mem:  -65");
        // Closing keeps the memory for the next opening, without its indicator.
        for (Qt::Key closer : {Qt::Key_C, Qt::Key_V, Qt::Key_X, Qt::Key_Z}) {
            rig.press(closer);
            QVERIFY(!rig.f.state.forms.isLoaded("Calculator"));
            QVERIFY(rig.open());
            QCOMPARE(rig.label("Label1"), "");
        }
        QCOMPARE(rig.press(Qt::Key_R), "-65");
        rig.press(Qt::Key_L);
        rig.press(Qt::Key_Escape, Qt::NoModifier);
        QCOMPARE(rig.press(Qt::Key_R), "0.");
    }
};

REGISTER_TEST(CalculatorWindowTest)
#include "calculator_window_test.moc"
