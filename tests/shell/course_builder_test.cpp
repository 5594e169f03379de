// The course compiler against the program's own cutter: every piece it writes must come back
// exactly, whatever the text looks like, and a course the data file cannot hold is refused.
#include "content/course.h"
#include "platform/cp1252.h"
#include "platform/runtime_error.h"
#include "platform/rtf_reader.h"
#include "shell/text_store.h"
#include "tests/support/test_main.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <algorithm>

namespace {

const QByteArray Closing = "\\par }\r\n";

const Edition& editionOf(const QString& program)
{
    return program == "Vestora" ? vestoraEdition() : praxelleEdition();
}

void addEditionRows()
{
    QTest::addColumn<QString>("program");
    QTest::newRow("Vestora") << "Vestora";
    QTest::newRow("Praxelle") << "Praxelle";
}

CourseItem item(const QString& question, int key)
{
    return {question, {"one", "two", "three", "four"}, QChar('A' + key - 1), "Because " + question, {}, {}};
}

QList<CourseItem> items(const QString& name, int count)
{
    QList<CourseItem> group;
    for (int k = 1; k <= count; ++k)
        group += item(QStringLiteral("%1 item %2").arg(name).arg(k), k % 4 + 1);
    return group;
}

// Every count right for the edition: three items a topic (more where a picture needs them),
// two an exam, and the pictured items naming a drawing.
Course smallCourse(const Edition& edition)
{
    Course course;
    for (int t = 1; t <= edition.ReadingTextCount; ++t)
        course.ReadingTexts += QStringLiteral("# Text %1\n\nBody of text %1.\n- a point").arg(t);
    for (int g = 1; g <= GlossaryEntryCount; ++g)
        course.Glossary += {QStringLiteral("Term %1").arg(g, 4, 10, QChar('0')), QStringLiteral("Meaning *%1*").arg(g)};
    for (int t = 1; t <= edition.TopicCount; ++t)
        course.TopicItems += items(QStringLiteral("Topic %1").arg(t), 3);
    for (int j = 1; j <= 2; ++j) {
        const PictureSpec pictureSpec = parsePictureSpec(edition.PictureSpecs[j]);
        course.TopicItems[pictureSpec.Topic - 1] = items(QStringLiteral("Topic %1").arg(pictureSpec.Topic), pictureSpec.Item + 1);
        course.TopicItems[pictureSpec.Topic - 1][pictureSpec.Item - 1].Picture = "floor-plan";
    }
    for (int e = 1; e <= edition.PreparedExamCount; ++e)
        course.ExamItems += items(QStringLiteral("Exam %1").arg(e), 2);
    for (int p = 1; p <= HelpPageCount; ++p)
        course.HelpPages += QStringLiteral("# Page %1\n\nHelp **%1**.").arg(p);
    return course;
}

void compareItems(const QList<CourseItem>& written, const std::vector<QByteArray>& cut, int first)
{
    for (int k = 0; k < written.size(); ++k) {
        const QByteArray& text = cut[first + k];
        QCOMPARE(itemKey(text), written[k].Answer.unicode() - 'A' + 1);
        QCOMPARE(itemQuestion(text), questionWithChoicesRtf(written[k]));
        QCOMPARE(itemExplanation(text), markupToRtf(written[k].Explanation) + Closing);
    }
}

// Builds the course, cuts it as the program does into store, and compares every piece with
// what was written.
void compareWithCut(const Course& course, const Edition& edition, TextStore& store)
{
    const QByteArray data = buildEditionData(course, edition);
    try {
        store = cutEditionData(data, edition);
    } catch (const RuntimeError& error) {
        QFAIL(qPrintable("The written file cannot be cut: " + error.Description));
    }
    for (int t = 1; t <= edition.ReadingTextCount; ++t)
        QCOMPARE(store.ReadingTexts[t], markupToRtf(course.ReadingTexts[t - 1]) + Closing);
    for (int g = 1; g <= GlossaryEntryCount; ++g)
        QCOMPARE("\\pard " + splitGlossaryEntry(store.GlossaryEntries[g]).Definition,
                 markupToRtf(course.Glossary[g - 1].Definition));  // the header resets the paragraph
    for (int t = 1; t <= course.TopicItems.size(); ++t) {
        QCOMPARE(store.TopicItemCounts[t][1], int(course.TopicItems[t - 1].size()));
        compareItems(course.TopicItems[t - 1], store.ReviewItems, store.reviewItemIndex(t, 1));
        if (QTest::currentTestFailed())
            return;
    }
    for (int e = 1; e <= course.ExamItems.size(); ++e) {
        QCOMPARE(store.TopicItemCounts[e][2], int(course.ExamItems[e - 1].size()));
        compareItems(course.ExamItems[e - 1], store.MockExamItems, store.mockExamItemIndex(e, 1));
        if (QTest::currentTestFailed())
            return;
    }
    for (int p = 1; p <= HelpPageCount; ++p)
        QCOMPARE(store.HelpPages[p], markupToRtf(course.HelpPages[p - 1]) + Closing);
    // The last page runs to the end of the file but for its last byte, which the cutter never reads.
    QVERIFY(data.endsWith(store.HelpPages[HelpPageCount] + data.back()));
}

// The text a window shows for a piece, read by the program's own RTF reader.
QString shown(const TextStore& store, const QByteArray& piece)
{
    QTextDocument document;
    readRtf(store.RtfHeader + piece, document);
    return document.toPlainText();
}

// Each outline area's number of items in a 100-item prepared exam.
using Outline = QMap<QString, int>;

// How a prepared exam strays from the outline, as one line naming it: each area more than two
// items off its weight ("agency 6/11"), the items without an outline area, more than three
// federal income tax items. Empty when it follows the outline.
QString outlineMisfits(const QList<CourseItem>& exam, int e, const Outline& outline)
{
    Outline counts;
    int tax = 0;
    for (const CourseItem& item : exam) {
        QString area = item.Area;
        if (area.endsWith(" (tax)")) {
            area.chop(6);
            ++tax;
        }
        ++counts[area];
    }
    QStringList misfits;
    for (const auto& [area, weight] : outline.asKeyValueRange())
        if (qAbs(counts.value(area) - weight) > 2)
            misfits += QStringLiteral("%1 %2/%3").arg(area).arg(counts.value(area)).arg(weight);
    for (const auto& [area, count] : counts.asKeyValueRange())
        if (!outline.contains(area))
            misfits += QStringLiteral("%1 in \"%2\", not an outline area").arg(count).arg(area);
    if (tax > 3)
        misfits += QStringLiteral("%1 tax items, at most 3").arg(tax);
    return misfits.isEmpty() ? QString() : QStringLiteral("exam %1: %2").arg(e).arg(misfits.join(", "));
}

// What a candidate who knows nothing could read from the lengths of the choices of the verbal
// items (those with a choice without a figure), in percent: how often the key is strictly the
// longest or the shortest choice, and the best score of striking out the choices with absolute
// words and then picking the longest, the shortest or one that is neither (ties share the pick).
struct LengthCues {
    double Longest = 0;
    double Shortest = 0;
    double BestGuess = 0;
};

LengthCues lengthCues(const QList<QList<CourseItem>>& groups)
{
    static const QRegularExpression absolute(
        "\\b(only|always|never|every|all|none|must|cannot|solely|entirely|completely|automatically)\\b",
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression figure("\\d");
    double longest = 0, shortest = 0;
    std::array<double, 3> guesses{};  // longest, shortest, neither
    int verbal = 0;
    for (const QList<CourseItem>& group : groups)
        for (const CourseItem& item : group) {
            const auto& choices = item.Choices;
            if (std::ranges::all_of(choices, [](const QString& c) { return c.contains(figure); }))
                continue;
            ++verbal;
            const int key = item.Answer.unicode() - 'A';
            const auto length = [&choices](int c) { return choices[c].size(); };
            QList<int> others{0, 1, 2, 3}, pool;
            others.removeAll(key);
            longest += std::ranges::all_of(others, [&](int c) { return length(key) > length(c); });
            shortest += std::ranges::all_of(others, [&](int c) { return length(key) < length(c); });
            for (int c = 0; c < 4; ++c)
                if (!choices[c].contains(absolute))
                    pool += c;
            if (pool.isEmpty())
                pool = {0, 1, 2, 3};
            const auto [least, most] = std::ranges::minmax(pool, {}, length);
            const auto pick = [&](auto keep) {
                QList<int> picked;
                std::ranges::copy_if(pool, std::back_inserter(picked), [&](int c) { return keep(length(c)); });
                return picked.isEmpty() ? pool : picked;
            };
            const auto score = [key](const QList<int>& picked) { return picked.contains(key) ? 1.0 / picked.size() : 0.0; };
            guesses[0] += score(pick([&](qsizetype l) { return l == length(most); }));
            guesses[1] += score(pick([&](qsizetype l) { return l == length(least); }));
            guesses[2] += score(pick([&](qsizetype l) { return l > length(least) && l < length(most); }));
        }
    return {100 * longest / verbal, 100 * shortest / verbal, 100 * std::ranges::max(guesses) / verbal};
}

void writeSource(const QDir& root, const QString& name, const QByteArray& text)
{
    QVERIFY(root.mkpath(QFileInfo(name).path()));
    QFile file(root.filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

}  // namespace

class CourseBuilderTest : public QObject {
    Q_OBJECT

private slots:
    void piecesComeBackExactly_data() { addEditionRows(); }
    void piecesComeBackExactly()
    {
        QFETCH(QString, program);
        const Edition& edition = editionOf(program);
        TextStore store;
        compareWithCut(smallCourse(edition), edition, store);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(splitGlossaryEntry(store.GlossaryEntries[7]).Term, QByteArray("Term 0007"));
        QCOMPARE(shown(store, store.ReadingTexts[2]), QStringLiteral("Text 2\n\nBody of text 2.\n\u2022\ta point\n"));
        const PictureSpec first = parsePictureSpec(edition.PictureSpecs[1]);
        const PictureSpec second = parsePictureSpec(edition.PictureSpecs[2]);
        for (int n = 1; n <= edition.ReviewItemCapacity; ++n)
            QCOMPARE(store.ItemPicture[n], n == store.reviewItemIndex(first.Topic, first.Item)    ? 1
                                           : n == store.reviewItemIndex(second.Topic, second.Item) ? 2
                                                                                                   : 0);
    }

    void markupBecomesRtf()
    {
        QCOMPARE(markupToRtf("# Title\n\nFirst *it* and **bold**\ncontinued.\n- one\n\n\n- two"),
                 QByteArray("\\pard\\qc{\\b\\cf1\\fs24 Title}\\par \\pard \\par \\pard First \\i it\\i0  and \\b bold\\b0 "
                            " continued.\\par \\pard\\li360\\fi-360\\tx360 \\'95\\tab one\\par \\pard \\par "
                            "\\pard\\li360\\fi-360\\tx360 \\'95\\tab two"));
        QCOMPARE(markupToRtf(QStringLiteral("a \\* b \\\\par {x}\tcaf\u00e9 \u20ac")),
                 QByteArray("\\pard a * b \\'5cpar \\{x\\}\\tab caf\xe9 \x80"));
        QCOMPARE(questionWithChoicesRtf(item("Which?", 2)),
                 QByteArray("\\pard Which?\\par \\pard\\par A. one\\par B. two\\par C. three\\par D. four\\par "));
        QVERIFY_THROWS_EXCEPTION(CourseError, markupToRtf("**bold\nstill"));
        QVERIFY_THROWS_EXCEPTION(CourseError, markupToRtf("one *open"));
    }

    void textThatLooksLikeAMarkerSurvives()
    {
        const Edition& edition = vestoraEdition();
        Course course = smallCourse(edition);
        course.ReadingTexts[0] = "10 percent down\n\n^ caret\n\n01 again";
        course.Glossary[0] = {"Rule \\par  of 02", "02 first\n\n^ then \\\\par  and \\\\par \\^"};
        CourseItem& first = course.TopicItems[0][0];
        first.Question = "\\* starred\n\n01 and 02 items\n\n^ caret\n\n\\A. not a choice";
        first.Choices = {"10 percent", "^", "\\*", "02"};
        first.Explanation = "02 next topic\n\n\\* star";
        course.ExamItems[0][0].Question = "02 exams";
        course.HelpPages[3] = "05 is the next page\n\n^";

        TextStore store;
        compareWithCut(course, edition, store);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(splitGlossaryEntry(store.GlossaryEntries[1]).Term, QByteArray("Rule \\'5cpar  of 02"));
        QVERIFY(shown(store, store.ReadingTexts[1]).startsWith("10 percent down\n\n^ caret\n\n01 again"));
        QVERIFY(shown(store, itemQuestion(store.ReviewItems[1])).startsWith("* starred\n\n01 and 02 items\n\n^ caret\n\n"
                                                                            "A. not a choice\n\nA. 10 percent\nB. ^\n"));
        QVERIFY(shown(store, splitGlossaryEntry(store.GlossaryEntries[1]).Definition).contains("^ then \\par  and \\par ^"));
        QVERIFY(shown(store, store.HelpPages[4]).startsWith("05 is the next page"));
    }

    void refusesWhatTheFileCannotHold()
    {
        const Edition& edition = vestoraEdition();
        const Course good = smallCourse(edition);
        auto refused = [&edition, &good](auto change) {
            Course course = good;
            change(course);
            QVERIFY_THROWS_EXCEPTION(CourseError, buildEditionData(course, edition));
        };
        refused([](Course& c) { c.ReadingTexts.removeLast(); });
        refused([](Course& c) { c.ReadingTexts += "one more"; });
        refused([](Course& c) { c.Glossary.removeLast(); });
        refused([](Course& c) { c.Glossary += GlossaryTerm{"Zz", "One too many."}; });
        refused([](Course& c) { c.HelpPages.removeLast(); });
        refused([](Course& c) { c.TopicItems += items("Ninth", 1); });
        refused([](Course& c) { c.ExamItems += items("Fifth", 1); });
        refused([](Course& c) { c.TopicItems[0] = items("Long", MostTestItems + 1); });
        refused([](Course& c) { c.TopicItems[1][0].Answer = 'E'; });
        refused([](Course& c) { c.ExamItems[0][0].Answer = 'a'; });
        refused([](Course& c) { c.Glossary[5].Definition = "*open"; });

        // Right at the capacities the course is taken, one item more is not.
        Course full = good;
        full.TopicItems = {items("A", MostTestItems), items("B", edition.ReviewItemCapacity - MostTestItems)};
        full.ExamItems = {items("C", 100), items("D", 100), items("E", 100), items("F", 100)};
        QCOMPARE(cutEditionData(buildEditionData(full, edition), edition).TopicItemCounts[2][1], 200);
        refused([&full](Course& c) {
            c = full;
            c.TopicItems += items("G", 1);
        });
        refused([&full](Course& c) {
            c = full;
            c.ExamItems[3] += item("H", 1);
        });
    }

    void picturesNeedTheirDrawings()
    {
        QTemporaryDir dir;
        Course course = smallCourse(praxelleEdition());
        writeItemPictures(course, praxelleEdition(), dir.path());
        QImageReader reader(dir.filePath("License06008.gph"));
        QCOMPARE(reader.format(), QByteArray("png"));
        QCOMPARE(reader.read().size(), QSize(263, 232));

        course.TopicItems[8][74].Picture.clear();
        QVERIFY_THROWS_EXCEPTION(CourseError, writeItemPictures(course, praxelleEdition(), dir.path()));
        course.TopicItems[8].resize(74);
        QVERIFY_THROWS_EXCEPTION(CourseError, writeItemPictures(course, praxelleEdition(), dir.path()));
    }

    void readsTheSourceFormat()
    {
        QTemporaryDir temporary;
        const QDir root(temporary.path());
        writeSource(root, "broker/reading/02-b.txt", "// a comment\n# B\n");
        writeSource(root, "broker/reading/01-a.txt", "# A\n\ntext\n");
        QByteArray glossary = "@term Zeta\nLast.\n\n@term alpha\nFirst *one*.\n";
        for (int g = 3; g <= GlossaryEntryCount; ++g)
            glossary += "@term Middle " + QByteArray::number(g) + "\nMeaning.\n";
        writeSource(root, "common/glossary.txt", glossary);
        writeSource(root, "broker/items.txt",
                    "// Topic one\n@topic 1\n@item\nQuestion line\nand more\n\nA. one\nB. two\n\nC. three\nD. four\n"
                    "Answer: D\nWhy.\n\nMore.\n@topic 2\n@item floor-plan\nQ\nA. a\nB. b\nC. c\nD. d\n"
                    "Answer: A\nE.\n");
        writeSource(root, "broker/exams.txt", "@exam 1\n@item\nQ\nA. a\nB. b\nC. c\nD. d\nAnswer: B\nE.\n");
        QByteArray help;
        for (int p = 1; p <= HelpPageCount; ++p)
            help += "@page " + QByteArray::number(p) + " Title " + QByteArray::number(p) + "\nBody.\n";
        writeSource(root, "common/help.txt", help);

        const Course course = readCourse(root.path(), vestoraEdition());
        QCOMPARE(course.ReadingTexts, QStringList({"# A\n\ntext", "# B"}));
        QCOMPARE(course.Glossary.size(), GlossaryEntryCount);
        QCOMPARE(course.Glossary.first().Term, QString("alpha"));
        QCOMPARE(course.Glossary.first().Definition, QString("First *one*."));
        QCOMPARE(course.Glossary.last().Term, QString("Zeta"));
        QCOMPARE(course.Glossary[1].Term, QString("Middle 10"));  // sorted as text
        const CourseItem& first = course.TopicItems[0][0];
        QCOMPARE(first.Question, QString("Question line\nand more"));
        QCOMPARE(first.Choices[2], QString("three"));
        QCOMPARE(first.Answer, QChar('D'));
        QCOMPARE(first.Explanation, QString("Why.\n\nMore."));
        QCOMPARE(course.TopicItems[0].size(), 1);
        QCOMPARE(course.TopicItems[1][0].Picture, QString("floor-plan"));
        QCOMPARE(course.ExamItems[0][0].Answer, QChar('B'));
        QCOMPARE(course.HelpPages[16], QString("# Title 17\n\nBody."));

        writeSource(root, "broker/items.txt", "@topic 1\n@item\nQ\nA. a\nB. b\nC. c\nAnswer: A\nE.\n");
        try {
            readCourse(root.path(), vestoraEdition());
            QFAIL("an item without choice D was read");
        } catch (const CourseError& error) {
            QCOMPARE(QString(error.what()), QString("items.txt line 2 (@item): expected the choice D."));
        }
        writeSource(root, "broker/items.txt", "@topic 2\n");
        QVERIFY_THROWS_EXCEPTION(CourseError, readCourse(root.path(), vestoraEdition()));
    }

    void compilesTheSampleContent_data() { addEditionRows(); }
    void compilesTheSampleContent()
    {
        QFETCH(QString, program);
        const Edition& edition = editionOf(program);
        const Course course = readCourse(COURSE_CONTENT_DIR, edition);
        TextStore store;
        compareWithCut(course, edition, store);
        if (QTest::currentTestFailed())
            return;
        // The course's own rules: thirty items or more a topic, full prepared exams, and every item
        // a question with four lettered choices, one answer and an explanation.
        for (int t = 1; t <= edition.TopicCount; ++t)
            QVERIFY2(store.TopicItemCounts[t][1] >= 30, qPrintable(edition.TopicTitles[t]));
        for (int e = 1; e <= edition.PreparedExamCount; ++e)
            QCOMPARE(store.TopicItemCounts[e][2], 100);
        const auto checkItem = [](const QByteArray& text) {
            QVERIFY(itemKey(text) >= 1);
            const QByteArray question = itemQuestion(text);
            for (const char* choice : {"\\par A.", "\\par B.", "\\par C.", "\\par D."})
                QCOMPARE(question.count(choice), 1);
            QVERIFY(itemExplanation(text).size() > 20);
        };
        for (const std::vector<QByteArray>* items : {&store.ReviewItems, &store.MockExamItems})
            for (const QByteArray& text : *items)
                if (!text.isEmpty())
                    checkItem(text);
        for (int g = 1; g < GlossaryEntryCount; ++g)
            QVERIFY(!splitGlossaryEntry(store.GlossaryEntries[g]).Definition.isEmpty());
        // The glossary list shows the terms as they are stored: they must need no RTF escapes.
        // A definition starts with its words, with no RTF code that a search of the definitions would find.
        for (int g = 1; g <= GlossaryEntryCount; ++g) {
            QCOMPARE(splitGlossaryEntry(store.GlossaryEntries[g]).Term, cp1252::fromUnicode(course.Glossary[g - 1].Term));
            QVERIFY(!splitGlossaryEntry(store.GlossaryEntries[g]).Definition.startsWith('\\'));
        }

        QTemporaryDir dir;
        writeItemPictures(course, edition, dir.path());
        for (int j = 1; j <= 2; ++j) {
            const PictureSpec pictureSpec = parsePictureSpec(edition.PictureSpecs[j]);
            QCOMPARE(store.ItemPicture[store.reviewItemIndex(pictureSpec.Topic, pictureSpec.Item)], j);
            QImageReader reader(dir.filePath(itemPictureFile(edition, pictureSpec)));
            QCOMPARE(reader.read().size(), QSize(pictureSpec.Width, pictureSpec.Height));
        }
        // Two items asking the same question would give each other away, and an exam item met
        // before in the review tests would test memory, not knowledge.
        QSet<QString> questions;
        for (const QList<QList<CourseItem>>* groups : {&course.TopicItems, &course.ExamItems})
            for (const QList<CourseItem>& group : *groups)
                for (const CourseItem& courseItem : group) {
                    const QString question = courseItem.Question.simplified();
                    QVERIFY2(!questions.contains(question), qPrintable("asked twice: " + question));
                    questions.insert(question);
                }
    }

    // The prepared exams weigh the areas as a state exam's outline does.
    void examsFollowTheOutline_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<Outline>("outline");
        QTest::newRow("Vestora") << "Vestora"
                                 << Outline{{"agency", 11},   {"contracts", 17},    {"practice", 14}, {"ownership", 10},
                                            {"calculations", 10}, {"financing", 8}, {"transfer", 7},  {"valuation", 7},
                                            {"disclosures", 6}, {"land use", 5},    {"leasing", 5}};
        QTest::newRow("Praxelle") << "Praxelle"
                                  << Outline{{"agency", 13},   {"contracts", 17},    {"practice", 13}, {"financing", 10},
                                             {"calculations", 10}, {"ownership", 8}, {"transfer", 8},  {"valuation", 7},
                                             {"disclosures", 6}, {"land use", 5},    {"leasing", 3}};
    }
    void examsFollowTheOutline()
    {
        QFETCH(QString, program);
        QFETCH(Outline, outline);
        const Course course = readCourse(COURSE_CONTENT_DIR, editionOf(program));
        QStringList misfits;
        for (int e = 1; e <= course.ExamItems.size(); ++e)
            misfits += outlineMisfits(course.ExamItems[e - 1], e, outline);
        misfits.removeAll(QString());
        QVERIFY2(misfits.isEmpty(), qPrintable("prepared exams off the outline (items in the area/its weight): " + misfits.join("; ")));
    }

    // Neither the length of the key nor absolute words in the distractors may give the key away.
    void lengthGivesNoKeyAway_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<bool>("exams");
        for (const char* program : {"Vestora", "Praxelle"}) {
            QTest::addRow("%s review", program) << program << false;
            QTest::addRow("%s exams", program) << program << true;
        }
    }
    void lengthGivesNoKeyAway()
    {
        QFETCH(QString, program);
        QFETCH(bool, exams);
        const Course course = readCourse(COURSE_CONTENT_DIR, editionOf(program));
        const LengthCues cues = lengthCues(exams ? course.ExamItems : course.TopicItems);
        const auto within = [](double share) { return share >= 15 && share <= 28; };
        QVERIFY2(within(cues.Longest) && within(cues.Shortest) && cues.BestGuess <= 28,
                 qPrintable(QStringLiteral("%1: key strictly longest in %2 %, strictly shortest in %3 % of the verbal items "
                                           "(15-28 % each), best test-wise guess %4 % (28 % at most)")
                                .arg(QTest::currentDataTag())
                                .arg(cues.Longest, 0, 'f', 1)
                                .arg(cues.Shortest, 0, 'f', 1)
                                .arg(cues.BestGuess, 0, 'f', 1)));
    }
};

REGISTER_TEST(CourseBuilderTest)
#include "course_builder_test.moc"
