// Read-only rich-text panes whose text wraps within a placeholder under them and shows in larger
// print while the window is maximised.
#pragma once

#include "shell/enlarge_rtf.h"

#include <QWidget>

class QFrame;
class RichTextBox;

// A placeholder laid out right under a text pane. Its width, as the window is resized, becomes
// the pane's right margin, so the text wraps within the placeholder's area.
QFrame* makeMarginShape(RichTextBox* pane);

// Shows the document of `copies` that suits the window's state, unless the pane shows it already
// (so that a resize keeps the reader's place).
void showCopy(RichTextBox* pane, const RtfCopies& copies, bool maximised);

// The pane of an item, a help page or a result: the box over its placeholder, with both copies
// of the document it shows.
class RtfPane : public QWidget {
    Q_OBJECT
public:
    // The box is named RichTextBox1 and the placeholder under it shapeName.
    explicit RtfPane(const QString& shapeName);

    RichTextBox* box() const { return RichTextBox1; }
    // Shows rtf, as enlarged while the window is maximised.
    void setDocument(const QByteArray& rtf);

protected:
    // The window maximised or restored: the copy that suits it, keeping the reader's place otherwise.
    void resizeEvent(QResizeEvent* event) override;

private:
    bool maximised() const { return window()->windowState() & Qt::WindowMaximized; }

    RichTextBox* RichTextBox1 = nullptr;
    RtfCopies Text;
};
