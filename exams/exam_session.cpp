#include "exams/exam_session.h"

#include "exams/exam_record.h"
#include "platform/basic.h"
#include "platform/clock.h"
#include "platform/random_source.h"
#include "shell/app_state.h"

#include <algorithm>

ExamSession::ExamSession(ExamState& exam, const TextStore& text, const Edition& edition, Clock& clock,
                         RandomSource& random, Saver save, QObject* parent)
    : QObject(parent), exam(exam), text(text), edition(edition), clock(clock), random(random), save(std::move(save))
{
}

bool ExamSession::structured() const { return exam.ExamStructured == 1; }

void ExamSession::start()
{
    loadLists();
    if (structured())
        NextOn = false;
    emit progressChanged();
    if (!Lists[RemainingList].empty()) {
        select(RemainingList, 0);
    } else {
        Blinking = true;
        // The saved position; a structured exam takes its items in order, from the first.
        select(AnsweredList, structured() ? 0 : exam.ExamCurrentItem - 1);
    }
    if (edition.ExamLoadSetsCloseCaption)
        CloseCancels = exam.ExamCurrentItem == 1;
    ClockStart = clock.now();
    publish();
}

void ExamSession::loadLists()
{
    if (exam.ExamCurrentItem != 0) {  // resuming: answered positions were saved committed
        for (int n = 1; n <= exam.ExamItemCount; ++n) {
            const bool answered = exam.ExamAnswers[n] != 0;
            Lists[answered ? AnsweredList : RemainingList].push_back(n);
            if (answered)
                exam.ExamAnswered[n] = 1;
        }
        ListOn[AnsweredList] = true;
        return;
    }
    if (exam.ExamKind <= edition.CustomExamNo()) {
        random.seed(unsigned(clock.secondsSinceMidnight()));
        buildNewExam(exam, text, edition, random);
    } else {  // a retake keeps the items the report card chose
        for (std::vector<int>* perPosition : {&exam.ExamUnsure, &exam.ExamKey, &exam.ExamAnswerCount, &exam.ExamAnswered})
            perPosition->assign(size_t(MostTestItems) + 1, 0);
    }
    for (int n = 1; n <= exam.ExamItemCount; ++n)
        Lists[RemainingList].push_back(n);
    exam.ExamCurrentItem = 1;
    exam.ExamElapsed = 0;
}

QStringList ExamSession::entries(List list) const
{
    QStringList texts;
    for (int n : Lists[list])
        texts << (list == AnsweredList ? answeredEntry(n, exam.ExamAnswers[n], exam.ExamUnsure[n] != 0) : remainingEntry(n));
    return texts;
}

int ExamSession::selectedRow(List list) const
{
    const std::vector<int>& l = Lists[list];
    const auto at = std::find(l.begin(), l.end(), Selected[list]);
    return at == l.end() ? -1 : int(at - l.begin());
}

QString ExamSession::frameCaption() const
{
    return listFrameCaption(int(Lists[AnsweredList].size()), int(Lists[RemainingList].size()));
}

void ExamSession::selectEntry(List list, int row)
{
    if (Closing || TimeExpired)  // a list whose row changes after expiry must not show an item again
        return;
    select(list, row);
    publish();
}

void ExamSession::clickEntry(List list, int row)
{
    if (Closing || TimeExpired || row < 0 || row >= int(Lists[list].size()))
        return;
    // The entry already selected shows only when it is not the one on show.
    if (ActiveList != list || Lists[list][size_t(row)] != exam.ExamCurrentItem)
        selectEntry(list, row);
}

void ExamSession::select(List list, int row)
{
    if (row < 0 || row >= int(Lists[list].size()))
        return;
    Selected[list] = Lists[list][size_t(row)];
    listClick(list);
}

void ExamSession::listClick(List list)
{
    if (Closing || TimeExpired)
        return;
    if (structured()) {
        // Items come strictly in list order: the first remaining one is always on show, or,
        // with none remaining, the answered one selected.
        ActiveList = Lists[RemainingList].empty() ? AnsweredList : RemainingList;
        PreviousConfirms = true;
        PreviousOn = false;
        ListOn = {false, false};
    } else {
        ActiveList = list;
    }
    exam.ExamCurrentItem = selectedRow(ActiveList) >= 0 ? Selected[ActiveList] : 0;
    show(exam.ExamCurrentItem);
}

void ExamSession::show(int n)
{
    Title = itemCaption(edition.ExamTitles.value(exam.ExamChoice), n, exam.ExamItemCount);
    const QByteArray item = examItemText(exam, text, edition, n);
    Picture = examItemPicture(exam, text, edition, n);
    exam.ExamKey[n] = itemKey(item);
    ItemRtf = text.document(itemQuestion(item));
    const int answer = exam.ExamAnswers[n];
    HeldAnswer = answer >= 1 && answer <= 4 ? answer : 0;  // a damaged record may hold another value
    AnswerText = answerLabel(answer, exam.ExamUnsure[n] != 0);
    setNavigation();
    CloseCancels = Lists[AnsweredList].empty();
    Progress = int(basic::roundHalfEven(double(Lists[AnsweredList].size()) / exam.ExamItemCount * 100));
    emit itemShown(n);
}

void ExamSession::setNavigation()
{
    const int i = selectedRow(ActiveList);
    const int c = int(Lists[ActiveList].size());
    const bool last = i > 0 && i == c - 1;  // a single entry is the first, and Next stays on
    PreviousOn = i != 0;
    if (last)
        NextOn = false;
    else if (!structured())
        NextOn = true;
}

bool ExamSession::commitAnswer(int& row)
{
    if (!structured())
        ListOn[AnsweredList] = true;
    row = selectedRow(ActiveList);
    if (ActiveList != RemainingList)
        return false;  // answers to answered positions are written to their entries at once
    const int n = exam.ExamCurrentItem;
    const bool moved = exam.ExamAnswers[n] != 0;
    std::vector<int>& remaining = Lists[RemainingList];
    if (moved) {
        std::vector<int>& answered = Lists[AnsweredList];
        answered.insert(std::upper_bound(answered.begin(), answered.end(), n), n);
        exam.ExamAnswered[n] = 1;
        remaining.erase(std::remove(remaining.begin(), remaining.end(), n), remaining.end());
        Selected[RemainingList] = 0;
        emit progressChanged();
    }
    if (remaining.empty()) {
        ListOn[RemainingList] = false;
        ActiveList = AnsweredList;
        row = int(Lists[AnsweredList].size()) - 2;
        Blinking = true;
    }
    return moved;
}

void ExamSession::reshowAnswered()
{
    // The answered entry changed: it shows anew.
    if (ActiveList != AnsweredList)
        return;
    emit progressChanged();
    select(AnsweredList, selectedRow(AnsweredList));
}

void ExamSession::answer(int choice)
{
    if (TimeExpired)
        return;
    const int n = exam.ExamCurrentItem;
    HeldAnswer = choice + 1;
    exam.ExamAnswers[n] = choice + 1;
    exam.ExamAnswerCount[n] += 1;
    if (exam.ExamUnsure[n] == 0 && exam.ExamAnswerCount[n] > 2)
        exam.ExamUnsure[n] = UnsureMark;  // a third change of mind
    reshowAnswered();
    AnswerText = answerLabel(exam.ExamAnswers[n], exam.ExamUnsure[n] != 0);
    if (structured()) {
        PreviousOn = false;
        NextOn = true;
        publish(NextFocus);
        return;
    }
    const int row = selectedRow(ActiveList);
    const int count = int(Lists[ActiveList].size());
    publish(count > 1 && row == count - 1 ? PreviousFocus : NextFocus);
}

void ExamSession::next()
{
    if (!nextEnabled())
        return;
    if (structured()) {  // Next only arms Confirm
        PreviousOn = true;
        NextOn = false;
        publish(PreviousFocus);
        return;
    }
    int i = 0;
    const bool moved = commitAnswer(i);
    if (ActiveList == RemainingList) {
        if (moved)
            select(RemainingList, i);  // the following entry moved up into its place
        else if (Lists[RemainingList].size() > 1)
            select(RemainingList, i + 1);
    } else {
        select(AnsweredList, i + 1);
    }
    const int row = selectedRow(ActiveList);
    publish(row > 0 && row == int(Lists[ActiveList].size()) - 1 ? PreviousFocus : NextFocus);
}

void ExamSession::previous()
{
    if (!previousEnabled())
        return;
    int i = 0;
    commitAnswer(i);
    if (!structured()) {
        select(ActiveList, i - 1);
        publish(i - 1 != 0 ? PreviousFocus : NextFocus);
        return;
    }
    // Confirm
    PreviousOn = false;
    if (Lists[RemainingList].empty()) {
        ExamFinished = true;
        publish(ItemFocus);
        emit closeRequested();
        return;
    }
    select(RemainingList, i);
    select(AnsweredList, int(Lists[AnsweredList].size()) - 1);
    publish(ItemFocus);
}

void ExamSession::toggleUnsure()
{
    if (TimeExpired)
        return;
    const int n = exam.ExamCurrentItem;
    const bool marked = exam.ExamUnsure[n] == 0;
    exam.ExamUnsure[n] = marked ? UnsureMark : 0;
    AnswerText = marked ? markedUnsureLabel(exam.ExamAnswers[n]) : answerLabel(exam.ExamAnswers[n], false);
    reshowAnswered();
    publish();
}

void ExamSession::interrupt()
{
    if (!TimeExpired)
        emit closeRequested();
}

bool ExamSession::wantsCaution() const { return !TimeExpired && !Lists[RemainingList].empty(); }

void ExamSession::giveTimeBack(const QDateTime& asked) { ClockStart = ClockStart.addMSecs(asked.msecsTo(clock.now())); }

void ExamSession::finish()
{
    ExamFinished = true;
    emit closeRequested();
}

double ExamSession::usedDays() const { return exam.ExamElapsed + ClockStart.msecsTo(clock.now()) / 86400000.0; }

void ExamSession::tick()
{
    if (TimeExpired)
        return;
    const Countdown countdown = ::countdown(exam.ExamTimeLimit, usedDays());
    exam.ExamMinutesLeft = countdown.MinutesLeft;
    emit clockChanged(countdown);
    if (countdown.Expired)
        expire();
}

void ExamSession::expire()
{
    TimeExpired = true;
    ExamFinished = true;
    ItemRtf.clear();
    emit expired();
    publish(FinishedFocus);
}

void ExamSession::close()
{
    // Never more than the limit, also when the close comes between the real expiry and the tick that
    // notices it: a saved exam with more time used than allowed is not resumed.
    const double limit = exam.ExamTimeLimit / 1440.0;
    exam.ExamElapsed = TimeExpired ? limit : std::min(usedDays(), limit);
    Closing = true;
    emit closed(save(CloseCancels, ExamFinished));
}

void ExamSession::publish(Focus focus) { emit controlsChanged(focus); }
