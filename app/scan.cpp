#include "widget.h"

#include "tool/discovery.h"
#include "ui_widget.h"

void Widget::on_buttonScan_clicked()
{
    scanDevices();
}

void Widget::scanDevices()
{
    const CurrentAction::Scope scope(action);
    ui->listDevice->setEnabled(false);
    ui->buttonConfigure->setEnabled(false);
    deviceList.clear();
    deviceModel.setStringList({});
    action.enterBusy(ui->buttonScan);

    QList<QStringList> argumentLists;
    for (const QString &address : qAsConst(localAddresses))
        argumentLists.append(
            {address, QStringLiteral("discover_list"), QStringLiteral("-t"), QStringLiteral("2")});
    const QStringList outputs = runToolBatch(argumentLists, toolLimits.discoveryMs);

    for (int run = 0; run < outputs.size(); ++run) {
        const DiscoveryResult result = parseDiscoveryOutput(outputs.at(run));
        if (!result.hasDeviceLine)
            continue;
        interfaceAddress = localAddresses.at(run);
        for (const QString &line : result.foundLines)
            appendLog(QStringLiteral("found device: ") + line);
        for (DeviceRecord device : result.devices) {
            device.interfaceAddress = localAddresses.at(run);
            deviceList.append(device);
        }
    }

    action.leaveBusy(ui->buttonScan);
    ui->listDevice->setEnabled(true);

    QStringList rows;
    for (const DeviceRecord &device : qAsConst(deviceList))
        rows.append(deviceRow(device));
    deviceModel.setStringList(rows);
    action.setFocusAfter(ui->listDevice);
    focusDeviceList();
}
