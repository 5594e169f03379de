// Scoring: the mock-exam report card. Every stored exam as one line with the totals under them;
// the user sorts the lines, prints the card, erases exams (saved only when leaving by Done, Retake
// Exam or View Results, after asking), retakes an exam's questions or reviews its results.
// The window shows its ExamCard and passes the user's clicks to it.
#pragma once

#include "exams/exam_card_rows.h"
#include "shell/form.h"
#include "shell/main_menu_link.h"

#include <array>
#include <optional>

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

class Scoring : public Form {
    Q_OBJECT
public:
    explicit Scoring(AppState& state);

protected:
    void formLoad() override;
    void formUnload() override;
    void changeEvent(QEvent* event) override;  // larger print while maximised

private:
    QWidget* makeHeadings();
    QGroupBox* makeSortFrame();
    QGroupBox* makeIncludeFrame();
    void alignColumns();

    void FillExamReportList();
    void list1Click(int line);
    void option1Click(int index);
    void showRetakeChoices();
    void command1Click(int index);
    void print();
    void eraseExam();
    void done();
    void retakeExam();
    void viewResults();
    // Asks to save the erasures, when there are any; false when saving failed, so that the card
    // stays open with them.
    bool saveErasures();
    void disableCardActions();

    enum Button { PrintButton, EraseButton, DoneButton, HelpButton, RetakeButton, ViewButton };
    enum Heading { DateHeading, PercentHeading, AskedHeading, AnsweredHeading, UnsureHeading, ScrambledHeading,
                   AllottedHeading, TimeHeading, TopicsLabel, NoteLabel, TotalsLabel, TitleHeading };

    QListWidget* List1 = nullptr;
    std::array<QLabel*, 12> Label1{};
    QGroupBox* Frame1 = nullptr;
    std::array<QRadioButton*, 5> Option1{};
    QGroupBox* Frame2 = nullptr;
    std::array<QRadioButton*, 3> Option2{};
    std::array<QPushButton*, 6> Command1{};

    ExamCard Card;
    std::array<bool, 3> Allowed{};  // by RetakeChoice, for the selected exam
    RetakeChoice Included = AllQuestions;
    std::optional<MainMenuLock> menuLock;  // from load to unload
};
