// The window registry refuses a name no window was added under, in every build; the window base
// places a window on the screen by its final size.
#include "platform/runtime_error.h"
#include "shell/forms.h"
#include "tests/support/app_fixture.h"
#include "tests/support/test_main.h"

#include <QScreen>
#include <QTest>

class FormsTest : public QObject {
    Q_OBJECT
private slots:
    void anUnknownNameFailsNamingIt()
    {
        Forms forms;
        try {
            forms.show("Quiz801");
            QFAIL("a window that was never added was shown");
        } catch (const RuntimeError& error) {
            QCOMPARE(error.Number, RuntimeErrorNo::InvalidCall);
            QVERIFY2(error.Description.contains("Quiz801"), qPrintable(error.Description));
        }
    }

    void aWindowThatGrowsBeforeItIsOnTheScreenOpensCentredOnIt()
    {
        AppFixture f;
        f.state.forms.add("Grows", [&f] {
            auto* window = new StandInForm(f.state, "Grows");
            window->resize(200, 150);
            return window;
        });
        f.state.forms.show("Grows");
        Form* window = f.state.forms.find("Grows");
        window->resize(760, 540);  // its content grew before the window system showed it
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const QRect screen = window->screen()->availableGeometry();
        QVERIFY(screen.contains(window->frameGeometry()));
        const QPoint offCentre = window->frameGeometry().center() - screen.center();
        QVERIFY(offCentre.manhattanLength() <= 2);
    }
};

REGISTER_TEST(FormsTest)
#include "forms_test.moc"
