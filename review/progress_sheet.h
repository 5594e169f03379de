// Navigator: the progress spreadsheet, one read-only row per tracked slot with its first and
// highest logged scores and its number of takes, rebuilt from the score log at every load.
#pragma once

#include "shell/form.h"

#include <QList>
#include <QStringList>
#include <array>

class QLabel;
class QPushButton;
class QTableWidget;
struct GridSizes;

class Navigator : public Form {
    Q_OBJECT
public:
    explicit Navigator(AppState& state);

protected:
    void formLoad() override;
    void formUnload() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fillGrid();
    void applySizes(const GridSizes& sizes);
    void resizeReport(QSize grid);
    void command1Click(int index);  // Command1_Click(Index)
    void print();

    enum Button { PrintButton, HelpButton, DoneButton };

    QTableWidget* Grid1 = nullptr;
    std::array<QLabel*, 1> Label1{};
    std::array<QPushButton*, 3> Command1{};

    QList<QStringList> rows;  // rows 1.. of the grid, from the score log as loaded
};
