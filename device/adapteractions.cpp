#include "adapteractions.h"

#include "device/adaptername.h"
#include "device/devicesession.h"

#include <algorithm>

namespace {

const QString successHeading = QStringLiteral("==== SUCCESS ====");

ActionResult box(const QString &text)
{
    return {ActionResult::Shown::Box, text, false, true};
}

ActionResult resultWindow(const QString &text, bool succeeded = false)
{
    return {ActionResult::Shown::ResultWindow, text, false, succeeded};
}

} // namespace

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

QString renameMismatch(const DeviceRecord *found, const QString &writtenHfid)
{
    if (!found)
        return QStringLiteral("A scan after its restart did not find the adapter again.");
    const QString reported = extractHfidPrefix(found->hfid);
    if (reported == extractHfidPrefix(writtenHfid))
        return QString();
    if (reported.isEmpty())
        return QStringLiteral("After its restart the adapter reports no name (HFID \"%1\").")
            .arg(found->hfid);
    return QStringLiteral("After its restart the adapter reports the name \"%1\" (HFID \"%2\").")
        .arg(reported, found->hfid);
}

AdapterActions::AdapterActions(DeviceSession &session)
    : session(session)
{}

ActionResult AdapterActions::deviceInformation()
{
    const QString output =
        session.runTool(session.deviceRun({QStringLiteral("apsta_info")}, session.limits().quickMs));
    ActionResult result = resultWindow(deviceInfoText(output));
    result.succeeded = result.text.startsWith(successHeading);
    result.fitToText = true;
    return result;
}

ActionResult AdapterActions::factoryDefault(const DeviceRecord &adapter)
{
    const QString output =
        session.runTool(deviceRun(adapter, {QStringLiteral("apfw_factory_reset")}, session.limits().quickMs));
    if (factoryDefaultSucceeded(output))
        return box(successHeading);
    return resultWindow(errorText(output, false));
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
        return resultWindow(errorText(output, true));
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
        return resultWindow(errorText(
            QStringLiteral("The adapter's name \"%1\" could not be restored: it did not report its new "
                           "HFID within %2 seconds of the upgrade.\n%3")
                .arg(hfidPrefix, QString::number(limits.adapterBackMs / 1000), output),
            true));
    }

    const FittedHfid name = fittedUserHfid(hfidPrefix, manufacturerHfid);
    ToolRun write =
        deviceRun(adapter, {QStringLiteral("set_hfid"), QStringLiteral("user"), name.hfid}, limits.longMs);
    write.record = RunRecord::StatusOnly;
    RunStatus written;
    const QString writeOutput = session.runTool(write, &written);
    if (toolRunFailed(written, writeOutput)) {
        return resultWindow(errorText(
            QStringLiteral("The adapter's name \"%1\" could not be written.\n%2").arg(name.hfid, writeOutput),
            true));
    }

    ToolRun restart = deviceRun(adapter, {QStringLiteral("apcm_sta_restart")}, limits.longMs);
    restart.record = RunRecord::EmittingOnly;
    session.runTool(restart);

    QString text = successHeading;
    if (name.shortened)
        text += QStringLiteral("\nThe adapter's name was too long for its new firmware and was shortened to "
                               "\"%1\".")
                    .arg(name.hfid);
    return box(text);
}

ActionResult AdapterActions::restart()
{
    const QString failure = restartUntilBack(session.selectedDevice());
    if (!failure.isEmpty())
        return resultWindow(errorText(failure, true));
    return box(successHeading + QStringLiteral("\nThe adapter restarted and answers again."));
}

QString AdapterActions::restartUntilBack(const DeviceRecord &adapter)
{
    const ToolLimits &limits = session.limits();
    RunStatus status;
    const QString output =
        session.runTool(deviceRun(adapter, {QStringLiteral("apcm_sta_restart")}, limits.longMs), &status);
    if (toolRunFailed(status, output))
        return QStringLiteral("The adapter could not be restarted.\n") + output;

    // The adapter's address does not change: it is not looked for again, only asked.
    const QString answer = session.askUntilBack(adapter, limits.adapterBackMs, true);
    if (reportedHfid(answer).isEmpty())
        return QStringLiteral("The adapter did not answer within %1 seconds of its restart.\n%2")
            .arg(limits.adapterBackMs / 1000)
            .arg(answer);
    return QString();
}

ActionResult AdapterActions::simpleConnect()
{
    const int limitMs = session.limits().longMs;
    const QString randomizeOutput = session.runTool(
        session.deviceRun({QStringLiteral("apcm_uke_cmd"), QStringLiteral("randomize")}, limitMs));

    const ToolRun start =
        session.deviceRun({QStringLiteral("apcm_uke_cmd"), QStringLiteral("start")}, limitMs);
    QString startOutput;
    bool started = false;
    for (int attempts = 5; attempts > 0 && !started; --attempts) {
        startOutput = session.runTool(start);
        started = startOutput.contains(QLatin1String("[apcm_uke_cmd] action SUCCESS."));
    }
    return resultWindow(simpleConnectText(randomizeOutput, startOutput, started), started);
}

ActionResult AdapterActions::rename(const QString &name)
{
    const DeviceRecord adapter = session.selectedDevice();
    // What the scan showed of the adapter is enough to refuse a name before anything runs.
    const QString refusal = nameRefusal(name, hfidWithoutName(adapter.hfid));
    if (!refusal.isEmpty())
        return resultWindow(errorText(refusal, true));

    const int limitMs = session.limits().longMs;
    RunStatus status;
    const QString output = session.runTool(
        session.deviceRun({QStringLiteral("get_hfid"), QStringLiteral("manufacturer")}, limitMs), &status);
    const QString manufacturerHfid = reportedHfid(output);
    // Without it, the name would be written in front of rubbish.
    if (toolRunFailed(status, output) || manufacturerHfid.isEmpty())
        return resultWindow(errorText(
            QStringLiteral("The adapter did not give its HFID, so nothing was written.\n") + output, true));
    // The adapter's own HFID can be longer than the one the scan showed.
    const QString tooLong = nameRefusal(name, manufacturerHfid);
    if (!tooLong.isEmpty())
        return resultWindow(errorText(tooLong + QStringLiteral("\nNothing was written."), true));

    const QString newHfid = keptUserHfid(name, manufacturerHfid);
    RunStatus written;
    const QString writeOutput = session.runTool(
        session.deviceRun({QStringLiteral("set_hfid"), QStringLiteral("user"), newHfid}, limitMs), &written);
    if (toolRunFailed(written, writeOutput)) {
        const QString what =
            name.isEmpty() ? QStringLiteral("The adapter's name could not be removed.\n")
                           : QStringLiteral("The adapter's name \"%1\" could not be written.\n").arg(name);
        return resultWindow(errorText(what + writeOutput, true));
    }

    const QString done = name.isEmpty() ? QStringLiteral("The adapter's name was removed.\n")
                                        : QStringLiteral("The adapter's new name was written.\n");
    const QString failure = restartUntilBack(adapter);
    if (!failure.isEmpty())
        return resultWindow(errorText(done + failure, true));

    // The list shows what the adapters report now; the adapter stays selected, with the HFID
    // that a firmware upgrade keeps the name from.
    session.scanDevices();
    const DeviceList &devices = session.devices();
    const auto found = std::find_if(devices.crbegin(), devices.crend(), [&](const DeviceRecord &device) {
        return device.address == adapter.address;
    });
    const QString mismatch = renameMismatch(found == devices.crend() ? nullptr : &*found, newHfid);
    if (found != devices.crend())
        session.selectRow(adapter.address);
    ActionResult result =
        !mismatch.isEmpty() ? resultWindow(errorText(done + mismatch, true))
        : name.isEmpty()
            ? box(successHeading + QStringLiteral("\nThe adapter has no name now."))
            : box(successHeading + QStringLiteral("\nThe adapter's name is now \"%1\".").arg(name));
    result.rescanned = true;
    return result;
}
