#include "toolrun.h"

#include "keepawake.h"
#include "readahead.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

#include <cstring>
#include <limits>

QStringList deviceCommand(const QString &interfaceAddress, const QStringList &subcommand,
                          const QString &deviceAddress)
{
    return QStringList{interfaceAddress} + subcommand + QStringList{QStringLiteral("-m"), deviceAddress};
}

ToolRun deviceRun(const DeviceRecord &adapter, const QStringList &subcommand, int timeLimitMs)
{
    ToolRun run;
    run.arguments = deviceCommand(adapter.interfaceAddress, subcommand, adapter.address);
    run.timeLimitMs = timeLimitMs;
    return run;
}

QString decodeToolOutput(const QByteArray &bytes)
{
    // The C library's search: megabytes of output are looked through at memory speed.
    const auto *nul = static_cast<const char *>(std::memchr(bytes.constData(), 0, size_t(bytes.size())));
    return QString::fromUtf8(bytes.constData(), nul ? int(nul - bytes.constData()) : bytes.size());
}

QString maskSecret(const QString &text, const QString &secret)
{
    if (secret.isEmpty())
        return text;
    QString masked = text;
    return masked.replace(secret, QStringLiteral("********"));
}

QString shownCommand(const QStringList &arguments, const QString &secret)
{
    // Masked as a whole argument first: the secret may be a word the tool takes too.
    QStringList shown = arguments;
    for (QString &argument : shown) {
        if (!secret.isEmpty() && argument == secret)
            argument = QStringLiteral("********");
    }
    return QStringLiteral("pwlctl.exe ") + shown.join(QLatin1Char(' '));
}

QString emittingRecord(const QStringList &arguments, const QString &secret)
{
    return QStringLiteral("Emitting ") + shownCommand(arguments, secret);
}

QString finishedRecord(const RunStatus &status)
{
    return QStringLiteral("Finished pwlctl.exe status: exitCode=%1, exitStatus=%2, error=%3.")
        .arg(status.exitCode)
        .arg(status.exitStatus)
        .arg(status.error);
}

QString outputCutRecord(qint64 capBytes)
{
    return QStringLiteral(
               "pwlctl.exe printed more than %1 bytes: its output was cut there and the run was ended.")
        .arg(capBytes);
}

namespace {

// How much of the tool's output the toolkit may read ahead of the process object.
constexpr qint64 readAheadBytes = 1024 * 1024;

RunStatus currentStatus(const QProcess &process)
{
    // A tool that never started has no exit code, whatever the failed launch left behind.
    const bool started = process.error() != QProcess::FailedToStart;
    return {started ? process.exitCode() : 0, int(process.exitStatus()), int(process.error())};
}

// Tool runs under way in this program; the computer is kept awake while there is one.
int runsUnderWay = 0;

// Runs the event loop until the process has ended (without one, never) or the deadline has
// passed. A loop can also end early, when the application is asked to quit: the wait goes on.
void waitWithEvents(QProcess *process, const QDeadlineTimer &deadline)
{
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    // NotRunning also ends a run that failed to start, which never reports finished().
    if (process) {
        QObject::connect(process, &QProcess::stateChanged, &loop, [&loop](QProcess::ProcessState state) {
            if (state == QProcess::NotRunning)
                loop.quit();
        });
    }
    while ((!process || process->state() != QProcess::NotRunning) && !deadline.hasExpired()) {
        timer.start(int(qMin<qint64>(deadline.remainingTime(), std::numeric_limits<int>::max())));
        loop.exec();
    }
}

} // namespace

void waitForRun(ToolProcess *process, const QDeadlineTimer &deadline)
{
    if (process)
        process->waitForEnd(deadline);
    else
        waitWithEvents(nullptr, deadline);
}

ToolProcess::ToolProcess(qint64 outputCapBytes)
    : cap(outputCapBytes)
{
    process.setProgram(toolProgram());
    // Nothing reads it, so nothing may pile it up either.
    process.setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(&process, &QProcess::readyReadStandardOutput, [this] { keepOutput(); });
    QObject::connect(&process, &QProcess::stateChanged,
                     [this](QProcess::ProcessState state) { countRun(state); });
}

ToolProcess::~ToolProcess()
{
    end();
    // A process object destroyed while its tool starts reports no state change any more.
    if (counted)
        countRun(QProcess::NotRunning);
    process.disconnect();
}

void ToolProcess::countRun(QProcess::ProcessState state)
{
    const bool running = state != QProcess::NotRunning;
    if (running == counted)
        return;
    counted = running;
    runsUnderWay += running ? 1 : -1;
    // A computer that sleeps in the middle of new firmware stops the tool there, and the
    // adapter may not start again.
    if (runsUnderWay == (running ? 1 : 0))
        keepAwake(running);
}

void ToolProcess::start(const QStringList &arguments)
{
    kept.clear();
    cut = false;
    process.setArguments(arguments);
    process.start(QIODevice::ReadOnly);
    limitReadAhead(process, readAheadBytes);
}

void ToolProcess::waitForEnd(const QDeadlineTimer &deadline)
{
    waitWithEvents(&process, deadline);
}

void ToolProcess::end()
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.kill();
    // A killed tool is normally gone at once; one that is not must not hold the window forever.
    process.waitForFinished();
}

QByteArray ToolProcess::output()
{
    keepOutput();
    return kept;
}

RunStatus ToolProcess::status() const
{
    if (cut)
        return statusAtCut;
    // Still running after its wait: the run reached its time limit.
    if (process.state() != QProcess::NotRunning)
        return {0, int(QProcess::NormalExit), int(QProcess::Timedout)};
    return currentStatus(process);
}

void ToolProcess::keepOutput()
{
    // Always drained, so that the process object never holds more than one read's worth.
    const QByteArray bytes = process.readAllStandardOutput();
    largest = qMax<qint64>(largest, bytes.size());
    if (cut || bytes.isEmpty())
        return;
    const qint64 room = cap - kept.size();
    if (bytes.size() <= room) {
        kept += bytes;
        return;
    }
    kept += bytes.left(int(room));
    cut = true;
    // The status line tells how the run stood when it was ended, not the kill itself.
    statusAtCut = currentStatus(process);
    process.kill();
}
