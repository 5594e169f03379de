// QuizSumm: the review-test report card. Every review test of the configuration file as one
// line, with the totals under them; the list sorts five ways, prints, erases lines (saved only
// when the user leaves by Done or Retake and agrees) and retakes the selected test.
// The window shows its ReviewCard and passes the user's clicks to it.
#pragma once

#include "review/quiz_card_rows.h"
#include "shell/form.h"
#include "shell/main_menu_link.h"

#include <array>
#include <optional>

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

class QuizSumm : public Form {
    Q_OBJECT
public:
    explicit QuizSumm(AppState& state);

    const ReviewCard& card() const { return Card; }
    enum Button { PrintButton, EraseButton, DoneButton, HelpButton, RetakeButton };

protected:
    void formLoad() override;
    void formUnload() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* makeHeadings();
    QGroupBox* makeSortFrame();
    QGroupBox* makeIncludeFrame();

    void fillReportList();
    void list1Click(int line);
    void option1Click(int index);
    void showRetakeChoices();
    void command1Click(int index);
    void erase();
    void print();
    void retake();
    // Asks to save the erasures, when there are any; false when saving failed, so that the card
    // stays open with them.
    bool saveErasures();
    void setListFont(const QFont& font);
    void placeHeadings();

    ReviewCard Card;
    RetakeChoices Allowed{};
    Include Included = Include::AllQuestions;

    QListWidget* List1 = nullptr;
    std::array<QLabel*, 8> Label1{};  // column headings
    QLabel* Label2 = nullptr;         // totals
    QLabel* Label3 = nullptr;         // topic of the selection
    QLabel* Label4 = nullptr;
    QGroupBox* Frame1 = nullptr;      // sort order
    QGroupBox* Frame2 = nullptr;      // what a retake includes
    std::array<QRadioButton*, 5> Option1{};
    std::array<QRadioButton*, 3> Option2{};
    std::array<QPushButton*, 5> Command1{};
    std::optional<MainMenuLock> menuLock;  // from load to unload
};
