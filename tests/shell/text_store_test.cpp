// Cutting edition data files written out by hand, so that every offset is checked against
// bytes we can see rather than against the course builder.
#include "platform/runtime_error.h"
#include "shell/text_store.h"
#include "tests/support/test_main.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

QByteArray two(int n) { return QByteArray::number(n).rightJustified(2, '0'); }

struct Item {
    int group;
    QByteArray body;  // answer letter at the 11th character follows from the layout below
};

// A complete data file: header, reading texts, glossary, review items, exam items, help pages.
struct DataFile {
    const Edition& edition;
    QByteArray header = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}!\r\n";
    QList<QByteArray> reading;
    QList<QByteArray> glossary;
    QList<Item> reviewItems;
    QList<Item> examItems;
    QList<QByteArray> help;
    QByteArray lastByte = "}";

    explicit DataFile(const Edition& e) : edition(e)
    {
        for (int t = 1; t <= e.ReadingTextCount; ++t)
            reading << "Reading text " + QByteArray::number(t) + "\r\n";
        for (int g = 1; g <= GlossaryEntryCount; ++g)
            glossary << "Term " + QByteArray::number(g) + "\r\n\\par  Meaning " + QByteArray::number(g);
        for (int t = 1; t <= e.TopicCount; ++t)
            reviewItems << item(t, 'A', "topic " + QByteArray::number(t));
        for (int x = 1; x <= e.PreparedExamCount; ++x)
            examItems << item(x, 'B', "exam " + QByteArray::number(x));
        for (int p = 1; p <= HelpPageCount; ++p)
            help << "Help page " + QByteArray::number(p) + "\r\n";
    }

    static Item item(int group, char letter, const QByteArray& question)
    {
        // Characters 8-10 and 12-18 are filler; the question starts at character 19.
        return {group, "-- " + QByteArray(1, letter) + " -----\r" + question + "\r\n\\par A. one\r\n\\par B. two"
                           "\r\n\\par C. three\r\n\\par D. four\r\n\\par *Because.\r\n"};
    }

    static QByteArray section() { return "\\par ^\r\n"; }

    QByteArray bytes() const
    {
        QByteArray d = header;
        for (const QByteArray& text : reading)
            d += section() + "\\par 01 Body\r\n" + text + "123456789";  // 7 skipped after the marker, 9 before the next
        d += section() + "\\par 01 Term\r\n";
        for (const QByteArray& entry : glossary)
            d += entry + "\\par \r\n" + "12345";
        d += section();
        for (const Item& i : reviewItems)
            d += "\\par " + two(i.group) + i.body;
        d += section();
        for (const Item& i : examItems)
            d += "\\par " + two(i.group) + i.body;
        d += section();
        for (int p = 1; p <= help.size(); ++p)
            d += "\\par " + two(p) + " Help\r\n" + help[p - 1];
        return d + lastByte;
    }
};

void expectMalformed(const QByteArray& bytes, const Edition& edition)
{
    try {
        cutEditionData(bytes, edition);
        QFAIL("a malformed file was cut without an error");
    } catch (const RuntimeError& error) {
        QVERIFY(error.Number == RuntimeErrorNo::InvalidCall || error.Number == RuntimeErrorNo::SubscriptOutOfRange);
    }
}

}  // namespace

class TextStoreTest : public QObject {
    Q_OBJECT
private slots:
    void headerEndsBeforeTheLastBangAheadOfTheFirstMarker()
    {
        DataFile file(vestoraEdition());
        file.header = "{\\rtf1 Wow! Such! header!tail";
        file.reading[0] = "Bang! after the marker\r\n";
        const TextStore store = cutEditionData(file.bytes(), vestoraEdition());
        QCOMPARE(store.RtfHeader, QByteArray("{\\rtf1 Wow! Such! header"));
    }

    void readingTextsLeaveOutTheMarkersAndGetTheClosing()
    {
        for (const Edition* edition : {&vestoraEdition(), &praxelleEdition()}) {
            const TextStore store = cutEditionData(DataFile(*edition).bytes(), *edition);
            for (int t = 1; t <= edition->ReadingTextCount; ++t)
                QCOMPARE(store.ReadingTexts[t], "Reading text " + QByteArray::number(t) + "\r\n\\par }\r\n");
            QCOMPARE(store.DataSectionStarts[1], qint64(DataFile(*edition).header.size() + 1));
        }
    }

    void itemsEndOneCharacterShortOfTheNextMarkerButTheLastRunsToTheSection()
    {
        const Edition& e = vestoraEdition();
        DataFile file(e);
        file.reviewItems = {DataFile::item(1, 'A', "first"), DataFile::item(1, 'B', "second"),
                            DataFile::item(1, 'C', "third"), DataFile::item(2, 'D', "fourth")};
        for (int t = 3; t <= e.TopicCount; ++t)
            file.reviewItems << DataFile::item(t, 'A', "t" + QByteArray::number(t));
        const TextStore store = cutEditionData(file.bytes(), e);

        QCOMPARE(store.TopicItemCounts[1][1], 3);
        QCOMPARE(store.TopicItemCounts[2][1], 1);
        const QByteArray body = file.reviewItems[0].body;
        QCOMPARE(store.ReviewItems[1], "\\par 01" + body.chopped(1) + "\\par }\r\n");
        QCOMPARE(store.ReviewItems[3], "\\par 01" + file.reviewItems[2].body.chopped(1) + "\\par }\r\n");
        // Item numbering runs across topics.
        QCOMPARE(store.reviewItemIndex(2, 1), 4);
        QVERIFY(itemQuestion(store.ReviewItems[4]).startsWith("fourth"));
        // The last item of the last topic keeps every character up to the next section's marker.
        const int last = store.reviewItemIndex(e.TopicCount, 1);
        QCOMPARE(store.ReviewItems[last], "\\par 08" + file.reviewItems.last().body + "\\par }\r\n");
        QVERIFY(store.ReviewItems[last + 1].isEmpty());
    }

    void groupsAreFoundInAscendingOrderOnly()
    {
        // A topic-1 item placed after topic 2's item is still found for topic 1; the search for
        // topic 2 then starts after it, so topic 2's item is swallowed by topic 1's first item.
        const Edition& e = praxelleEdition();
        DataFile file(e);
        file.reviewItems.insert(2, DataFile::item(1, 'C', "late"));
        const TextStore store = cutEditionData(file.bytes(), e);
        QCOMPARE(store.TopicItemCounts[1][1], 2);
        QCOMPARE(store.TopicItemCounts[2][1], 0);
        QVERIFY(store.ReviewItems[1].contains("topic 2"));
        QVERIFY(itemQuestion(store.ReviewItems[2]).startsWith("late"));
    }

    void examItemsAreCountedPerExam()
    {
        const Edition& e = vestoraEdition();
        DataFile file(e);
        file.examItems.insert(1, DataFile::item(1, 'C', "again"));
        const TextStore store = cutEditionData(file.bytes(), e);
        QCOMPARE(store.TopicItemCounts[1][2], 2);
        QCOMPARE(store.TopicItemCounts[4][2], 1);
        QCOMPARE(store.mockExamItemIndex(3, 1), 4);
        QCOMPARE(itemKey(store.MockExamItems[2]), 3);
        QVERIFY(itemQuestion(store.MockExamItems[5]).startsWith("exam 4"));
    }

    void onlyThePicturedItemsGetPictures()
    {
        const Edition& e = vestoraEdition();
        DataFile file(e);
        file.reviewItems.clear();
        for (int t = 1; t <= e.TopicCount; ++t)
            for (int k = 1; k <= 50; ++k)
                file.reviewItems << DataFile::item(t, 'A', QByteArray::number(k));
        const TextStore store = cutEditionData(file.bytes(), e);
        const int first = store.reviewItemIndex(6, 48), second = store.reviewItemIndex(8, 16);
        for (int n = 1; n <= e.ReviewItemCapacity; ++n)
            QCOMPARE(store.ItemPicture[n], n == first ? 1 : n == second ? 2 : 0);
    }

    void glossaryEntriesSplitIntoTermAndDefinition()
    {
        DataFile file(praxelleEdition());
        file.glossary[0] = "\\b Abstract of title\\b0 ::\\par  A summary of the recorded history of a title.";
        const TextStore store = cutEditionData(file.bytes(), praxelleEdition());
        QCOMPARE(store.GlossaryEntries[1], file.glossary[0]);
        const GlossaryEntry entry = splitGlossaryEntry(store.GlossaryEntries[1]);
        QCOMPARE(entry.Term, QByteArray("\\b Abstract of title\\b0 "));
        QCOMPARE(entry.Definition, QByteArray("A summary of the recorded history of a title."));
        QCOMPARE(splitGlossaryEntry(store.GlossaryEntries[GlossaryEntryCount]).Definition, QByteArray("Meaning 1181"));
    }

    void helpPagesAndTheLastPageLosingTheFilesLastByte()
    {
        DataFile file(vestoraEdition());
        file.lastByte = "X";
        const TextStore store = cutEditionData(file.bytes(), vestoraEdition());
        QCOMPARE(store.HelpPages[1], QByteArray("Help page 1\r\n\\par }\r\n"));
        QCOMPARE(store.HelpPages[16], QByteArray("Help page 16\r\n\\par }\r\n"));
        QCOMPARE(store.HelpPages[17], QByteArray("Help page 17\r\n"));
    }

    void itemPiecesAndPictureSpecs()
    {
        const QByteArray text = "\\par 03" + DataFile::item(3, 'D', "Which?").body + "\\par }\r\n";
        QCOMPARE(itemKey(text), 4);
        QCOMPARE(itemQuestion(text),
                 QByteArray("Which?\r\n\\par A. one\r\n\\par B. two\r\n\\par C. three\r\n\\par D. four\r\n"));
        QCOMPARE(itemExplanation(text), QByteArray("Because.\r\n\\par }\r\n"));
        // Damaged items give empty pieces, never a read outside the text.
        QCOMPARE(itemKey("\\par 01"), 0);
        QCOMPARE(itemExplanation("\\par 01 no marker"), QByteArray());
        QCOMPARE(itemQuestion("\\par *x"), QByteArray());

        const PictureSpec pictureSpec = parsePictureSpec("06048,0202,0151");
        QCOMPARE(pictureSpec.Topic, 6);
        QCOMPARE(pictureSpec.Item, 48);
        QCOMPARE(pictureSpec.Width, 202);
        QCOMPARE(pictureSpec.Height, 151);
        QCOMPARE(itemPictureFile(vestoraEdition(), pictureSpec), QString("Broker06048.gph"));
        QCOMPARE(itemPictureFile(praxelleEdition(), parsePictureSpec(praxelleEdition().PictureSpecs[2])),
                 QString("License09075.gph"));
    }

    void malformedFilesGiveAnError()
    {
        const Edition& e = vestoraEdition();
        const QByteArray good = DataFile(e).bytes();
        QVERIFY(!good.isEmpty());
        cutEditionData(good, e);  // the unbroken file cuts

        expectMalformed(QByteArray(), e);
        expectMalformed(good.left(good.lastIndexOf("\\par ^")), e);  // a section marker short

        DataFile noBang(e);
        noBang.header = "{\\rtf1 no bang";
        expectMalformed(noBang.bytes(), e);

        DataFile tooMany(e);
        for (int k = 0; k < e.ReviewItemCapacity; ++k)
            tooMany.reviewItems << DataFile::item(e.TopicCount, 'A', "more");
        expectMalformed(tooMany.bytes(), e);

        DataFile shortGlossary(e);
        shortGlossary.glossary.removeLast();
        expectMalformed(shortGlossary.bytes(), e);

        DataFile shortHelp(e);  // the last page's marker too close to the end for its skipped characters
        shortHelp.help.last().clear();
        QByteArray bytes = shortHelp.bytes();
        bytes.chop(8);
        expectMalformed(bytes, e);
    }

    void anItemWithoutAnAnswerLetterIsNamed()
    {
        const Edition& e = praxelleEdition();
        DataFile review(e);
        review.reviewItems.insert(2, DataFile::item(2, 'E', "no key"));  // topic 2's second item
        DataFile exam(e);
        exam.examItems.append(DataFile::item(2, 'a', "no key"));        // exam 2's second item
        for (const auto& [file, item] : {std::pair{review, "item 2 of topic 2 "}, {exam, "item 2 of exam 2 "}}) {
            try {
                cutEditionData(file.bytes(), e);
                QFAIL("an item without its answer letter was cut");
            } catch (const RuntimeError& error) {
                QCOMPARE(error.Number, RuntimeErrorNo::InvalidCall);
                QVERIFY2(error.Description.contains(item), qPrintable(error.Description));
            }
        }
    }

    void damagedFilesNeverCrashTheCutter()
    {
        // Every truncation and a run of random byte changes: each either cuts or gives the error.
        const Edition& e = praxelleEdition();
        const QByteArray good = DataFile(e).bytes();
        QRandomGenerator random(1234);
        auto survives = [&e](const QByteArray& bytes) {
            try {
                cutEditionData(bytes, e);
            } catch (const RuntimeError&) {
            }
        };
        for (qsizetype n = good.size() - 400; n <= good.size(); ++n)
            survives(good.left(n));
        for (int round = 0; round < 200; ++round) {
            QByteArray bytes = good;
            for (int k = 0; k < 20; ++k)
                bytes[random.bounded(int(bytes.size()))] = "\\^0123!*\r\n "[random.bounded(11)];
            survives(bytes);
        }
    }
};

REGISTER_TEST(TextStoreTest)
#include "text_store_test.moc"
