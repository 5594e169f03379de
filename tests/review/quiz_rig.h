// A review test ready to take: a course in a temporary folder, a first-run configuration file,
// the review-test window and the lifeline dialog registered, and ways to answer and to read
// what the window shows and what was saved.
#pragma once

#include "platform/record_file.h"
#include "platform/rich_text_box.h"
#include "review/lifeline_dialog.h"
#include "review/review_record.h"
#include "review/review_window.h"
#include "tests/support/app_fixture.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

struct QuizRig {
    // topicOneItems: how many items topic 1 holds; every other topic holds 5. Item k's answer is
    // letter (k - 1) mod 4 of A to D.
    explicit QuizRig(const Edition& edition = vestoraEdition(), int topicOneItems = 5) : f(edition)
    {
        f.loadCourse({topicOneItems});
        ConfigRecord record = f.state.config().readRecord1();
        initialiseFirstRun(record, edition, "Pat Reader");
        f.state.config().writeRecord1(record);
        f.state.settings = loadSettings(record, edition);
        f.state.settings.ScrambleItems = false;  // file order unless a test asks for scrambling
        f.state.settings.SoundOnWrong = false;
        f.state.forms.add("Quiz800", [this] { return new Quiz800(f.state); });
        f.state.forms.add("Aladdin", [this] { return new Aladdin(f.state); });
    }

    Quiz800* open(int topic = 1)
    {
        f.state.review.CurrentTopic = topic;
        f.state.forms.show("Quiz800");
        return quiz();
    }
    Quiz800* quiz() const { return dynamic_cast<Quiz800*>(f.state.forms.find("Quiz800")); }
    QPushButton* button(int index) const
    {
        return quiz()->findChild<QPushButton*>(QStringLiteral("Command1(%1)").arg(index));
    }
    QString label(const QString& name) const { return quiz()->findChild<QLabel*>(name)->text(); }
    QColor labelColour(const QString& name) const
    {
        return quiz()->findChild<QLabel*>(name)->palette().color(QPalette::WindowText);
    }
    QString pane() const { return quiz()->findChild<RichTextBox*>("RichTextBox1")->Text(); }

    // The answer to the item on screen, 0 to 3, as the text store has it.
    int answer() const
    {
        const ReviewState& r = f.state.review;
        return itemKey(f.state.text.ReviewItems[r.ReviewOrder[r.ReviewItemNo]]) - 1;
    }
    void answerRight() const { button(answer())->click(); }
    // Clicks the first enabled wrong choice; returns its index.
    int answerWrong() const
    {
        for (int i = 0; i < 4; ++i) {
            if (i != answer() && button(i)->isEnabled()) {
                button(i)->click();
                return i;
            }
        }
        return -1;
    }
    void next() const { button(Quiz800::Next)->click(); }
    void close() { f.state.forms.unload("Quiz800"); }

    // Opens the lifeline dialog from the window and takes lifeline kind (1 to 3), or cancels
    // with 0, once the modal dialog is up.
    void takeLifeline(int kind)
    {
        QTimer::singleShot(0, [this, kind] {
            Form* dialog = f.state.forms.find("Aladdin");
            if (!dialog)
                return;
            if (kind > 0)
                dialog->findChild<QRadioButton*>(QStringLiteral("Option1(%1)").arg(kind - 1))->setChecked(true);
            dialog->findChild<QPushButton*>(QStringLiteral("Command1(%1)").arg(kind > 0 ? 0 : 1))->click();
        });
        button(Quiz800::Lifeline)->click();
    }

    QString configPath() const { return f.state.config().path(); }
    int recordCount() const { return record_file::count(configPath()); }
    QByteArray recordBytes(int n) const { return record_file::read(configPath(), n); }
    ReviewRecord record(int n) const { return decodeReviewRecord(recordBytes(n)); }
    ConfigRecord record1() const { return f.state.config().readRecord1(); }

    AppFixture f;
};
