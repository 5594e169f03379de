#include "platform/prompter.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDebug>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QSpacerItem>

namespace {
QMessageBox::Icon qtIcon(Prompter::Icon icon)
{
    switch (icon) {
    case Prompter::Critical: return QMessageBox::Critical;
    case Prompter::Question: return QMessageBox::Question;
    case Prompter::Exclamation: return QMessageBox::Warning;
    case Prompter::NoIcon: break;
    }
    return QMessageBox::NoIcon;
}

// A question with no Cancel must be answered: Escape, the close box and Alt+F4 do nothing, so
// that a stray key never answers No to "Save your changes?".
class MessageBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;
    bool mustAnswer = false;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (mustAnswer && event->matches(QKeySequence::Cancel))
            return;
        QMessageBox::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent* event) override
    {
        if (mustAnswer) {
            event->ignore();
            return;
        }
        QMessageBox::closeEvent(event);
    }
};

// Room beside the title for the window manager's icon and buttons.
constexpr int TitleBarControls = 120;

// Qt sizes a message box for its text; the window manager then cuts a longer title, drawn in
// its own, usually bold, font. A spacer across the box keeps it as wide as its title.
void makeRoomForTitle(QMessageBox& box)
{
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid)
        return;
    QFont titleFont = box.font();
    titleFont.setBold(true);
    const int width = QFontMetrics(titleFont).horizontalAdvance(box.windowTitle()) + TitleBarControls;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                  grid->columnCount());
}
}  // namespace

Prompter::Answer Prompter::message(const QString& text, Buttons buttons, Icon icon, const QString& title)
{
    if (asking_)
        return showMessage(text, buttons, icon, title);
    QString line = text;
    line.replace("\r\n", " ");
    qWarning().noquote() << QCoreApplication::applicationName() + ": " + (title.isEmpty() ? "" : "[" + title + "] ") + line;
    return unanswered(buttons);
}

QString Prompter::input(const QString& prompt, const QString& title, const QString& defaultText)
{
    return asking_ ? showInput(prompt, title, defaultText) : QString();
}

Prompter::Answer Prompter::unanswered(Buttons buttons)
{
    return buttons == YesNo ? No : buttons == OkCancel ? Cancel : Ok;
}

Prompter::Answer QtPrompter::showMessage(const QString& text, Buttons buttons, Icon icon, const QString& title)
{
    MessageBox box(qtIcon(icon), title.isEmpty() ? programTitle_ : title, text, QMessageBox::NoButton,
                   QApplication::activeWindow());
    box.mustAnswer = buttons == YesNo;
    if (box.mustAnswer)  // no close box that would do nothing, where the window manager heeds the hint
        box.setWindowFlags((box.windowFlags() | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
                           & ~(Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint));
    box.setTextFormat(Qt::PlainText);  // names, paths and searched words are shown as they are
    switch (buttons) {
    case OkOnly:
        box.addButton(QMessageBox::Ok);
        break;
    case OkCancel:
        box.addButton(QMessageBox::Ok);
        box.addButton(QMessageBox::Cancel);
        break;
    case YesNo:
        box.addButton(QMessageBox::Yes);
        box.addButton(QMessageBox::No);
        break;
    }
    makeRoomForTitle(box);
    switch (box.exec()) {
    case QMessageBox::Ok: return Ok;
    case QMessageBox::Yes: return Yes;
    case QMessageBox::No: return No;
    default: return Cancel;  // Escape or the close box, where there is a Cancel
    }
}

QString QtPrompter::showInput(const QString& prompt, const QString& title, const QString& defaultText)
{
    bool ok = false;
    const QString text = QInputDialog::getText(QApplication::activeWindow(), title.isEmpty() ? programTitle_ : title,
                                               prompt, QLineEdit::Normal, defaultText, &ok);
    return ok ? text : QString();
}

Prompter::Answer ScriptedPrompter::showMessage(const QString& text, Buttons buttons, Icon icon, const QString& title)
{
    shown.push_back({text, title, buttons, icon, false});
    if (answers_.empty()) {
        unexpected << text;
        return unanswered(buttons);
    }
    const Answer a = answers_.front();
    answers_.pop_front();
    return a;
}

QString ScriptedPrompter::showInput(const QString& prompt, const QString& title, const QString& /*defaultText*/)
{
    shown.push_back({prompt, title, OkOnly, NoIcon, true});
    if (typed_.empty()) {
        unexpected << prompt;
        return {};
    }
    const QString text = typed_.front();
    typed_.pop_front();
    return text;
}
