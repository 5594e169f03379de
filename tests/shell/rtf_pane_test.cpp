// The item pane of the review test and the exam: larger print while its window is maximised.
#include "platform/rich_text_box.h"
#include "shell/rtf_pane.h"
#include "tests/support/test_main.h"

#include <QTest>
#include <QVBoxLayout>

class RtfPaneTest : public QObject {
    Q_OBJECT
private slots:
    void followsTheWindowsState()
    {
        QWidget window;
        auto* pane = new RtfPane("Shape3");
        (new QVBoxLayout(&window))->addWidget(pane);
        window.resize(300, 200);
        window.show();
        const QByteArray first = "{\\rtf1 x\\par \\fs20 first\\par }";
        const QByteArray second = "{\\rtf1 x\\par \\fs24 second\\par }";
        pane->setDocument(first);
        QCOMPARE(pane->box()->TextRTF(), first);
        QVERIFY(window.findChild<QWidget*>("Shape3"));

        window.showMaximized();
        QTRY_COMPARE(pane->box()->TextRTF(), QByteArray("{\\rtf1 x\\par \\fs29 first\\par }"));
        pane->setDocument(second);  // shown while maximised
        QCOMPARE(pane->box()->TextRTF(), QByteArray("{\\rtf1 x\\par \\fs34 second\\par }"));
        window.showNormal();
        QTRY_COMPARE(pane->box()->TextRTF(), second);
    }
};

REGISTER_TEST(RtfPaneTest)
#include "rtf_pane_test.moc"
