#include "platform/rtf_writer.h"

#include "platform/cp1252.h"
#include "platform/twips.h"

#include <QColor>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <algorithm>
#include <optional>

namespace {

int twips(double pixels) { return qRound(pixels * TwipsPerPixel); }

QByteArray word(const char* name, int value) { return QByteArray(name) + QByteArray::number(value); }

// The character formats RTF keeps.
struct CharStyle {
    QString font;        // empty: the document's default font
    int halfPoints = 0;  // 0: no size of its own
    bool bold = false;
    bool italic = false;
    bool underline = false;
    QColor colour;       // invalid: the automatic colour
    bool operator==(const CharStyle&) const = default;
};

CharStyle styleOf(const QTextCharFormat& format)
{
    CharStyle style;
    style.font = format.fontFamilies().toStringList().value(0);
    if (format.hasProperty(QTextFormat::FontPointSize))
        style.halfPoints = std::clamp(qRound(format.fontPointSize() * 2), 1, 3276);
    style.bold = format.fontWeight() > QFont::Normal;
    style.italic = format.fontItalic();
    style.underline = format.fontUnderline();
    if (format.hasProperty(QTextFormat::ForegroundBrush) && format.foreground().style() != Qt::NoBrush)
        style.colour = format.foreground().color();
    return style;
}

// Text as RTF: the special characters escaped, bytes outside ASCII in hex, and characters the
// code page lacks as Unicode with "?" for readers that know no Unicode.
QByteArray escaped(const QString& text)
{
    QByteArray out;
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        if (c == QLatin1Char('\t')) {
            out += "\\tab ";
        } else if (c == QChar::LineSeparator) {
            out += "\\line ";
        } else if (c == QLatin1Char('\\') || c == QLatin1Char('{') || c == QLatin1Char('}')) {
            out += '\\';
            out += char(code);
        } else if (code >= 0x20 && code < 0x7F) {
            out += char(code);
        } else if (const QByteArray byte = cp1252::fromUnicode(QString(c)); cp1252::toUnicode(byte) == QString(c)) {
            out += "\\'" + byte.toHex();
        } else {
            out += word("\\u", qint16(code)) + '?';  // RTF's numbers are signed 16-bit
        }
    }
    return out;
}

// Qt keeps tab stops from where a paragraph's first line starts and adds one at a hanging
// indent (see the reader); RTF measures them from the margin and implies that one.
QByteArray tabStops(const QTextBlockFormat& block)
{
    QByteArray out;
    const double origin = block.leftMargin() + block.textIndent();
    bool hangingTabDropped = block.textIndent() >= 0;
    for (const QTextOption::Tab& tab : block.tabPositions()) {
        if (!hangingTabDropped && tab.position == -block.textIndent()) {
            hangingTabDropped = true;
            continue;
        }
        out += word("\\tx", twips(tab.position + origin));
    }
    return out;
}

QByteArray paragraphWords(const QTextBlockFormat& block)
{
    QByteArray out = "\\pard";
    switch (int(block.alignment() & (Qt::AlignLeft | Qt::AlignRight | Qt::AlignHCenter | Qt::AlignJustify))) {
    case Qt::AlignLeft: out += "\\ql"; break;
    case Qt::AlignHCenter: out += "\\qc"; break;
    case Qt::AlignRight: out += "\\qr"; break;
    case Qt::AlignJustify: out += "\\qj"; break;
    default: break;  // none given: left
    }
    const std::pair<const char*, double> indents[] = {
        {"\\li", block.leftMargin()}, {"\\ri", block.rightMargin()}, {"\\fi", block.textIndent()}};
    for (const auto& [name, pixels] : indents)
        if (twips(pixels) != 0)
            out += word(name, twips(pixels));
    return out + tabStops(block) + ' ';
}

class RtfWriter {
public:
    explicit RtfWriter(const QTextDocument& document) : fonts_{document.defaultFont().family()} {}
    QByteArray write(const QTextDocument& document);

private:
    void paragraph(const QTextBlock& block);
    void setStyle(const CharStyle& style);
    QByteArray tables() const;
    int fontNumber(const QString& name);
    int colourNumber(const QColor& colour);

    QByteArray body_;
    QByteArray paragraphWords_;       // the paragraph format written last, which carries on
    std::optional<CharStyle> style_;  // the style written last
    QStringList fonts_;               // \f0 is the default font
    QList<QColor> colours_;           // \cf1 onwards; \cf0 is automatic
};

QByteArray RtfWriter::write(const QTextDocument& document)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block != document.begin())
            body_ += "\\par\r\n";
        paragraph(block);
    }
    return "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1" + tables() + body_ + "}\r\n";
}

void RtfWriter::paragraph(const QTextBlock& block)
{
    // A paragraph format carries on over "\par" until the next "\pard": written only where it
    // changes, so that a notebook of short lines is saved about the size it was read.
    if (const QByteArray words = paragraphWords(block.blockFormat()); words != paragraphWords_) {
        body_ += words;
        paragraphWords_ = words;
    }
    if (block.length() == 1)  // an empty paragraph is as tall as its own font
        setStyle(styleOf(block.charFormat()));
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        setStyle(styleOf(fragment.charFormat()));
        body_ += escaped(fragment.text());
    }
}

void RtfWriter::setStyle(const CharStyle& style)
{
    if (style_ == style)
        return;
    style_ = style;
    body_ += "\\plain";
    if (!style.font.isEmpty())
        body_ += word("\\f", fontNumber(style.font));
    if (style.halfPoints > 0)
        body_ += word("\\fs", style.halfPoints);
    if (style.bold)
        body_ += "\\b";
    if (style.italic)
        body_ += "\\i";
    if (style.underline)
        body_ += "\\ul";
    if (style.colour.isValid())
        body_ += word("\\cf", colourNumber(style.colour));
    body_ += ' ';
}

int RtfWriter::fontNumber(const QString& name)
{
    if (!fonts_.contains(name))
        fonts_.append(name);
    return int(fonts_.indexOf(name));
}

int RtfWriter::colourNumber(const QColor& colour)
{
    const QColor opaque = colour.toRgb();
    if (!colours_.contains(opaque))
        colours_.append(opaque);
    return int(colours_.indexOf(opaque)) + 1;
}

QByteArray RtfWriter::tables() const
{
    QByteArray out = "{\\fonttbl";
    for (int i = 0; i < fonts_.size(); ++i)
        out += word("{\\f", i) + "\\fnil " + escaped(fonts_[i]) + ";}";
    out += "}\r\n{\\colortbl ;";
    for (const QColor& colour : colours_)
        out += word("\\red", colour.red()) + word("\\green", colour.green()) + word("\\blue", colour.blue()) + ';';
    return out + "}\r\n";
}

}  // namespace

QByteArray writeRtf(const QTextDocument& document) { return RtfWriter(document).write(document); }
