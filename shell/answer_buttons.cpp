#include "shell/answer_buttons.h"

#include "shell/form.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>

AnswerButtons::AnswerButtons(QSize buttonSize, qreal extraPoints)
{
    const QFont answerFont = enlargedBold(font(), extraPoints);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < int(Command1.size()); ++i) {
        auto* button = new QPushButton(QString(QChar('A' + i)));
        button->setObjectName(QStringLiteral("Command1(%1)").arg(i));
        button->setFont(answerFont);
        button->setFixedSize(buttonSize);
        button->installEventFilter(this);
        connect(button, &QPushButton::clicked, this, [this, i] { emit chosen(i); });
        row->addWidget(button);
        Command1[i] = button;
    }
}

bool AnswerButtons::answerKey(const QKeyEvent* key)
{
    // Keys with Ctrl, Alt or Meta are the buttons' access keys, copying and other shortcuts.
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString typed = key->text().toUpper();
    if (typed.size() != 1)
        return false;
    const int choice = typed[0].unicode() - 'A';
    if (choice < 0 || choice >= int(Command1.size()) || !Command1[choice]->isEnabled())
        return false;
    emit chosen(choice);
    return true;
}

bool AnswerButtons::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && answerKey(static_cast<QKeyEvent*>(event)))
        return true;
    return QWidget::eventFilter(watched, event);
}
