// The real message box, answered from a timer: what it shows of the text it is given, and what
// Escape and the close box answer.
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

    void escapeAnswersOnlyWhereThereIsCancel()
    {
        // A Yes/No question offers no close box and stays open through Escape and a close
        // until Yes is pressed.
        bool stayedOpen = false;
        QTimer::singleShot(0, [&stayedOpen] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            QVERIFY(!box->windowFlags().testFlag(Qt::WindowCloseButtonHint));
            QTest::keyClick(box, Qt::Key_Escape);
            box->close();
            stayedOpen = box->isVisible();
            box->button(QMessageBox::Yes)->click();
        });
        QCOMPARE(QtPrompter("Vestora").message("Save?", Prompter::YesNo, Prompter::Question, ""), Prompter::Yes);
        QVERIFY(stayedOpen);
        QTimer::singleShot(0, [] {
            QVERIFY(QApplication::activeModalWidget()->windowFlags().testFlag(Qt::WindowCloseButtonHint));
            QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape);
        });
        QCOMPARE(QtPrompter("Vestora").message("Go on?", Prompter::OkCancel, Prompter::Question, ""), Prompter::Cancel);
    }
};

REGISTER_TEST(MessageBoxTextTest)
#include "message_box_text_test.moc"
