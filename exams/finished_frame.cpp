#include "exams/finished_frame.h"

#include <QGridLayout>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

BorderShape::BorderShape(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void BorderShape::setBorderStyle(int style)
{
    BorderStyle = style;
    update();
}

void BorderShape::paintEvent(QPaintEvent*)
{
    // Solid is a heavy frame at the edge, inside solid a light one within it: switching pulses.
    const int width = BorderStyle == Solid ? 5 : 2;
    QPainter painter(this);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 0, 0));
    const QRect outer = rect();
    const QRect inner = outer.adjusted(width, width, -width, -width);
    painter.setClipRegion(QRegion(outer).subtracted(QRegion(inner)));
    painter.drawRect(outer);
}

QWidget* framedButton(QPushButton* button, BorderShape* frame)
{
    auto* holder = new QWidget;
    auto* grid = new QGridLayout(holder);
    grid->setContentsMargins(0, 0, 0, 0);
    auto* inset = new QVBoxLayout;
    inset->setContentsMargins(7, 7, 7, 7);
    inset->addWidget(button);
    grid->addLayout(inset, 0, 0);
    frame->hide();
    grid->addWidget(frame, 0, 0);
    frame->raise();
    return holder;
}
