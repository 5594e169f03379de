// Preferences: the review-test options and the pass mark, kept in the shared settings and
// stored in record 1 of the configuration file.
#pragma once

#include "shell/config_file.h"
#include "shell/form.h"

#include <array>
#include <utility>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

class Preferences : public Form {
    Q_OBJECT
public:
    explicit Preferences(AppState& state);

    // Writes the four flags and the pass mark of chosen into record 1, every other field as read,
    // and only then takes them as the settings. A failure says so and changes nothing.
    void SavePreferences(const Settings& chosen);

protected:
    void formLoad() override;
    void formUnload() override;  // asks about unsaved changes

private:
    std::array<std::pair<QCheckBox*, QLabel*>, 4> checkBoxes() const;  // each box with its icon
    void makeCheckBoxes();
    void makePassMark();
    QFrame* makeOptionFrame();
    void checkClick(QCheckBox* box, QLabel* icon, bool on);
    void text1Change();
    Settings chosenSettings() const;  // the settings as the controls set them
    void command1Click();  // Save

    QCheckBox* Check1 = nullptr;
    QCheckBox* Check2 = nullptr;
    QCheckBox* Check3 = nullptr;
    QCheckBox* Check5 = nullptr;
    QLabel* Picture1 = nullptr;
    QLabel* Picture2 = nullptr;
    QLabel* Picture3 = nullptr;
    QLabel* Picture5 = nullptr;
    QLineEdit* Text1 = nullptr;
    std::array<QLabel*, 2> Label2{};
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QFrame* Frame1 = nullptr;
    bool PrefsChanged = false;
};
