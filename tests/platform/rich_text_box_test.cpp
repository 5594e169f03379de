// The rich-text box of platform/rich_text_box.h.
#include "platform/recording_printer.h"
#include "platform/rich_text_box.h"
#include "tests/support/test_main.h"

#include <QAbstractTextDocumentLayout>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QUrl>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

namespace {

const QByteArray Rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}}\\pard\\f0\\fs20 "
                       "Hello world\\par Second \\b line\\b0  with Hello\\par }\r\n";

}  // namespace

class RichTextBoxTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheRtf()
    {
        RichTextBox box;
        box.setTextRTF(Rtf);
        QCOMPARE(box.TextRTF(), Rtf);
        QCOMPARE(box.Text(), QStringLiteral("Hello world\nSecond line with Hello\n"));
        QVERIFY(!box.document()->isUndoAvailable());
        QCOMPARE(box.document()->defaultFont().families().value(0), QStringLiteral("Arial"));
        QCOMPARE(box.palette().color(QPalette::Base), QColor(Qt::white));
    }

    void selection()
    {
        RichTextBox box;
        box.setTextRTF(Rtf);
        box.setSelStart(6);
        box.setSelLength(5);
        QCOMPARE(box.SelStart(), 6);
        QCOMPARE(box.SelLength(), 5);
        QCOMPARE(box.SelText(), QStringLiteral("world"));
        // Across a paragraph mark, which counts one.
        box.setSelLength(8);
        QCOMPARE(box.SelText(), QStringLiteral("world\nSe"));
        // A new start drops the selection; a length past the end stops at the end.
        box.setSelStart(19);
        QCOMPARE(box.SelLength(), 0);
        box.setSelLength(1000);
        QCOMPARE(box.SelText(), QStringLiteral("line with Hello\n"));
        box.setSelStart(1000);
        QCOMPARE(box.SelStart(), int(box.Text().size()));
    }

    void find()
    {
        RichTextBox box;
        box.setTextRTF(Rtf);
        QCOMPARE(box.find("hello", 0, false), 0);
        QCOMPARE(box.SelText(), QStringLiteral("Hello"));
        QCOMPARE(box.find("hello", 1, false), 29);
        QCOMPARE(box.SelStart(), 29);
        QCOMPARE(box.SelLength(), 5);
        QCOMPARE(box.find("hello", 0, true), -1);
        QCOMPARE(box.SelStart(), 29);  // a miss leaves the selection alone
        QCOMPARE(box.find("Hello", 32, true), -1);
        QCOMPARE(box.find("LINE", 0, false), 19);
    }

    void readOnlyPaneTakesOnlyCopy()
    {
        RichTextBox box;
        box.setTextRTF(Rtf);
        box.setReadOnlyPane(true);
        box.setSelStart(6);
        box.setSelLength(5);
        QGuiApplication::clipboard()->setText(QStringLiteral("pasted"));
        for (const auto key : {Qt::Key_X, Qt::Key_Space, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Return})
            QTest::keyClick(&box, key);
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(&box, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(box.Text(), QStringLiteral("Hello world\nSecond line with Hello\n"));

        QGuiApplication::clipboard()->clear();
        box.setSelStart(6);
        box.setSelLength(5);
        QTest::keyClick(&box, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("world"));

        // The keys that move still move.
        box.setSelStart(0);
        QTest::keyClick(&box, Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(&box, Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(box.SelText(), QStringLiteral("He"));

        // An editable box takes the same keys.
        box.setReadOnlyPane(false);
        box.setSelStart(0);
        QTest::keyClick(&box, Qt::Key_X);
        QVERIFY(box.Text().startsWith(QStringLiteral("xHello")));

        // Only text is pasted in: a clipboard holding nothing, or only a picture or a file, adds nothing.
        auto* picture = new QMimeData;
        picture->setImageData(QImage(4, 4, QImage::Format_RGB32));
        auto* file = new QMimeData;
        file->setUrls({QUrl::fromLocalFile("/tmp/notes.rtf")});
        for (QMimeData* held : {new QMimeData, picture, file}) {
            QGuiApplication::clipboard()->setMimeData(held);
            QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
            QVERIFY(box.Text().startsWith(QStringLiteral("xHello")));
        }
        QGuiApplication::clipboard()->setText(QStringLiteral("y"));
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
        QVERIFY(box.Text().startsWith(QStringLiteral("xyHello")));
    }

    void rightMarginWraps()
    {
        RichTextBox box;
        box.resize(600, 300);
        box.setTextRTF("{\\rtf1 " + QByteArray("words ").repeated(40) + "}");
        const auto height = [&box] {
            return box.document()->documentLayout()->blockBoundingRect(box.document()->begin()).height();
        };
        box.setRightMargin(9000);  // 600 pixels
        const qreal wide = height();
        box.setRightMargin(1500);  // 100 pixels
        QVERIFY(height() > 3 * wide);
        box.setRightMargin(0);
        QCOMPARE(box.lineWrapMode(), QTextEdit::WidgetWidth);
    }

    void printsTheSelectionOrEverything()
    {
        RichTextBox box;
        box.setTextRTF(Rtf);
        RecordingPrinterDevice printer;
        box.setSelStart(12);
        box.setSelLength(11);
        box.selPrint(printer);
        box.setSelLength(0);
        box.selPrint(printer);
        QCOMPARE(printer.documents, QStringList({"Second line", box.Text()}));
    }
};

REGISTER_TEST(RichTextBoxTest)
#include "rich_text_box_test.moc"
