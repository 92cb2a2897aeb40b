#pragma once

#include <QString>
#include <QStringList>

// The address part of a device row: the text before the first " - ".
QString rowAddress(const QString &rowText);

// The last of the rows whose address part is the address, or -1.
int lastRowOf(const QStringList &rows, const QString &address);
