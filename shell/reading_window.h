// Viewing: a reading text of the course (read-only, printable) or the glossary of key terms
// (the term list with letter buttons, the definition, and a find panel). What it shows is
// chosen once, at load, by ViewingMode.
#pragma once

#include "shell/enlarge_rtf.h"
#include "shell/form.h"
#include "shell/glossary.h"

#include <array>

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLayout;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class RichTextBox;

class Viewing : public Form {
    Q_OBJECT
public:
    explicit Viewing(AppState& state);

    static constexpr int GlossaryMode = 8;

protected:
    void formLoad() override;
    void formUnload() override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;  // letters typed on a letter button

private:
    QLayout* makeBody();
    QFrame* makeLetterFrame();
    QGroupBox* makeFindFrame();
    QLayout* makeSearchOptions();
    QLayout* makeButtonRow();
    void loadReadingText();
    void loadGlossary();
    void ShowEntry();
    void listRowChanged(int row);
    void selectEntry(int entry);
    void FindText(const QString& what);
    void commandClick(int index);  // Command1_Click(Index)
    void letterClick(int k);       // Command3_Click(Index)
    void print();
    void openFindPanel();
    void closeFindPanel();
    void findNext();
    void text2Change();

    enum Button { Print, Notebook, Done, HelpButton, FindNext, Cancel, Find };

    RichTextBox* RichTextBox1 = nullptr;
    RichTextBox* RichTextBox2 = nullptr;
    QListWidget* List1 = nullptr;
    QLabel* Label1 = nullptr;
    std::array<QPushButton*, 7> Command1{};
    QGroupBox* Frame1 = nullptr;
    std::array<QRadioButton*, 3> Option1{};
    QCheckBox* Check1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QFrame* Frame2 = nullptr;
    std::array<QPushButton*, 26> Command3{};
    QFrame* Shape1 = nullptr;

    Glossary glossary;
    Glossary::FindOptions findOptions;
    RtfCopies Body;
    RtfCopies Heading;
};

