// The computer's clock. Tests use the fake one and never touch the real time.
#pragma once

#include <QDate>
#include <QDateTime>
#include <QTime>

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    // Sets the computer's time of day; false when the system refuses.
    virtual bool setTimeOfDay(const QTime& time) = 0;

    // Date-time serial (days, the fraction the time of day), seconds since midnight, today.
    double serialNow() const;
    float secondsSinceMidnight() const;
    QDate today() const { return now().date(); }
};

class SystemClock : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
    bool setTimeOfDay(const QTime& time) override;
};

class FakeClock : public Clock {
public:
    explicit FakeClock(QDateTime start = QDateTime(QDate(2026, 12, 8), QTime(10, 0))) : now_(std::move(start)) {}
    QDateTime now() const override { return now_; }
    bool setTimeOfDay(const QTime& time) override;
    void advance(qint64 msecs) { now_ = now_.addMSecs(msecs); }
    void set(const QDateTime& moment) { now_ = moment; }
    bool refuseTimeChange = false;

private:
    QDateTime now_;
};
