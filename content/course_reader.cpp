// Reads the course sources: UTF-8 text files of "@" blocks and marked-up text.
#include "content/course.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

namespace {

// One "@keyword argument" line and the lines under it, up to the next "@" line.
struct SourceBlock {
    QString Keyword;
    QString Argument;
    QStringList Lines;
    QString Where;         // file and line, for messages
    QStringList Comments;  // its "//" lines, which some blocks read as tags
};

QString joined(const QStringList& lines) { return lines.join('\n').trimmed(); }

bool isComment(const QString& line) { return line.trimmed().startsWith("//"); }

QStringList sourceLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        throw CourseError(QStringLiteral("Cannot read %1.").arg(path));
    return QString::fromUtf8(file.readAll()).split('\n');
}

QString markupFile(const QString& path)
{
    QStringList lines = sourceLines(path);
    lines.removeIf(isComment);
    return joined(lines);
}

QList<SourceBlock> readBlocks(const QString& path)
{
    QList<SourceBlock> blocks;
    const QStringList lines = sourceLines(path);
    const QString fileName = QFileInfo(path).fileName();
    for (int n = 0; n < lines.size(); ++n) {
        const QString& line = lines[n];
        const QString where = QStringLiteral("%1 line %2").arg(fileName).arg(n + 1);
        if (isComment(line)) {
            if (!blocks.isEmpty())
                blocks.last().Comments += line.trimmed();
            continue;
        }
        if (line.startsWith('@')) {
            const QString head = line.mid(1).trimmed();
            const qsizetype space = head.indexOf(' ');
            blocks.append({head.left(space).toLower(), space < 0 ? QString() : head.mid(space + 1).trimmed(), {},
                           where, {}});
        } else if (!blocks.isEmpty()) {
            blocks.last().Lines += line;
        } else if (!line.trimmed().isEmpty()) {
            throw CourseError(where + QStringLiteral(": text before the first @ line."));
        }
    }
    return blocks;
}

[[noreturn]] void refuse(const SourceBlock& block, const QString& problem)
{
    throw CourseError(QStringLiteral("%1 (@%2): %3").arg(block.Where, block.Keyword, problem));
}

// The number that opens the block's argument, which must be the one expected next.
void requireNumber(const SourceBlock& block, int expected)
{
    if (block.Argument.section(' ', 0, 0) != QString::number(expected))
        refuse(block, QStringLiteral("expected number %1.").arg(expected));
}

QList<GlossaryTerm> readGlossary(const QString& path)
{
    QList<GlossaryTerm> glossary;
    for (const SourceBlock& block : readBlocks(path)) {
        if (block.Keyword != "term") {
            refuse(block, QStringLiteral("expected @term."));
        } else if (block.Argument.isEmpty() || joined(block.Lines).isEmpty()) {
            refuse(block, QStringLiteral("a term needs a name and a definition."));
        } else {
            glossary.append({block.Argument, joined(block.Lines)});
        }
    }
    std::stable_sort(glossary.begin(), glossary.end(), [](const GlossaryTerm& a, const GlossaryTerm& b) {
        return a.Term.compare(b.Term, Qt::CaseInsensitive) < 0;
    });
    return glossary;
}

// The line at n, trimmed, after any blank lines; empty past the end.
QString nextLine(const QStringList& lines, qsizetype& n)
{
    while (n < lines.size() && lines[n].trimmed().isEmpty())
        ++n;
    return n < lines.size() ? lines[n].trimmed() : QString();
}

// "A. text" for c = 0, and so on to "D. text"; the text is captured.
QRegularExpressionMatch matchChoice(const QString& line, int c)
{
    return QRegularExpression(QStringLiteral("^%1\\.\\s+(.+)$").arg(QChar('A' + c))).match(line.trimmed());
}

// Question lines, the four choices "A. " to "D. ", "Answer: X", then the explanation.
CourseItem parseItem(const SourceBlock& block)
{
    static const QRegularExpression answerPattern(QStringLiteral("^Answer:\\s*([A-D])$"));
    const QStringList& lines = block.Lines;
    CourseItem item;
    item.Picture = block.Argument;
    static const QString areaTag = QStringLiteral("// area:");
    for (const QString& comment : block.Comments)
        if (comment.startsWith(areaTag))
            item.Area = comment.mid(areaTag.size()).trimmed();
    qsizetype n = 0;
    while (n < lines.size() && !matchChoice(lines[n], 0).hasMatch())
        ++n;
    item.Question = joined(lines.first(n));
    for (int c = 0; c < 4; ++c, ++n) {
        const QRegularExpressionMatch choice = matchChoice(nextLine(lines, n), c);
        if (!choice.hasMatch())
            refuse(block, QStringLiteral("expected the choice %1.").arg(QChar('A' + c)));
        item.Choices[c] = choice.captured(1).trimmed();
    }
    const QRegularExpressionMatch answer = answerPattern.match(nextLine(lines, n));
    if (!answer.hasMatch())
        refuse(block, QStringLiteral("expected \"Answer: \" and a letter A to D after the choices."));
    item.Answer = answer.captured(1)[0];
    item.Explanation = joined(lines.mid(n + 1));
    if (item.Question.isEmpty() || item.Explanation.isEmpty())
        refuse(block, QStringLiteral("an item needs a question and an explanation."));
    return item;
}

// "@topic 1" (or "@exam 1") opens a group; "@item" adds an item to it.
QList<QList<CourseItem>> readItemGroups(const QString& path, const QString& groupWord)
{
    QList<QList<CourseItem>> groups;
    for (const SourceBlock& block : readBlocks(path)) {
        if (block.Keyword == groupWord) {
            requireNumber(block, int(groups.size()) + 1);
            groups.append(QList<CourseItem>());
        } else if (groups.isEmpty()) {
            refuse(block, QStringLiteral("expected @%1 1 first.").arg(groupWord));
        } else if (block.Keyword == "item") {
            groups.last().append(parseItem(block));
        } else {
            refuse(block, QStringLiteral("expected @%1 or @item.").arg(groupWord));
        }
    }
    return groups;
}

// "@page 5 Title": the title becomes the page's heading.
QStringList readHelpPages(const QString& path)
{
    QStringList pages;
    for (const SourceBlock& block : readBlocks(path)) {
        if (block.Keyword != "page")
            refuse(block, QStringLiteral("expected @page."));
        requireNumber(block, int(pages.size()) + 1);
        pages += "# " + block.Argument.section(' ', 1).trimmed() + "\n\n" + joined(block.Lines);
    }
    return pages;
}

QStringList readReadingTexts(const QDir& folder)
{
    QStringList texts;
    for (const QString& name : folder.entryList({"*.txt"}, QDir::Files, QDir::Name))
        texts += markupFile(folder.filePath(name));
    return texts;
}

// The edition's own file when it has one, else the one both editions share.
QString sourceFile(const QDir& root, const QString& editionFolder, const QString& name)
{
    const QString own = root.filePath(editionFolder + '/' + name);
    return QFileInfo::exists(own) ? own : root.filePath("common/" + name);
}

}  // namespace

Course readCourse(const QString& contentFolder, const Edition& edition)
{
    const QDir root(contentFolder);
    const QString folder = edition.EditionWord.toLower();
    Course course;
    course.ReadingTexts = readReadingTexts(QDir(root.filePath(folder + "/reading")));
    course.Glossary = readGlossary(sourceFile(root, folder, "glossary.txt"));
    course.TopicItems = readItemGroups(sourceFile(root, folder, "items.txt"), QStringLiteral("topic"));
    course.ExamItems = readItemGroups(sourceFile(root, folder, "exams.txt"), QStringLiteral("exam"));
    course.HelpPages = readHelpPages(sourceFile(root, folder, "help.txt"));
    return course;
}
