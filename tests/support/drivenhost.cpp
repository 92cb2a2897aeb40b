#include "drivenhost.h"

void DrivenHost::wait(ToolProcess *process, qint64 until)
{
    if (!process) {
        pauses.append(until - clock);
        clock = qMax(clock, until);
        return;
    }
    deadlines.append(until);
    // Real time only as a last resort: a run that the test did not expect to hang fails by
    // what it left behind, not by a time-out of its own.
    const QDeadlineTimer lastResort(120000);
    if (!toolsHang) {
        process->waitForEnd(lastResort);
        return;
    }
    while (process->isRunning() && process->output().isEmpty() && !lastResort.hasExpired())
        process->waitForEnd(QDeadlineTimer(20));
    if (process->isRunning())
        clock = qMax(clock, until);
}
