#include "adapteractions.h"

#include "actionreport.h"
#include "device/adaptername.h"
#include "device/devicesession.h"

#include <QCoreApplication>

using namespace ActionReport;

QString errorText(const QString &output, bool lineFeed)
{
    return QStringLiteral("==== ERROR ====") + (lineFeed ? QStringLiteral("\n") : QString()) + output;
}

QString deviceInfoText(const QString &output)
{
    const QString marker = QStringLiteral("[apsta_info] Done.");
    const int done = output.indexOf(marker);
    if (done < 0)
        return errorText(output, true).trimmed();
    return output.mid(done).replace(marker, successHeading).trimmed();
}

bool factoryDefaultSucceeded(const QString &output)
{
    return output.contains(QLatin1String("[apfw_factory_reset] Done.")) &&
           !output.contains(QLatin1String("Error"));
}

bool toolRunFailed(const RunStatus &status, const QString &output)
{
    return status.error != QProcess::UnknownError || status.exitStatus != QProcess::NormalExit ||
           status.exitCode != 0 || output.contains(QLatin1String("Error"));
}

QString simpleConnectText(const QString &randomizeOutput, const QString &lastStartOutput, bool started)
{
    if (started)
        return randomizeOutput;
    const bool ownLine = randomizeOutput.isEmpty() || randomizeOutput.endsWith(QLatin1Char('\n'));
    return errorText(randomizeOutput + (ownLine ? QString() : QStringLiteral("\n")) + lastStartOutput, true);
}

AdapterActions::AdapterActions(DeviceSession &session)
    : session(session)
{}

ActionResult AdapterActions::deviceInformation(const DeviceRecord &adapter)
{
    const QString output =
        session.runTool(deviceRun(adapter, {QStringLiteral("apsta_info")}, session.limits().quickMs));
    const QString text = deviceInfoText(output);
    return {ActionResult::Report::FullReport, text, text.startsWith(successHeading)};
}

ActionResult AdapterActions::factoryDefault(const DeviceRecord &adapter)
{
    const QString output =
        session.runTool(deviceRun(adapter, {QStringLiteral("apfw_factory_reset")}, session.limits().quickMs));
    if (factoryDefaultSucceeded(output))
        return ActionResult::message(successHeading);
    return ActionResult::toolReport(errorText(output, false));
}

ActionResult AdapterActions::upgradeAdapter(const DeviceRecord &adapter, const QString &path, bool keep,
                                            bool *firmwareWritten)
{
    // Taken before the upgrade: the adapter reports another HFID with its new firmware.
    const QString hfidPrefix = extractHfidPrefix(adapter.hfid);
    const QString output =
        session.runTool(deviceRun(adapter, {QStringLiteral("upgrade_ggl"), path}, session.limits().longMs));
    // The tool's "Error" beside its "Done." is not looked for: the firmware is in.
    const bool written = output.contains(QLatin1String("[upgrade_ggl] Done."));
    if (firmwareWritten)
        *firmwareWritten = written;
    if (!written)
        return errorReport(output);
    return keep ? restoreConfiguration(adapter, hfidPrefix) : factoryDefault(adapter);
}

ActionResult AdapterActions::upgradeFirmware(const DeviceRecord &adapter, const QString &path, bool keep)
{
    ActionResult result = upgradeAdapter(adapter, path, keep);
    // The list shows what the adapters report after every attempt; a window that closes when
    // the action is done needs no fresh list.
    if (!session.endsAfterAction()) {
        session.scanDevices();
        result.rescanned = true;
    }
    return result;
}

ActionResult AdapterActions::restoreConfiguration(const DeviceRecord &adapter, const QString &hfidPrefix)
{
    const ToolLimits &limits = session.limits();
    // The adapter starts its new firmware now and answers again after a while: until it
    // reports its new HFID, it is asked again.
    const QString output = session.askUntilBack(adapter, limits.adapterBackMs, false);
    // Without a value to carry over, writing one would rename the adapter to rubbish.
    const QString manufacturerHfid = reportedHfid(output);
    if (manufacturerHfid.isEmpty()) {
        return errorReport(QCoreApplication::translate(
                               "AdapterActions",
                               "The adapter's name \"%1\" could not be restored: it did not report its "
                               "new HFID within %2 seconds of the upgrade.\n%3")
                               .arg(hfidPrefix, QString::number(limits.adapterBackMs / 1000), output));
    }

    const FittedHfid name = fittedUserHfid(hfidPrefix, manufacturerHfid);
    if (const auto failed = writeUserHfid(adapter, name.hfid, RunRecord::StatusOnly))
        return errorReport(QCoreApplication::translate("AdapterActions",
                                                       "The adapter's name \"%1\" could not be written.\n%2")
                               .arg(name.hfid, *failed));

    ToolRun restart = deviceRun(adapter, {QStringLiteral("apcm_sta_restart")}, limits.longMs);
    restart.record = RunRecord::EmittingOnly;
    session.runTool(restart);

    QString text = successHeading;
    if (name.shortened)
        text += QLatin1Char('\n') +
                QCoreApplication::translate("AdapterActions",
                                            "The adapter's name was too long for its new firmware and was "
                                            "shortened to \"%1\".")
                    .arg(name.hfid);
    return ActionResult::message(text);
}

std::optional<QString> AdapterActions::writeUserHfid(const DeviceRecord &adapter, const QString &hfid,
                                                     RunRecord record)
{
    ToolRun write = deviceRun(adapter, {QStringLiteral("set_hfid"), QStringLiteral("user"), hfid},
                              session.limits().longMs);
    write.record = record;
    RunStatus status;
    const QString output = session.runTool(write, &status);
    if (toolRunFailed(status, output))
        return output;
    return std::nullopt;
}

ActionResult AdapterActions::restart(const DeviceRecord &adapter)
{
    const auto failure = restartUntilBack(adapter);
    if (!failure.first.isEmpty())
        return reported(session, QStringLiteral("Restart"), errorReport(failure.first, failure.second));
    const char *back = QT_TRANSLATE_NOOP("AdapterActions", "The adapter restarted and answers again.");
    ActionResult result = ActionResult::message(successHeading + QLatin1Char('\n') + said(back, true));
    result.logText = successHeading + QLatin1Char('\n') + said(back, false);
    return reported(session, QStringLiteral("Restart"), result);
}

QPair<QString, QString> AdapterActions::restartUntilBack(const DeviceRecord &adapter)
{
    const ToolLimits &limits = session.limits();
    RunStatus status;
    const QString output =
        session.runTool(deviceRun(adapter, {QStringLiteral("apcm_sta_restart")}, limits.longMs), &status);
    if (toolRunFailed(status, output)) {
        const char *text = QT_TRANSLATE_NOOP("AdapterActions", "The adapter could not be restarted.\n%1");
        return {said(text, true).arg(output), said(text, false).arg(output)};
    }

    // The adapter's address does not change: it is not looked for again, only asked.
    const QString answer = session.askUntilBack(adapter, limits.adapterBackMs, true);
    if (reportedHfid(answer).isEmpty()) {
        const char *text = QT_TRANSLATE_NOOP(
            "AdapterActions", "The adapter did not answer within %1 seconds of its restart.\n%2");
        const QString seconds = QString::number(limits.adapterBackMs / 1000);
        return {said(text, true).arg(seconds, answer), said(text, false).arg(seconds, answer)};
    }
    return {};
}

ActionResult AdapterActions::simpleConnect(const DeviceRecord &adapter)
{
    const int limitMs = session.limits().longMs;
    const QString randomizeOutput = session.runTool(
        deviceRun(adapter, {QStringLiteral("apcm_uke_cmd"), QStringLiteral("randomize")}, limitMs));

    const ToolRun start =
        deviceRun(adapter, {QStringLiteral("apcm_uke_cmd"), QStringLiteral("start")}, limitMs);
    QString startOutput;
    bool started = false;
    for (int attempts = 5; attempts > 0 && !started; --attempts) {
        startOutput = session.runTool(start);
        started = startOutput.contains(QLatin1String("[apcm_uke_cmd] action SUCCESS."));
    }
    return ActionResult::toolReport(simpleConnectText(randomizeOutput, startOutput, started), started);
}
