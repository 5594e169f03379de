// The help window with the help-button protocol, and the picture window.
#include "platform/rich_text_box.h"
#include "platform/runtime_error.h"
#include "shell/help_window.h"
#include "shell/picture_window.h"
#include "tests/support/app_fixture.h"
#include "tests/support/test_main.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include <sys/stat.h>

namespace {

struct HelpFixture : AppFixture {
    HelpFixture()
    {
        loadCourse();
        state.forms.add("Help", [this] { return new Help(state); });
    }
    Form* help() { return state.forms.find("Help"); }
    RichTextBox* page() { return help()->findChild<RichTextBox*>("RichTextBox1"); }
};

}  // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT
private slots:
    void anotherPageReplacesTheOpenOneWhereItStood()
    {
        HelpFixture f;
        showHelp(f.state, 5, Forms::Modeless);
        QVERIFY(f.page()->Text().contains("Help page 5\n"));
        QCOMPARE(f.state.HelpTopicNo, 5);
        f.help()->move(120, 80);
        f.help()->showMaximized();  // closed maximised, it comes back where it was
        const QPointer<Form> first = f.help();

        showHelp(f.state, 17, Forms::Modeless);
        QTRY_VERIFY(first.isNull());
        QVERIFY(f.page()->Text().contains("Help page 17\n"));
        QCOMPARE(f.state.FormLeft[5], 120 * 15);
        QCOMPARE(f.state.FormTop[5], 80 * 15);
        QCOMPARE(f.help()->pos(), QPoint(120, 80));
        showHelp(f.state, 5, Forms::Modeless);
        QCOMPARE(f.help()->pos(), QPoint(120, 80));

        const QRect screen = f.help()->screen()->availableGeometry();
        f.state.forms.unload("Help");
        f.state.FormLeft[5] = (screen.right() - 50) * 15;  // left there on a larger screen
        showHelp(f.state, 5, Forms::Modeless);
        QVERIFY(screen.contains(f.help()->frameGeometry()));
    }

    void onlyWhenDifferentKeepsTheOpenPage()
    {
        HelpFixture f;
        showHelp(f.state, 7, Forms::Modeless, true);
        Form* open = f.help();
        open->showMinimized();
        showHelp(f.state, 7, Forms::Modeless, true);
        QCOMPARE(f.help(), open);
        QVERIFY(!(open->windowState() & Qt::WindowMinimized));

        showHelp(f.state, 4, Forms::Modeless, true);
        QVERIFY(f.help() != open);
        QVERIFY(f.page()->Text().contains("Help page 4\n"));
        // Without the rule the same page is loaded afresh.
        open = f.help();
        showHelp(f.state, 4, Forms::Modeless);
        QVERIFY(f.help() != open);
    }

    void maximisingShowsTheEnlargedCopy()
    {
        HelpFixture f;
        showHelp(f.state, 9, Forms::Modeless);
        QByteArray enlarged = f.state.text.RtfHeader + f.state.text.HelpPages[9];
        EnlargeRtf(enlarged);
        QVERIFY(enlarged != f.page()->TextRTF());

        f.help()->showMaximized();
        QTRY_COMPARE(f.page()->TextRTF(), enlarged);
        f.help()->showNormal();
        QTRY_COMPARE(f.page()->TextRTF(), f.state.text.RtfHeader + f.state.text.HelpPages[9]);
    }

    void textWrapsWithinThePlaceholderAndCannotBeEdited()
    {
        HelpFixture f;
        showHelp(f.state, 1, Forms::Modeless);
        auto* shape = f.help()->findChild<QWidget*>("Shape1");
        f.help()->resize(500, 400);
        QTRY_COMPARE(shape->width() > 0, true);
        const int narrow = f.page()->lineWrapColumnOrWidth();
        f.help()->resize(700, 400);
        QTRY_COMPARE(f.page()->lineWrapColumnOrWidth(), narrow + 200);
        QVERIFY(f.page()->lineWrapColumnOrWidth() < f.page()->viewport()->width());

        const QString before = f.page()->Text();
        QTest::keyClicks(f.page(), "typed");
        QCOMPARE(f.page()->Text(), before);
    }
};

class PictureWindowTest : public QObject {
    Q_OBJECT
private slots:
    void showsThePictureAtItsSize()
    {
        AppFixture f;
        f.state.forms.add("PictForm", [&f] { return new PictForm(f.state); });
        QImage picture(20, 10, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        QVERIFY(picture.save(f.state.path("Broker01002.gph"), "PNG"));

        // The window asking is still opening, as a test window showing its first item is: the
        // picture follows it, and stays in front of it.
        QWidget owner;
        ShowPicture(f.state, 20, 10, "Broker01002.gph", &owner);
        Form* form = f.state.forms.find("PictForm");
        QVERIFY(!form->isVisible());
        owner.show();
        QTRY_VERIFY(form->isVisible());
        QCOMPARE(form->windowHandle()->transientParent(), owner.windowHandle());
        QCOMPARE(form->windowTitle(), QString("Form1"));
        auto* image = form->findChild<QLabel*>("Image1");
        QTRY_COMPARE(image->size(), QSize(20, 10));
        QCOMPARE(image->pixmap().size(), QSize(20, 10));

        // A second picture reuses the window; closing it keeps its place, maximised or not.
        form->showMaximized();
        ShowPicture(f.state, 40, 30, "Broker01002.gph", &owner);
        QCOMPARE(f.state.forms.find("PictForm"), form);
        QVERIFY(!form->isMaximized());
        QTRY_COMPARE(image->size(), QSize(40, 30));
        form->move(60, 45);
        form->close();
        QCOMPARE(f.state.FormLeft[10], 60 * 15);
        QCOMPARE(f.state.FormTop[10], 45 * 15);
    }

    // A FIFO in the picture's place would keep the loading waiting for a writer for ever.
    void anUnreadablePictureReachesTheCaller_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char* kind : {"missing", "FIFO", "folder"})
            QTest::newRow(kind) << QString(kind);
    }
    void anUnreadablePictureReachesTheCaller()
    {
        QFETCH(QString, kind);
        AppFixture f;
        f.state.forms.add("PictForm", [&f] { return new PictForm(f.state); });
        const QString path = f.state.path("Broker99999.gph");
        QVERIFY(kind == "missing" || (kind == "FIFO" ? ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0
                                                      : QDir().mkdir(path)));
        QWidget owner;
        try {
            ShowPicture(f.state, 20, 10, "Broker99999.gph", &owner);
            QFAIL("no error raised");
        } catch (const RuntimeError& error) {
            QCOMPARE(error.Number, RuntimeErrorNo::FileAccess);
        }
        QVERIFY(!f.state.forms.find("PictForm")->isVisible());
    }
};

REGISTER_TEST(HelpWindowTest)
REGISTER_TEST(PictureWindowTest)
#include "help_window_test.moc"
