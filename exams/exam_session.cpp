#include "exams/exam_session.h"

#include "exams/exam_record.h"
#include "platform/basic.h"
#include "platform/clock.h"
#include "platform/random_source.h"
#include "shell/app_state.h"

#include <algorithm>

ExamSession::ExamSession(ExamState& exam, const TextStore& text, const Edition& edition, Clock& clock,
                         RandomSource& random, Saver save, QObject* parent)
    : QObject(parent), exam_(exam), text_(text), edition_(edition), clock_(clock), random_(random), save_(std::move(save))
{
}

bool ExamSession::structured() const { return exam_.ExamStructured == 1; }

void ExamSession::start()
{
    loadLists();
    if (structured())
        nextOn_ = false;
    emit progressChanged();
    if (!lists_[RemainingList].empty()) {
        select(RemainingList, 0);
    } else {
        blinking_ = true;
        // The saved position; a structured exam takes its items in order, from the first.
        select(AnsweredList, structured() ? 0 : exam_.ExamCurrentItem - 1);
    }
    if (edition_.ExamLoadSetsCloseCaption)
        closeCancels_ = exam_.ExamCurrentItem == 1;
    clockStart_ = clock_.now();
    publish();
}

void ExamSession::loadLists()
{
    if (exam_.ExamCurrentItem != 0) {  // resuming: answered positions were saved committed
        for (int n = 1; n <= exam_.ExamItemCount; ++n) {
            const bool answered = exam_.ExamAnswers[n] != 0;
            lists_[answered ? AnsweredList : RemainingList].push_back(n);
            if (answered)
                exam_.ExamAnswered[n] = 1;
        }
        listOn_[AnsweredList] = true;
        return;
    }
    if (exam_.ExamKind <= edition_.CustomExamNo()) {
        random_.seed(unsigned(clock_.secondsSinceMidnight()));
        buildNewExam(exam_, text_, edition_, random_);
    } else {  // a retake keeps the items the report card chose
        for (std::vector<int>* perPosition : {&exam_.ExamUnsure, &exam_.ExamKey, &exam_.ExamAnswerCount, &exam_.ExamAnswered})
            perPosition->assign(size_t(MostTestItems) + 1, 0);
    }
    for (int n = 1; n <= exam_.ExamItemCount; ++n)
        lists_[RemainingList].push_back(n);
    exam_.ExamCurrentItem = 1;
    exam_.ExamElapsed = 0;
}

QStringList ExamSession::entries(List list) const
{
    QStringList texts;
    for (int n : lists_[list])
        texts << (list == AnsweredList ? answeredEntry(n, exam_.ExamAnswers[n], exam_.ExamUnsure[n] != 0) : remainingEntry(n));
    return texts;
}

int ExamSession::selectedRow(List list) const
{
    const std::vector<int>& l = lists_[list];
    const auto at = std::find(l.begin(), l.end(), selected_[list]);
    return at == l.end() ? -1 : int(at - l.begin());
}

QString ExamSession::frameCaption() const
{
    return listFrameCaption(int(lists_[AnsweredList].size()), int(lists_[RemainingList].size()));
}

void ExamSession::selectEntry(List list, int row)
{
    if (closing_ || timeExpired_)  // a list whose row changes after expiry must not show an item again
        return;
    select(list, row);
    publish();
}

void ExamSession::clickEntry(List list, int row)
{
    if (closing_ || timeExpired_ || row < 0 || row >= int(lists_[list].size()))
        return;
    // The entry already selected shows only when it is not the one on show.
    if (activeList_ != list || lists_[list][size_t(row)] != exam_.ExamCurrentItem)
        selectEntry(list, row);
}

void ExamSession::select(List list, int row)
{
    if (row < 0 || row >= int(lists_[list].size()))
        return;
    selected_[list] = lists_[list][size_t(row)];
    listClick(list);
}

void ExamSession::listClick(List list)
{
    if (closing_ || timeExpired_)
        return;
    if (structured()) {
        // Items come strictly in list order: the first remaining one is always on show, or,
        // with none remaining, the answered one selected.
        activeList_ = lists_[RemainingList].empty() ? AnsweredList : RemainingList;
        previousConfirms_ = true;
        previousOn_ = false;
        listOn_ = {false, false};
    } else {
        activeList_ = list;
    }
    exam_.ExamCurrentItem = selectedRow(activeList_) >= 0 ? selected_[activeList_] : 0;
    show(exam_.ExamCurrentItem);
}

void ExamSession::show(int n)
{
    title_ = itemCaption(edition_.ExamTitles.value(exam_.ExamChoice), n, exam_.ExamItemCount);
    const QByteArray item = examItemText(exam_, text_, edition_, n);
    picture_ = examItemPicture(exam_, text_, edition_, n);
    exam_.ExamKey[n] = itemKey(item);
    itemRtf_ = text_.document(itemQuestion(item));
    const int answer = exam_.ExamAnswers[n];
    heldAnswer_ = answer >= 1 && answer <= 4 ? answer : 0;  // a damaged record may hold another value
    answerText_ = answerLabel(answer, exam_.ExamUnsure[n] != 0);
    setNavigation();
    closeCancels_ = lists_[AnsweredList].empty();
    progress_ = int(basic::roundHalfEven(double(lists_[AnsweredList].size()) / exam_.ExamItemCount * 100));
    emit itemShown(n);
}

void ExamSession::setNavigation()
{
    const int i = selectedRow(activeList_);
    const int c = int(lists_[activeList_].size());
    const bool last = i > 0 && i == c - 1;  // a single entry is the first, and Next stays on
    previousOn_ = i != 0;
    if (last)
        nextOn_ = false;
    else if (!structured())
        nextOn_ = true;
}

bool ExamSession::commitAnswer(int& row)
{
    if (!structured())
        listOn_[AnsweredList] = true;
    row = selectedRow(activeList_);
    if (activeList_ != RemainingList)
        return false;  // answers to answered positions are written to their entries at once
    const int n = exam_.ExamCurrentItem;
    const bool moved = exam_.ExamAnswers[n] != 0;
    std::vector<int>& remaining = lists_[RemainingList];
    if (moved) {
        std::vector<int>& answered = lists_[AnsweredList];
        answered.insert(std::upper_bound(answered.begin(), answered.end(), n), n);
        exam_.ExamAnswered[n] = 1;
        remaining.erase(std::remove(remaining.begin(), remaining.end(), n), remaining.end());
        selected_[RemainingList] = 0;
        emit progressChanged();
    }
    if (remaining.empty()) {
        listOn_[RemainingList] = false;
        activeList_ = AnsweredList;
        row = int(lists_[AnsweredList].size()) - 2;
        blinking_ = true;
    }
    return moved;
}

void ExamSession::reshowAnswered()
{
    // The answered entry changed: it shows anew.
    if (activeList_ != AnsweredList)
        return;
    emit progressChanged();
    select(AnsweredList, selectedRow(AnsweredList));
}

void ExamSession::answer(int choice)
{
    if (timeExpired_)
        return;
    const int n = exam_.ExamCurrentItem;
    heldAnswer_ = choice + 1;
    exam_.ExamAnswers[n] = choice + 1;
    exam_.ExamAnswerCount[n] += 1;
    if (exam_.ExamUnsure[n] == 0 && exam_.ExamAnswerCount[n] > 2)
        exam_.ExamUnsure[n] = UnsureMark;  // a third change of mind
    reshowAnswered();
    answerText_ = answerLabel(exam_.ExamAnswers[n], exam_.ExamUnsure[n] != 0);
    if (structured()) {
        previousOn_ = false;
        nextOn_ = true;
        publish(NextFocus);
        return;
    }
    const int row = selectedRow(activeList_);
    const int count = int(lists_[activeList_].size());
    publish(count > 1 && row == count - 1 ? PreviousFocus : NextFocus);
}

void ExamSession::next()
{
    if (!nextEnabled())
        return;
    if (structured()) {  // Next only arms Confirm
        previousOn_ = true;
        nextOn_ = false;
        publish(PreviousFocus);
        return;
    }
    int i = 0;
    const bool moved = commitAnswer(i);
    if (activeList_ == RemainingList) {
        if (moved)
            select(RemainingList, i);  // the following entry moved up into its place
        else if (lists_[RemainingList].size() > 1)
            select(RemainingList, i + 1);
    } else {
        select(AnsweredList, i + 1);
    }
    const int row = selectedRow(activeList_);
    publish(row > 0 && row == int(lists_[activeList_].size()) - 1 ? PreviousFocus : NextFocus);
}

void ExamSession::previous()
{
    if (!previousEnabled())
        return;
    int i = 0;
    commitAnswer(i);
    if (!structured()) {
        select(activeList_, i - 1);
        publish(i - 1 != 0 ? PreviousFocus : NextFocus);
        return;
    }
    // Confirm
    previousOn_ = false;
    if (lists_[RemainingList].empty()) {
        examFinished_ = true;
        publish(ItemFocus);
        emit closeRequested();
        return;
    }
    select(RemainingList, i);
    select(AnsweredList, int(lists_[AnsweredList].size()) - 1);
    publish(ItemFocus);
}

void ExamSession::toggleUnsure()
{
    if (timeExpired_)
        return;
    const int n = exam_.ExamCurrentItem;
    const bool marked = exam_.ExamUnsure[n] == 0;
    exam_.ExamUnsure[n] = marked ? UnsureMark : 0;
    answerText_ = marked ? markedUnsureLabel(exam_.ExamAnswers[n]) : answerLabel(exam_.ExamAnswers[n], false);
    reshowAnswered();
    publish();
}

void ExamSession::interrupt()
{
    if (!timeExpired_)
        emit closeRequested();
}

bool ExamSession::wantsCaution() const { return !timeExpired_ && !lists_[RemainingList].empty(); }

void ExamSession::giveTimeBack(const QDateTime& asked) { clockStart_ = clockStart_.addMSecs(asked.msecsTo(clock_.now())); }

void ExamSession::finish()
{
    examFinished_ = true;
    emit closeRequested();
}

double ExamSession::usedDays() const { return exam_.ExamElapsed + clockStart_.msecsTo(clock_.now()) / 86400000.0; }

void ExamSession::tick()
{
    if (timeExpired_)
        return;
    const Countdown countdown = ::countdown(exam_.ExamTimeLimit, usedDays());
    exam_.ExamMinutesLeft = countdown.MinutesLeft;
    emit clockChanged(countdown);
    if (countdown.Expired)
        expire();
}

void ExamSession::expire()
{
    timeExpired_ = true;
    examFinished_ = true;
    itemRtf_.clear();
    emit expired();
    publish(FinishedFocus);
}

void ExamSession::close()
{
    // Never more than the limit, also when the close comes between the real expiry and the tick that
    // notices it: a saved exam with more time used than allowed is not resumed.
    const double limit = exam_.ExamTimeLimit / 1440.0;
    exam_.ExamElapsed = timeExpired_ ? limit : std::min(usedDays(), limit);
    closing_ = true;
    emit closed(save_(closeCancels_, examFinished_));
}

void ExamSession::publish(Focus focus) { emit controlsChanged(focus); }
