#pragma once

#include "window/actionclock.h"

// A clock for the busy captions that the test moves on: whatever shows the time shows it again
// at once, so that no test waits in real time to see one.
class DrivenClock : public ActionClock
{
public:
    qint64 now() const override { return clock; }
    void advance(qint64 ms)
    {
        clock += ms;
        emit moved();
    }

private:
    qint64 clock = 0;
};
