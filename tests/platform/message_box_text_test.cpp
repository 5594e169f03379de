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
        QtPrompter prompter("Vestora");
        Qt::TextFormat format = Qt::AutoText;
        QString shown;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            format = box->textFormat();
            shown = box->text();
            box->button(QMessageBox::Ok)->click();
        });
        const QString name = "<h1>X</h1><img src=y.png>";
        QCOMPARE(prompter.message(name + " not found.", Prompter::OkOnly, Prompter::Question, "Sorry!"), Prompter::Ok);
        QCOMPARE(format, Qt::PlainText);
        QCOMPARE(shown, name + " not found.");
    }
};

REGISTER_TEST(MessageBoxTextTest)
#include "message_box_text_test.moc"
