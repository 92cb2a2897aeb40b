#pragma once

#include "device/devicesession.h"

#include <QList>

// A host whose clock the test drives, so that a session's pace and deadlines come out the
// same on any machine, however slowly its tools start. A pause moves the clock on at once. A
// run is waited for until its tool ends; when the test says that its tools hang, a run whose
// tool has printed what it prints and still runs has reached its time limit.
class DrivenHost : public DeviceSession::Host
{
public:
    qint64 now() override { return clock; }
    void wait(ToolProcess *process, qint64 until) override;

    qint64 clock = 0;
    bool toolsHang = false;
    QList<qint64> pauses;    // how long each pause was
    QList<qint64> deadlines; // the time limit of each run waited for, on the clock
};
