// The read-only rich-text pane of an item: its text wraps within the placeholder under it, and
// shows in larger print while the window is maximised.
#pragma once

#include "shell/enlarge_rtf.h"

#include <QWidget>

class RichTextBox;

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
