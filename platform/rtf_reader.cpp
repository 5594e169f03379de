#include "platform/rtf_reader.h"

#include "platform/cp1252.h"
#include "platform/twips.h"

#include <QColor>
#include <QHash>
#include <QSet>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <climits>
#include <vector>

namespace {

constexpr double DefaultPointSize = 12.0;  // RTF's own default, \fs24

// Where the text of a group goes.
enum class Destination { Text, FontTable, ColorTable, Skip };

// Indents and tab stops, bounded by the widest page an RTF editor offers (22 inches).
double pixels(int twips) { return std::clamp(twips, -31680, 31680) / TwipsPerPixel; }

// Qt measures tab stops from where a paragraph's first line starts, RTF from the margin; and in
// RTF a hanging indent is a tab stop as well, so that "1.\tab text" lines the text up at the indent.
QTextBlockFormat shownBlock(QTextBlockFormat block)
{
    const double origin = block.leftMargin() + block.textIndent();
    QList<QTextOption::Tab> tabs;
    if (block.textIndent() < 0)
        tabs.append(QTextOption::Tab(-block.textIndent(), QTextOption::LeftTab));
    for (QTextOption::Tab tab : block.tabPositions()) {
        tab.position -= origin;
        if (tab.position > 0)
            tabs.append(tab);
    }
    std::sort(tabs.begin(), tabs.end(), [](const auto& a, const auto& b) { return a.position < b.position; });
    block.setTabPositions(tabs);
    return block;
}

QTextCharFormat plainChars()
{
    QTextCharFormat format;
    format.setFontPointSize(DefaultPointSize);
    return format;
}

// What a group inherits from its parent and drops again at its closing brace.
struct GroupState {
    Destination destination = Destination::Text;
    QTextCharFormat chars = plainChars();
    QTextBlockFormat block;
    int fallbackLength = 1;  // \ucN: how many characters after \uN stand in for it
};

// Destinations whose text is never shown; any group opened by \* is skipped as well.
bool isIgnoredDestination(const QByteArray& word)
{
    static const QSet<QByteArray> words = {
        "stylesheet", "info", "pict", "object", "header", "headerl", "headerr", "headerf",
        "footer", "footerl", "footerr", "footerf", "footnote", "fldinst", "listtable",
        "listoverridetable", "revtbl", "rsidtbl", "filetbl", "generator", "xmlnstbl",
        "themedata", "colorschememapping", "latentstyles", "datastore"};
    return words.contains(word);
}

QChar byteChar(unsigned char byte)
{
    static const QString page = [] {
        QByteArray all(256, '\0');
        for (int b = 0; b < 256; ++b)
            all[b] = char(b);
        return cp1252::toUnicode(all);
    }();
    return page.at(byte);
}

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

int hexValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

class RtfReader {
public:
    RtfReader(const QByteArray& rtf, QTextDocument& document)
        : rtf_(rtf), cursor_(&document), documentEnd_(rtf.lastIndexOf('}')) {}
    void read();

private:
    GroupState& state() { return stack_.back(); }
    bool atEnd() const { return pos_ >= rtf_.size(); }
    bool closeGroup();
    void escape();
    void controlWord();
    void controlSymbol(char symbol);
    void word(const QByteArray& name, bool hasParam, int param);
    void textWord(const QByteArray& name, bool hasParam, int param);
    void addText(QChar c);
    void paragraph();
    void flush();
    void formatBlock();

    const QByteArray& rtf_;
    qsizetype pos_ = 0;
    QTextCursor cursor_;
    const qsizetype documentEnd_;  // the last "}" closes the document; anything after it is not read
    std::vector<GroupState> stack_{GroupState{}};
    QString pending_;   // text not yet inserted, all in the current group's character format
    int fallbackLeft_ = 0;
    QHash<int, QString> fonts_;
    int fontNo_ = 0;
    QString fontName_;
    std::vector<QColor> colors_;  // an invalid colour is the "auto" entry
    int red_ = 0, green_ = 0, blue_ = 0;
    bool colorGiven_ = false;
};

void RtfReader::read()
{
    cursor_.beginEditBlock();
    while (!atEnd()) {
        const char c = rtf_.at(pos_++);
        if (c == '{') {
            flush();
            fallbackLeft_ = 0;
            stack_.push_back(state());
        } else if (c == '}') {
            if (!closeGroup())
                break;
        } else if (c == '\\') {
            escape();
        } else if (c != '\r' && c != '\n' && (static_cast<unsigned char>(c) >= 0x20 || c == '\t')) {
            addText(byteChar(c));  // line breaks and control bytes in the source are not text
        }
    }
    flush();
    formatBlock();
    cursor_.endEditBlock();
}

// False when this brace closes the document.
bool RtfReader::closeGroup()
{
    flush();
    fallbackLeft_ = 0;
    if (stack_.size() > 2) {
        stack_.pop_back();
        return true;
    }
    // The outermost group ends only at the document's last brace: an earlier stray one does not
    // cut the rest of the text off, and a brace with no group open is ignored.
    return !(stack_.size() == 2 && pos_ - 1 == documentEnd_);
}

void RtfReader::escape()
{
    flush();
    if (atEnd())
        return;
    if (isLetter(rtf_.at(pos_)))
        controlWord();
    else
        controlSymbol(rtf_.at(pos_++));
}

void RtfReader::controlWord()
{
    const qsizetype start = pos_;
    while (!atEnd() && isLetter(rtf_.at(pos_)))
        ++pos_;
    const QByteArray name = rtf_.mid(start, pos_ - start);
    const bool negative = pos_ + 1 < rtf_.size() && rtf_.at(pos_) == '-' && isDigit(rtf_.at(pos_ + 1));
    if (negative)
        ++pos_;
    bool hasParam = false;
    qint64 value = 0;
    while (!atEnd() && isDigit(rtf_.at(pos_))) {
        hasParam = true;
        value = std::min<qint64>(value * 10 + (rtf_.at(pos_++) - '0'), INT_MAX);
    }
    if (!atEnd() && rtf_.at(pos_) == ' ')
        ++pos_;  // the delimiting blank belongs to the word
    if (fallbackLeft_ > 0) {
        --fallbackLeft_;
        return;
    }
    word(name, hasParam, int(negative ? -value : value));
}

void RtfReader::controlSymbol(char symbol)
{
    switch (symbol) {
    case '\\':
    case '{':
    case '}':
        addText(QLatin1Char(symbol));
        return;
    case '~':
        addText(QChar(0x00A0));
        return;
    case '_':
        addText(QChar(0x2011));
        return;
    case '\'': {
        // A byte in two hex digits; an incomplete one is dropped.
        const int high = atEnd() ? -1 : hexValue(rtf_.at(pos_));
        if (high < 0)
            return;
        ++pos_;
        const int low = atEnd() ? -1 : hexValue(rtf_.at(pos_));
        if (low < 0)
            return;
        ++pos_;
        addText(byteChar(static_cast<unsigned char>(high * 16 + low)));
        return;
    }
    }
    if (fallbackLeft_ > 0) {
        --fallbackLeft_;
        return;
    }
    if (symbol == '*')
        state().destination = Destination::Skip;
    else if (symbol == '\r' || symbol == '\n')
        word("par", false, 0);  // a backslash before a line break is a paragraph mark
}

void RtfReader::word(const QByteArray& name, bool hasParam, int param)
{
    if (name == "uc") {
        state().fallbackLength = std::max(0, param);
    } else if (name == "u" && hasParam) {
        addText(QChar(char16_t(param < 0 ? param + 65536 : param)));
        fallbackLeft_ = state().fallbackLength;
    } else if (name == "bin") {
        pos_ += std::min<qsizetype>(std::max(0, param), rtf_.size() - pos_);  // raw data of a picture
    } else if (name == "fonttbl") {
        state().destination = Destination::FontTable;
    } else if (name == "colortbl") {
        state().destination = Destination::ColorTable;
    } else if (isIgnoredDestination(name)) {
        state().destination = Destination::Skip;
    } else if (state().destination == Destination::FontTable) {
        if (name == "f")
            fontNo_ = param;
    } else if (state().destination == Destination::ColorTable) {
        const int value = std::clamp(param, 0, 255);
        if (name == "red")
            red_ = value;
        else if (name == "green")
            green_ = value;
        else if (name == "blue")
            blue_ = value;
        colorGiven_ = colorGiven_ || name == "red" || name == "green" || name == "blue";
    } else if (state().destination == Destination::Text) {
        textWord(name, hasParam, param);
    }
}

// Control words of the shown text: paragraph marks and character and paragraph formats.
void RtfReader::textWord(const QByteArray& name, bool hasParam, int param)
{
    QTextCharFormat& chars = state().chars;
    QTextBlockFormat& block = state().block;
    const bool on = !hasParam || param != 0;
    if (name == "par")
        paragraph();
    else if (name == "tab")
        addText(QLatin1Char('\t'));
    else if (name == "line")
        addText(QChar::LineSeparator);
    else if (name == "pard")
        block = QTextBlockFormat();
    else if (name == "plain")
        chars = plainChars();
    else if (name == "b")
        chars.setFontWeight(on ? QFont::Bold : QFont::Normal);
    else if (name == "i")
        chars.setFontItalic(on);
    else if (name == "ul")
        chars.setFontUnderline(on);
    else if (name == "ulnone")
        chars.setFontUnderline(false);
    else if (name == "fs" && param > 0)
        chars.setFontPointSize(std::min(param, 3276) / 2.0);
    else if (name == "f" && fonts_.contains(param))
        chars.setFontFamilies(QStringList{fonts_.value(param)});
    else if (name == "cf" && param > 0 && param < int(colors_.size()) && colors_[param].isValid())
        chars.setForeground(colors_[param]);
    else if (name == "cf")
        chars.clearForeground();
    else if (name == "ql")
        block.setAlignment(Qt::AlignLeft);
    else if (name == "qc")
        block.setAlignment(Qt::AlignHCenter);
    else if (name == "qr")
        block.setAlignment(Qt::AlignRight);
    else if (name == "qj")
        block.setAlignment(Qt::AlignJustify);
    else if (name == "li")
        block.setLeftMargin(pixels(param));
    else if (name == "ri")
        block.setRightMargin(pixels(param));
    else if (name == "fi")
        block.setTextIndent(pixels(param));
    else if (name == "tx") {
        auto tabs = block.tabPositions();
        tabs.append(QTextOption::Tab(pixels(param), QTextOption::LeftTab));
        block.setTabPositions(tabs);
    }
}

void RtfReader::addText(QChar c)
{
    if (fallbackLeft_ > 0) {
        --fallbackLeft_;
        return;
    }
    switch (state().destination) {
    case Destination::Text:
        pending_ += c;
        break;
    case Destination::FontTable:
        if (c == QLatin1Char(';')) {
            fonts_.insert(fontNo_, fontName_.trimmed());
            fontName_.clear();
        } else {
            fontName_ += c;
        }
        break;
    case Destination::ColorTable:
        if (c == QLatin1Char(';')) {
            colors_.push_back(colorGiven_ ? QColor(red_, green_, blue_) : QColor());
            red_ = green_ = blue_ = 0;
            colorGiven_ = false;
        }
        break;
    case Destination::Skip:
        break;
    }
}

// A paragraph takes the paragraph format in force at its mark.
void RtfReader::paragraph()
{
    formatBlock();
    cursor_.insertBlock();
}

void RtfReader::formatBlock()
{
    cursor_.setBlockFormat(shownBlock(state().block));
    cursor_.setBlockCharFormat(state().chars);  // an empty paragraph is as tall as its font
}

void RtfReader::flush()
{
    if (pending_.isEmpty())
        return;
    cursor_.insertText(pending_, state().chars);
    pending_.clear();
}

}  // namespace

void readRtf(const QByteArray& rtf, QTextDocument& document)
{
    document.clear();
    QTextOption option = document.defaultTextOption();
    option.setTabStopDistance(720 / TwipsPerPixel);  // RTF's default tab width
    document.setDefaultTextOption(option);
    // Reading is no edit to undo; recording it step by step would make a large file slow to open.
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    RtfReader(rtf, document).read();
    document.setUndoRedoEnabled(undo);
}
