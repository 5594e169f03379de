#include "review/review_record.h"

#include "platform/basic.h"
#include "platform/record_file.h"
#include "shell/app_state.h"

#include <algorithm>

namespace {
constexpr int Positions = 300;
constexpr int DateWidth = 10;
constexpr int ChoiceCount = 4;  // answers A to D

// The record's fields in their stored order, for decoding and encoding alike.
template <class Record, class Fields>
void visitFields(Record& r, Fields& f)
{
    f.field(r.Kind);
    f.field(r.SavedDate, DateWidth, Padding::Blanks);
    f.field(r.ItemNo);
    f.field(r.ItemsReached);
    f.field(r.ItemCount);
    f.field(r.TestType);
    f.field(r.Score);
    f.field(r.TriesPerItem);
    f.field(r.Scrambled);
    f.field(r.Minutes);
    f.array(r.Tally, 3);
    f.array(r.Lifelines, 3);
    f.array(r.Items, Positions);
    f.array(r.Misses, Positions);
}

// Right and Wrong count positions, each of which took at least one of the Tries.
bool talliesWithin(const ReviewRecord& r)
{
    const int right = r.Tally[ReviewState::Right], wrong = r.Tally[ReviewState::Wrong],
              tries = r.Tally[ReviewState::Tries];
    return right >= 0 && wrong >= 0 && right + wrong <= r.ItemCount && tries >= right + wrong;
}
}  // namespace

ReviewRecord decodeReviewRecord(const QByteArray& bytes)
{
    ReviewRecord r;
    FieldReader in(bytes);
    visitFields(r, in);
    return r;
}

QByteArray encodeReviewRecord(const ReviewRecord& r)
{
    FieldWriter out;
    visitFields(r, out);
    return out.bytes();
}

bool isSoundReviewRecord(const ReviewRecord& r, const Edition& edition)
{
    const auto misses = r.Misses.begin() + 1;
    return r.Kind >= 1 && r.Kind <= edition.TopicCount && r.ItemCount >= 1 && r.ItemCount <= MostTestItems
           && isTimeSpent(r.Minutes) && itemsWithin(r.Items, r.ItemCount, edition.ReviewItemCapacity)
           && std::all_of(misses, misses + r.ItemCount, [](int m) { return m <= ChoiceCount - 1; });
}

ReviewRecord recordOf(const ReviewState& review, bool scrambled, const QDate& today)
{
    ReviewRecord r;
    r.Kind = quint8(review.CurrentTopic);
    r.SavedDate = basic::dateText(today).toLatin1();
    r.ItemNo = qint16(review.ReviewItemNo);
    r.ItemsReached = qint16(review.ReviewItemsReached);
    r.ItemCount = qint16(review.ReviewItemCount);
    r.TestType = quint8(review.ReviewTestType);
    r.Score = review.ReviewScore;
    r.TriesPerItem = float(review.ReviewTally[ReviewState::Tries]) / float(review.ReviewItemCount);
    r.Scrambled = scrambled ? 1 : 0;
    r.Minutes = float(review.ReviewElapsed * 1440);
    for (int i = 1; i <= 3; ++i) {
        r.Tally[i] = qint16(review.ReviewTally[i]);
        r.Lifelines[i] = quint8(review.LifelinesLeft[i]);
    }
    for (int i = 1; i <= review.ReviewItemCount && i <= MostTestItems; ++i) {
        r.Items[i] = qint16(review.ReviewOrder[i]);
        r.Misses[i] = quint8(review.ReviewMisses[i]);
    }
    return r;
}

bool resumeReviewTest(ReviewState& review, const ReviewRecord& r, const Edition& edition)
{
    const bool sound = isSoundReviewRecord(r, edition) && r.ItemNo >= 1 && r.ItemNo <= r.ItemCount
                       && r.ItemsReached >= 0 && r.ItemsReached <= r.ItemCount && r.TestType >= 1 && r.TestType <= 4
                       && talliesWithin(r);
    if (!sound)
        return false;
    for (int i = 1; i <= 3; ++i) {
        review.ReviewTally[i] = r.Tally[i];
        review.LifelinesLeft[i] = r.Lifelines[i];
    }
    review.ReviewTally[ReviewState::WildGuesses] = 0;
    review.ReviewElapsed = r.Minutes / 1440.0;
    review.ReviewTestType = r.TestType;
    review.ReviewItemNo = r.ItemNo;
    review.ReviewItemsReached = r.ItemsReached;
    review.ReviewItemCount = r.ItemCount;
    review.CurrentTopic = r.Kind;
    for (int i = 1; i <= r.ItemCount; ++i) {
        review.ReviewOrder[i] = r.Items[i];
        review.ReviewMisses[i] = r.Misses[i];
    }
    return true;
}
