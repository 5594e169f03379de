#include "review/review_rules.h"

#include "platform/basic.h"
#include "platform/random_source.h"
#include "shell/app_state.h"

#include <algorithm>

QString itemStatus(int testType, int position, int itemCount)
{
    static const QStringList titles = {QString(), "All Items Review Test", "Retake of All Items",
                                       "Retake of Missed Items", "Retake of Wild Guesses"};
    return titles.value(testType) + "\nItem" + basic::Str(position) + " of" + basic::Str(itemCount);
}

QByteArray explainedItemRtf(const TextStore& text, const QByteArray& question, const QByteArray& explanation,
                            const QByteArray& crLf)
{
    const QByteArray rule = QByteArray(15, ' ') + QByteArray(25, char(151));  // em dashes in Windows-1252
    return text.document(question + rule + "\\par " + crLf + explanation);
}

void scrambleOrder(std::vector<int>& order, int n, RandomSource& random)
{
    for (int g = 1; g <= n; ++g)
        std::swap(order[g], order[random.upTo(n)]);
}

int newTestLifelines(int itemCount) { return itemCount / 40 + 1; }

int retakeLifelines(int itemCount) { return std::max(itemCount / 40, 1); }

float reviewScore(int right, int wrong)
{
    return right + wrong == 0 ? 0.0f : float(right) / float(right + wrong);
}

bool reachesMark(float score, double mark)
{
    const float percent = score * 100.0f;  // kept in single precision: 7 of 10 is exactly 70
    return percent >= mark;
}

bool countsAsDrill(float score, int passMark, float editionThreshold)
{
    return reachesMark(score, editionThreshold) || reachesMark(score, passMark);
}

int countMiss(int& misses, std::array<int, 5>& tally)
{
    // Never more than three: a waiting item shown again after a resume offers every choice anew.
    misses = std::min(misses + 1, 3);
    if (misses == 1) {
        ++tally[ReviewState::Wrong];
        return 1;
    }
    if (misses == 2)
        ++tally[ReviewState::WildGuesses];
    return 2;
}

QString finishMessage(bool passed, int missed, const QString& crLf)
{
    return (passed ? QString("Congratulations! You passed this review test.") : QString("Sorry, you failed this review test."))
           + crLf + "You missed" + basic::Str(missed) + (missed == 1 ? " question." : " questions.");
}

int drawKeptChoice(const std::array<bool, 4>& open, int answer, RandomSource& random)
{
    const auto candidate = [&](int g) { return g != answer && g >= 0 && g < 4 && open[g]; };
    bool any = false;
    for (int g = 0; g < 4; ++g)
        any = any || candidate(g);
    if (!any)
        return -1;
    int g;
    do
        g = int(random.next() * 4);
    while (!candidate(g));
    return g;
}

void blankChoice(QByteArray& questionRtf, char letter, const QByteArray& crLf)
{
    const qsizetype o = questionRtf.indexOf("\\par " + QByteArray(1, letter) + ".");
    if (o < 0)
        return;
    // Kept up to the backslash that opens the choice's mark: with the line break after it, RTF
    // reads a paragraph mark, so the blanked choice leaves an empty line.
    const qsizetype t = questionRtf.indexOf("\\par ", o + 1);
    questionRtf = questionRtf.left(o + 1) + crLf + (t < 0 ? QByteArray() : questionRtf.mid(t));
}

namespace {
// The answers judged at a position as far as its record shows them: its misses, and the right
// answer once it was reached. Wrong answers under a free response leave no trace.
int triesAt(const ReviewState& review, int position)
{
    return review.ReviewMisses[position] + (position <= review.ReviewItemsReached ? 1 : 0);
}

// Right and Wrong as the kept positions give them; Tries loses what the dropped positions took.
void recountTallies(ReviewState& review, int droppedTries)
{
    int right = 0;
    int wrong = 0;
    int keptTries = 0;
    for (int p = 1; p <= review.ReviewItemCount; ++p) {
        wrong += review.ReviewMisses[p] != 0 ? 1 : 0;
        right += p <= review.ReviewItemsReached && review.ReviewMisses[p] == 0 ? 1 : 0;
        keptTries += triesAt(review, p);
    }
    auto& tally = review.ReviewTally;
    tally[ReviewState::Right] = right;
    tally[ReviewState::Wrong] = wrong;
    tally[ReviewState::Tries] = std::max(tally[ReviewState::Tries] - droppedTries, keptTries);
    review.ReviewScore = reviewScore(right, wrong);
}
}  // namespace

int dropUnknownItems(ReviewState& review, const TextStore& text)
{
    const auto known = [&text](int index) {
        return index >= 1 && index < int(text.ReviewItems.size()) && itemKey(text.ReviewItems[index]) != 0;
    };
    const int count = std::clamp(review.ReviewItemCount, 0, MostTestItems);
    int kept = 0;
    int itemNo = 0;
    int reached = 0;
    int droppedTries = 0;
    for (int p = 1; p <= count; ++p) {
        if (!known(review.ReviewOrder[p])) {
            droppedTries += triesAt(review, p);
            continue;
        }
        ++kept;
        review.ReviewOrder[kept] = review.ReviewOrder[p];
        review.ReviewMisses[kept] = review.ReviewMisses[p];
        if (p <= review.ReviewItemNo)
            itemNo = kept;
        if (p <= review.ReviewItemsReached)
            reached = kept;
    }
    const int dropped = review.ReviewItemCount - kept;
    review.ReviewItemCount = kept;
    review.ReviewItemNo = kept == 0 ? 0 : std::max(itemNo, 1);
    review.ReviewItemsReached = reached;
    if (dropped > 0)
        recountTallies(review, droppedTries);
    return dropped;
}
