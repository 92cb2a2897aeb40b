#pragma once

#include "devicerecord.h"
#include "eventlog.h"
#include "toolrun.h"

#include <QList>
#include <QString>
#include <QStringList>

// The hardware addresses of this computer's network interfaces, in the form the tool takes.
QList<QString> localHardwareAddresses();

// One session of Tandrel below its window: the event log, the tool's runs, the adapters that
// the last scan found and the one selected. It shows nothing; whoever drives it (the window,
// or a test) waits for each run in its own way and is told what a run did.
class DeviceSession
{
public:
    // What the session asks of whoever drives it. Time limits and the pace of repeated tries
    // are measured on the host's clock, in milliseconds.
    class Host
    {
    public:
        virtual ~Host() = default;
        virtual qint64 now();
        // Waits until the tool has ended or the clock reaches `until`; without a tool, until
        // the clock reaches it.
        virtual void wait(ToolProcess *process, qint64 until);
        // Between two long steps of one run: megabytes of output decoded, then logged.
        virtual void breathe() {}
        // A run of a batch has ended, before its records are written.
        virtual void batchRunEnded(const RunStatus &status) { Q_UNUSED(status) }
        // A record could not be written, after the last failure was told; the log holds the
        // records and says so once (takeWriteFailure).
        virtual void logWriteFailed() {}
        // Whether the host ends the session once the action in progress is done: a scan that
        // would only show the adapters anew is left out then.
        virtual bool endsAfterAction() { return false; }
    };

    // Without a host, the session waits with the event loop running and tells nobody.
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
    // Tests shorten the limits.
    void setLimits(const ToolLimits &limits) { toolLimits = limits; }
    void setLocalAddresses(const QList<QString> &localAddresses) { addresses = localAddresses; }

    // The adapters of the last scan, and the one selected (kept over scans).
    const DeviceList &devices() const { return deviceList; }
    DeviceRecord selectedDevice() const { return selected; }
    // The scan interface: the selected adapter's since its selection, else the last one whose
    // discovery found adapters. Commands for an adapter go out through its own (deviceRun).
    QString interfaceAddress() const { return scanInterface; }

    // One run, with its records, under its time limit; its output, and its status when asked.
    QString runTool(const ToolRun &run, RunStatus *status = nullptr);
    // Runs started together under one time limit; their outputs in order.
    QStringList runToolBatch(const QList<QStringList> &argumentLists, int timeLimitMs);
    // Asks every local interface for the adapters it reaches; the list is what they found.
    void scanDevices();
    // Selects the adapter with the address, its last record in the list; without one, the
    // selection stays. Records it.
    void select(const QString &address);
    // Selects the adapter of a row of the list, as select does with its address; a row out of
    // the list selects nothing new.
    void selectRow(int row);
    // Asks the adapter for its HFID, every askAgainMs, until it reports one or withinMs have
    // passed; the last answer. An adapter that was just told to restart is given a pause
    // first: it may still answer before it goes away.
    QString askUntilBack(const DeviceRecord &adapter, int withinMs, bool pauseFirst);
    // Whether whoever drives the session ends it once the action in progress is done.
    bool endsAfterAction() const { return host->endsAfterAction(); }

private:
    // Starts a run with its Emitting record, among the runs under way; its command as shown.
    QString startRun(ToolProcess &process, const QStringList &arguments, const QString &secret);
    // Selects the record of the list (none: -1, the selection stays) and records it.
    void selectRecord(int index);
    // The records after a run: that its output was cut, and how it ended.
    void logRunEnd(const ToolProcess &process, const RunStatus &status);

    Host plainHost;
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
