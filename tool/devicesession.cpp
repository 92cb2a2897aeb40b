#include "devicesession.h"

#include "discovery.h"
#include "hfid.h"
#include "selection.h"

#include <QDeadlineTimer>
#include <QNetworkInterface>

#include <memory>
#include <vector>

QList<QString> localHardwareAddresses()
{
    QList<QString> addresses;
    const auto interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &networkInterface : interfaces) {
        const QString address = networkInterface.hardwareAddress();
        // Six colon-separated pairs; the tool takes nothing else.
        if (address.length() == 17)
            addresses.append(address);
    }
    return addresses;
}

DeviceSession::DeviceSession(Host *host)
    : host(host)
{}

bool DeviceSession::startLog(const QString &fileName, const QString &previousName)
{
    const bool opened = eventLog.open(fileName, previousName);
    appendLog(QStringLiteral("==== Tandrel started ===="));
    if (!eventLog.previousNotKept().isEmpty())
        appendLog(eventLog.previousNotKept());
    return opened;
}

void DeviceSession::appendLog(const QString &message)
{
    const bool failureWaiting = eventLog.writeFailureToTell();
    eventLog.append(message);
    // Once for each failure that is new to tell, not for every record that waits behind it.
    if (host && !failureWaiting && eventLog.writeFailureToTell())
        host->logWriteFailed();
}

void DeviceSession::recordEnd(bool actionInProgress)
{
    if (ended)
        return;
    ended = true;
    // The session ends with the tool at work: Windows ends Tandrel once this returns.
    if (!running.isEmpty())
        appendLog(QStringLiteral("The session is ending in the middle of a run: ") +
                  running.join(QStringLiteral("; ")));
    else if (actionInProgress)
        appendLog(QStringLiteral("The session is ending in the middle of an action."));
    else
        appendLog(QStringLiteral("==== Tandrel closed ===="));
}

void DeviceSession::wait(QProcess *process, const QDeadlineTimer &deadline)
{
    if (host)
        host->wait(process, deadline);
    else
        waitForRun(process, deadline);
}

QString DeviceSession::startRun(ToolProcess &process, const QStringList &arguments, const QString &secret)
{
    const QString command = shownCommand(arguments, secret);
    appendLog(emittingRecord(arguments, secret));
    running.append(command);
    process.setArguments(arguments);
    process.setOutputCap(toolLimits.outputCapBytes);
    process.startRun();
    return command;
}

void DeviceSession::logRunEnd(const ToolProcess &process, const RunStatus &status)
{
    if (process.outputCut())
        appendLog(outputCutRecord(process.outputCap()));
    appendLog(finishedRecord(status));
}

QString DeviceSession::runTool(ToolProcess &process, const ToolRun &run, RunStatus *status)
{
    const QString command = startRun(process, run.arguments, run.secret);
    wait(&process, QDeadlineTimer(run.timeLimitMs));

    QString output;
    if (run.record != RunRecord::EmittingOnly) {
        output = decodeToolOutput(process.output());
        // Megabytes of output take a while to decode and again to log.
        if (host)
            host->breathe();
        if (run.record == RunRecord::Everything)
            appendLog(output);
        logRunEnd(process, process.status());
    }
    if (status)
        *status = process.status();
    // A run that outlived its limit ends here, once its records are written: left running,
    // it would refuse the next start on this process and outlive the action.
    endTool(process);
    running.removeOne(command);
    return output;
}

QStringList DeviceSession::runToolBatch(const QList<QStringList> &argumentLists, int timeLimitMs)
{
    std::vector<std::unique_ptr<ToolProcess>> processes;
    QStringList commands;
    for (const QStringList &arguments : argumentLists) {
        processes.push_back(std::make_unique<ToolProcess>());
        commands.append(startRun(*processes.back(), arguments, QString()));
    }

    // The runs started together, so one time limit bounds them all, however many hang and
    // however long the host takes with each: each one still has the whole limit to answer in.
    const QDeadlineTimer deadline(timeLimitMs);
    for (const auto &process : processes) {
        wait(process.get(), deadline);
        const RunStatus status = process->status();
        if (host)
            host->batchRunEnded(status);
        logRunEnd(*process, status);
    }

    QStringList outputs;
    for (const auto &process : processes)
        outputs.append(decodeToolOutput(process->output()));
    for (const QString &command : qAsConst(commands))
        running.removeOne(command);
    return outputs;
}

void DeviceSession::scanDevices()
{
    deviceList.clear();
    QList<QStringList> argumentLists;
    for (const QString &address : qAsConst(addresses))
        argumentLists.append(
            {address, QStringLiteral("discover_list"), QStringLiteral("-t"), QStringLiteral("2")});
    const QStringList outputs = runToolBatch(argumentLists, toolLimits.discoveryMs);

    for (int run = 0; run < outputs.size(); ++run) {
        const DiscoveryResult result = parseDiscoveryOutput(outputs.at(run));
        if (!result.hasDeviceLine)
            continue;
        scanInterface = addresses.at(run);
        for (const QString &line : result.foundLines)
            appendLog(QStringLiteral("found device: ") + line);
        for (DeviceRecord device : result.devices) {
            device.interfaceAddress = addresses.at(run);
            deviceList.append(device);
        }
    }
}

void DeviceSession::selectRow(const QString &rowText)
{
    const QString key = rowAddress(rowText);
    for (const DeviceRecord &device : qAsConst(deviceList)) {
        if (device.address == key)
            selected = device;
    }
    // Commands for the adapter go out through the interface that found it.
    if (!selected.interfaceAddress.isEmpty())
        scanInterface = selected.interfaceAddress;
    appendLog(QStringLiteral("selected Device = ") + selected.address);
}

ToolRun DeviceSession::deviceRun(const QStringList &subcommand, int timeLimitMs) const
{
    ToolRun run;
    run.arguments = deviceCommand(scanInterface, subcommand, selected.address);
    run.timeLimitMs = timeLimitMs;
    return run;
}

QString DeviceSession::askUntilBack(ToolProcess &process, const QDeadlineTimer &backBy, bool pauseFirst)
{
    const ToolRun read =
        deviceRun({QStringLiteral("get_hfid"), QStringLiteral("manufacturer")}, toolLimits.longMs);
    QString output;
    bool pause = pauseFirst;
    do {
        if (pause)
            wait(nullptr, QDeadlineTimer(qMin<qint64>(toolLimits.askAgainMs, backBy.remainingTime())));
        pause = true;
        output = runTool(process, read);
    } while (reportedHfid(output).isEmpty() && !backBy.hasExpired());
    return output;
}
