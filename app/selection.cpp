#include "widget.h"

#include "banner.h"
#include "tool/selection.h"
#include "ui_widget.h"

void Widget::on_listDevice_clicked(const QModelIndex &index)
{
    const QString key = rowAddress(index.data(Qt::DisplayRole).toString());
    for (const DeviceRecord &device : qAsConst(deviceList)) {
        if (device.address == key)
            selectedDevice = device;
    }
    // Commands for the adapter go out through the interface that found it.
    if (!selectedDevice.interfaceAddress.isEmpty())
        interfaceAddress = selectedDevice.interfaceAddress;
    if (!selectedDevice.address.isEmpty())
        ui->buttonConfigure->setEnabled(true);

    ui->labelDeviceBanner->setText(fillBanner(bannerTemplate, selectedDevice.hfid));
    appendLog(QStringLiteral("selected Device = ") + selectedDevice.address);
}
