// The window registry refuses a name no window was added under, in every build.
#include "platform/runtime_error.h"
#include "shell/forms.h"
#include "tests/support/test_main.h"

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
};

REGISTER_TEST(FormsTest)
#include "forms_test.moc"
