#include "review/review_session.h"

#include "platform/basic.h"
#include "platform/clock.h"
#include "platform/random_source.h"
#include "platform/runtime_error.h"
#include "platform/tone.h"
#include "review/review_rules.h"
#include "review/review_save.h"
#include "shell/app_state.h"

#include <algorithm>
#include <utility>

namespace {
const QByteArray CrLf = "\r\n";
const QStringList StatusMessages = {" is the best choice.", " is not the best choice.",
                                    " is not the best choice either."};
}  // namespace

ReviewSession::ReviewSession(ReviewState& review, Settings& settings, const TextStore& text, ConfigFile config,
                             Clock& clock, RandomSource& random, Tone& tone, QObject* parent)
    : QObject(parent), review_(review), settings_(settings), text_(text), config_(std::move(config)), clock_(clock),
      random_(random), tone_(tone)
{
}

int ReviewSession::passMark() const { return settings_.PassMarkChar; }

double ReviewSession::now() const { return clock_.serialNow(); }

double ReviewSession::elapsedTime() const { return review_.ReviewElapsed + itemTime(); }

double ReviewSession::itemTime() const { return now() - itemShownAt_; }

bool ReviewSession::canGoBack() const { return answered_ && review_.ReviewItemNo > 1; }

bool ReviewSession::onLastItem() const { return review_.ReviewItemNo == review_.ReviewItemCount; }

bool ReviewSession::scored() const
{
    return review_.ReviewTally[ReviewState::Right] + review_.ReviewTally[ReviewState::Wrong] != 0;
}

bool ReviewSession::passing() const { return reachesMark(review_.ReviewScore, passMark()); }

bool ReviewSession::anyLifelineLeft() const
{
    const auto& left = review_.LifelinesLeft;
    return std::any_of(left.begin() + ReviewState::CoinToss, left.end(), [](int count) { return count != 0; });
}

int ReviewSession::itemOnScreen() const { return review_.ReviewOrder[review_.ReviewItemNo]; }

int ReviewSession::missed() const
{
    const auto first = review_.ReviewMisses.begin() + 1;
    return int(std::count_if(first, first + review_.ReviewItemCount, [](int misses) { return misses != 0; }));
}

// ---- Starting ----

bool ReviewSession::start()
{
    itemShownAt_ = now();
    const bool isNew = review_.ReviewItemNo == 0;
    if (isNew) {
        review_.ReviewTally = {};
        review_.ReviewScore = 0;
        newTest();
    }
    // Items that are not in the course are skipped; a test left with none cannot be taken.
    dropUnknownItems(review_, text_);
    if (review_.ReviewItemCount == 0) {
        emit noticed(ItemsMissing, QString());
        forgetSavedTest();
        dropsOnClose_ = true;
        return false;
    }
    updateScore();
    if (isNew) {
        dropsOnClose_ = true;
        showItem(1);
    } else {
        takeUp();
    }
    finished_ = false;
    emit controlsChanged();
    return true;
}

void ReviewSession::newTest()
{
    review_.ReviewItemNo = 1;
    review_.ReviewRecordNo = 0;
    review_.ReviewItemsReached = 0;
    review_.ReviewTestType = 1;
    review_.ReviewElapsed = 0;
    std::fill(review_.ReviewMisses.begin(), review_.ReviewMisses.end(), 0);

    // The topic's items in file order.
    const int topic = review_.CurrentTopic;
    const bool known = topic >= 1 && topic < int(text_.TopicItemCounts.size());
    const int n = known ? std::min(text_.TopicItemCounts[topic][1], MostTestItems) : 0;
    const int base = known ? text_.reviewItemIndex(topic, 0) : 0;
    for (int j = 1; j <= n; ++j)
        review_.ReviewOrder[j] = base + j;
    review_.ReviewItemCount = n;

    for (int kind = ReviewState::CoinToss; kind <= ReviewState::ExpertAdvice; ++kind)
        review_.LifelinesLeft[kind] = newTestLifelines(n);
    if (settings_.ScrambleItems) {
        random_.seed(unsigned(clock_.secondsSinceMidnight()));
        scrambleOrder(review_.ReviewOrder, n, random_);
    }
}

void ReviewSession::forgetSavedTest()
{
    // Its record stays for the report card, but it is no longer offered for resuming.
    const int recordNo = std::exchange(review_.ReviewRecordNo, 0);
    if (recordNo == 0)
        return;
    try {
        config_.update([recordNo](ConfigRecord& r) {
            if (r.ReviewRecordNo == recordNo)
                r.ReviewRecordNo = 0;
        });
    } catch (const RuntimeError& error) {
        emit noticed(ConfigNotUpdated, error.Description);
    }
}

void ReviewSession::takeUp()
{
    showItem(review_.ReviewItemNo);
    if (review_.ReviewItemsReached == review_.ReviewItemNo)
        showExplanation();
    if (review_.ReviewItemsReached == 0)  // a retake not answered yet
        dropsOnClose_ = true;
}

// ---- Showing an item ----

void ReviewSession::showItem(int position)
{
    setStatus(itemStatus(review_.ReviewTestType, position, review_.ReviewItemCount), Plain);
    const int index = review_.ReviewOrder[position];
    const QByteArray& item = text_.ReviewItems[index];
    answerKey_ = 'A' - 1 + itemKey(item);
    questionRtf_ = itemQuestion(item);
    explanationRtf_ = itemExplanation(item);
    emit itemShown(index);
    setDocument(text_.document(questionRtf_));

    open_.fill(true);
    // Only the furthest position and the first can wait for an answer; their clocks run.
    const bool waits = position == review_.ReviewItemsReached || position == 1;
    if (waits)
        answered_ = false;
    clockRunning_ = waits && settings_.ShowClocks;
    if (anyLifelineLeft())
        lifelineOffered_ = true;  // never taken back here
    emit progressChanged(
        int(basic::roundHalfEven(double(review_.ReviewItemsReached) / review_.ReviewItemCount * 100)));
    emit controlsChanged();
    itemShownAt_ = now();
}

void ReviewSession::showExplanation()
{
    clockRunning_ = false;
    setDocument(explainedItemRtf(text_, questionRtf_, explanationRtf_, CrLf));
    // Expert advice shows the explanation but leaves the item waiting for its answer.
    const bool expertAdvice = review_.LifelineChoice == ReviewState::ExpertAdvice;
    if (!expertAdvice) {
        answered_ = true;
        open_.fill(false);
        lifelineOffered_ = false;
        if (letterGiven_ == 0)
            setStatus(status_ + "  (Answer is " + QChar(answerKey_) + ")", statusTone_);
    }
    emit controlsChanged();
}

void ReviewSession::setStatus(const QString& text, StatusTone tone)
{
    status_ = text;
    statusTone_ = tone;
    emit statusChanged();
}

void ReviewSession::setDocument(const QByteArray& rtf)
{
    document_ = rtf;
    emit documentChanged();
}

// ---- Judging ----

void ReviewSession::answer(int choice)
{
    if (choice < 0 || choice >= int(open_.size()) || !open_[choice])
        return;
    letterGiven_ = 'A' + choice;
    judge(choice);
}

void ReviewSession::judge(int choice)
{
    ++review_.ReviewTally[ReviewState::Tries];
    const bool right = letterGiven_ == answerKey_;
    const QString letter = QString("<") + QChar(letterGiven_) + ">";
    if (right) {
        review_.ReviewElapsed += itemTime();
        if (review_.ReviewMisses[review_.ReviewItemNo] == 0)  // a counted miss makes the item wrong
            ++review_.ReviewTally[ReviewState::Right];
        dropsOnClose_ = false;
        updateScore();
        setStatus(letter + StatusMessages[0], RightTone);
        showExplanation();
        letterGiven_ = 0;
        lifelineOffered_ = false;
    } else {
        if (settings_.SoundOnWrong)
            tone_.beep(440, 200);
        QString message;
        if (review_.LifelineChoice != ReviewState::FreeResponse)  // a free response costs nothing
            message = StatusMessages[countMiss(review_.ReviewMisses[review_.ReviewItemNo], review_.ReviewTally)];
        review_.LifelineChoice = ReviewState::NoLifeline;
        open_[choice] = false;
        updateScore();
        setStatus(letter + message + " Try Again...", WrongTone);
    }
    emit tallyChanged();
    emit controlsChanged();
}

void ReviewSession::updateScore()
{
    const auto& tally = review_.ReviewTally;
    if (scored())
        review_.ReviewScore = reviewScore(tally[ReviewState::Right], tally[ReviewState::Wrong]);
}

// ---- Moving ----

void ReviewSession::next()
{
    if (onLastItem()) {
        emit finishOffered();
        return;
    }
    if (review_.ReviewItemNo >= review_.ReviewItemsReached) {  // on to a new item
        review_.ReviewItemNo = review_.ReviewItemsReached = review_.ReviewItemNo + 1;
        showItem(review_.ReviewItemNo);
    } else {
        ++review_.ReviewItemNo;
        showItem(review_.ReviewItemNo);
        showExplanation();
    }
    emit moved(true);
}

void ReviewSession::previous()
{
    if (review_.ReviewItemNo == 1)
        return;
    --review_.ReviewItemNo;
    showItem(review_.ReviewItemNo);
    showExplanation();
    emit moved(false);
}

// ---- Lifelines ----

void ReviewSession::offerLifelines() { review_.LifelineChoice = ReviewState::NoLifeline; }

bool ReviewSession::mayChoose(int kind) const
{
    // The coin toss needs two wrong choices still open besides the answer.
    const bool enoughOpen = kind != ReviewState::CoinToss || std::count(open_.begin(), open_.end(), true) >= 3;
    return review_.LifelinesLeft.at(kind) != 0 && enoughOpen;
}

void ReviewSession::chooseLifeline(int kind)
{
    review_.LifelineChoice = kind;
    --review_.LifelinesLeft.at(kind);
}

void ReviewSession::applyLifeline()
{
    switch (review_.LifelineChoice) {
    case ReviewState::CoinToss:
        setStatus("Now it's a coin toss!", statusTone_);
        coinToss();
        review_.LifelineChoice = ReviewState::NoLifeline;
        break;
    case ReviewState::FreeResponse:
        setStatus("Take a Free Guess!", statusTone_);  // stays in force until a wrong answer
        break;
    case ReviewState::ExpertAdvice:
        setStatus("Here's what the expert says!\n(Scroll down as needed.)", statusTone_);
        showExplanation();
        review_.LifelineChoice = ReviewState::NoLifeline;
        break;
    }
    if (!anyLifelineLeft())
        lifelineOffered_ = false;
    emit controlsChanged();
}

void ReviewSession::coinToss()
{
    const int k = answerKey_ - 'A';
    const int g = drawKeptChoice(open_, k, random_);
    if (g < 0)
        return;
    // Every other choice goes, its text included, even one answered wrong before.
    for (int j = 0; j < int(open_.size()); ++j) {
        if (j == k || j == g)
            continue;
        open_[j] = false;
        blankChoice(questionRtf_, char('A' + j), CrLf);
    }
    setDocument(text_.document(questionRtf_));
}

// ---- Finishing and closing ----

void ReviewSession::finish()
{
    // The score is logged, and the drill counted, by the save that closes the test.
    finished_ = true;
    emit finished();
}

void ReviewSession::close()
{
    review_.ReviewElapsed += itemTime();
    if (dropsOnClose_) {
        review_.ReviewItemNo = 0;
        return;
    }
    // Resuming shows the last answered item with its explanation; Next leads on from it.
    if (answered_) {
        if (review_.ReviewItemsReached == 0)
            review_.ReviewItemsReached = 1;
        review_.ReviewItemNo = review_.ReviewItemsReached;
    } else {
        review_.ReviewItemNo = review_.ReviewItemsReached = review_.ReviewItemsReached - 1;
    }
    try {
        if (SaveReviewRecord(review_, settings_, config_, clock_.today(), finished_) == ReviewSave::NotResumable)
            emit noticed(NotResumable, QString());
    } catch (const RuntimeError& error) {
        // The test stays in memory, so it can still be resumed in this run.
        emit noticed(NotSaved, error.Description);
    }
}
