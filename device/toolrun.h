#pragma once

#include "device/devicerecord.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QProcess>
#include <QString>
#include <QStringList>

// The device tool, always run from the working directory.
inline QString toolProgram()
{
    return QStringLiteral("./pwlctl.exe");
}

// How long each kind of run may block the window, and how much of its output is kept.
struct ToolLimits
{
    int discoveryMs = 30000;
    int quickMs = 30000; // device information, factory default
    int longMs = 180000; // firmware upgrade and what follows it, simple connect, change key
    // The tool prints kilobytes; a hundred thousand device lines take about 11 MB.
    qint64 outputCapBytes = 16 * 1024 * 1024;
    // An adapter restarts after new firmware and answers again after 20 to 45 s as a rule:
    // its identity is asked for again at this pace, until this long after the upgrade.
    int askAgainMs = 5000;
    int adapterBackMs = 120000;
};

// What one runTool call logs besides its "Emitting" line.
enum class RunRecord {
    Everything, // the output and the status line
    StatusOnly, // the output is read but not logged
    EmittingOnly,
};

struct ToolRun
{
    QStringList arguments;
    int timeLimitMs = 0;
    RunRecord record = RunRecord::Everything;
    QString secret; // a value that never reaches the log, wherever it stands
};

// How a run ended, as the status line reports it.
struct RunStatus
{
    int exitCode = 0;
    int exitStatus = 0;
    int error = 0;
};

// A command for one adapter: interface, the subcommand with its operands, "-m", device.
QStringList deviceCommand(const QString &interfaceAddress, const QStringList &subcommand,
                          const QString &deviceAddress);
// A run of the tool for the adapter, through the interface that found it.
ToolRun deviceRun(const DeviceRecord &adapter, const QStringList &subcommand, int timeLimitMs);

// The text of the tool's standard output: UTF-8 up to the first NUL byte.
QString decodeToolOutput(const QByteArray &bytes);

// The text with every occurrence of the secret shown as "********".
QString maskSecret(const QString &text, const QString &secret);

// "pwlctl.exe " and the arguments joined with single blanks, unquoted, the secret masked.
QString shownCommand(const QStringList &arguments, const QString &secret = QString());
// "Emitting " and the command as shown.
QString emittingRecord(const QStringList &arguments, const QString &secret = QString());

// "Finished pwlctl.exe status: ..." with the codes as plain decimals.
QString finishedRecord(const RunStatus &status);

// The record that says a run was ended because its output passed the cap.
QString outputCutRecord(qint64 capBytes);

class ToolProcess;

// Waits, with the event loop running so that windows are drawn meanwhile, until the tool has
// ended or the deadline has passed; without a tool, until the deadline.
void waitForRun(ToolProcess *process, const QDeadlineTimer &deadline);

// One run of the tool at a time. Its standard error goes nowhere. Its standard output is
// read as it arrives, also during waits, and kept up to a cap: a tool that prints more is
// ended at once, and what it printed up to the cap is its output. A tool that still runs
// when the object is destroyed is ended then.
class ToolProcess
{
public:
    explicit ToolProcess(qint64 outputCapBytes = ToolLimits().outputCapBytes);
    ~ToolProcess();
    ToolProcess(const ToolProcess &) = delete;
    ToolProcess &operator=(const ToolProcess &) = delete;

    // Starts the tool, read-only, with nothing kept yet.
    void start(const QStringList &arguments);
    // Waits, with the event loop running, until the tool has ended or the deadline passed.
    void waitForEnd(const QDeadlineTimer &deadline);
    bool isRunning() const { return process.state() != QProcess::NotRunning; }
    // Ends a tool that still runs: kill, then wait for it, at most the toolkit's default wait.
    void end();

    // The output kept so far, taking what the process object still holds.
    QByteArray output();
    bool outputCut() const { return cut; }
    qint64 outputCap() const { return cap; }
    void setOutputCap(qint64 bytes) { cap = bytes; }
    // The run's status: for a run ended at the cap, as it was just before the kill; for a
    // tool still running, a run past its time limit.
    RunStatus status() const;
    // The most output that one read took from the process object; the tests hold it to the
    // bound on the toolkit's read-ahead.
    qint64 largestRead() const { return largest; }

private:
    void keepOutput();
    void countRun(QProcess::ProcessState state);

    QProcess process;
    qint64 cap;
    QByteArray kept;
    bool cut = false;
    RunStatus statusAtCut;
    qint64 largest = 0;
    bool counted = false; // this object's run counts as under way
};
