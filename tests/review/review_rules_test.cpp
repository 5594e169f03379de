// The review test's rules that need no window: order, lifelines, score and drill, the coin
// toss's cut, the finish message, and skipping items the course does not hold.
#include "platform/random_source.h"
#include "review/review_rules.h"
#include "shell/app_state.h"
#include "tests/support/test_main.h"

#include <QTest>
#include <algorithm>
#include <numeric>
#include <set>

namespace {
// A question as the course builder writes it: every choice ends with a paragraph mark.
const QByteArray Question = "Which one?\\par \\pard\\par A. alpha\\par B. bravo\\par C. charlie\\par D. delta\\par ";
}  // namespace

class ReviewRulesTest : public QObject {
    Q_OBJECT
private slots:
    void scramblingKeepsEveryItemOnce()
    {
        RandomSource random;
        random.seed(36000);
        std::vector<int> order(301, 0);
        std::iota(order.begin() + 1, order.begin() + 11, 101);
        scrambleOrder(order, 10, random);
        std::vector<int> scrambled(order.begin() + 1, order.begin() + 11);
        QVERIFY(!std::is_sorted(scrambled.begin(), scrambled.end()));
        std::sort(scrambled.begin(), scrambled.end());
        std::vector<int> expected(10);
        std::iota(expected.begin(), expected.end(), 101);
        QCOMPARE(scrambled, expected);
        QCOMPARE(order[11], 0);  // nothing past the test's positions moves

        std::vector<int> single = {0, 42, 0};
        scrambleOrder(single, 1, random);
        QCOMPARE(single, (std::vector<int>{0, 42, 0}));

        // The last position draws from the whole range too: two items come out in either order.
        std::set<std::vector<int>> pairs;
        for (unsigned seed = 1; seed <= 20; ++seed) {
            random.seed(seed);
            std::vector<int> pair = {0, 1, 2};
            scrambleOrder(pair, 2, random);
            pairs.insert(pair);
        }
        QCOMPARE(pairs, (std::set<std::vector<int>>{{0, 1, 2}, {0, 2, 1}}));

        // One draw for each position, the last one included.
        RandomSource skipped = random;
        std::vector<int> three = {0, 1, 2, 3};
        scrambleOrder(three, 3, random);
        for (int g = 1; g <= 3; ++g)
            skipped.next();
        QCOMPARE(random.next(), skipped.next());
    }

    void lifelinesGrowWithTheTest()
    {
        QCOMPARE(newTestLifelines(1), 1);
        QCOMPARE(newTestLifelines(39), 1);
        QCOMPARE(newTestLifelines(40), 2);
        QCOMPARE(newTestLifelines(80), 3);
        QCOMPARE(retakeLifelines(3), 1);
        QCOMPARE(retakeLifelines(40), 1);
        QCOMPARE(retakeLifelines(85), 2);
    }

    void aDrillCountsAtTheLowerOfThresholdAndPassMark()
    {
        const float seventy = reviewScore(7, 3);  // exactly 70 in single precision
        QVERIFY(reachesMark(seventy, 70));
        QVERIFY(!reachesMark(seventy, 71));
        QVERIFY(countsAsDrill(seventy, 90, 70.0f));
        QVERIFY(countsAsDrill(seventy, 70, 75.0f));
        QVERIFY(!countsAsDrill(seventy, 90, 75.0f));
        QVERIFY(!reachesMark(reviewScore(2, 1), 67));  // 66.7
    }

    void blankingAChoiceLeavesAnEmptyParagraph()
    {
        QByteArray rtf = Question;
        blankChoice(rtf, 'B', "\r\n");
        QCOMPARE(rtf, QByteArray("Which one?\\par \\pard\\par A. alpha\\\r\n\\par C. charlie\\par D. delta\\par "));
        blankChoice(rtf, 'D', "\r\n");
        QCOMPARE(rtf, QByteArray("Which one?\\par \\pard\\par A. alpha\\\r\n\\par C. charlie\\\r\n\\par "));
        blankChoice(rtf, 'B', "\r\n");  // gone already: nothing more to cut
        QCOMPARE(rtf, QByteArray("Which one?\\par \\pard\\par A. alpha\\\r\n\\par C. charlie\\\r\n\\par "));
    }

    void blankingTheLastParagraphCutsToTheEnd()
    {
        QByteArray rtf = "Q\\par A. alpha\\par B. bravo\\par C. charlie\\par D. delta";
        blankChoice(rtf, 'D', "\r\n");
        QCOMPARE(rtf, QByteArray("Q\\par A. alpha\\par B. bravo\\par C. charlie\\\r\n"));
    }

    void theKeptChoiceIsAnOpenWrongOne()
    {
        RandomSource random;
        std::set<int> kept;
        for (unsigned seed = 1; seed <= 60; ++seed) {
            random.seed(seed);
            const int g = drawKeptChoice({true, false, true, true}, 2, random);
            QVERIFY2(g == 0 || g == 3, qPrintable(QString::number(g)));
            kept.insert(g);
        }
        QCOMPARE(kept, (std::set<int>{0, 3}));  // either may be kept
        QCOMPARE(drawKeptChoice({false, true, false, false}, 1, random), -1);
    }

    void aPositionHoldsAtMostThreeMisses()
    {
        // Four wrong answers can reach one position when its item is shown again after a resume.
        int misses = 0;
        std::array<int, 5> tally{};
        for (const int message : {1, 2, 2, 2})
            QCOMPARE(countMiss(misses, tally), message);
        QCOMPARE(misses, 3);
        QCOMPARE(tally, (std::array<int, 5>{0, 0, 1, 0, 1}));
    }

    void itemsOutsideTheStoreAreSkipped_data()
    {
        QTest::addColumn<int>("itemNo");   // the position the user was on
        QTest::addColumn<int>("reached");
        QTest::addColumn<int>("keptItemNo");
        QTest::addColumn<int>("keptReached");
        QTest::newRow("on a dropped item") << 4 << 4 << 2 << 2;
        QTest::newRow("on a kept item, later ones reached") << 3 << 6 << 2 << 3;
    }
    void itemsOutsideTheStoreAreSkipped()
    {
        QFETCH(int, itemNo);
        QFETCH(int, reached);
        QFETCH(int, keptItemNo);
        QFETCH(int, keptReached);
        TextStore text;
        text.ReviewItems = {QByteArray(), "\\par 01xxxAxxxxxxxQ one\\par *E", "\\par 01xxxBxxxxxxxQ two\\par *E",
                            "\\par 01xxxZxxxxxxxno answer letter"};
        ReviewState review;
        review.ReviewItemCount = 6;
        const std::array<int, 7> order = {0, 1, 99, 2, 0, 3, 1};
        std::copy(order.begin(), order.end(), review.ReviewOrder.begin());
        for (int p = 1; p <= 6; ++p)
            review.ReviewMisses[p] = p;
        review.ReviewItemNo = itemNo;
        review.ReviewItemsReached = reached;

        QCOMPARE(dropUnknownItems(review, text), 3);
        QCOMPARE(review.ReviewItemCount, 3);
        QCOMPARE(review.ReviewOrder[1], 1);
        QCOMPARE(review.ReviewOrder[2], 2);
        QCOMPARE(review.ReviewOrder[3], 1);
        QCOMPARE(review.ReviewMisses[2], 3);  // the misses move with their items
        QCOMPARE(review.ReviewMisses[3], 6);
        QCOMPARE(review.ReviewItemNo, keptItemNo);
        QCOMPARE(review.ReviewItemsReached, keptReached);

        // Every position up to the one shown gone: the test goes on at the first one kept.
        review.ReviewOrder[1] = review.ReviewOrder[2] = 500;
        QCOMPARE(dropUnknownItems(review, text), 2);
        QCOMPARE(review.ReviewItemNo, 1);
        QCOMPARE(review.ReviewItemsReached, keptReached - 2);

        review.ReviewOrder[1] = 500;
        dropUnknownItems(review, text);
        QCOMPARE(review.ReviewItemCount, 0);
        QCOMPARE(review.ReviewItemNo, 0);
    }

    void theFinishMessageCountsTheMisses()
    {
        QCOMPARE(finishMessage(true, 0, "\r\n"),
                 "Congratulations! You passed this review test.\r\nYou missed 0 questions.");
    }

    void aDropWorksTheTalliesOutAgain()
    {
        TextStore text;
        text.ReviewItems = {QByteArray(), "\\par 01xxxAxxxxxxxQ one\\par *E", "\\par 01xxxBxxxxxxxQ two\\par *E"};
        ReviewState review;
        // Right at once, one miss (gone), two misses, right at once (gone), waiting after one miss;
        // two more tries under a free response somewhere.
        review.ReviewItemCount = 5;
        const std::array<int, 6> order = {0, 1, 50, 2, 60, 1};
        const std::array<int, 6> misses = {0, 0, 1, 2, 0, 1};
        std::copy(order.begin(), order.end(), review.ReviewOrder.begin());
        std::copy(misses.begin(), misses.end(), review.ReviewMisses.begin());
        review.ReviewItemNo = review.ReviewItemsReached = 4;
        review.ReviewTally = {0, 2, 3, 10, 1};

        QCOMPARE(dropUnknownItems(review, text), 2);
        QCOMPARE(review.ReviewItemsReached, 2);
        QCOMPARE(review.ReviewTally, (std::array<int, 5>{0, 1, 2, 7, 1}));
        QCOMPARE(review.ReviewScore, reviewScore(1, 2));
    }
};

REGISTER_TEST(ReviewRulesTest)
#include "review_rules_test.moc"
