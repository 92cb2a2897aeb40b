#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

class QPushButton;

// The device tool, always run from the working directory.
inline QString toolProgram() { return QStringLiteral("./pwlctl.exe"); }

// How long each kind of run may block the window.
struct ToolTimeLimits
{
    int discoveryMs = 30000;
    int quickMs = 30000; // device information, factory default
    int longMs = 180000; // firmware upgrade and what follows it, simple connect, change key
};

// What one runTool call logs besides its "Emitting" line.
enum class RunRecord {
    Everything, // the output and the status line
    StatusOnly, // the output is neither read nor logged
    EmittingOnly,
};

struct ToolRun
{
    QStringList arguments;
    int timeLimitMs = 0;
    QPushButton *busyButton = nullptr;
    bool leaveBusy = true;         // false: the caller leaves the busy state itself
    RunRecord record = RunRecord::Everything;
    int secretArgument = -1;       // index of an argument that never reaches the log
};

// The text of the tool's standard output: UTF-8 up to the first NUL byte.
QString decodeToolOutput(const QByteArray &bytes);

// "Emitting pwlctl.exe " and the arguments joined with single blanks, unquoted.
QString emittingRecord(const QStringList &arguments, int secretArgument = -1);

// "Finished pwlctl.exe status: ..." with the codes as plain decimals.
QString finishedRecord(int exitCode, int exitStatus, int error);
QString finishedRecord(const QProcess &process);

// Ends a tool that is still running: kill, then wait for it.
void endTool(QProcess &process);

// A process object for the tool. runTool ends each run before it returns; a tool that
// this object still runs when it is destroyed (a batch run past its limit) is ended then.
class ToolProcess : public QProcess
{
public:
    ToolProcess() { setProgram(toolProgram()); }
    ~ToolProcess() override { endTool(*this); }
};
