// The window both report cards share: opening over the card's model with the main menu locked,
// the list, the sort and include frames, the command buttons, the save question for erasures on
// leaving, and which retakes may be chosen. Each card lays the controls out and brings its
// headings, totals, the caption of the selection, its printout and where a retake goes.
#pragma once

#include "shell/config_rewrite.h"
#include "shell/form.h"
#include "shell/main_menu_link.h"
#include "shell/report_card.h"

#include <QStringList>
#include <array>
#include <initializer_list>
#include <optional>
#include <vector>

class PrinterDevice;
class QGroupBox;
class QLabel;
class QLayout;
class QListWidget;
class QPushButton;
class QRadioButton;

class CardWindow : public Form {
    Q_OBJECT
public:
    enum Button { PrintButton, EraseButton, DoneButton, HelpButton, RetakeButton, ViewButton };

    // What differs between the cards beside their model.
    struct Kind {
        QString Name;
        int Slot = 0;
        int HelpPage = 0;
        ReportCardOf Card = ReportCardOf::ReviewTests;
        QString ErasedTitle;         // the save question's title
        QStringList Buttons;         // captions, by Button
        QStringList SortOrders;      // captions of the sort options
        int SortRows = 5;            // the sort options stand in columns of this many
        QStringList Includes;        // captions of the include options
        bool RetakeAtBottom = false; // Retake stands at the foot of the include frame
    };
    CardWindow(AppState& state, CardModel& cardModel, const Kind& cardKind);

protected:
    void formLoad() override;
    void formUnload() override;

    // The card's own parts.
    virtual QString totalsText() const = 0;
    virtual QString selectionText() const = 0;  // of the selected row, or of none
    virtual void printCard(PrinterDevice& printer, int copies) = 0;
    virtual void retake() = 0;
    virtual void viewResults() {}

    // Set by the card to its totals and selection labels.
    QLabel* totalsLabel = nullptr;
    QLabel* selectionLabel = nullptr;
    QListWidget* List1 = nullptr;
    QGroupBox* Frame1 = nullptr;  // sort order
    QGroupBox* Frame2 = nullptr;  // what a retake includes
    std::array<QRadioButton*, 5> Option1{};
    std::array<QRadioButton*, 3> Option2{};
    std::vector<QPushButton*> Command1;

    // The sort and include frames beside the buttons in the given order, top down.
    QLayout* controlsRow(std::initializer_list<int> buttonOrder);
    // Asks to save the erasures, when there are any, and saves them on Yes; false when the
    // saving failed, so that the card stays open with them.
    bool saveErasures();
    // The selected row may be left for: there is one, and no erasure is left unsaved.
    bool mayLeave() { return model.selected() >= 0 && saveErasures(); }

private:
    void makeSortFrame();
    void makeIncludeFrame();
    void fillReportList();
    void list1Click(int line);
    void showRetakeChoices();
    void command1Click(int index);
    void erase();
    void print();
    void disableCardActions();

    CardModel& model;
    const Kind kind;
    std::optional<MainMenuLock> menuLock;  // from load to unload
};
