#pragma once

#include "devicerecord.h"
#include "eventlog.h"
#include "toolrun.h"

#include <QList>
#include <QString>
#include <QStringList>

class QDeadlineTimer;
class QProcess;

// The hardware addresses of this computer's network interfaces, in the form the tool takes.
QList<QString> localHardwareAddresses();

// One session of Tandrel below its window: the event log, the tool's runs, the adapters that
// the last scan found and the one selected. It shows nothing; whoever drives it (the window,
// or a test) waits for each run in its own way and is told what a run did.
class DeviceSession
{
public:
    class Host
    {
    public:
        virtual ~Host() = default;
        // Waits until the process has ended or the deadline has passed; without a process,
        // until the deadline.
        virtual void wait(QProcess *process, const QDeadlineTimer &deadline) = 0;
        // Between two long steps of one run: megabytes of output decoded, then logged.
        virtual void breathe() {}
        // A run of a batch has ended, before its records are written.
        virtual void batchRunEnded(const RunStatus &status) { Q_UNUSED(status) }
        // A record could not be written, after the last failure was told; the log holds the
        // records and says so once (takeWriteFailure).
        virtual void logWriteFailed() {}
    };

    // Without a host, a run is waited for with waitForRun and nobody is told.
    explicit DeviceSession(Host *host = nullptr);

    // Opens the event log, keeping the last session's, and writes the started record. False
    // when it cannot be opened: nothing is logged then.
    bool startLog(const QString &fileName, const QString &previousName);
    // Writes one time-stamped record; does nothing when the log is not open.
    void appendLog(const QString &message);
    EventLog &log() { return eventLog; }
    // The last record, once: what was under way when the session ended, or the closed record.
    void recordEnd(bool actionInProgress);
    bool endRecorded() const { return ended; }

    const ToolLimits &limits() const { return toolLimits; }
    void setLimits(const ToolLimits &limits) { toolLimits = limits; }
    QList<QString> localAddresses() const { return addresses; }
    void setLocalAddresses(const QList<QString> &localAddresses) { addresses = localAddresses; }

    // The adapters of the last scan, the one selected (kept over scans), and the interface that
    // commands for it go out through.
    const DeviceList &devices() const { return deviceList; }
    DeviceRecord selectedDevice() const { return selected; }
    QString interfaceAddress() const { return scanInterface; }
    // The tool's command lines under way, as the log shows them.
    QStringList runningCommands() const { return running; }

    // One run, with its records; its output, and its status when asked for.
    QString runTool(ToolProcess &process, const ToolRun &run, RunStatus *status = nullptr);
    // Runs started together under one time limit; their outputs in order.
    QStringList runToolBatch(const QList<QStringList> &argumentLists, int timeLimitMs);
    // Asks every local interface for the adapters it reaches; the list is what they found.
    void scanDevices();
    // Selects the adapter of a row, the last one with its address; without one, the selection
    // stays. Records it.
    void selectRow(const QString &rowText);

    // A run of the tool for the selected adapter, through the scan interface.
    ToolRun deviceRun(const QStringList &subcommand, int timeLimitMs) const;
    // Asks the adapter for its HFID, at the pace of askAgainMs, until it reports one or the
    // deadline passes; the last answer. An adapter that was just told to restart is given a
    // pause first: it may still answer before it goes away.
    QString askUntilBack(ToolProcess &process, const QDeadlineTimer &backBy, bool pauseFirst);

private:
    void wait(QProcess *process, const QDeadlineTimer &deadline);
    // Starts a run with its Emitting record, among the runs under way; its command as shown.
    QString startRun(ToolProcess &process, const QStringList &arguments, const QString &secret);
    // The records after a run: that its output was cut, and how it ended.
    void logRunEnd(const ToolProcess &process, const RunStatus &status);

    Host *host;
    EventLog eventLog;
    bool ended = false;
    ToolLimits toolLimits;
    QList<QString> addresses;
    DeviceList deviceList;
    DeviceRecord selected;
    QString scanInterface;
    QStringList running;
};
