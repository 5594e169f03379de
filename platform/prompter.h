// Message boxes and input boxes. Every question the program asks goes through here, so that
// tests can answer from a script and see exactly what was asked.
#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

class Prompter {
public:
    enum Buttons { OkOnly, OkCancel, YesNo };
    enum Icon { NoIcon, Critical, Question, Exclamation };
    enum Answer { Ok, Cancel, Yes, No };

    virtual ~Prompter() = default;
    // An empty title shows the program's title.
    Answer message(const QString& text, Buttons buttons, Icon icon, const QString& title);
    // The text entered; empty for Cancel.
    QString input(const QString& prompt, const QString& title, const QString& defaultText);

    // From the end of the desktop session on, no one is there to answer: a box is written to
    // standard error, the session's log, instead of shown, and taken as closed unanswered.
    void stopAsking() { asking_ = false; }

protected:
    // What a box closed unanswered returns.
    static Answer unanswered(Buttons buttons);
    virtual Answer showMessage(const QString& text, Buttons buttons, Icon icon, const QString& title) = 0;
    virtual QString showInput(const QString& prompt, const QString& title, const QString& defaultText) = 0;

private:
    bool asking_ = true;
};

// The real boxes, titled with the program's title where a box has none of its own.
class QtPrompter : public Prompter {
public:
    explicit QtPrompter(QString programTitle) : programTitle_(std::move(programTitle)) {}

protected:
    Answer showMessage(const QString& text, Buttons buttons, Icon icon, const QString& title) override;
    QString showInput(const QString& prompt, const QString& title, const QString& defaultText) override;

private:
    QString programTitle_;
};

// Answers from a script and records every box shown. A box with no scripted answer fails the
// run loudly rather than blocking it.
class ScriptedPrompter : public Prompter {
public:
    struct Shown {
        QString text;
        QString title;
        Buttons buttons = OkOnly;
        Icon icon = NoIcon;
        bool isInput = false;
    };

    void answer(Answer a) { answers_.push_back(a); }
    void type(const QString& text) { typed_.push_back(text); }

    std::vector<Shown> shown;
    QStringList unexpected;  // the boxes shown that the script had no answer for

protected:
    Answer showMessage(const QString& text, Buttons buttons, Icon icon, const QString& title) override;
    QString showInput(const QString& prompt, const QString& title, const QString& defaultText) override;

private:
    std::deque<Answer> answers_;
    std::deque<QString> typed_;
};
