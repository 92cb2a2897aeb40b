#include "devicelistmodel.h"

#include "rowdelegate.h"
#include "device/discovery.h"
#include "device/hfid.h"
#include "device/networkupgrade.h"

#include <QCoreApplication>

QString rowDetails(const QString &hfid)
{
    QStringList parts;
    const QString name = extractHfidPrefix(hfid);
    if (!name.isEmpty())
        parts.append(shortenedText(name));
    // Without its marker the version's cut gives a piece of the model name.
    const QString version = firmwareVersion(hfid);
    if (hfid.left(hfid.lastIndexOf(QLatin1String("_FWDate"))).contains(QLatin1String("_FW")) &&
        !version.isEmpty())
        parts.append(QStringLiteral("firmware ") + shortenedText(version));
    return parts.join(QStringLiteral(", "));
}

QString thisComputerDetails(const QString &details)
{
    return details.isEmpty() ? QCoreApplication::translate("DeviceListModel", "this computer")
                             : QCoreApplication::translate("DeviceListModel", "%1, this computer").arg(details);
}

void DeviceListModel::setDevices(const DeviceList &devices)
{
    QStringList rows;
    details.clear();
    const QString computer = computerAdapterAddress(devices);
    for (const DeviceRecord &device : devices) {
        rows.append(deviceRow(device));
        const bool byComputer = !computer.isEmpty() && device.address.compare(computer, Qt::CaseInsensitive) == 0;
        details.append(byComputer ? thisComputerDetails(rowDetails(device.hfid)) : rowDetails(device.hfid));
    }
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
