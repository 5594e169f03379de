#include "review/report_card_save.h"

#include "review/review_save.h"
#include "shell/app_state.h"
#include "platform/runtime_error.h"

namespace {

bool isReviewKind(int kind, const Edition& edition) { return kind <= edition.TopicCount; }

int& otherResumeNo(AppState& state, ReportCardOf card)
{
    return card == ReportCardOf::ReviewTests ? state.exam.ExamRecordNo : state.review.ReviewRecordNo;
}

void tellNotSaved(AppState& state, const QString& detail)
{
    state.platform.prompter.message("Your report card could not be saved. Nothing was changed.\r\n" + detail,
                                    Prompter::OkOnly, Prompter::Critical, QString());
}

void tellNotResumable(AppState& state, ReportCardOf card)
{
    const QString what = card == ReportCardOf::ReviewTests ? "exam" : "review test";
    state.platform.prompter.message(
        QStringLiteral("Your report card was saved, but the %1 in progress now lies too far into the configuration "
                       "file to be resumed after the program is closed.\r\nYou can resume it until you close the "
                       "program.")
            .arg(what),
        Prompter::OkOnly, Prompter::Exclamation, QString());
}

}  // namespace

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

CardSave SaveReportCard(AppState& state, ReportCardOf card, const QList<QByteArray>& kept,
                        const QList<QByteArray>& unshown)
{
    const QString title = card == ReportCardOf::ReviewTests ? "Data Erased!" : "Exam Data Erased!";
    if (state.platform.prompter.message("Save Changes to Report Card?", Prompter::YesNo, Prompter::Exclamation, title)
        != Prompter::Yes)
        return CardSave::Declined;
    int& resumeNo = otherResumeNo(state, card);
    int newResumeNo = 0;
    try {
        ConfigImage image(state.config());
        newResumeNo = rebuildForCard(image, card, kept, unshown, resumeNo, state.edition);
        const quint8 stored = newResumeNo <= MostResumableRecordNo ? quint8(newResumeNo) : 0;
        image.update([&](ConfigRecord& r) {
            (card == ReportCardOf::ReviewTests ? r.ExamRecordNo : r.ReviewRecordNo) = stored;
        });
        image.save();
    } catch (const RuntimeError& error) {
        tellNotSaved(state, error.Description);
        return CardSave::Failed;
    }
    resumeNo = newResumeNo;
    if (newResumeNo > MostResumableRecordNo)
        tellNotResumable(state, card);
    return CardSave::Saved;
}

void tellUnshownRecords(AppState& state, int count)
{
    if (count == 0)
        return;
    const QString text = count == 1 ? QStringLiteral("One saved record is damaged and cannot be shown on this report "
                                                     "card.\r\nIt is kept in your file unchanged.")
                                    : QStringLiteral("%1 saved records are damaged and cannot be shown on this report "
                                                     "card.\r\nThey are kept in your file unchanged.")
                                          .arg(count);
    state.platform.prompter.message(text, Prompter::OkOnly, Prompter::Exclamation, "Damaged Records Kept");
}
