#include "review/score_meter.h"

#include <QLabel>
#include <QPainter>
#include <algorithm>

ScoreMeter::ScoreMeter(QLabel* passLine) : passLine_(passLine)
{
    setObjectName("Shape1");
    passLine_->setParent(this);
    setMinimumSize(92, 120);
}

void ScoreMeter::setPassMark(int percent)
{
    passMark_ = percent;
    placePassLine();
    update();
}

void ScoreMeter::setScore(float score, const QColor& colour)
{
    score_ = score;
    colour_ = colour;
    update();
}

QRect ScoreMeter::barArea() const { return {4, 0, 28, height()}; }

void ScoreMeter::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect area = barArea();
    painter.fillRect(area, palette().color(QPalette::Base));
    const int level = int(area.height() * std::clamp(score_, 0.0f, 1.0f));
    painter.fillRect(QRect(area.left(), area.bottom() - level + 1, area.width(), level), colour_);
    const int passY = int(area.height() * (1 - passMark_ / 100.0));
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DashLine));
    painter.drawLine(area.left(), passY, area.right(), passY);
    painter.setPen(palette().color(QPalette::Mid));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area.adjusted(0, 0, -1, -1));
}

void ScoreMeter::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placePassLine();
}

void ScoreMeter::placePassLine()
{
    // The label's arrow, in its upper third, points at the pass mark on the bar.
    passLine_->adjustSize();
    const int passY = int(barArea().height() * (1 - passMark_ / 100.0));
    const int top = std::clamp(passY - passLine_->height() / 3, 0, std::max(height() - passLine_->height(), 0));
    passLine_->move(barArea().right() + 6, top);
}
