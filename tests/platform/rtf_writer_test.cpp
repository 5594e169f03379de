// The RTF writer of platform/rtf_writer.h, against the reader it writes for.
#include "platform/rtf_reader.h"
#include "platform/rtf_writer.h"
#include "tests/support/test_main.h"

#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>

namespace {

// Every paragraph and every run of text with its format, one line each.
QStringList described(const QTextDocument& document)
{
    const auto chars = [](const QTextCharFormat& f) {
        const QColor colour = f.hasProperty(QTextFormat::ForegroundBrush) ? f.foreground().color() : QColor();
        return QStringLiteral("%1 %2pt w%3 i%4 u%5 %6")
            .arg(f.fontFamilies().toStringList().join('/')).arg(f.fontPointSize())
            .arg(f.fontWeight()).arg(f.fontItalic()).arg(f.fontUnderline()).arg(colour.name());
    };
    QStringList lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextBlockFormat f = block.blockFormat();
        QString tabs;
        for (const QTextOption::Tab& tab : f.tabPositions())
            tabs += QStringLiteral(" %1").arg(tab.position);
        lines << QStringLiteral("align %1 li %2 ri %3 fi %4 tabs%5 mark %6")
                     .arg(int(f.alignment())).arg(f.leftMargin()).arg(f.rightMargin()).arg(f.textIndent())
                     .arg(tabs, block.length() == 1 ? chars(block.charFormat()) : "");
        for (auto it = block.begin(); !it.atEnd(); ++it)
            lines << "  [" + it.fragment().text() + "] " + chars(it.fragment().charFormat());
    }
    return lines;
}

}  // namespace

class RtfWriterTest : public QObject {
    Q_OBJECT

private slots:
    // A notebook as its template and the user's typing leave it, with text RTF must escape and
    // characters in and beyond the code page: what is written is plain ASCII, reads back the
    // same, and written again gives the same bytes.
    void roundTripKeepsTextAndFormatting()
    {
        QTextDocument original;
        readRtf("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\froman Times New Roman;}}"
                "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green128\\blue0;}"
                "\\pard\\b\\f0\\fs23 RichTextBox1\\par\\b\\qc Review Notes\\par\\pard\\plain Prepared by me\\par"
                "\\qr\\li720\\ri360\\fi-360\\tx2880 1.\\tab {\\i\\f1\\fs32 big} {\\ul\\cf1 red}\\cf2 green\\par"
                "\\pard\\qj\\li1440\\fi480\\tx2160\\tx4320\\fs17 small\\tab text\\line next\\par"
                "\\pard\\fs40\\par\\pard  caf\\'e9 \\'80\\~\\u945?\\u-10179?\\u-8704? \\{\\par\\}\\\\b0 \\par"
                "\\pard\\b\\i\\ul\\cf1\\f1 all at once}",
                original);
        // What typing adds: a font the table did not have, an uncommon size and colour.
        QTextCursor cursor(&original);
        cursor.movePosition(QTextCursor::End);
        QTextCharFormat typed;
        typed.setFontFamilies({"Courier New"});
        typed.setFontPointSize(9.5);
        typed.setForeground(QColor(1, 2, 3));
        cursor.insertText(" typed \u4e2d", typed);
        cursor.insertBlock(QTextBlockFormat(), typed);

        const QByteArray rtf = writeRtf(original);
        QVERIFY(std::all_of(rtf.begin(), rtf.end(), [](char c) { return c > 0 && c < 0x7F; }));
        QVERIFY(rtf.contains("\\u945?\\u-10179?\\u-8704?"));  // signed 16-bit above 32767
        QTextDocument readBack;
        readRtf(rtf, readBack);
        QCOMPARE(described(readBack), described(original));
        QCOMPARE(writeRtf(readBack), rtf);
    }

    // A paragraph format carries on until it changes, as in RTF: a large notebook of short lines
    // is saved at about the size it was read, not twice that.
    void paragraphsInOneFormatAreWrittenAtTheirOwnSize()
    {
        const QByteArray lines = QByteArray("\\par a short line\r\n\\par \r\n").repeated(1000);
        QTextDocument document;
        readRtf("{\\rtf1\\ansi\\deff0\\pard\\qc " + lines + "}", document);
        const QByteArray rtf = writeRtf(document);
        QVERIFY2(rtf.size() < lines.size() + 200, QByteArray::number(rtf.size()));
        QCOMPARE(rtf.count("\\pard"), 1);
    }
};

REGISTER_TEST(RtfWriterTest)
#include "rtf_writer_test.moc"
