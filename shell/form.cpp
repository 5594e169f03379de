#include "shell/form.h"

#include "platform/basic.h"
#include "shell/app_state.h"

#include <QCloseEvent>
#include <QFont>

namespace {
constexpr int TwipsPerPixel = 15;
}

Form::Form(AppState& state, QString name, int slot) : QDialog(nullptr), state(state), name_(std::move(name)), slot_(slot)
{
    setObjectName(name_);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
}

void Form::restorePosition()
{
    if (slot_ && (state.FormLeft[slot_] != 0 || state.FormTop[slot_] != 0))
        move(state.FormLeft[slot_] / TwipsPerPixel, state.FormTop[slot_] / TwipsPerPixel);
}

void Form::storePosition(bool normalFirst)
{
    if (!slot_)
        return;
    if (normalFirst)
        setNormal();
    state.FormLeft[slot_] = int(basic::roundHalfEven(x() * double(TwipsPerPixel)));
    state.FormTop[slot_] = int(basic::roundHalfEven(y() * double(TwipsPerPixel)));
}

void Form::closeEvent(QCloseEvent* event)
{
    if (!unloading_) {
        unloading_ = true;
        formUnload();
        state.forms.forget(this);
    }
    event->accept();
    if (isModal())
        done(0);
}

void Form::reject() { close(); }

QFont fixedPitchFont(int points)
{
    QFont font;
    font.setFamilies({"Courier New", "Liberation Mono"});
    font.setStyleHint(QFont::Monospace);
    font.setPointSize(points);
    return font;
}
