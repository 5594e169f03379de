// The RTF reader of platform/rtf_reader.h.
#include "platform/rtf_reader.h"
#include "tests/support/test_main.h"

#include <QTest>
#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextLayout>
#include <QTextCursor>
#include <QTextDocument>

namespace {

const QByteArray Header =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033"
    "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\froman\\fprq2 Times New Roman;}{\\f2\\fmodern Courier New;}}\r\n"
    "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue128;}\r\n"
    "{\\*\\generator Riched20 5.40;}\\viewkind4\\uc1\\pard\\f0\\fs20 ";

// A help page as the course data holds it, closed the way every piece is.
const QByteArray Page = Header +
    "\\par 01 \\qc\\b\\fs28 Using the Review\\b0\\fs20\\par\r\n"
    "\\pard\\tx1440\\tx2880\\li360\\fi-360 1.\\tab Read each item {\\i carefully}.\\par\r\n"
    "\\'97\\'97\\'97 rule \x97 and \\u8212? dash\\line next\\\r\n"
    "{\\cf1 Red} caf\\'e9 \\{x\\} a\\\\b\\par }\r\n";

struct Read {
    QTextDocument document;
    explicit Read(const QByteArray& rtf) { readRtf(rtf, document); }
    QString text() const { return document.toPlainText(); }
    // The format of the character at a 0-based position.
    QTextCharFormat charAt(int position)
    {
        QTextCursor cursor(&document);
        cursor.setPosition(position + 1);
        return cursor.charFormat();
    }
    QTextCharFormat charOf(const QString& word) { return charAt(int(text().indexOf(word))); }
    QTextBlockFormat blockOf(const QString& word)
    {
        return document.findBlock(int(text().indexOf(word))).blockFormat();
    }
};

}  // namespace

class RtfReaderTest : public QObject {
    Q_OBJECT

private slots:
    void courseStylePage()
    {
        Read page(Page);
        QCOMPARE(page.text(), QStringLiteral("\n01 Using the Review\n1.\tRead each item carefully.\n"
                                             "\u2014\u2014\u2014 rule \u2014 and \u2014 dash\nnext\n"
                                             "Red caf\u00e9 {x} a\\b\n"));
        QCOMPARE(page.document.blockCount(), 6);

        // The heading: centred, bold, 14 points; its paragraph mark keeps the format in force.
        QCOMPARE(page.blockOf("Using").alignment(), Qt::AlignHCenter);
        QCOMPARE(page.charOf("Using").fontWeight(), int(QFont::Bold));
        QCOMPARE(page.charOf("Using").fontPointSize(), 14.0);
        QCOMPARE(page.charOf("Using").fontFamilies().toStringList(), QStringList{"Arial"});

        // \pard dropped the centring; indents in pixels at 15 twips each.
        const QTextBlockFormat item = page.blockOf("Read each");
        QCOMPARE(item.alignment(), Qt::AlignLeft);
        QCOMPARE(item.leftMargin(), 24.0);
        QCOMPARE(item.textIndent(), -24.0);
        QCOMPARE(page.charOf("Read").fontPointSize(), 10.0);
        QVERIFY(page.charOf("carefully").fontItalic());
        QVERIFY(!page.charOf(".\n\u2014").fontItalic());  // the group's italics end at its brace
        // Paragraph formats carry on until the next \pard.
        QCOMPARE(page.blockOf("rule").leftMargin(), 24.0);
    }

    void characterFormats()
    {
        Read doc("{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1 Times New Roman;}{\\f2 Courier New;}}"
                 "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue128;\\green128;}"
                 "A\\b B\\b0 C\\i D\\i0 E\\ul F\\ulnone G\\ul H\\ul0 I\\fs24 J\\fs17 K"
                 "\\f1 L\\f2 M\\f7 N\\cf2 O\\cf1 P\\cf0 Q\\cf9 R\\b\\i\\ul\\cf1\\plain S\\cf3 T}");
        QCOMPARE(doc.text(), QStringLiteral("ABCDEFGHIJKLMNOPQRST"));
        QCOMPARE(doc.charOf("A").fontPointSize(), 12.0);  // RTF's own default size
        QCOMPARE(doc.charOf("B").fontWeight(), int(QFont::Bold));
        QCOMPARE(doc.charOf("C").fontWeight(), int(QFont::Normal));
        QVERIFY(doc.charOf("D").fontItalic());
        QVERIFY(!doc.charOf("E").fontItalic());
        QVERIFY(doc.charOf("F").fontUnderline());
        QVERIFY(!doc.charOf("G").fontUnderline());
        QVERIFY(doc.charOf("H").fontUnderline());
        QVERIFY(!doc.charOf("I").fontUnderline());
        QCOMPARE(doc.charOf("J").fontPointSize(), 12.0);
        QCOMPARE(doc.charOf("K").fontPointSize(), 8.5);
        QCOMPARE(doc.charOf("L").fontFamilies().toStringList(), QStringList{"Times New Roman"});
        QCOMPARE(doc.charOf("M").fontFamilies().toStringList(), QStringList{"Courier New"});
        QCOMPARE(doc.charOf("N").fontFamilies().toStringList(), QStringList{"Courier New"});  // no font 7
        QCOMPARE(doc.charOf("O").foreground().color(), QColor(0, 0, 128));
        QCOMPARE(doc.charOf("P").foreground().color(), QColor(255, 0, 0));
        QVERIFY(!doc.charOf("Q").hasProperty(QTextFormat::ForegroundBrush));  // colour 0 is "auto"
        QVERIFY(!doc.charOf("R").hasProperty(QTextFormat::ForegroundBrush));
        const QTextCharFormat plain = doc.charOf("S");
        QVERIFY(plain.fontWeight() != QFont::Bold && !plain.fontItalic() && !plain.fontUnderline());
        QVERIFY(!plain.hasProperty(QTextFormat::ForegroundBrush));
        QVERIFY(!plain.hasProperty(QTextFormat::FontFamilies));
        QCOMPARE(plain.fontPointSize(), 12.0);
        QCOMPARE(doc.charOf("T").foreground().color(), QColor(0, 128, 0));  // what an entry omits is 0
    }

    void paragraphFormats()
    {
        Read doc("{\\rtf1\\qc A\\par\\qr B\\par\\qj C\\par\\ql D\\par\\li1440\\ri720\\fi300\\tx2880 E\\par"
                 "\\pard F\\par{\\qc G\\par}H\\par}");
        QCOMPARE(doc.text(), QStringLiteral("A\nB\nC\nD\nE\nF\nG\nH\n"));
        QCOMPARE(doc.blockOf("A").alignment(), Qt::AlignHCenter);
        QCOMPARE(doc.blockOf("B").alignment(), Qt::AlignRight);
        QCOMPARE(doc.blockOf("C").alignment(), Qt::AlignJustify);
        QCOMPARE(doc.blockOf("D").alignment(), Qt::AlignLeft);
        const QTextBlockFormat e = doc.blockOf("E");
        QCOMPARE(e.leftMargin(), 96.0);
        QCOMPARE(e.rightMargin(), 48.0);
        QCOMPARE(e.textIndent(), 20.0);
        QCOMPARE(e.tabPositions().size(), 1);
        const QTextBlockFormat f = doc.blockOf("F");
        QCOMPARE(f.leftMargin(), 0.0);
        QCOMPARE(f.rightMargin(), 0.0);
        QCOMPARE(f.textIndent(), 0.0);
        QVERIFY(f.tabPositions().isEmpty());
        QCOMPARE(doc.blockOf("G").alignment(), Qt::AlignHCenter);
        QCOMPARE(doc.blockOf("H").alignment(), Qt::AlignLeft);  // restored after the group
    }

    // Where the text after a tab starts, in pixels from the margin.
    void tabStopsFromTheMargin_data()
    {
        QTest::addColumn<QByteArray>("paragraph");
        QTest::addColumn<double>("x");
        QTest::newRow("tab stop") << QByteArray("\\tx1440 a\\tab b") << 96.0;
        QTest::newRow("second stop") << QByteArray("\\tx240\\tx1440 a\\tab\\tab b") << 96.0;
        QTest::newRow("indented") << QByteArray("\\li720\\tx1440 a\\tab b") << 96.0;
        QTest::newRow("hanging indent") << QByteArray("\\li720\\fi-360\\tx1440 1.\\tab b") << 48.0;
        QTest::newRow("past the hanging indent") << QByteArray("\\li360\\fi-360\\tx1440 1234567\\tab b") << 96.0;
        QTest::newRow("default stops") << QByteArray("a\\tab b") << 48.0;
    }
    void tabStopsFromTheMargin()
    {
        QFETCH(QByteArray, paragraph);
        QFETCH(double, x);
        Read doc("{\\rtf1 " + paragraph + "}");
        doc.document.setDocumentMargin(0);
        doc.document.setTextWidth(600);
        doc.document.size();  // lays the text out
        const QTextBlock block = doc.document.begin();
        const int b = int(block.text().indexOf('b'));
        const QTextLine line = block.layout()->lineForTextPosition(b);
        QCOMPARE(block.layout()->position().x() + line.cursorToX(b), x);
    }

    void specialCharacters_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("text");
        QTest::newRow("hex em dash") << QByteArray("a\\'97b") << QStringLiteral("a\u2014b");
        QTest::newRow("raw em dash") << QByteArray("a\x97" "b") << QStringLiteral("a\u2014b");
        QTest::newRow("unicode with fallback") << QByteArray("a\\u8212?b") << QStringLiteral("a\u2014b");
        QTest::newRow("fallback as hex") << QByteArray("\\u8212\\'97b") << QStringLiteral("\u2014b");
        QTest::newRow("two-character fallback") << QByteArray("\\uc2\\u8212--b") << QStringLiteral("\u2014b");
        QTest::newRow("negative unicode") << QByteArray("\\u-3913?") << QStringLiteral("\uf0b7");
        QTest::newRow("fallback ends at a brace") << QByteArray("{\\uc3\\u8212?}b") << QStringLiteral("\u2014b");
        QTest::newRow("fallback count is per group") << QByteArray("{\\uc0 x}\\u8212?b") << QStringLiteral("x\u2014b");
        QTest::newRow("escaped") << QByteArray("\\{\\}\\\\") << QStringLiteral("{}\\");
        QTest::newRow("tab and line") << QByteArray("a\\tab b\\line c") << QStringLiteral("a\tb\u2028c");
        QTest::newRow("no-break space") << QByteArray("a\\~b") << QStringLiteral("a\u00a0b");
        QTest::newRow("source line breaks") << QByteArray("a\r\nb\nc") << QStringLiteral("abc");
        QTest::newRow("word delimiter") << QByteArray("\\b  x\\b0 y") << QStringLiteral(" xy");
        QTest::newRow("unknown words") << QByteArray("\\viewkind4\\deflang1033\\sa200 x\\zz-12y") << QStringLiteral("xy");
    }
    void specialCharacters()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, text);
        Read doc("{\\rtf1\\ansi " + body + "}");
        QCOMPARE(doc.document.toRawText(), text);  // the document's own characters, not plain text's
    }

    void paragraphMarks_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("text");
        QTest::newRow("par") << QByteArray("a\\par b") << QStringLiteral("a\nb");
        QTest::newRow("backslash CR LF") << QByteArray("a\\\r\nb") << QStringLiteral("a\nb");
        QTest::newRow("backslash LF") << QByteArray("a\\\nb") << QStringLiteral("a\nb");
        // A choice blanked out of a question leaves an empty paragraph.
        QTest::newRow("blanked choice") << QByteArray("\\par A. one\\\r\n\\par C. three")
                                        << QStringLiteral("\nA. one\n\nC. three");
        QTest::newRow("closing") << QByteArray("a\\par ") << QStringLiteral("a\n");
    }
    void paragraphMarks()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, text);
        Read doc("{\\rtf1 " + body + "}");
        QCOMPARE(doc.text(), text);
    }

    void ignoredDestinations_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::newRow("starred") << QByteArray("{\\rtf1{\\*\\generator Riched20;}{\\*\\anything {x}y}T}");
        QTest::newRow("stylesheet") << QByteArray("{\\rtf1{\\stylesheet{\\s0 Normal;}{\\s1 Heading;}}T}");
        QTest::newRow("info") << QByteArray("{\\rtf1{\\info{\\title Secret}{\\author Me}}T}");
        QTest::newRow("picture") << QByteArray("{\\rtf1{\\pict\\wmetafile8 0123abcdef}T}");
        QTest::newRow("binary picture") << QByteArray("{\\rtf1{\\pict\\bin3 }{x}T}");
        QTest::newRow("field instruction") << QByteArray("{\\rtf1{\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt T}}}");
        QTest::newRow("text after the end") << QByteArray("{\\rtf1 T}\r\nmore text");
    }
    void ignoredDestinations()
    {
        QFETCH(QByteArray, rtf);
        QCOMPARE(Read(rtf).text(), QStringLiteral("T"));
    }

    void malformed_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QByteArray() << QString();
        QTest::newRow("plain text") << QByteArray("just text") << QStringLiteral("just text");
        QTest::newRow("unclosed") << QByteArray("{\\rtf1 {\\b a") << QStringLiteral("a");
        QTest::newRow("stray brace inside") << QByteArray("{\\rtf1 a} b}") << QStringLiteral("a b");
        QTest::newRow("lone backslash") << QByteArray("{\\rtf1 a\\") << QStringLiteral("a");
        QTest::newRow("truncated word") << QByteArray("{\\rtf1 a\\fs") << QStringLiteral("a");
        QTest::newRow("truncated hex") << QByteArray("{\\rtf1 a\\'9") << QStringLiteral("a");
        QTest::newRow("truncated unicode") << QByteArray("{\\rtf1 a\\u") << QStringLiteral("a");
        QTest::newRow("huge numbers") << QByteArray("{\\rtf1\\fs999999999999\\li-99999999999\\u99999999999?a}")
                                      << QStringLiteral("\uffffa");
        QTest::newRow("binary past the end") << QByteArray("{\\rtf1 a{\\bin999 xyz") << QStringLiteral("a");
        QTest::newRow("unterminated table") << QByteArray("{\\rtf1{\\fonttbl{\\f0 Ari") << QString();
    }
    void malformed()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, text);
        QCOMPARE(Read(rtf).text(), text);
    }

    void everyTruncationReadsAPrefix()
    {
        const QString full = Read(Page).text();
        for (qsizetype n = 0; n <= Page.size(); ++n) {
            const QString part = Read(Page.left(n)).text();
            // A number cut short may give one character of its own at the very end.
            QVERIFY2(full.startsWith(part.chopped(part.isEmpty() ? 0 : 1)),
                     qPrintable(QStringLiteral("cut at %1: %2").arg(n).arg(part)));
        }
    }

    void replacesTheDocument()
    {
        QTextDocument document;
        readRtf("{\\rtf1\\b old\\par old}", document);
        readRtf("{\\rtf1 new}", document);
        QCOMPARE(document.toPlainText(), QStringLiteral("new"));
        QCOMPARE(document.blockCount(), 1);
    }
};

REGISTER_TEST(RtfReaderTest)
#include "rtf_reader_test.moc"
