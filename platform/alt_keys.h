// Alt and Meta never type. Qt on Linux lets Alt+letter insert its letter in an editable box
// when no access key or shortcut takes it; on the desktops this program comes from, and in
// GTK programs, such a key inserts nothing.
#pragma once

class QApplication;

// From now on, a key held with Alt or Meta that reaches an editable box (access keys and
// shortcuts have had their turn by then) inserts nothing there.
void keepAltKeysFromTyping(QApplication& app);
