#include "actionclock.h"

#include <QDeadlineTimer>

qint64 ActionClock::now() const
{
    return QDeadlineTimer::current().deadline();
}
