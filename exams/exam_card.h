// Scoring: the mock-exam report card. Every stored exam as one line with the totals under them;
// the user sorts the lines, prints the card, erases exams (saved only when leaving by Done, Retake
// Exam or View Results, after asking), retakes an exam's questions or reviews its results.
#pragma once

#include "exams/exam_card_rows.h"
#include "shell/form.h"
#include "shell/main_menu_link.h"

#include <array>
#include <optional>
#include <vector>

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
    void list1Click();  // the row selection
    void option1Click(int index);
    void option2Click(int index);
    void command1Click(int index);
    void print();
    void eraseExam();
    void done();
    void retakeExam();
    void viewResults();
    void saveReportCard();
    void disableCardActions();
    const ExamCardRow* selectedRow() const;
    int selectedChoice() const;

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

    std::vector<ExamCardRow> rows;  // in list order
    QList<QByteArray> unshown;      // damaged exam records, kept as they are
    bool CardErased = false;
    std::optional<MainMenuLock> menuLock;  // from load to unload
};
