#pragma once

#include "devicerecord.h"

#include <QString>
#include <QStringList>

// What one discovery output says.
struct DiscoveryResult
{
    bool hasDeviceLine = false; // the run's interface becomes the scan interface
    QStringList foundLines;     // one rewritten segment per device line, for the log
    DeviceList devices;         // one per segment that holds a whole device line
};

// Reads the device lines of one "discover_list" output, in time linear in its length.
//
// A device line is "[discover_list] device ADDRESS at AT interface NAME hfid: HFID"; its
// text runs to the next "[discover_list]" tag. The fields are cut the way the patterns
// "\[discover_list\] device (.*) at (.*) interface .*(hfid: (.*))?" would cut them with
// QRegExp: ADDRESS runs to the last " at " that still has an " interface " after it, AT to
// the last " interface ", and HFID from the first "hfid: " after that to the end.
DiscoveryResult parseDiscoveryOutput(const QString &output);
