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
