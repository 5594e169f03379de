#include "exams/exam_lists.h"

#include "shell/form.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QScrollBar>
#include <QSignalBlocker>

namespace {
const QColor ActiveListColour(0, 255, 0);
const QColor IdleListColour(192, 192, 192);

void setBackColour(QListWidget* list, const QColor& colour)
{
    QPalette colours = list->palette();
    colours.setColor(QPalette::Base, colour);
    // The answered list is often disabled: its entries must stay readable on the grey.
    colours.setColor(QPalette::Disabled, QPalette::Text, QColor(70, 70, 70));
    list->setPalette(colours);
}
}  // namespace

ExamLists::ExamLists(ExamSession& examSession, QObject* keyFilter) : session(examSession)
{
    setObjectName("Frame1");
    auto* lists = new QHBoxLayout(this);
    for (const auto which : {ExamSession::AnsweredList, ExamSession::RemainingList}) {
        auto* list = new QListWidget;
        list->setObjectName(QStringLiteral("List1(%1)").arg(which));
        list->setFont(fixedPitchFont());
        list->installEventFilter(keyFilter);
        lists->addWidget(list);
        connect(list, &QListWidget::currentRowChanged, this, [this, which](int row) {
            if (row >= 0)
                this->session.selectEntry(which, row);
        });
        connect(list, &QListWidget::itemClicked, this, [this, which, list](QListWidgetItem* item) {
            this->session.clickEntry(which, list->row(item));
        });
        List1[which] = list;
    }
}

void ExamLists::fill()
{
    for (const auto which : {ExamSession::AnsweredList, ExamSession::RemainingList}) {
        QListWidget* list = List1[which];
        const QSignalBlocker quiet(list);
        const int scrolled = list->verticalScrollBar()->value();
        list->clear();
        list->addItems(session.entries(which));
        list->verticalScrollBar()->setValue(scrolled);
    }
    setTitle(session.frameCaption());
}

void ExamLists::showSelection()
{
    for (const auto which : {ExamSession::AnsweredList, ExamSession::RemainingList}) {
        setBackColour(List1[which], session.activeList() == which ? ActiveListColour : IdleListColour);
        const QSignalBlocker quiet(List1[which]);
        List1[which]->setCurrentRow(session.selectedRow(which));
    }
}

void ExamLists::quieten()
{
    for (QListWidget* list : List1)
        list->blockSignals(true);
}
