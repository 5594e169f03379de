// Scoring: the mock-exam report card. Every stored exam as one line with the totals under them;
// the user sorts the lines, prints the card, erases exams (saved only when leaving by Done, Retake
// Exam or View Results, after asking), retakes an exam's questions or reviews its results.
// The window shows its ExamCard and passes the user's clicks to it.
#pragma once

#include "exams/exam_card_rows.h"
#include "shell/card_window.h"

class QLabel;

class Scoring : public CardWindow {
    Q_OBJECT
public:
    explicit Scoring(AppState& state);

protected:
    void formLoad() override;
    void changeEvent(QEvent* event) override;  // larger print while maximised
    QString totalsText() const override;
    QString selectionText() const override;
    void printCard(PrinterDevice& printer, int copies) override;
    void retake() override;
    void viewResults() override;

private:
    QWidget* makeHeadings();
    void alignColumns();

    enum Heading { DateHeading, PercentHeading, AskedHeading, AnsweredHeading, UnsureHeading, ScrambledHeading,
                   AllottedHeading, TimeHeading, TopicsLabel, NoteLabel, TotalsLabel, TitleHeading };

    ExamCard Card;
    std::array<QLabel*, 12> Label1{};
};
