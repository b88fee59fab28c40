#include "core/gameclock.h"

#include <cmath>

qint32 clockDifference(double later, double earlier)
{
    const qint64 diff = static_cast<qint64>(std::llround(later - earlier)) % kMsPerDay;
    return static_cast<qint32>(diff < 0 ? diff + kMsPerDay : diff);
}
