#pragma once

#include "device/devicerecord.h"

#include <QStringList>
#include <QStringListModel>

// The row that the device list shows for a record: "address - model".
QString deviceRow(const DeviceRecord &record);

// The rows of the device list, one for each adapter it keeps. Each row's text is "address -
// model"; beside it the row holds its adapter's details (DetailsRole), which the row delegate
// draws in a quieter style, and a screen reader reads the two as one (Qt::AccessibleTextRole).
// The adapter that this computer is connected through, where it is known, is said to be so there.
class DeviceListModel : public QStringListModel
{
public:
    enum Role { DetailsRole = Qt::UserRole + 1 };

    using QStringListModel::QStringListModel;

    // One row per adapter, in order.
    void setDevices(const DeviceList &devices);
    // The row of the adapter with this address, the last one where it has several; -1 for none.
    int lastRowOf(const QString &address) const { return lastIndexOf(devices, address); }
    QVariant data(const QModelIndex &index, int role) const override;

private:
    DeviceList devices;
    QStringList details;
};
