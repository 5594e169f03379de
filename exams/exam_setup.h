// ExamSet: choosing a prepared or custom-built mock exam, its time limit, size, topics and
// approach, then handing the choices to the exam window. The choices and their rules are the
// ExamSetup beside it; the window shows them and forwards the user's clicks.
#pragma once

#include "exams/exam_setup_model.h"
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
    void list1Click(int index, int row);
    void check2Click(int topic, bool on);
    void command1Click(int index);
    void takeExam();
    void render();

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

    ExamSetup setup;
    bool rendering = false;  // the controls are being set from the set-up, not by the user
    std::optional<MainMenuLock> menuLock;  // from load to unload
};
