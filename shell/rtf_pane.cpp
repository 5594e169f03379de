#include "shell/rtf_pane.h"

#include "platform/rich_text_box.h"
#include "shell/help_window.h"

#include <QFrame>
#include <QVBoxLayout>

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
