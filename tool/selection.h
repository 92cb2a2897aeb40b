#pragma once

#include <QString>

// The pieces of an HFID that the banner shows. The markers are looked up from the end;
// a missing one counts as index -1, so the cuts still land at fixed offsets.
QString firmwareDate(const QString &hfid);
QString firmwareVersion(const QString &hfid);

// The address part of a device row: the text before the first " - ".
QString rowAddress(const QString &rowText);

// The banner with its three placeholders filled.
QString fillBanner(const QString &bannerTemplate, const QString &hfid);
