#pragma once

#include <QString>

// The adapter that the action tests work on: named Kitchen, reached through interface A,
// and a firmware image to upgrade it with.
inline const QString dev1 = QStringLiteral("02:1A:7E:00:00:11");
inline const QString userHfid = QStringLiteral("Kitchen_PL500_FW1.02b05_FWDate_Jan 15 2014");
inline const QString factoryHfid = QStringLiteral("PL500_FW1.02b05_FWDate_Jan 15 2014");
inline const QString firmware = QStringLiteral(TANDREL_FIRMWARE_DIR "/firmware-2.01b03.pwfw");
