#pragma once

#include <QList>
#include <QString>

// One adapter as a scan found it.
struct DeviceRecord
{
    QString address; // the key of its row and the value of the tool's -m option
    // The adapter through which the tool reached it; one that names itself is the adapter this
    // computer is connected through.
    QString at;
    QString hfid; // the adapter's HFID; model, version and date are cut from it
    // The local interface whose discovery reported the adapter: commands for it go out there.
    QString interfaceAddress;

    bool operator==(const DeviceRecord &other) const
    {
        return address == other.address && at == other.at && hfid == other.hfid &&
               interfaceAddress == other.interfaceAddress;
    }
};

using DeviceList = QList<DeviceRecord>;

// An adapter's address as its one identity: the tool prints an address in either case.
inline QString addressKey(const QString &address)
{
    return address.toUpper();
}

// Whether two addresses name one adapter.
inline bool sameAddress(const QString &address, const QString &other)
{
    return addressKey(address) == addressKey(other);
}

// The last record of the adapter with this address, or -1.
inline int lastIndexOf(const DeviceList &devices, const QString &address)
{
    for (int i = devices.size() - 1; i >= 0; --i) {
        if (sameAddress(devices.at(i).address, address))
            return i;
    }
    return -1;
}
