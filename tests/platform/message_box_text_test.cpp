// The real message box, answered from a timer: what it shows of the text it is given.
#include "platform/prompter.h"
#include "tests/support/test_main.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

class MessageBoxTextTest : public QObject {
    Q_OBJECT
private slots:
    void textIsShownAsGivenNeverAsMarkup()
    {
        Qt::TextFormat format = Qt::AutoText;
        QTimer::singleShot(0, [&format] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            format = box->textFormat();
            box->button(QMessageBox::Ok)->click();
        });
        QtPrompter("Vestora").message("<h1>X</h1><img src=y.png>", Prompter::OkOnly, Prompter::Question, "Sorry!");
        QCOMPARE(format, Qt::PlainText);
    }
};

REGISTER_TEST(MessageBoxTextTest)
#include "message_box_text_test.moc"
