#include "platform/clock.h"

#include "platform/basic.h"

#include <QProcess>

double Clock::serialNow() const { return basic::toSerial(now()); }

float Clock::secondsSinceMidnight() const { return float(now().time().msecsSinceStartOfDay() / 1000.0); }

bool SystemClock::setTimeOfDay(const QTime& time)
{
    // Needs the right to change the system time; without it the command fails and we say so.
    return QProcess::execute("date", {"-s", time.toString("HH:mm:ss")}) == 0;
}

bool FakeClock::setTimeOfDay(const QTime& time)
{
    if (refuseTimeChange)
        return false;
    now_.setTime(time);
    return true;
}
