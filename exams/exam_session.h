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
    const std::vector<int>& positions(List list) const { return Lists[list]; }
    QStringList entries(List list) const;
    int selectedRow(List list) const;
    List activeList() const { return ActiveList; }
    bool listEnabled(List list) const { return !TimeExpired && ListOn[list]; }
    bool answerEnabled(int choice) const { return !TimeExpired && HeldAnswer != choice + 1; }
    bool nextEnabled() const { return !TimeExpired && NextOn; }
    bool previousEnabled() const { return !TimeExpired && PreviousOn; }
    bool actionsEnabled() const { return !TimeExpired; }  // Break and Unsure
    bool previousConfirms() const { return PreviousConfirms; }
    bool closeCancels() const { return CloseCancels; }
    bool finishedBlinks() const { return Blinking && !TimeExpired; }
    bool finishedFramed() const { return Blinking || TimeExpired; }
    int remainingCount() const { return int(Lists[RemainingList].size()); }
    QString title() const { return Title; }
    QByteArray itemRtf() const { return ItemRtf; }
    int picture() const { return Picture; }
    QString answerText() const { return AnswerText; }
    QString frameCaption() const;
    int progress() const { return Progress; }

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

    ExamState& exam;
    const TextStore& text;
    const Edition& edition;
    Clock& clock;
    RandomSource& random;
    Saver save;

    std::array<std::vector<int>, 2> Lists;  // positions, ascending
    std::array<int, 2> Selected{};          // the selected position of each list, 0 for none
    std::array<bool, 2> ListOn{false, true};
    List ActiveList = RemainingList;
    int HeldAnswer = 0;  // the answer given at the shown position, whose button is off
    bool NextOn = true;
    bool PreviousOn = true;
    bool PreviousConfirms = false;
    bool CloseCancels = false;
    bool Blinking = false;
    bool TimeExpired = false;
    bool ExamFinished = false;
    bool Closing = false;
    QDateTime ClockStart;
    QString Title;
    QByteArray ItemRtf;
    int Picture = 0;
    QString AnswerText = answerLabel(0, false);  // until an item shows
    int Progress = 0;
};
