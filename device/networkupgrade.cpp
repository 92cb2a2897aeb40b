#include "networkupgrade.h"

#include "device/devicesession.h"
#include "device/hfid.h"
#include "device/networkkey.h"

#include <QSet>
#include <QStringList>

namespace {

// What an action's text says beyond its heading line.
QString beyondHeading(const QString &text)
{
    for (const QString &heading : {QStringLiteral("==== SUCCESS ===="), QStringLiteral("==== ERROR ====")}) {
        if (text.startsWith(heading))
            return text.mid(heading.size()).trimmed();
    }
    return text.trimmed();
}

// Indented below an adapter's line.
QString indented(const QString &words)
{
    return QStringLiteral("  ") + words.split(QLatin1Char('\n')).join(QStringLiteral("\n  "));
}

} // namespace

DeviceList adaptersOfModel(const DeviceList &devices, const DeviceRecord &selected)
{
    const QString model = modelName(selected.hfid);
    DeviceList adapters;
    QSet<QString> seen;
    for (const DeviceRecord &device : devices) {
        const QString key = addressKey(device.address);
        const bool isSelected = sameAddress(device.address, selected.address);
        // Without a model, only the selected adapter is known to be of its kind.
        if (key.isEmpty() || seen.contains(key) ||
            (!isSelected && (model.isEmpty() || modelName(device.hfid) != model)))
            continue;
        seen.insert(key);
        adapters.append(device);
    }
    return adapters;
}

DeviceList upgradeOrder(const DeviceList &devices, const DeviceRecord &selected)
{
    DeviceList order = adaptersOfModel(devices, selected);
    const QString computer = computerAdapterAddress(devices);
    const QString last = computer.isEmpty() ? selected.address : computer;
    const int at = lastIndexOf(order, last);
    if (at >= 0)
        order.append(order.takeAt(at));
    return order;
}

QString NetworkUpgrade::upgradedText(const AdapterUpgradeFate &fate)
{
    const QString &before = fate.versionBefore, &after = fate.versionAfter;
    if (!fate.foundAgain) {
        if (!fate.keep)
            return fate.afterwardsOk
                       ? tr("upgraded from firmware %1 and reset to its factory defaults, not found again")
                             .arg(before)
                       : tr("upgraded from firmware %1, its factory reset failed, not found again")
                             .arg(before);
        return fate.afterwardsOk
                   ? tr("upgraded from firmware %1, its name kept, not found again").arg(before)
                   : tr("upgraded from firmware %1, its name not kept, not found again").arg(before);
    }
    if (!fate.keep)
        return fate.afterwardsOk
                   ? tr("upgraded from firmware %1 to %2 and reset to its factory defaults")
                         .arg(before, after)
                   : tr("upgraded from firmware %1 to %2, its factory reset failed").arg(before, after);
    return fate.afterwardsOk ? tr("upgraded from firmware %1 to %2, its name kept").arg(before, after)
                             : tr("upgraded from firmware %1 to %2, its name not kept").arg(before, after);
}

QString NetworkUpgrade::fateLines(const DeviceList &order, const QVector<AdapterUpgradeFate> &fates,
                                  bool byComputerLast)
{
    QStringList lines;
    for (int i = 0; i < order.size(); ++i) {
        const AdapterUpgradeFate &fate = fates.at(i);
        const QString label =
            byComputerLast && i == order.size() - 1
                ? tr("%1, the adapter this computer is connected through").arg(adapterLabel(order.at(i)))
                : adapterLabel(order.at(i));
        QString what;
        switch (fate.state) {
        case AdapterUpgradeFate::NotTried:
            what = fate.foundAgain ? tr("not tried") : tr("not tried, and not found again");
            break;
        case AdapterUpgradeFate::Failed:
            what = fate.foundAgain ? tr("the upgrade failed") : tr("the upgrade failed, and not found again");
            break;
        case AdapterUpgradeFate::Upgraded:
            what = upgradedText(fate);
            break;
        }
        lines.append(tr("- %1: %2").arg(label, what));
        if (fate.state == AdapterUpgradeFate::Failed && fate.words.isEmpty())
            lines.append(indented(tr("The tool printed nothing.")));
        else if (fate.state != AdapterUpgradeFate::NotTried && !fate.words.isEmpty())
            lines.append(indented(fate.words));
    }
    return lines.join(QLatin1Char('\n'));
}

QString NetworkUpgrade::report(const DeviceList &order, const QVector<AdapterUpgradeFate> &fates,
                               bool byComputerLast)
{
    const QString lines = fateLines(order, fates, byComputerLast);
    int stoppedAt = -1;
    bool allFound = true;
    for (int i = 0; i < fates.size(); ++i) {
        const AdapterUpgradeFate &fate = fates.at(i);
        if (stoppedAt < 0 && (fate.state != AdapterUpgradeFate::Upgraded || !fate.afterwardsOk))
            stoppedAt = i;
        allFound = allFound && fate.foundAgain;
    }
    if (stoppedAt >= 0) {
        QString head = tr("The firmware upgrade stopped at %1: no further adapter was upgraded.")
                           .arg(adapterLabel(order.at(stoppedAt)));
        if (byComputerLast && stoppedAt < order.size() - 1)
            head += QLatin1Char(' ') + tr("Tandrel stopped before the adapter this computer is connected "
                                          "through, so that this computer keeps its network.");
        return errorText(head + QStringLiteral("\n\n") + lines + QStringLiteral("\n\n") +
                             tr("What to do: Once the fault that the tool reports is dealt with, scan, then "
                                "upgrade the adapters that do not have the new firmware yet."),
                         true);
    }
    if (!allFound)
        return errorText(tr("Every adapter of this model was upgraded, but not every one was found again.") +
                             QStringLiteral("\n\n") + lines + QStringLiteral("\n\n") +
                             tr("What to do: An adapter can take a few minutes to start its new firmware: "
                                "scan again then."),
                         true);
    return QStringLiteral("==== SUCCESS ====\n") +
           tr("The new firmware is on all %n adapters of this model, and every one was found again.", nullptr,
              int(order.size())) +
           QStringLiteral("\n\n") + lines;
}

QString NetworkUpgrade::logRecord(int step, int steps, const DeviceRecord &adapter,
                                  const AdapterUpgradeFate &fate)
{
    QString what;
    switch (fate.state) {
    case AdapterUpgradeFate::NotTried:
        what = QStringLiteral("not tried");
        break;
    case AdapterUpgradeFate::Failed:
        what = QStringLiteral("the upgrade failed");
        break;
    case AdapterUpgradeFate::Upgraded:
        if (fate.keep)
            what = fate.afterwardsOk ? QStringLiteral("upgraded, its name kept")
                                     : QStringLiteral("upgraded, its name not kept");
        else
            what = fate.afterwardsOk ? QStringLiteral("upgraded and reset to its factory defaults")
                                     : QStringLiteral("upgraded, its factory reset failed");
        break;
    }
    return QStringLiteral("Firmware upgrade %1 of %2, %3: %4")
        .arg(step)
        .arg(steps)
        .arg(adapterLabel(adapter), what);
}

QString NetworkUpgrade::sessionEndReason()
{
    return tr("Firmware is being written to several adapters. Ending the session now can leave an adapter "
              "without working firmware.");
}

ActionResult upgradeEveryAdapterOfModel(DeviceSession &session, AdapterActions &actions,
                                        const DeviceRecord &selected, const QString &path, bool keep,
                                        const AdapterActions::Progress &progress)
{
    const DeviceList order = upgradeOrder(session.devices(), selected);
    const QString computer = computerAdapterAddress(session.devices());
    const bool byComputerLast =
        !computer.isEmpty() && !order.isEmpty() && sameAddress(order.last().address, computer);
    QVector<AdapterUpgradeFate> fates(order.size());
    const int steps = order.size();
    int step = 0;
    for (; step < steps; ++step) {
        if (progress)
            progress(step + 1, steps);
        AdapterUpgradeFate &fate = fates[step];
        fate.keep = keep;
        fate.versionBefore = firmwareVersion(order.at(step).hfid);
        bool written = false;
        const ActionResult result = actions.upgradeAdapter(order.at(step), path, keep, &written);
        fate.state = written ? AdapterUpgradeFate::Upgraded : AdapterUpgradeFate::Failed;
        fate.afterwardsOk = written && result.succeeded;
        fate.words = beyondHeading(result.text);
        session.appendLog(NetworkUpgrade::logRecord(step + 1, steps, order.at(step), fate));
        // An adapter that did not come back as it should may be the path to the next one.
        if (!fate.afterwardsOk)
            break;
    }
    for (int rest = step + 1; rest < steps; ++rest)
        session.appendLog(NetworkUpgrade::logRecord(rest + 1, steps, order.at(rest), fates.at(rest)));

    // The last adapter upgraded restarts last: a scan at once could miss it, or, when it is this
    // computer's adapter, every adapter behind it. The scan waits until it answers.
    int lastUpgraded = -1;
    for (int i = 0; i < steps; ++i) {
        if (fates.at(i).state == AdapterUpgradeFate::Upgraded && fates.at(i).afterwardsOk)
            lastUpgraded = i;
    }
    if (lastUpgraded >= 0)
        session.askUntilBack(order.at(lastUpgraded), session.limits().adapterBackMs, true);
    // The result tells what the adapters report now, also when the window closes afterwards.
    session.scanDevices();
    bool allFound = true;
    for (int i = 0; i < steps; ++i) {
        AdapterUpgradeFate &fate = fates[i];
        const int found = lastIndexOf(session.devices(), order.at(i).address);
        fate.foundAgain = found >= 0;
        if (fate.foundAgain)
            fate.versionAfter = firmwareVersion(session.devices().at(found).hfid);
        allFound = allFound && fate.foundAgain;
        if (!fate.foundAgain)
            session.appendLog(
                QStringLiteral("Firmware upgrade: %1 not found again").arg(adapterLabel(order.at(i))));
    }

    return {ActionResult::Report::FullReport, NetworkUpgrade::report(order, fates, byComputerLast),
            step == steps && allFound, true};
}
