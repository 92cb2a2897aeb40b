#pragma once

#include "tooldir.h"

#include <QString>
#include <QStringList>

// The adapters of the session's tests, with and without the window: dev1 answers through
// interface A, dev2 through B.
inline const QString dev1 = QStringLiteral("02:1A:7E:00:00:11");
inline const QString dev2 = QStringLiteral("02:1A:7E:00:00:12");
inline const QString hfid1 = QStringLiteral("Xyz_Model07_FW1.02b05_FWDate_Jan 15 2014");
inline const QString hfid2 = QStringLiteral("PL1200E_FW2.00b01_FWDate_Mar 03 2015");
inline const QStringList discoverA{interfaceA(), "discover_list", "-t", "2"};
inline const QStringList discoverB{interfaceB(), "discover_list", "-t", "2"};
