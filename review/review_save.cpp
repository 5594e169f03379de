#include "review/review_save.h"

#include "platform/basic.h"
#include "review/review_record.h"
#include "shell/app_state.h"

#include <algorithm>

namespace {

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
    r.TriesPerItem = float(review.ReviewTally[3]) / float(review.ReviewItemCount);
    r.Scrambled = scrambled ? 1 : 0;
    r.Minutes = float(review.ReviewElapsed * 1440);
    for (int i = 1; i <= 3; ++i) {
        r.Tally[i] = qint16(review.ReviewTally[i]);
        r.Lifelines[i] = quint8(review.LifelinesLeft[i]);
    }
    // Positions after the last stay zero: no reader looks at them.
    for (int i = 1; i <= review.ReviewItemCount && i <= MostTestItems; ++i) {
        r.Items[i] = qint16(review.ReviewOrder[i]);
        r.Misses[i] = quint8(review.ReviewMisses[i]);
    }
    return r;
}

void tellNotResumable(AppState& state)
{
    state.platform.prompter.message(
        "Your review test was saved, but the configuration file holds too many records for it to be "
        "resumed after the program is closed." + state.CrLf +
            "You can resume it until you close the program. Erasing old tests on the report cards makes "
            "room for the tests to come.",
        Prompter::OkOnly, Prompter::Exclamation, QString());
}

}  // namespace

void SaveReviewRecord(AppState& state, bool testFinished)
{
    ReviewState& review = state.review;
    ConfigImage image(state.config());
    const bool firstSave = review.ReviewRecordNo == 0;
    // A new test goes after the last record; record 1 is never a test's.
    const int recordNo = firstSave ? std::max(image.count(), 1) + 1 : review.ReviewRecordNo;
    image.setRecord(recordNo,
                    encodeReviewRecord(recordOf(review, state.settings.ScrambleItems, state.platform.clock.today())));

    // A completed record keeps its last position; no test is in progress any more. Record 1 holds
    // the number in one byte: a larger one is never stored cut short, but as "nothing to resume".
    const int inProgress = testFinished ? 0 : recordNo;
    const bool resumable = inProgress <= MostResumableRecordNo;
    const int topic = review.CurrentTopic;
    const int level = state.settings.TopicDrillLevel.at(topic);
    image.update([&](ConfigRecord& r) {
        r.ReviewRecordNo = quint8(resumable ? inProgress : 0);
        r.DrillLevels.at(topic) = quint8(level);
    });
    // The record and record 1 reach the file together; memory follows only once they have.
    image.save();
    review.ReviewRecordNo = inProgress;
    if (testFinished)
        review.ReviewItemsReached = review.ReviewItemNo = 0;
    if (firstSave && !resumable)
        tellNotResumable(state);
}
