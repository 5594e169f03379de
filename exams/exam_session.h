// ExamSession: the rules of one timed mock exam, with no widget. It builds or resumes the exam,
// keeps the answered and remaining positions in order, takes answers and unsure marks, moves
// through the lists (freely, or strictly in order in structured mode), runs the clock to its
// expiry, and on closing has the exam saved. The exam window renders it and forwards the user's
// clicks and keys.
#pragma once

#include "exams/exam_rules.h"
#include "exams/exam_scoring.h"

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QStringList>
#include <array>
#include <functional>
#include <vector>

struct Edition;
struct ExamState;
struct TextStore;
class Clock;
class RandomSource;

class ExamSession : public QObject {
    Q_OBJECT
public:
    enum List { AnsweredList, RemainingList };
    enum Focus { NoFocus, NextFocus, PreviousFocus, FinishedFocus, ItemFocus };
    // Saves the closed exam: cancelled when it closes with nothing answered yet, finished when
    // finished rather than interrupted.
    using Saver = std::function<ExamClosing(bool cancelled, bool finished)>;

    ExamSession(ExamState& exam, const TextStore& text, const Edition& edition, Clock& clock, RandomSource& random,
                Saver save, QObject* parent = nullptr);

    // Builds a new exam or a retake, or takes up the one in progress, shows its first item and
    // starts the clock.
    void start();

    // The user's actions. Once the time is up only finishing and closing act.
    void selectEntry(List list, int row);  // the selection of a list moved to row
    void clickEntry(List list, int row);   // a click on an entry, also on the one selected
    void answer(int choice);               // 0..3 for A..D
    void next();
    void previous();                       // Previous; Confirm in structured mode
    void toggleUnsure();
    void interrupt();                      // Break or Cancel
    // Finished asks first while positions remain in time; a cancelled question gives the time
    // spent on it back.
    bool wantsCaution() const;
    void giveTimeBack(const QDateTime& asked);
    void finish();
    void tick();
    // The window has closed: the time used is kept, and the exam saved or dropped.
    void close();

    // What the window shows.
    const std::vector<int>& positions(List list) const { return lists_[list]; }
    QStringList entries(List list) const;
    int selectedRow(List list) const;
    List activeList() const { return activeList_; }
    bool listEnabled(List list) const { return !timeExpired_ && listOn_[list]; }
    bool answerEnabled(int choice) const { return !timeExpired_ && heldAnswer_ != choice + 1; }
    bool nextEnabled() const { return !timeExpired_ && nextOn_; }
    bool previousEnabled() const { return !timeExpired_ && previousOn_; }
    bool actionsEnabled() const { return !timeExpired_; }  // Break and Unsure
    bool previousConfirms() const { return previousConfirms_; }
    bool closeCancels() const { return closeCancels_; }
    bool finishedBlinks() const { return blinking_ && !timeExpired_; }
    bool finishedFramed() const { return blinking_ || timeExpired_; }
    int remainingCount() const { return int(lists_[RemainingList].size()); }
    QString title() const { return title_; }
    QByteArray itemRtf() const { return itemRtf_; }
    int picture() const { return picture_; }
    QString answerText() const { return answerText_; }
    QString frameCaption() const;
    int progress() const { return progress_; }

signals:
    void progressChanged();                 // the lists' entries and counts
    void itemShown(int position);
    void controlsChanged(ExamSession::Focus focus);  // enabled states, captions, selections
    void clockChanged(const Countdown& clock);
    void expired();
    void closeRequested();
    void closed(const ExamClosing& outcome);

private:
    bool structured() const;
    void loadLists();
    void listClick(List list);
    void select(List list, int row);
    void show(int position);
    void setNavigation();
    bool commitAnswer(int& row);  // true when the position moved to the answered list
    void reshowAnswered();
    void expire();
    double usedDays() const;
    void publish(Focus focus = NoFocus);

    ExamState& exam_;
    const TextStore& text_;
    const Edition& edition_;
    Clock& clock_;
    RandomSource& random_;
    Saver save_;

    std::array<std::vector<int>, 2> lists_;  // positions, ascending
    std::array<int, 2> selected_{};          // the selected position of each list, 0 for none
    std::array<bool, 2> listOn_{false, true};
    List activeList_ = RemainingList;
    int heldAnswer_ = 0;  // the answer given at the shown position, whose button is off
    bool nextOn_ = true;
    bool previousOn_ = true;
    bool previousConfirms_ = false;
    bool closeCancels_ = false;
    bool blinking_ = false;
    bool timeExpired_ = false;
    bool examFinished_ = false;
    bool closing_ = false;
    QDateTime clockStart_;
    QString title_;
    QByteArray itemRtf_;
    int picture_ = 0;
    QString answerText_ = answerLabel(0, false);  // until an item shows
    int progress_ = 0;
};
