// Help: one page of the course's help, read-only, larger print while maximised.
#pragma once

#include "shell/enlarge_rtf.h"
#include "shell/form.h"
#include "shell/forms.h"

class QFrame;
class RichTextBox;

class Help : public Form {
    Q_OBJECT
public:
    explicit Help(AppState& state);

protected:
    void formLoad() override;
    void formUnload() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    RichTextBox* RichTextBox1 = nullptr;
    QFrame* Shape1 = nullptr;
    RtfCopies Page;
};

// What every help button does: shows help page `page`, modal from modal windows. The open help
// window is closed first so that the new page loads; with onlyWhenDifferent it is kept when it
// already shows that page, so pressing the button again just brings it forward.
void showHelp(AppState& state, int page, Forms::Mode mode, bool onlyWhenDifferent = false);

// A placeholder laid out right under a text pane. Its width, as the window is resized, becomes
// the pane's right margin, so the text wraps within the placeholder's area.
QFrame* makeMarginShape(RichTextBox* pane);

// Shows the document of `copies` that suits the window's state, unless the pane shows it already
// (so that a resize keeps the reader's place).
void showCopy(RichTextBox* pane, const RtfCopies& copies, bool maximised);
