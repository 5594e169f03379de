// ReviewSession: the review test being taken, without its window. It starts or takes up the test,
// judges answers, moves between items, applies lifelines, keeps the time, and on closing drops or
// saves the test. The window renders what it holds and forwards the user's clicks and keys.
#pragma once

#include "shell/config_file.h"

#include <QObject>
#include <array>

class Clock;
class RandomSource;
class Tone;
struct ReviewState;
struct TextStore;

class ReviewSession : public QObject {
    Q_OBJECT
public:
    ReviewSession(ReviewState& review, Settings& settings, const TextStore& text, ConfigFile config, Clock& clock,
                  RandomSource& random, Tone& tone, QObject* parent = nullptr);

    // What the status line's text is coloured as.
    enum StatusTone { Plain, RightTone, WrongTone };
    // What the user is told of, by the window.
    enum Notice { ItemsMissing, ConfigNotUpdated, NotSaved, NotResumable };

    // A new test when none is in progress, else the one in progress or a prepared retake taken
    // up. False when none of its items is in the course: the test is then dropped.
    bool start();
    // Judges choice 0 to 3 of the item on screen; a choice that is not open is no answer.
    void answer(int choice);
    // Next, or Done at the last position, which offers to finish.
    void next();
    void previous();
    // After the user confirmed the finishing message: logs a test of all items and may count it
    // as a drill; the test then ends.
    void finish();
    // The window closes: the time shown is counted, then the test is dropped or saved.
    void close();

    // The lifeline dialog: opening it drops a free response still pending; a kind (1 to 3) that
    // may be chosen is taken, and applied once the dialog has closed.
    void offerLifelines();
    bool mayChoose(int kind) const;
    void chooseLifeline(int kind);
    void applyLifeline();

    const ReviewState& review() const { return review_; }
    int passMark() const;
    const QByteArray& document() const { return document_; }
    const QString& status() const { return status_; }
    StatusTone statusTone() const { return statusTone_; }
    bool choiceOpen(int choice) const { return open_.at(choice); }
    bool itemAnswered() const { return answered_; }
    bool canGoBack() const;
    bool canBreak() const { return answered_ || dropsOnClose_; }
    bool dropsOnClose() const { return dropsOnClose_; }
    bool onLastItem() const;
    bool lifelineOffered() const { return lifelineOffered_; }
    bool clockRunning() const { return clockRunning_; }
    bool scored() const;  // anything judged right or wrong yet
    bool passing() const;
    int missed() const;
    int itemOnScreen() const;  // its index in the text store
    double itemTime() const;
    double elapsedTime() const;  // with the item's time so far

signals:
    void itemShown(int itemIndex);
    void documentChanged();
    void statusChanged();
    void tallyChanged();
    void controlsChanged();
    void progressChanged(int percent);
    void moved(bool forward);  // Next or Previous showed another item
    void finishOffered();
    void finished();
    void noticed(ReviewSession::Notice notice, const QString& detail);

private:
    void newTest();
    void forgetSavedTest();
    void takeUp();
    void showItem(int position);
    void showExplanation();
    void judge(int choice);
    void coinToss();
    void setStatus(const QString& text, StatusTone tone);
    void setDocument(const QByteArray& rtf);
    void updateScore();
    bool anyLifelineLeft() const;
    double now() const;

    ReviewState& review_;
    Settings& settings_;
    const TextStore& text_;
    ConfigFile config_;
    Clock& clock_;
    RandomSource& random_;
    Tone& tone_;

    // The item on screen and what can be done with it.
    int answerKey_ = 0;    // letter code
    int letterGiven_ = 0;  // letter code; 0 after a right answer
    double itemShownAt_ = 0;
    QByteArray questionRtf_;
    QByteArray explanationRtf_;
    QByteArray document_;
    QString status_;
    StatusTone statusTone_ = Plain;
    std::array<bool, 4> open_{};
    bool answered_ = false;        // its explanation shown: Next leads on
    bool dropsOnClose_ = false;    // nothing answered right yet in a new test or retake
    bool lifelineOffered_ = true;
    bool clockRunning_ = false;
    bool finished_ = false;
};
