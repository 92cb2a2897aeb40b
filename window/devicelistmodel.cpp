#include "devicelistmodel.h"

#include "device/hfid.h"
#include "device/texts.h"

QString deviceRow(const DeviceRecord &record)
{
    return record.address + QStringLiteral(" - ") + modelName(record.hfid);
}

void DeviceListModel::setDevices(const DeviceList &devices)
{
    this->devices = devices;
    QStringList rows;
    for (const DeviceRecord &device : devices)
        rows.append(deviceRow(device));
    details = rowsDetails(devices);
    setStringList(rows);
}

QVariant DeviceListModel::data(const QModelIndex &index, int role) const
{
    if (role == DetailsRole)
        return details.value(index.row());
    if (role == Qt::AccessibleTextRole) {
        // A screen reader is given the beginning of a long row, as the screen is.
        const QString row = shortenedText(QStringListModel::data(index, Qt::DisplayRole).toString());
        const QString more = details.value(index.row());
        return more.isEmpty() ? row : row + QStringLiteral(", ") + more;
    }
    return QStringListModel::data(index, role);
}
