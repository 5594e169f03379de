#include "tools/calculator.h"

#include "shell/app_state.h"
#include "shell/help_window.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {
constexpr int CalculatorHelpPage = 15;
const QSize DesignSize(340, 300);  // the window's size as it first opens

// The character a key press types, as the key table counts it: Ctrl with a letter gives its
// control code and Escape 27; keys that type nothing printable, or are held with Alt, give 0.
int charCode(const QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Escape)
        return 27;
    if (event->modifiers() & Qt::AltModifier)
        return 0;
    if (event->modifiers() & Qt::ControlModifier)
        return key >= Qt::Key_A && key <= Qt::Key_Z ? key - Qt::Key_A + 1 : 0;
    const QString text = event->text();
    return text.size() == 1 && text.at(0) >= QLatin1Char(' ') ? text.at(0).unicode() : 0;
}
}  // namespace

Calculator::Calculator(AppState& appState)
    : Form(appState, "Calculator", 2),
      engine(state.forms.keep<CalculatorEngine::Registers>("Calculator"), state.platform.prompter)
{
    setWindowTitle("Calculator");

    // The display and the memory indicator; a long number is cut rather than widening the window.
    makeDisplay();

    // The keys.
    makeNumberKeys();
    makeOperationKeys();

    // Layout: the display, the indicator beside Help, a line, the keys.
    auto* top = new QHBoxLayout;
    top->addWidget(Label1, 1);
    top->addWidget(Command1[HelpKey]);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Readout, 1);
    layout->addLayout(top);
    layout->addWidget(Line1);
    layout->addLayout(makeKeyGrid(), 4);
    resize(DesignSize);
}

void Calculator::makeDisplay()
{
    Readout = new QLabel("0.");
    Readout->setObjectName("Readout");
    Readout->setTextFormat(Qt::PlainText);
    Readout->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Readout->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Readout->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    Label1 = new QLabel;
    Label1->setObjectName("Label1");
    Label1->setTextFormat(Qt::PlainText);
    Line1 = new QFrame;
    Line1->setObjectName("Line1");
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);
}

// The digits, the sign change and the point.
void Calculator::makeNumberKeys()
{
    for (int d = 0; d <= 9; ++d)
        Number[d] = makeKey(QString::number(d), QStringLiteral("Number(%1)").arg(d));
    Number[SignKey] = makeKey("+/-", "Number(10)");
    for (int i = 0; i <= SignKey; ++i)
        connect(Number[i], &QPushButton::clicked, this, [this, i] { numberClick(i); });
    DecimalPoint = makeKey(".", "DecimalPoint");
    connect(DecimalPoint, &QPushButton::clicked, this, [this] {
        engine.decimalPoint();
        render();
    });
}

// The operators, clear, and the functions with Help.
void Calculator::makeOperationKeys()
{
    const QStringList operators = {QStringLiteral("\u00F7"), "+", "X", "-", "="};
    for (int i = 0; i < 5; ++i) {
        Operator[i] = makeKey(operators[i], QStringLiteral("Operator(%1)").arg(i));
        connect(Operator[i], &QPushButton::clicked, this, [this, i] {
            engine.operatorKey(CalculatorEngine::Op(i));
            render();
        });
    }
    Cancel = makeKey("CE/C", "Cancel");
    connect(Cancel, &QPushButton::clicked, this, [this] {
        engine.clearKey();
        render();
    });
    const QStringList functions = {"%", QStringLiteral("\u221A"), "&Help", "MC", "MR", "M-", "M+"};
    for (int i = 0; i < 7; ++i) {
        Command1[i] = makeKey(functions[i], QStringLiteral("Command1(%1)").arg(i));
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { command1Click(i); });
    }
}

// Memory keys on the left, digits in the middle, operators and functions on the right.
QGridLayout* Calculator::makeKeyGrid()
{
    auto* keys = new QGridLayout;
    const std::array<std::array<QPushButton*, 6>, 4> rows = {{
        {Command1[MemoryClear], Number[7], Number[8], Number[9], Operator[CalculatorEngine::Divide], Command1[Root]},
        {Command1[MemoryRecall], Number[4], Number[5], Number[6], Operator[CalculatorEngine::Multiply], Command1[Percent]},
        {Command1[MemorySubtract], Number[1], Number[2], Number[3], Operator[CalculatorEngine::Subtract], Cancel},
        {Command1[MemoryAdd], Number[0], Number[SignKey], DecimalPoint, Operator[CalculatorEngine::Add],
         Operator[CalculatorEngine::Equals]},
    }};
    for (int row = 0; row < 4; ++row) {
        keys->setRowStretch(row, 1);
        for (int column = 0; column < 6; ++column)
            keys->addWidget(rows[row][column], row, column);
    }
    return keys;
}

// The print grows with the window as the keys do, the display's half as large again as the
// keys' captions; it never shrinks below the usual print.
void Calculator::resizeEvent(QResizeEvent* event)
{
    Form::resizeEvent(event);
    const qreal scale = std::max(1.0, std::min(width() / qreal(DesignSize.width()),
                                               height() / qreal(DesignSize.height())));
    QFont print = QApplication::font();
    print.setPointSizeF(print.pointSizeF() * scale);
    setFont(print);
    print.setPointSizeF(print.pointSizeF() * 3 / 2);
    Readout->setFont(print);
}

// Every key button also takes the typed keys, so each one is watched.
QPushButton* Calculator::makeKey(const QString& caption, const QString& name)
{
    auto* key = new QPushButton(caption);
    key->setObjectName(name);
    key->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    key->setMinimumSize(40, 28);  // a push button's usual minimum would make a wide calculator
    key->installEventFilter(this);
    return key;
}

void Calculator::formLoad()
{
    restorePosition();
    engine.load();
    render();
}

void Calculator::formUnload() { storePosition(); }

void Calculator::render()
{
    Readout->setText(engine.display());
    Label1->setText(engine.indicator());
}

void Calculator::numberClick(int index)
{
    if (index == SignKey)
        engine.changeSign();
    else
        engine.digit(index);
    render();
    Operator[CalculatorEngine::Equals]->setFocus();
}

void Calculator::command1Click(int index)
{
    switch (index) {
    case Percent: engine.percent(); break;
    case Root: engine.squareRoot(); break;
    case HelpKey: showHelp(state, CalculatorHelpPage, Forms::Modeless); return;
    case MemoryClear: engine.memoryClear(); break;
    case MemoryRecall: engine.memoryRecall(); break;
    case MemorySubtract: engine.memorySubtract(); break;
    case MemoryAdd: engine.memoryAdd(); break;
    }
    render();
}

// F9 is the sign key; a typed character presses its key. Return and Space still press the key
// that has the focus, as on any button.
bool Calculator::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return Form::eventFilter(watched, event);
    const auto* press = static_cast<QKeyEvent*>(event);
    if (press->key() == Qt::Key_F9) {
        Number[SignKey]->click();
        Number[SignKey]->setFocus();
        return true;
    }
    return DispatchCalcKey(charCode(press));
}

bool Calculator::DispatchCalcKey(int code)
{
    // Ctrl+C, Ctrl+V, Ctrl+X and Ctrl+Z close the calculator.
    if (code == 3 || code == 22 || code == 24 || code == 26) {
        state.forms.unload("Calculator");
        return true;
    }
    QPushButton* key = keyFor(code);
    if (!key)
        return false;
    key->click();
    // A digit's own click has sent the focus to "=".
    if (code < '0' || code > '9')
        key->setFocus();
    return true;
}

QPushButton* Calculator::keyFor(int code) const
{
    if (code >= '0' && code <= '9')
        return Number[code - '0'];
    switch (code) {
    case 12: return Command1[MemoryClear];     // Ctrl+L
    case 13: return Command1[MemorySubtract];  // Ctrl+M
    case 16: return Command1[MemoryAdd];       // Ctrl+P
    case 18: return Command1[MemoryRecall];    // Ctrl+R
    case 27: return Cancel;                    // Esc
    case '%': return Command1[Percent];
    case '*':
    case 'X':
    case 'x': return Operator[CalculatorEngine::Multiply];
    case '+': return Operator[CalculatorEngine::Add];
    case '-': return Operator[CalculatorEngine::Subtract];
    case '.': return DecimalPoint;
    case '/': return Operator[CalculatorEngine::Divide];
    case '=': return Operator[CalculatorEngine::Equals];
    case '@': return Command1[Root];
    default: return nullptr;
    }
}
