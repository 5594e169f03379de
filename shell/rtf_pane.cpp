#include "shell/rtf_pane.h"

#include "platform/rich_text_box.h"
#include "platform/twips.h"

#include <QFrame>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

namespace {

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

RtfPane::RtfPane(const QString& shapeName)
{
    RichTextBox1 = new RichTextBox;
    RichTextBox1->setObjectName("RichTextBox1");
    RichTextBox1->setReadOnlyPane(true);
    QFrame* shape = makeMarginShape(RichTextBox1);
    shape->setObjectName(shapeName);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(RichTextBox1, 1);
    column->addWidget(shape);
}

void RtfPane::setDocument(const QByteArray& rtf)
{
    Text.set(rtf);
    RichTextBox1->setTextRTF(Text.forWindow(maximised()));
}

void RtfPane::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    showCopy(RichTextBox1, Text, maximised());
}
