#include "review/quiz_panels.h"

#include "platform/basic.h"
#include "shell/app_state.h"
#include "shell/form.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>
#include <algorithm>

namespace {
const QColor PassingColour(0, 255, 0);
const QColor FailingColour(255, 0, 0);
const QColor ScoreBackground(32, 32, 32);

// A green seal with a tick: the test is passing.
QPixmap handShakePicture()
{
    QPixmap picture(40, 40);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 100, 0), 2));
    painter.setBrush(QColor(40, 170, 60));
    painter.drawEllipse(QRectF(2, 2, 36, 36));
    painter.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(QPolygonF({QPointF(11, 21), QPointF(18, 28), QPointF(30, 13)}));
    return picture;
}
}  // namespace

QLabel* namedLabel(const QString& caption, const QString& name)
{
    auto* label = new QLabel(caption);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);  // "<B> is the best choice." is no markup
    return label;
}

void setTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

// ---- The performance frame ----

PerformanceFrame::PerformanceFrame() : QGroupBox("Performance")
{
    setObjectName("Frame1");
    Label3 = namedLabel("Right:", "Label3");
    Label4 = namedLabel("Wrong:", "Label4");
    Label5 = namedLabel("Tries:", "Label5");
    Label11 = namedLabel("Wild Guesses:", "Label11");
    Label8 = namedLabel("Item Time:", "Label8");
    Label7 = namedLabel("Elapsed Time:", "Label7");

    // The score as a lit display, so that its bright green and red both read well.
    Label6 = namedLabel("%", "Label6");
    Label6->setFont(enlargedBold(Label6->font(), 6));
    Label6->setAlignment(Qt::AlignCenter);
    Label6->setMinimumWidth(96);
    Label6->setAutoFillBackground(true);
    QPalette scorePalette = Label6->palette();
    scorePalette.setColor(QPalette::Window, ScoreBackground);
    scorePalette.setColor(QPalette::WindowText, PassingColour);
    Label6->setPalette(scorePalette);

    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(12);
    grid->addWidget(Label3, 0, 0);
    grid->addWidget(Label4, 1, 0);
    grid->addWidget(Label5, 2, 0);
    grid->addWidget(Label11, 3, 0);
    grid->addWidget(Label6, 0, 1, 4, 1);
    grid->addWidget(Label8, 4, 0, 1, 2);
    grid->addWidget(Label7, 5, 0, 1, 2);
    setMinimumWidth(230);
}

void PerformanceFrame::showTally(const std::array<int, 5>& tally, bool scored, float score, bool passing)
{
    Label3->setText("Right:" + basic::Str(tally[ReviewState::Right]));
    Label4->setText("Wrong:" + basic::Str(tally[ReviewState::Wrong]));
    Label5->setText("Tries:" + basic::Str(tally[ReviewState::Tries]));
    if (!scored)
        return;  // the score and Wild Guesses keep their text
    Label6->setText(basic::formatNumber(score, "##0.0%"));
    setTextColour(Label6, passing ? PassingColour : FailingColour);
    Label11->setText("Wild Guesses:" + basic::Str(tally[ReviewState::WildGuesses]));
}

void PerformanceFrame::showClocks(double itemDays, double elapsedDays)
{
    Label8->setText("Item Time: " + basic::formatDateTime(itemDays, "h:mm:ss"));
    Label7->setText("Elapsed Time: " + basic::formatDateTime(elapsedDays, "h:mm:ss"));
}

// ---- The score meter ----

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

MeterColumn::MeterColumn()
{
    Label9 = namedLabel("100%", "Label9");
    Label10 = namedLabel("0%", "Label10");
    Label1 = namedLabel("Pass%", "Label1");
    Label1->setToolTip("PASSING!");
    HandShake = namedLabel(QString(), "HandShake");
    HandShake->setPixmap(handShakePicture());
    HandShake->setToolTip("PASSING!");
    HandShake->hide();
    QSizePolicy policy = HandShake->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    HandShake->setSizePolicy(policy);
    Shape1 = new ScoreMeter(Label1);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    column->addWidget(Label9);
    column->addWidget(Shape1, 1);
    column->addWidget(Label10);
    column->addWidget(HandShake, 0, Qt::AlignHCenter);
}

void MeterColumn::setPassMark(int percent)
{
    Label1->setText("<----\n" + basic::formatNumber(percent / 100.0, "##%"));
    Shape1->setPassMark(percent);
}

void MeterColumn::showScore(float score, bool passing)
{
    HandShake->setVisible(passing);
    Shape1->setScore(score, passing ? PassingColour : FailingColour);
}

void MeterColumn::hideMeter()
{
    for (QWidget* control : std::initializer_list<QWidget*>{Shape1, Label1, Label9, Label10, HandShake})
        control->hide();
}
