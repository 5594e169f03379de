// ExamSetup: the exam set-up without its window. It holds the exam chosen and the drill marks that
// close exams, the custom exam's time limit, size and topics (kept while a prepared exam is on
// show), the pool they draw on and its hold on the size, and the approach; Take Exam makes them
// the new exam of the exam state. The window shows what it holds and forwards the user's clicks.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

struct Edition;
struct ExamState;
struct TextStore;

class ExamSetup {
public:
    ExamSetup(ExamState& exam, const TextStore& text, const Edition& edition);

    // The entries of the time and size lists; a choice is a row of them, -1 for none.
    static QStringList timeEntries();
    static QStringList sizeEntries();

    // The choices of the exam in the state (a prepared exam's size becomes its own), the drill
    // marks of drillLevels (by tracked slot), and the first exam not yet finished chosen.
    void load(const std::vector<int>& drillLevels);
    // Shows the exam's limit, size and topics; runs again when the option is already chosen.
    void choose(int option);
    void chooseTime(int row);
    void chooseSize(int row);  // held within the pool while the custom exam is shown
    void setTopic(int topic, bool on);
    void setStructured(bool on) { structured_ = on; }
    void setScrambled(bool on) { scrambled_ = on; }
    // Take Exam: the choices become the new exam.
    void takeExam();

    int optionCount() const { return int(captions_.size()); }
    const QString& optionCaption(int option) const { return captions_[option]; }
    bool optionOpen(int option) const { return open_[option]; }
    int chosen() const { return chosen_; }  // -1 when every exam is finished
    bool choicesOpen() const { return choicesOpen_; }  // the lists and the topics
    int timeRow() const { return timeRow_; }
    int sizeRow() const { return sizeRow_; }
    bool topic(int topic) const { return topics_[topic]; }
    const QString& poolText() const { return poolText_; }
    bool takeOpen() const { return takeOpen_; }
    bool structured() const { return structured_; }
    bool scrambled() const { return scrambled_; }

private:
    bool customShown() const;
    void countPool();

    ExamState& exam_;
    const TextStore& text_;
    const Edition& edition_;

    QStringList captions_;    // by option: the prepared exams, then the custom exam
    std::vector<bool> open_;
    int chosen_ = -1;
    bool choicesOpen_ = true;
    int timeRow_ = -1;
    int sizeRow_ = -1;
    std::vector<bool> topics_;  // 1..TopicCount
    QString poolText_ = "Items Available in Pool:";  // until the pool is first counted
    bool takeOpen_ = true;
    bool structured_ = false;
    bool scrambled_ = true;
    int customTimeEntry_ = 0;  // the custom exam's time row + 1, kept while a prepared exam shows
    int customItemCount_ = 0;
};
