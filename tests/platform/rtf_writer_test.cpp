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

// Every paragraph with its format, and every run of text with its own, one line each, so that
// two documents compare line by line.
QStringList described(const QTextDocument& document)
{
    QStringList lines;
    const auto chars = [](const QTextCharFormat& f) {
        return QStringLiteral("%1 %2pt w%3 i%4 u%5 %6")
            .arg(f.fontFamilies().toStringList().join('/'))
            .arg(f.fontPointSize())
            .arg(f.fontWeight())
            .arg(f.fontItalic())
            .arg(f.fontUnderline())
            .arg(f.hasProperty(QTextFormat::ForegroundBrush) ? f.foreground().color().name() : "auto");
    };
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextBlockFormat f = block.blockFormat();
        QStringList tabs;
        for (const QTextOption::Tab& tab : f.tabPositions())
            tabs << QString::number(tab.position);
        lines << QStringLiteral("paragraph align %1 li %2 ri %3 fi %4 tabs %5 mark %6")
                     .arg(int(f.alignment()))
                     .arg(f.leftMargin())
                     .arg(f.rightMargin())
                     .arg(f.textIndent())
                     .arg(tabs.join(','))
                     .arg(block.length() == 1 ? chars(block.charFormat()) : QString());
        for (auto it = block.begin(); !it.atEnd(); ++it)
            lines << "  [" + it.fragment().text() + "] " + chars(it.fragment().charFormat());
    }
    return lines;
}

QByteArray roundTrip(const QTextDocument& document, QTextDocument& readBack)
{
    const QByteArray rtf = writeRtf(document);
    readRtf(rtf, readBack);
    return rtf;
}

}  // namespace

class RtfWriterTest : public QObject {
    Q_OBJECT

private slots:
    // A notebook as the course's RTF and the user's typing leave it: what is written reads back
    // the same, and writing that again gives the same bytes.
    void roundTripKeepsTheFormatting()
    {
        QTextDocument original;
        readRtf("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\froman Times New Roman;}}"
                "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green128\\blue0;}"
                "\\pard\\b\\f0\\fs23 RichTextBox1\\par\\b\\qc Review Notes\\par\\pard\\plain Prepared by me\\par"
                "\\qr\\li720\\ri360\\fi-360\\tx2880 1.\\tab {\\i\\f1\\fs32 big} {\\ul\\cf1 red}\\cf2 green\\par"
                "\\pard\\qj\\li1440\\fi480\\tx2160\\tx4320\\fs17 small\\tab text\\line next\\par"
                "\\pard\\fs40\\par"
                "\\pard\\b\\i\\ul\\cf1\\f1 all at once}",
                original);
        // What typing adds: a font the table did not have, an uncommon size and colour.
        QTextCursor cursor(&original);
        cursor.movePosition(QTextCursor::End);
        QTextCharFormat typed;
        typed.setFontFamilies({"Courier New"});
        typed.setFontPointSize(9.5);
        typed.setForeground(QColor(1, 2, 3));
        cursor.insertText(" typed", typed);
        cursor.insertBlock(QTextBlockFormat(), typed);

        QTextDocument readBack;
        const QByteArray rtf = roundTrip(original, readBack);
        QCOMPARE(described(readBack), described(original));
        QTextDocument again;
        QCOMPARE(roundTrip(readBack, again), rtf);
    }

    // Text that RTF must escape, bytes of the code page and characters beyond it; the file itself
    // stays in plain ASCII, as RTF readers expect.
    void roundTripKeepsTheText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("braces and backslashes") << QStringLiteral("{a}\\b\\\\{{");
        QTest::newRow("tabs and line breaks") << QStringLiteral("a\tb\u2028c\td");
        QTest::newRow("code page") << QStringLiteral("caf\u00e9 \u20ac5 \u2014 \u201cquoted\u201d \u00a0\u00ff");
        QTest::newRow("beyond the code page") << QStringLiteral("\u03b1\u03b2 \u2011 \u4e2d \U0001F600 \uf0b7");
        QTest::newRow("control words look-alikes") << QStringLiteral("\\par \\b0 ?x 1\\'41");
        QTest::newRow("paragraphs") << QStringLiteral("one\n\n\nfour\n");
        QTest::newRow("empty") << QString();
        QTest::newRow("leading blanks") << QStringLiteral("  two blanks\n   three");
    }
    void roundTripKeepsTheText()
    {
        QFETCH(QString, text);
        QTextDocument original;
        original.setPlainText(text);
        QTextDocument readBack;
        const QByteArray rtf = roundTrip(original, readBack);
        QCOMPARE(readBack.toRawText(), original.toRawText());  // line breaks and no-break spaces as they are
        QCOMPARE(readBack.blockCount(), original.blockCount());
        QVERIFY(std::all_of(rtf.begin(), rtf.end(), [](char c) { return c > 0 && c < 0x7F; }));
    }

    // A word processor needs the header and the tables whole: the default font first, and
    // one colour entry per colour used, after the automatic one.
    void writesTheTables()
    {
        QTextDocument document;
        document.setDefaultFont(QFont("Arial"));
        readRtf("{\\rtf1{\\fonttbl{\\f0 Times New Roman;}}{\\colortbl;\\red0\\green0\\blue255;}"
                "plain \\f0 roman \\cf1 blue}",
                document);
        const QByteArray rtf = writeRtf(document);
        QVERIFY(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0"));
        QVERIFY(rtf.contains("{\\fonttbl{\\f0\\fnil Arial;}{\\f1\\fnil Times New Roman;}}"));
        QVERIFY(rtf.contains("{\\colortbl ;\\red0\\green0\\blue255;}"));
        QVERIFY(rtf.endsWith("}\r\n"));
        QCOMPARE(rtf.count('{'), rtf.count('}'));
    }
};

REGISTER_TEST(RtfWriterTest)
#include "rtf_writer_test.moc"
