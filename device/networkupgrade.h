#pragma once

#include "device/adapteractions.h"
#include "device/devicerecord.h"
#include "device/networkkey.h"

#include <QCoreApplication>
#include <QString>
#include <QVector>

class DeviceSession;

// New firmware for every adapter of one model. The adapter that this computer is connected
// through restarts after its upgrade, and while it is away nothing behind it is reachable: it
// comes last, so that an upgrade never starts while the path to its adapter is down.

// The adapters of the selected adapter's model (as cut from the HFID) that the list holds,
// each once, in the list's order, the selected one among them.
DeviceList adaptersOfModel(const DeviceList &devices, const DeviceRecord &selected);

// The order in which they are upgraded: the list's order, this computer's adapter last; where
// no adapter is known to be this computer's, the selected one last.
DeviceList upgradeOrder(const DeviceList &devices, const DeviceRecord &selected);

// What became of one adapter of an upgrade of several.
struct AdapterUpgradeFate
{
    enum State { NotTried, Failed, Upgraded };
    State state = NotTried;
    bool keep = false;         // the name written back; else a factory reset
    bool afterwardsOk = false; // that step succeeded
    QString words;             // what the upgrade told beyond its heading: the tool's words on a failure
    QString versionBefore;
    bool foundAgain = false;
    QString versionAfter;
};

class NetworkUpgrade
{
    Q_DECLARE_TR_FUNCTIONS(NetworkUpgrade)

public:
    // One line for each adapter, in the order of the upgrade; the last one marked as this
    // computer's when it is (byComputerLast).
    static QString fateLines(const DeviceList &order, const QVector<AdapterUpgradeFate> &fates,
                             bool byComputerLast);
    // What became of an adapter that has the new firmware, as its line in the report says.
    static QString upgradedText(const AdapterUpgradeFate &fate);
    // The whole report: headed "==== SUCCESS ====" only when every adapter was upgraded and
    // found again.
    static QString report(const DeviceList &order, const QVector<AdapterUpgradeFate> &fates,
                          bool byComputerLast);
    // What the log records of an adapter once its outcome is known.
    static QString logRecord(int step, int steps, const DeviceRecord &adapter,
                             const AdapterUpgradeFate &fate);
    // Why the session cannot end while it runs.
    static QString sessionEndReason();
};

// Every adapter of the selected one's model upgraded, one at a time in upgradeOrder, each as
// a single upgrade does it (AdapterActions::upgradeAdapter); the first failure stops it. Then
// a scan, and every adapter listed with what became of it. The log records each adapter's
// outcome as soon as it is known.
ActionResult upgradeEveryAdapterOfModel(DeviceSession &session, AdapterActions &actions,
                                        const DeviceRecord &selected, const QString &path, bool keep,
                                        const AdapterActions::Progress &progress = {});
