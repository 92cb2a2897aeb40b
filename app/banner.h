#pragma once

#include <QString>

// The banner of the configuration page: its template with the three placeholders filled
// with the selected adapter's model, firmware version and firmware date.
QString fillBanner(const QString &bannerTemplate, const QString &hfid);
