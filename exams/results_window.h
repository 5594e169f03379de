// Results: one finished exam reviewed item by item: every position with its correct and given
// answer, the scoring summary, and the selected item with its explanation and picture. It can
// sort a scrambled exam back into question order and print the results.
#pragma once

#include "shell/form.h"
#include "shell/main_menu_link.h"
#include "shell/rtf_pane.h"

#include <array>
#include <optional>

class QFrame;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

class Results : public Form {
    Q_OBJECT
public:
    explicit Results(AppState& state);

protected:
    void formLoad() override;
    void formUnload() override;

private:
    QGroupBox* makeListFrame();
    QGroupBox* makeSummaryFrame();
    void fillList();
    void list1Click(int row);
    void ShowResultItem(int n);
    void showItemPicture(int n);
    void command1Click(int index);  // Command1_Click(Index)
    void sort();
    void print();
    void done();

    enum Button { SortButton, PrintButton, NotebookButton, HelpButton, DoneButton, CalculatorButton, PictureButton };

    QGroupBox* Frame2 = nullptr;
    QListWidget* List1 = nullptr;
    RtfPane* Item = nullptr;  // RichTextBox1 over Shape2
    QGroupBox* Frame1 = nullptr;
    std::array<QLabel*, 6> Label1{};
    QFrame* Line1 = nullptr;
    std::array<QPushButton*, 7> Command1{};

    std::optional<MainMenuLock> menuLock;  // from load to unload
};
