#include "core/systemclock.h"

#include <QTime>

SystemClock::SystemClock() : m_anchor(QTime::currentTime().msecsSinceStartOfDay())
{
    m_elapsed.start();
}

qint64 SystemClock::readClock()
{
    return (m_anchor + m_elapsed.elapsed()) % kMsPerDay;
}
