// ExamSet: choosing a prepared or custom-built mock exam, its time limit, size, topics and
// approach, then handing the choices to the exam window.
#pragma once

#include "shell/form.h"
#include "shell/main_menu_link.h"

#include <array>
#include <optional>
#include <vector>

class QCheckBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

class ExamSet : public Form {
    Q_OBJECT
public:
    explicit ExamSet(AppState& state);

protected:
    void formLoad() override;
    void formUnload() override;

private:
    QGroupBox* makeExamFrame();
    QGroupBox* makeApproachFrame();
    QGroupBox* makeTopicFrame();
    QGroupBox* makeMagnitudeFrame();

    void option3Click(int index);
    void selectOption3(int index);  // runs the option's click even when it is already selected
    void UpdatePoolCount();
    void command1Click(int index);
    void takeExam();
    bool customShown() const;

    enum Button { TakeExam, Cancel, HelpButton };
    enum List { TimeList, SizeList };

    std::vector<QRadioButton*> Option3;  // the prepared exams, then the custom exam
    QCheckBox* Check1 = nullptr;
    std::array<QRadioButton*, 2> Option1{};
    std::vector<QCheckBox*> Check2;      // one per topic
    QLabel* Label2 = nullptr;
    std::array<QLabel*, 2> Label1{};
    std::array<QListWidget*, 2> List1{};
    std::array<QPushButton*, 3> Command1{};
    QGroupBox* Frame5 = nullptr;
    QGroupBox* Frame4 = nullptr;
    QGroupBox* Frame3 = nullptr;
    QGroupBox* Frame1 = nullptr;

    int CustomTimeEntry = 0;  // the custom exam's time entry (list index + 1), kept while a prepared exam shows
    int CustomItemCount = 0;
    std::optional<MainMenuLock> menuLock;  // from load to unload
};
