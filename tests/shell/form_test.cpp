// The window base: Escape acts only as a window's Cancel button, a window comes back where it
// was left, and every window opens wholly on the screen.
#include "shell/form.h"
#include "tests/support/app_fixture.h"
#include "tests/support/test_main.h"

#include <QPushButton>
#include <QScreen>
#include <QTest>

namespace {
// A window with slot 5 and a Cancel button that counts its presses; it names the button as its
// Cancel button only when asked.
class SampleWindow : public Form {
public:
    SampleWindow(AppState& state, bool namesCancel, QSize size) : Form(state, "Sample", 5)
    {
        cancel = new QPushButton("&Cancel", this);
        connect(cancel, &QPushButton::clicked, this, [this] { ++cancels; });
        if (namesCancel)
            setCancelButton(cancel);
        resize(size);
    }
    QPushButton* cancel = nullptr;
    int cancels = 0;

protected:
    void formLoad() override { restorePosition(); }
    void formUnload() override { storePosition(); }
};

struct SampleRig {
    SampleWindow* open(bool namesCancel = false, QSize size = {300, 200})
    {
        f.state.forms.add("Sample", [this, namesCancel, size] { return new SampleWindow(f.state, namesCancel, size); });
        f.state.forms.show("Sample");
        return static_cast<SampleWindow*>(f.state.forms.find("Sample"));
    }
    AppFixture f;
};
}  // namespace

class FormTest : public QObject {
    Q_OBJECT
private slots:
    void escapeActsOnlyAsTheCancelButton()
    {
        SampleRig rig;
        SampleWindow* window = rig.open(true);
        QTest::keyClick(window, Qt::Key_Escape);
        QCOMPARE(window->cancels, 1);
        window->cancel->setEnabled(false);
        QTest::keyClick(window, Qt::Key_Escape);
        QCOMPARE(window->cancels, 1);

        rig.f.state.forms.unload("Sample");
        window = rig.open(false);
        QTest::keyClick(window, Qt::Key_Escape);
        QCOMPARE(window->cancels, 0);
        QVERIFY(rig.f.state.forms.isLoaded("Sample"));
    }

    void reopensWhereItWasLeftFrameIncluded()
    {
        SampleRig rig;
        SampleWindow* window = rig.open();
        window->move(130, 90);  // the frame's corner
        const QRect client = window->geometry();
        window->showMaximized();
        rig.f.state.forms.unload("Sample");
        QCOMPARE(rig.f.state.FormLeft[5], 130 * 15);
        QCOMPARE(rig.f.state.FormTop[5], 90 * 15);
        for (int reopening = 1; reopening <= 3; ++reopening) {
            QCOMPARE(rig.open()->geometry(), client);
            rig.f.state.forms.unload("Sample");
        }
    }

    void opensWhollyOnTheScreen()
    {
        SampleRig rig;
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        rig.f.state.FormLeft[5] = (screen.right() - 50) * 15;  // left there on a larger screen
        rig.f.state.FormTop[5] = 15;
        QVERIFY(screen.contains(rig.open()->frameGeometry()));
        rig.f.state.forms.unload("Sample");
        QVERIFY(screen.contains(rig.open(false, screen.size() + QSize(200, 200))->frameGeometry()));
    }
};

REGISTER_TEST(FormTest)
#include "form_test.moc"
