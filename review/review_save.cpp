#include "review/review_save.h"

#include "review/review_record.h"
#include "review/review_rules.h"
#include "shell/app_state.h"

ReviewSave SaveReviewRecord(ReviewState& review, Settings& settings, const ConfigFile& config,
                            const QDate& today, bool testFinished)
{
    ConfigImage image(config);
    const bool firstSave = review.ReviewRecordNo == 0;
    // A new test goes after the last record; record 1 is never a test's.
    const int recordNo = firstSave ? image.nextRecordNo() : review.ReviewRecordNo;
    image.setRecord(recordNo, encodeReviewRecord(recordOf(review, settings.ScrambleItems, today)));

    // A completed record keeps its last position; no test is in progress any more. Record 1 holds
    // the number in one byte: a larger one is never stored cut short, but as "nothing to resume".
    const int inProgress = testFinished ? 0 : recordNo;
    const bool resumable = inProgress <= MostResumableRecordNo;
    const int topic = review.CurrentTopic;
    int level = settings.TopicDrillLevel.at(topic);
    // Only a test of all items below the last drill is logged and may count as a drill.
    const bool logged = testFinished && level < 3 && review.ReviewTestType == 1;
    if (logged && countsAsDrill(review.ReviewScore, settings.PassMarkChar, config.edition().EditionPassThreshold))
        ++level;
    image.update([&](ConfigRecord& r) {
        r.ReviewRecordNo = quint8(resumable ? inProgress : 0);
        r.DrillLevels.at(topic) = quint8(level);
        if (logged)
            logScore(r, topic, review.ReviewScore, today);
    });
    // The record and record 1 reach the file together; memory follows only once they have.
    image.save();
    settings.TopicDrillLevel.at(topic) = level;
    review.ReviewRecordNo = inProgress;
    if (testFinished)
        review.ReviewItemsReached = review.ReviewItemNo = 0;
    return firstSave && !resumable ? ReviewSave::NotResumable : ReviewSave::Saved;
}
