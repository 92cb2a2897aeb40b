#pragma once

#include <QString>

// The banner of the configuration page: its template with the three placeholders filled
// with the selected adapter's model, firmware version and firmware date, and above them,
// in bold, the adapter's name when it has one.
QString fillBanner(const QString &bannerTemplate, const QString &hfid);

// The selected adapter as a screen reader says it on entering its configuration page: its name
// (the leading part of its HFID) where it has one, its model and its address.
QString adapterHeard(const QString &hfid, const QString &address);
