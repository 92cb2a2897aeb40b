#include "adapteractions.h"

#include "device/adaptername.h"
#include "device/devicesession.h"

#include <QCoreApplication>

namespace {

const QString successHeading = QStringLiteral("==== SUCCESS ====");

ActionResult errorReport(const QString &text)
{
    return ActionResult::toolReport(errorText(text, true));
}

// The same in the user's language and, for the log, in English.
ActionResult errorReport(const QString &text, const QString &logged)
{
    ActionResult result = errorReport(text);
    result.logText = errorText(logged, true);
    return result;
}

// A text of the actions' reports in the user's language, or in English for the log: no
// catalogue has the empty context.
QString said(const char *source, bool translated)
{
    return QCoreApplication::translate(translated ? "AdapterActions" : "", source);
}

// The report of an action of several runs, in the log as soon as it is known: a session end or
// a crash while it is shown leaves the truth there.
ActionResult reported(DeviceSession &session, const QString &action, const ActionResult &result)
{
    session.appendLog(
        QStringLiteral("%1 report: %2").arg(action, result.logText.isEmpty() ? result.text : result.logText));
    return result;
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

QString renameMismatch(const DeviceRecord *found, const QString &writtenHfid, bool translated)
{
    if (!found)
        return said(
            QT_TRANSLATE_NOOP("AdapterActions", "A scan after its restart did not find the adapter again."),
            translated);
    const QString reported = extractHfidPrefix(found->hfid);
    if (reported == extractHfidPrefix(writtenHfid))
        return QString();
    if (reported.isEmpty())
        return said(QT_TRANSLATE_NOOP("AdapterActions",
                                      "After its restart the adapter reports no name (HFID \"%1\")."),
                    translated)
            .arg(found->hfid);
    return said(QT_TRANSLATE_NOOP("AdapterActions",
                                  "After its restart the adapter reports the name \"%1\" (HFID \"%2\")."),
                translated)
        .arg(reported, found->hfid);
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

ActionResult AdapterActions::rename(const DeviceRecord &adapter, const QString &name)
{
    // What the scan showed of the adapter is enough to refuse a name before anything runs.
    const QString refusal = nameRefusal(name, hfidWithoutName(adapter.hfid));
    if (!refusal.isEmpty())
        return errorReport(refusal);
    // Writing it again would only take the adapter off the network while it restarts.
    if (name == extractHfidPrefix(adapter.hfid)) {
        return ActionResult::message(
            name.isEmpty()
                ? QCoreApplication::translate("AdapterActions", "The adapter has no name already: the "
                                                                "name is unchanged, and nothing was run.")
                : QCoreApplication::translate("AdapterActions", "The adapter's name is \"%1\" already: the "
                                                                "name is unchanged, and nothing was run.")
                      .arg(name));
    }
    const auto report = [this](const ActionResult &result) {
        return reported(session, QStringLiteral("Rename"), result);
    };

    RunStatus status;
    const QString output =
        session.runTool(deviceRun(adapter, {QStringLiteral("get_hfid"), QStringLiteral("manufacturer")},
                                  session.limits().longMs),
                        &status);
    const QString manufacturerHfid = reportedHfid(output);
    // Without it, the name would be written in front of rubbish.
    if (toolRunFailed(status, output) || manufacturerHfid.isEmpty())
        return errorReport(QCoreApplication::translate("AdapterActions",
                                                       "The adapter did not give its HFID, so nothing was "
                                                       "written.\n%1")
                               .arg(output));
    // The adapter's own HFID can be longer than the one the scan showed.
    const QString tooLong = nameRefusal(name, manufacturerHfid);
    if (!tooLong.isEmpty())
        return errorReport(
            QCoreApplication::translate("AdapterActions", "%1\nNothing was written.").arg(tooLong));

    const QString newHfid = keptUserHfid(name, manufacturerHfid);
    if (const auto failed = writeUserHfid(adapter, newHfid, RunRecord::Everything)) {
        const char *what =
            name.isEmpty()
                ? QT_TRANSLATE_NOOP("AdapterActions", "The adapter's name could not be removed.\n%1")
                : QT_TRANSLATE_NOOP("AdapterActions", "The adapter's name \"%1\" could not be written.\n%2");
        // One pass over the text: what the tool printed may hold "%2" itself.
        const auto text = [&](bool translated) {
            const QString said = ::said(what, translated);
            return name.isEmpty() ? said.arg(*failed) : said.arg(name, *failed);
        };
        return report(errorReport(text(true), text(false)));
    }

    //: What became of the name before a later step failed; %1 tells that step
    const char *done = name.isEmpty()
                           ? QT_TRANSLATE_NOOP("AdapterActions", "The adapter's name was removed.\n%1")
                           : QT_TRANSLATE_NOOP("AdapterActions", "The adapter's new name was written.\n%1");
    const auto failure = restartUntilBack(adapter);
    if (!failure.first.isEmpty())
        return report(
            errorReport(said(done, true).arg(failure.first), said(done, false).arg(failure.second)));

    // The list shows what the adapters report now; the adapter stays selected, with the HFID
    // that a firmware upgrade keeps the name from.
    session.scanDevices();
    const int found = lastIndexOf(session.devices(), adapter.address);
    const QString mismatch = renameMismatch(found < 0 ? nullptr : &session.devices().at(found), newHfid);
    if (found >= 0)
        session.select(adapter.address);
    ActionResult result;
    if (!mismatch.isEmpty()) {
        const QString logged =
            renameMismatch(found < 0 ? nullptr : &session.devices().at(found), newHfid, false);
        result = errorReport(said(done, true).arg(mismatch), said(done, false).arg(logged));
    } else {
        const char *now = name.isEmpty()
                              ? QT_TRANSLATE_NOOP("AdapterActions", "The adapter has no name now.")
                              : QT_TRANSLATE_NOOP("AdapterActions", "The adapter's name is now \"%1\".");
        const auto text = [&](bool translated) {
            const QString said = ::said(now, translated);
            return successHeading + QLatin1Char('\n') + (name.isEmpty() ? said : said.arg(name));
        };
        result = ActionResult::message(text(true));
        result.logText = text(false);
    }
    result.rescanned = true;
    return report(result);
}
