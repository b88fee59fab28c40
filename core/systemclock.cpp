#include "core/systemclock.h"

#include <QTime>

SystemClock::SystemClock() : m_anchor(QTime::currentTime().msecsSinceStartOfDay())
{
    m_elapsed.start();
}

double SystemClock::readClock()
{
    return static_cast<double>((m_anchor + m_elapsed.elapsed()) % kMsPerDay);
}
