// The exam window's answered and remaining lists, side by side in a frame whose caption counts
// them. They show the session's positions; a selection or click the user makes goes to it.
#pragma once

#include "exams/exam_session.h"

#include <QGroupBox>
#include <array>

class QListWidget;

class ExamLists : public QGroupBox {
    Q_OBJECT
public:
    // keyFilter sees the keys typed in either list.
    ExamLists(ExamSession& session, QObject* keyFilter);

    QListWidget* list(ExamSession::List which) const { return List1[which]; }
    // The entries and the caption, after the positions changed.
    void fill();
    // The colours of the active and the idle list, and the selections.
    void showSelection();
    // The lists stop reporting, so that their teardown shows no item.
    void quieten();

private:
    ExamSession& session;
    std::array<QListWidget*, 2> List1{};
};
