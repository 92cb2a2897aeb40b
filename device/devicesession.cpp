#include "devicesession.h"

#include "discovery.h"
#include "hfid.h"

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

qint64 DeviceSession::Host::now()
{
    return QDeadlineTimer::current().deadline();
}

void DeviceSession::Host::wait(ToolProcess *process, qint64 until)
{
    waitForRun(process, QDeadlineTimer(qMax<qint64>(0, until - now())));
}

DeviceSession::DeviceSession(Host *host)
    : host(host ? host : &plainHost)
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
    if (!failureWaiting && eventLog.writeFailureToTell())
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

QString DeviceSession::startRun(ToolProcess &process, const QStringList &arguments, const QString &secret)
{
    const QString command = shownCommand(arguments, secret);
    appendLog(emittingRecord(arguments, secret));
    running.append(command);
    process.setOutputCap(toolLimits.outputCapBytes);
    process.start(arguments);
    return command;
}

void DeviceSession::logRunEnd(const ToolProcess &process, const RunStatus &status)
{
    if (process.outputCut())
        appendLog(outputCutRecord(process.outputCap()));
    appendLog(finishedRecord(status));
}

QString DeviceSession::runTool(const ToolRun &run, RunStatus *status)
{
    ToolProcess process;
    const QString command = startRun(process, run.arguments, run.secret);
    host->wait(&process, host->now() + run.timeLimitMs);

    QString output;
    if (run.record != RunRecord::EmittingOnly) {
        output = decodeToolOutput(process.output());
        // Megabytes of output take a while to decode and again to log.
        host->breathe();
        // The tool may repeat what it was given, the secret too.
        if (run.record == RunRecord::Everything)
            appendLog(maskSecret(output, run.secret));
        logRunEnd(process, process.status());
    }
    if (status)
        *status = process.status();
    // A run that outlived its limit ends here, once its records are written: left running,
    // it would outlive the action.
    process.end();
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
    const qint64 until = host->now() + timeLimitMs;
    for (const auto &process : processes) {
        host->wait(process.get(), until);
        const RunStatus status = process->status();
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

void DeviceSession::select(const QString &address)
{
    selectRecord(lastIndexOf(deviceList, address));
}

void DeviceSession::selectRow(int row)
{
    selectRecord(row >= 0 && row < deviceList.size() ? lastIndexOf(deviceList, deviceList.at(row).address)
                                                     : -1);
}

void DeviceSession::selectRecord(int index)
{
    if (index >= 0)
        selected = deviceList.at(index);
    // Commands for the adapter go out through the interface that found it.
    if (!selected.interfaceAddress.isEmpty())
        scanInterface = selected.interfaceAddress;
    appendLog(QStringLiteral("selected Device = ") + selected.address);
}

QString DeviceSession::askUntilBack(const DeviceRecord &adapter, int withinMs, bool pauseFirst)
{
    const ToolRun read =
        deviceRun(adapter, {QStringLiteral("get_hfid"), QStringLiteral("manufacturer")}, toolLimits.longMs);
    const qint64 until = host->now() + withinMs;
    QString output;
    bool pause = pauseFirst;
    do {
        if (pause)
            host->wait(nullptr, qMin(host->now() + toolLimits.askAgainMs, until));
        pause = true;
        output = runTool(read);
    } while (reportedHfid(output).isEmpty() && host->now() < until);
    return output;
}
