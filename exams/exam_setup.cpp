#include "exams/exam_setup.h"

#include "exams/exam_rules.h"
#include "shell/app_state.h"
#include "shell/main_menu_link.h"
#include "shell/help_window.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScopedValueRollback>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace {
constexpr int ExamSetSlot = 4;
constexpr int ExamSetHelpPage = 10;
constexpr int NarrowestTitle = 20;  // average characters a wrapped topic title keeps on a line
constexpr int TitleFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;

// A topic's check box whose title wraps onto further lines in a narrow column, so that the
// longest titles fit a small screen; the caption's leading number keeps a column of its own.
class TopicCheckBox : public QCheckBox {
public:
    TopicCheckBox() { setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred); }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override
    {
        const int padding = QCheckBox::sizeHint().height() - fontMetrics().height();
        return std::max(QCheckBox::sizeHint().height(), titleRect(width, QWIDGETSIZE_MAX).height() + padding);
    }
    QSize minimumSizeHint() const override
    {
        const int width = std::min(QCheckBox::sizeHint().width(),
                                   textLeft() + numberWidth() + NarrowestTitle * fontMetrics().averageCharWidth());
        return {width, heightForWidth(width)};
    }

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
    void paintEvent(QPaintEvent*) override
    {
        QStylePainter painter(this);
        QStyleOptionButton option = styleOption();
        option.text.clear();
        painter.drawControl(QStyle::CE_CheckBox, option);  // the box alone
        const QString lead = number();
        const QRect title = titleRect(width(), height());
        const QRect numberRect(textLeft(), title.top(), numberWidth(), fontMetrics().height());
        painter.drawItemText(numberRect, Qt::AlignLeft, palette(), isEnabled(), lead, foregroundRole());
        painter.drawItemText(title, TitleFlags, palette(), isEnabled(), text().mid(lead.size()), foregroundRole());
        if (hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = title.united(numberRect).adjusted(-1, 0, 1, 0);
            painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
        }
    }

private:
    QStyleOptionButton styleOption() const
    {
        QStyleOptionButton option;
        initStyleOption(&option);
        return option;
    }
    int textLeft() const
    {
        const QStyleOptionButton option = styleOption();
        return style()->subElementRect(QStyle::SE_CheckBoxContents, &option, this).left();
    }
    // The caption's leading number with the blanks after it, " 3   " in " 3   Transfer of Property".
    QString number() const
    {
        static const QRegularExpression leading(R"(^\s*\d+\s+)");
        return leading.match(text()).captured();
    }
    int numberWidth() const { return fontMetrics().horizontalAdvance(number()); }
    // Where the title goes in a box of the given size: beside the number, centred on the height.
    QRect titleRect(int width, int height) const
    {
        const QRect room(textLeft() + numberWidth(), 0, width - textLeft() - numberWidth(), height);
        return fontMetrics().boundingRect(room, TitleFlags, text().mid(number().size()));
    }
};

// A list of short right-aligned numbers needs no more than five characters and its scroll bar.
int numberListWidth(const QListWidget* list)
{
    return QFontMetrics(list->font()).horizontalAdvance(QString(5, '0'))
        + list->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2 * list->frameWidth();
}

// The narrowest width at which a heading shows on two lines at most.
int twoLineWidth(const QLabel* heading)
{
    const QFontMetricsF metrics(heading->font());
    const QStringList words = heading->text().split(' ', Qt::SkipEmptyParts);
    qreal narrowest = metrics.horizontalAdvance(words.join(' '));
    for (int k = 1; k < words.size(); ++k)
        narrowest = std::min(narrowest, std::max(metrics.horizontalAdvance(words.first(k).join(' ')),
                                                 metrics.horizontalAdvance(words.sliced(k).join(' '))));
    return int(std::ceil(narrowest)) + 1;
}
}  // namespace

ExamSet::ExamSet(AppState& appState)
    : Form(appState, "ExamSet", ExamSetSlot), setup(state.exam, state.text, state.edition)
{
    setWindowTitle("Build Comprehensive Screening Exam");

    // The buttons below the frames; Escape presses Cancel.
    Command1 = {new QPushButton("&Take Exam"), new QPushButton("&Cancel"), new QPushButton("&Help")};
    for (int i = 0; i < int(Command1.size()); ++i) {
        Command1[i]->setObjectName(QStringLiteral("Command1(%1)").arg(i));
        Command1[i]->setMinimumWidth(110);
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { command1Click(i); });
    }
    Command1[TakeExam]->setDefault(true);
    setCancelButton(Command1[Cancel]);

    // Layout: the exams and the approach on the left, the topics in the middle, the time and
    // size lists on the right, the buttons below.
    auto* left = new QVBoxLayout;
    left->addWidget(makeExamFrame());
    left->addWidget(makeApproachFrame());
    left->addStretch();
    auto* body = new QHBoxLayout;
    body->addLayout(left, 3);
    body->addWidget(makeTopicFrame(), 4);
    body->addWidget(makeMagnitudeFrame());
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command1[HelpButton]);
    buttons->addStretch();
    buttons->addWidget(Command1[TakeExam]);
    buttons->addWidget(Command1[Cancel]);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 14);
    layout->setSpacing(12);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);
    resize(900, 560);
}

QGroupBox* ExamSet::makeExamFrame()
{
    Frame5 = new QGroupBox(state.edition.ExamSetFrameCaption);
    Frame5->setObjectName("Frame5");
    auto* column = new QVBoxLayout(Frame5);
    for (int i = 0; i < setup.optionCount(); ++i) {
        auto* option = new QRadioButton(setup.optionCaption(i));
        option->setObjectName(QStringLiteral("Option3(%1)").arg(i));
        connect(option, &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                option3Click(i);
        });
        column->addWidget(option);
        Option3.push_back(option);
    }
    return Frame5;
}

QGroupBox* ExamSet::makeApproachFrame()
{
    Frame4 = new QGroupBox("Approach");
    Frame4->setObjectName("Frame4");
    Check1 = new QCheckBox("Question Sequence Scrambled");
    Check1->setObjectName("Check1");
    Check1->setChecked(true);
    connect(Check1, &QCheckBox::toggled, this, [this](bool on) { setup.setScrambled(on); });
    Option1 = {new QRadioButton("Structured, without Review/Skip"), new QRadioButton("Traditional, with Review/Skip")};
    connect(Option1[0], &QRadioButton::toggled, this, [this](bool on) { setup.setStructured(on); });
    auto* column = new QVBoxLayout(Frame4);
    column->addWidget(Check1);
    for (int i = 0; i < int(Option1.size()); ++i) {
        Option1[i]->setObjectName(QStringLiteral("Option1(%1)").arg(i));
        column->addWidget(Option1[i]);
    }
    return Frame4;
}

QGroupBox* ExamSet::makeTopicFrame()
{
    Frame3 = new QGroupBox("Include Topics");
    Frame3->setObjectName("Frame3");
    auto* column = new QVBoxLayout(Frame3);
    for (int t = 1; t <= state.edition.TopicCount; ++t) {
        auto* box = new TopicCheckBox;
        box->setObjectName(QStringLiteral("Check2(%1)").arg(t - 1));
        connect(box, &QCheckBox::toggled, this, [this, t](bool on) { check2Click(t, on); });
        column->addWidget(box);
        Check2.push_back(box);
    }
    column->addStretch();
    Label2 = new QLabel;
    Label2->setObjectName("Label2");
    QFont bold = Label2->font();
    bold.setBold(true);
    Label2->setFont(bold);
    column->addWidget(Label2);
    return Frame3;
}

QGroupBox* ExamSet::makeMagnitudeFrame()
{
    Frame1 = new QGroupBox("Magnitude of Exam");
    Frame1->setObjectName("Frame1");
    auto* grid = new QGridLayout(Frame1);
    const QStringList headings = {"Time Limit   (minutes)", "Number of Questions"};
    for (int i = 0; i < int(List1.size()); ++i) {
        Label1[i] = new QLabel(headings[i]);
        Label1[i]->setObjectName(QStringLiteral("Label1(%1)").arg(i));
        Label1[i]->setWordWrap(true);
        Label1[i]->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        List1[i] = new QListWidget;
        List1[i]->setObjectName(QStringLiteral("List1(%1)").arg(i));
        List1[i]->setFont(fixedPitchFont());
        List1[i]->setFixedWidth(numberListWidth(List1[i]));
        Label1[i]->setMinimumWidth(twoLineWidth(Label1[i]));
        grid->addWidget(Label1[i], 0, i);
        grid->addWidget(List1[i], 1, i, Qt::AlignHCenter);
        // The choice shows mid-list, with its neighbours on both sides.
        connect(List1[i], &QListWidget::currentItemChanged, List1[i], [list = List1[i]](QListWidgetItem* item) {
            if (item)
                list->scrollToItem(item, QAbstractItemView::PositionAtCenter);
        });
        connect(List1[i], &QListWidget::currentRowChanged, this, [this, i](int row) { list1Click(i, row); });
    }
    grid->setRowStretch(1, 1);
    return Frame1;
}

void ExamSet::formLoad()
{
    restorePosition();
    menuLock.emplace(state.mainMenu);
    List1[TimeList]->addItems(ExamSetup::timeEntries());
    List1[SizeList]->addItems(ExamSetup::sizeEntries());
    for (int t = 1; t <= state.edition.TopicCount; ++t)
        Check2[t - 1]->setText(topicCaption(t, state.edition.TopicTitles[t]));
    setup.load(state.settings.TopicDrillLevel);
    render();
}

// Setting the controls from the set-up reports back through their handlers; those changes are
// the set-up's own and are not forwarded again.
void ExamSet::render()
{
    const QScopedValueRollback quiet(rendering, true);
    for (int i = 0; i < int(Option3.size()); ++i) {
        Option3[i]->setText(setup.optionCaption(i));
        Option3[i]->setEnabled(setup.optionOpen(i));
    }
    if (setup.chosen() >= 0)
        Option3[setup.chosen()]->setChecked(true);
    const bool open = setup.choicesOpen();
    for (QListWidget* list : List1)
        list->setEnabled(open);
    const std::array<int, 2> rows = {setup.timeRow(), setup.sizeRow()};
    for (int i = 0; i < int(List1.size()); ++i)
        if (List1[i]->currentRow() != rows[i])
            List1[i]->setCurrentRow(rows[i]);
    for (int t = 1; t <= state.edition.TopicCount; ++t) {
        Check2[t - 1]->setEnabled(open);
        Check2[t - 1]->setChecked(setup.topic(t));
    }
    Label2->setText(setup.poolText());
    Command1[TakeExam]->setEnabled(setup.takeOpen());
    Option1[setup.structured() ? 0 : 1]->setChecked(true);
    Check1->setChecked(setup.scrambled());
}

void ExamSet::option3Click(int index)
{
    if (rendering)
        return;
    setup.choose(index);
    render();
}

void ExamSet::list1Click(int index, int row)
{
    if (rendering)
        return;
    if (index == TimeList)
        setup.chooseTime(row);
    else
        setup.chooseSize(row);
    render();
}

void ExamSet::check2Click(int topic, bool on)
{
    if (rendering)
        return;
    setup.setTopic(topic, on);
    render();
}

void ExamSet::command1Click(int index)
{
    switch (index) {
    case TakeExam: takeExam(); break;
    case Cancel: state.forms.unload("ExamSet"); break;
    case HelpButton: showHelp(state, ExamSetHelpPage, Forms::Modeless, true); break;
    }
}

void ExamSet::takeExam()
{
    setup.takeExam();
    AppState& shared = state;  // this window is closed next
    shared.forms.unload("ExamSet");
    shared.forms.unload("ExamTest");  // so that the exam starts afresh
    shared.forms.show("ExamTest");
}

void ExamSet::formUnload()
{
    storePosition(true);
    menuLock.reset();
}
