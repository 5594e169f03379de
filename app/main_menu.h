// ButtonMenu: the program's home window. Seven options choose which group of buttons shows;
// every other window is opened from here, and closing it ends the program.
#pragma once

#include "shell/form.h"
#include "shell/main_menu_link.h"

#include <array>
#include <vector>

class QGroupBox;
class QPushButton;
class QStackedWidget;
class QVBoxLayout;

// The end of the desktop session (logout, shutdown, a signal) ends the program as the main menu's
// close box does, but asks and shows nothing, as no one may be there: the review test or exam in
// progress is saved as its window's close box saves it, and unsaved notes are saved, as keeping
// typed notes loses nothing. What a box would have said (a save that failed) goes to standard
// error, and the program ends all the same. Before the main menu is up, the program just ends.
void endDesktopSession(AppState& state);

class ButtonMenu : public Form {
    Q_OBJECT
public:
    explicit ButtonMenu(AppState& state);

protected:
    void formLoad() override;    // screen check, then the captions
    void formUnload() override;  // running flag, end of the program
    void closeEvent(QCloseEvent* event) override;  // notebook question first

private:
    void refreshCaptions();
    void setOptionCaption(int index, QString caption);
    void lockChanged(bool locked);
    QVBoxLayout* makeOptions();
    QStackedWidget* makeFrames();
    void refreshReviews();
    void refreshExams();

    bool screenIsLargeEnough();
    bool notebookSettled();
    void option1Click(int index);
    void command1Click(int index);
    void command2Click(int index);
    void command3Click(int index);
    void command4Click(int index);
    void command5Click(int index);
    void showFrame(int k);  // Frame1(k), or none
    void showViewing(int mode);

    enum Option { Reviews, Exams, Reports, Tools, Discussion, GeneralHelp, Scrap };
    static constexpr int NoFrame = 5;  // the stack's empty page, after the five frames
    enum Tool { Glossary, Notebook, CalculatorTool, Alarm, Options };

    std::array<QPushButton*, 7> Option1{};
    std::array<QGroupBox*, 5> Frame1{};
    QStackedWidget* Frames = nullptr;  // one page per frame, and an empty page
    std::vector<QPushButton*> Command1;  // one per topic
    std::vector<QPushButton*> Command2;
    std::vector<QPushButton*> Command3;
    std::vector<QPushButton*> Command4;  // one per reading text
    std::vector<QPushButton*> Command5;
};
