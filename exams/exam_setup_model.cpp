#include "exams/exam_setup_model.h"

#include "exams/exam_rules.h"
#include "shell/app_state.h"

#include <algorithm>

namespace {
constexpr int TimeEntries = 51;  // 5 to 255 minutes in steps of 5

// A row beyond the list's entries is none, as in a list widget.
int listRow(int row, int entries) { return row >= 0 && row < entries ? row : -1; }
}  // namespace

ExamSetup::ExamSetup(ExamState& exam, const TextStore& text, const Edition& edition)
    : exam_(exam), text_(text), edition_(edition), captions_(edition.ExamSetPreparedOptions + QStringList{"Custom Built by You"}),
      open_(captions_.size(), true), topics_(size_t(edition.TopicCount) + 1, false)
{
}

QStringList ExamSetup::timeEntries()
{
    QStringList entries;
    for (int k = 1; k <= TimeEntries; ++k)
        entries << fourWide(5 * k);
    return entries;
}

QStringList ExamSetup::sizeEntries()
{
    QStringList entries;
    for (int k = 1; k <= MostTestItems; ++k)
        entries << fourWide(k);
    return entries;
}

void ExamSetup::load(const std::vector<int>& drillLevels)
{
    const int custom = edition_.CustomExamNo();
    if (exam_.ExamChoice == custom) {
        for (int t = 1; t <= edition_.TopicCount; ++t)
            setTopic(t, exam_.ExamTopics[t]);
    } else {
        choicesOpen_ = false;
    }
    choose(exam_.ExamChoice - 1);
    if (exam_.ExamChoice != custom)
        exam_.ExamItemCount = text_.TopicItemCounts[exam_.ExamChoice][2];
    chooseTime(exam_.ExamTimeLimit / 5 - 1);
    chooseSize(exam_.ExamItemCount - 1);
    customItemCount_ = exam_.ExamItemCount;
    customTimeEntry_ = timeRow_ + 1;
    structured_ = exam_.ExamStructured != 0;
    scrambled_ = exam_.ExamScrambled;

    // Drill marks: an exam drilled three times is closed.
    for (int u = 1; u <= custom; ++u) {
        const int level = drillLevels[size_t(u + edition_.TopicCount)];
        captions_[u - 1] += drillSuffix(level);
        if (drillsFinished(level)) {
            open_[u - 1] = false;
            if (chosen_ == u - 1)
                chosen_ = -1;
        }
    }
    // Open on the first exam not yet finished.
    const auto first = std::find(open_.begin(), open_.end(), true);
    if (first != open_.end())
        choose(int(first - open_.begin()));
}

void ExamSetup::choose(int option)
{
    chosen_ = option;
    if (customShown()) {
        choicesOpen_ = true;
        chooseTime(customTimeEntry_ - 1);
        chooseSize(customItemCount_ - 1);
        for (int t = 1; t <= edition_.TopicCount; ++t)
            setTopic(t, exam_.ExamTopics[t]);
        return;
    }
    // A prepared exam: keep the custom choices while they are on show, then show the exam's own.
    if (choicesOpen_) {
        customTimeEntry_ = timeRow_ + 1;
        customItemCount_ = sizeRow_ + 1;
    }
    for (int t = 1; t <= edition_.TopicCount; ++t)
        setTopic(t, true);
    chooseTime(edition_.ExamSetCustomListIndex);
    chooseSize(text_.TopicItemCounts[option + 1][2] - 1);
    takeOpen_ = true;
    choicesOpen_ = false;
}

void ExamSetup::chooseTime(int row) { timeRow_ = listRow(row, TimeEntries); }

void ExamSetup::chooseSize(int row)
{
    row = listRow(row, MostTestItems);
    if (row == sizeRow_)
        return;
    sizeRow_ = row;
    countPool();
}

void ExamSetup::setTopic(int topic, bool on)
{
    if (topics_[topic] == on)
        return;
    topics_[topic] = on;
    countPool();
}

void ExamSetup::takeExam()
{
    exam_.ExamTimeLimit = (timeRow_ + 1) * 5;
    exam_.ExamItemCount = sizeRow_ + 1;
    for (int t = 1; t <= edition_.TopicCount; ++t)
        exam_.ExamTopics[t] = topics_[t];
    if (chosen_ >= 0)
        exam_.ExamChoice = chosen_ + 1;
    exam_.ExamKind = exam_.ExamChoice;
    exam_.ExamStructured = structured_ ? 1 : 0;
    exam_.ExamScrambled = scrambled_;
}

bool ExamSetup::customShown() const { return chosen_ == edition_.ExamSetCustomOption; }

// The review items of the topics ticked; a custom exam asks no more questions than they hold.
void ExamSetup::countPool()
{
    int total = 0;
    for (int t = 1; t <= edition_.TopicCount; ++t)
        if (topics_[t])
            total += text_.TopicItemCounts[t][1];
    takeOpen_ = total > 0;
    if (total > 0 && customShown() && sizeRow_ >= total)
        sizeRow_ = total - 1;
    poolText_ = "Items Available in Pool: " + fourWide(total);
}
