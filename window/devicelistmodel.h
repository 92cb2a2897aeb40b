#pragma once

#include "device/devicerecord.h"

#include <QStringList>
#include <QStringListModel>

// What the device list says of an adapter beside its row: its name and its firmware
// version, each from a bounded part of the HFID; empty when it shows neither.
QString rowDetails(const QString &hfid);
// The details of the row of the adapter that this computer is connected through, which say so.
QString thisComputerDetails(const QString &details);

// The rows of the device list. Each row's text is "address - model", the row's key; beside
// it the row holds its adapter's details (DetailsRole), which the row delegate draws in a
// quieter style, and a screen reader reads the two as one (Qt::AccessibleTextRole). The
// adapter that this computer is connected through, where it is known, is said to be so there.
class DeviceListModel : public QStringListModel
{
public:
    enum Role { DetailsRole = Qt::UserRole + 1 };

    using QStringListModel::QStringListModel;

    // One row per adapter, in order.
    void setDevices(const DeviceList &devices);
    QVariant data(const QModelIndex &index, int role) const override;

private:
    QStringList details;
};
