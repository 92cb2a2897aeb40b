// Rename: the adapter's name written in front of its manufacturer HFID, and the adapter asked
// until it answers under it.
#include "adapteractions.h"

#include "actionreport.h"
#include "device/adaptername.h"
#include "device/devicesession.h"

#include <QCoreApplication>

using namespace ActionReport;

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
            const QString said = ActionReport::said(what, translated);
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
            const QString said = ActionReport::said(now, translated);
            return successHeading + QLatin1Char('\n') + (name.isEmpty() ? said : said.arg(name));
        };
        result = ActionResult::message(text(true));
        result.logText = text(false);
    }
    result.rescanned = true;
    return report(result);
}
