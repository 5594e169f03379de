#include "shell/help_window.h"

#include "platform/rich_text_box.h"
#include "shell/app_state.h"

#include <QFrame>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr double TwipsPerPixel = 15.0;

class MarginShape : public QFrame {
public:
    explicit MarginShape(RichTextBox* pane) : pane_(pane)
    {
        setFrameShape(QFrame::NoFrame);
        setFixedHeight(0);
    }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QFrame::resizeEvent(event);
        // The pane's frame and scroll bar take their share of the width the placeholder spans.
        const int inset = pane_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, pane_) + 2 * pane_->frameWidth();
        pane_->setRightMargin(std::max(width() - inset, 1) * TwipsPerPixel);
    }

private:
    RichTextBox* pane_;
};

}  // namespace

QFrame* makeMarginShape(RichTextBox* pane)
{
    auto* shape = new MarginShape(pane);
    shape->setObjectName("Shape1");
    return shape;
}

void showCopy(RichTextBox* pane, const RtfCopies& copies, bool maximised)
{
    const QByteArray& wanted = copies.forWindow(maximised);
    if (pane->TextRTF() != wanted)
        pane->setTextRTF(wanted);
}

void showHelp(AppState& state, int page, Forms::Mode mode, bool onlyWhenDifferent)
{
    if (!onlyWhenDifferent || state.HelpTopicNo != page)
        state.forms.unload("Help");
    state.HelpTopicNo = page;
    // Normal size before showing: a modal show only returns once the window is closed.
    if (Form* help = state.forms.load("Help"))
        help->setNormal();
    state.forms.show("Help", mode);
}

Help::Help(AppState& state) : Form(state, "Help", 5)
{
    setWindowTitle("Help");

    RichTextBox1 = new RichTextBox;
    RichTextBox1->setObjectName("RichTextBox1");
    RichTextBox1->setReadOnlyPane(true);
    Shape1 = makeMarginShape(RichTextBox1);

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(0);
    layout->addWidget(RichTextBox1, 1);
    layout->addWidget(Shape1);
    resize(600, 440);
}

void Help::formLoad()
{
    restorePosition();
    Page.set(state.text.RtfHeader + state.text.HelpPages.at(state.HelpTopicNo));
    RichTextBox1->setTextRTF(Page.forWindow(isMaximised()));
}

void Help::resizeEvent(QResizeEvent* event)
{
    Form::resizeEvent(event);
    showCopy(RichTextBox1, Page, isMaximised());
}

void Help::formUnload() { storePosition(true); }
