// The end of the desktop session as the program hears of it: SIGTERM (logout, shutdown), SIGHUP
// (the terminal closed) and SIGINT (Ctrl+C); the session manager's "die" (Qt's quit request); and
// the loss of the session manager's connection, which libICE would otherwise answer with exit().
// A checkpoint of the session manager ends nothing. Signals and the lost connection are turned
// into a signal of the event loop, as their handlers may do next to nothing safely.
#pragma once

#include <QObject>

class QSocketNotifier;

class SessionEndWatcher : public QObject {
    Q_OBJECT
public:
    // Installs the handlers; one watcher a program.
    explicit SessionEndWatcher(QObject* parent = nullptr);
    ~SessionEndWatcher() override;

signals:
    // Once the end is under way, a further signal ends the program as it ends any program: what
    // waits then can never hold a logout up.
    void sessionEnding();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QSocketNotifier* notifier_ = nullptr;
};
