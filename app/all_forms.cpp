#include "app/all_forms.h"

#include "exams/exam_card.h"
#include "exams/exam_setup.h"
#include "exams/exam_window.h"
#include "exams/results_window.h"
#include "review/lifeline_dialog.h"
#include "review/progress_sheet.h"
#include "review/review_card.h"
#include "review/review_window.h"
#include "tools/alarm_clock.h"
#include "tools/notebook.h"
#include "tools/calculator.h"

#include "shell/app_state.h"
#include "app/edition_chooser.h"
#include "shell/help_window.h"
#include "app/main_menu.h"
#include "shell/picture_window.h"
#include "shell/reading_window.h"
#include "shell/settings_window.h"
#include "app/title_screen.h"

template <class T>
static void add(AppState& state, const char* name)
{
    state.forms.add(name, [&state] { return new T(state); });
}

void registerForms(AppState& state)
{
    add<AppChoice>(state, "AppChoice");
    add<Pubdat>(state, "Pubdat");
    add<ButtonMenu>(state, "ButtonMenu");
    add<Help>(state, "Help");
    add<Viewing>(state, "Viewing");
    add<PictForm>(state, "PictForm");
    add<Preferences>(state, "Preferences");
    add<Quiz800>(state, "Quiz800");
    add<Aladdin>(state, "Aladdin");
    add<Results>(state, "Results");
    add<ExamSet>(state, "ExamSet");
    add<ExamTest>(state, "ExamTest");
    add<Navigator>(state, "Navigator");
    add<Scoring>(state, "Scoring");
    add<QuizSumm>(state, "QuizSumm");
    add<AlarmForm>(state, "AlarmForm");
    add<NoteBook>(state, "NoteBook");
    add<Calculator>(state, "Calculator");
}
