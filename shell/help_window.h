// Help: one page of the course's help, read-only, larger print while maximised.
#pragma once

#include "shell/form.h"
#include "shell/forms.h"
#include "shell/rtf_pane.h"

class Help : public Form {
    Q_OBJECT
public:
    explicit Help(AppState& state);

protected:
    void formLoad() override;
    void formUnload() override;

private:
    RtfPane* Page = nullptr;  // RichTextBox1 over Shape1
};

// What every help button does: shows help page `page`, modal from modal windows. The open help
// window is closed first so that the new page loads; with onlyWhenDifferent it is kept when it
// already shows that page, so pressing the button again just brings it forward.
void showHelp(AppState& state, int page, Forms::Mode mode, bool onlyWhenDifferent = false);
