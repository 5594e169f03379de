// QuizSumm: the review-test report card. Every review test of the configuration file as one
// line, with the totals under them; the list sorts five ways, prints, erases lines (saved only
// when the user leaves by Done or Retake and agrees) and retakes the selected test.
// The window shows its ReviewCard and passes the user's clicks to it.
#pragma once

#include "review/review_card_rows.h"
#include "shell/card_window.h"

class QLabel;

class QuizSumm : public CardWindow {
    Q_OBJECT
public:
    explicit QuizSumm(AppState& state);

    const ReviewCard& card() const { return Card; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    QString totalsText() const override;
    QString selectionText() const override;
    void printCard(PrinterDevice& printer, int copies) override;
    void retake() override;

private:
    QWidget* makeHeadings();
    void setListFont(const QFont& font);
    void placeHeadings();

    ReviewCard Card;
    std::array<QLabel*, 8> Label1{};  // column headings
    QLabel* Label2 = nullptr;         // totals
    QLabel* Label3 = nullptr;         // topic of the selection
    QLabel* Label4 = nullptr;
};
