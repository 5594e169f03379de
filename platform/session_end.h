// The end of the desktop session as the program hears of it: SIGTERM (logout, shutdown), SIGHUP
// (the terminal closed) and SIGINT (Ctrl+C) are turned into a signal of the event loop, as a
// signal handler itself may do next to nothing safely.
#pragma once

#include <QObject>

class QSocketNotifier;

class SessionEndWatcher : public QObject {
    Q_OBJECT
public:
    // Installs the handlers for the three signals; one watcher a program.
    explicit SessionEndWatcher(QObject* parent = nullptr);
    ~SessionEndWatcher() override;

signals:
    void sessionEnding();

private:
    QSocketNotifier* notifier_ = nullptr;
};
