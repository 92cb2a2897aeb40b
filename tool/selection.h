#pragma once

#include <QString>
#include <QStringList>

// The pieces of an HFID that the banner shows. The markers are looked up from the end;
// a missing one counts as index -1, so the cuts still land at fixed offsets.
QString firmwareDate(const QString &hfid);
QString firmwareVersion(const QString &hfid);

// The address part of a device row: the text before the first " - ".
QString rowAddress(const QString &rowText);

// The last of the rows whose address part is the address, or -1.
int lastRowOf(const QStringList &rows, const QString &address);

// The banner with its three placeholders filled.
QString fillBanner(const QString &bannerTemplate, const QString &hfid);
