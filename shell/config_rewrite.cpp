#include "shell/config_rewrite.h"

#include "platform/durable_file.h"
#include "platform/runtime_error.h"
#include "shell/config_file.h"

namespace {

bool isReviewKind(int kind, const Edition& edition) { return kind <= edition.TopicCount; }

// Rebuilds the file in memory: record 1, `kept`, the other kind's records, then `unshown`.
// Returns the other kind's resume number in the rebuilt file (0 stays 0).
int rebuildForCard(ConfigImage& image, ReportCardOf card, const QList<QByteArray>& kept,
                   const QList<QByteArray>& unshown, int otherResumeNo, const Edition& edition)
{
    const bool keepReviews = card == ReportCardOf::Exams;
    QList<QByteArray> others;
    int newResumeNo = 0;
    for (int r = 2; r <= image.count(); ++r) {
        const QByteArray record = image.record(r);
        if (isReviewKind(quint8(record.at(0)), edition) != keepReviews)
            continue;
        others.append(record);
        if (r == otherResumeNo)
            newResumeNo = 1 + int(kept.size()) + int(others.size());
    }
    while (image.count() > 1)
        image.removeRecord(image.count());
    int n = 2;
    for (const QByteArray& record : kept)
        image.setRecord(n++, record);
    for (const QByteArray& record : others + unshown)
        image.setRecord(n++, record);
    return newResumeNo;
}

}  // namespace

void replaceConfigFile(const QString& path, const QByteArray& content)
{
    durable_file::replace(path, content);
}

CardRewrite rewriteReportCard(const ConfigFile& config, ReportCardOf card, const QList<QByteArray>& kept,
                              const QList<QByteArray>& unshown, int& otherResumeNo)
{
    int newResumeNo = 0;
    try {
        ConfigImage image(config);
        newResumeNo = rebuildForCard(image, card, kept, unshown, otherResumeNo, config.edition());
        // One that no longer fits record 1 is stored as none, never truncated.
        const quint8 stored = newResumeNo <= MostResumableRecordNo ? quint8(newResumeNo) : 0;
        image.update([&](ConfigRecord& r) {
            (card == ReportCardOf::ReviewTests ? r.ExamRecordNo : r.ReviewRecordNo) = stored;
        });
        image.save();
    } catch (const RuntimeError& error) {
        return {CardRewrite::Failed, error.Description};
    }
    otherResumeNo = newResumeNo;
    return {newResumeNo > MostResumableRecordNo ? CardRewrite::SavedNotResumable : CardRewrite::Saved, {}};
}
