// NoteBook: the user's own notes, one RTF file edited here, with a find panel and printing.
// Closing with changes typed asks whether to save them; the main menu asks too at the program's end.
#pragma once

#include "shell/form.h"
#include "shell/main_menu_link.h"

#include <array>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class RichTextBox;

// What the notebook keeps between its openings for the rest of the run.
struct NotebookKept {
    int FoundAt = 0;   // 1-based position of the last find hit in the plain text; 0 for none
    int CaretPos = 0;  // 0-based caret position when the window last closed
};

class NoteBook : public Form, public NotebookSaver {
    Q_OBJECT
public:
    explicit NoteBook(AppState& state);

    bool saveNotebookToDisk() override;

protected:
    void formLoad() override;
    void formUnload() override;
    void closeEvent(QCloseEvent* event) override;  // the save question, which a failed save stays on
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;  // key presses in the notebook

private:
    void loadNotebook();
    bool settleChanges();
    void command1Click(int index);
    void openFindPanel();
    void closeFindPanel();
    void findNext();
    void text1Change();
    void print();

    enum Command { Find, Print, Done, HelpButton };
    enum FindCommand { FindNext, Cancel };

    NotebookKept& kept;
    RichTextBox* RichTextBox1 = nullptr;
    std::array<QPushButton*, 4> Command1{};
    QGroupBox* Frame1 = nullptr;
    QLineEdit* Text1 = nullptr;  // Text1(1), the only one of its array
    QCheckBox* Check1 = nullptr;
    std::array<QPushButton*, 2> Command2{};
};
