#pragma once

#include <QDateTime>
#include <QString>

// One event log record: "[yy/MM/dd HH:mm:ss] " in UTC, the trimmed message, a line feed.
QString formatLogRecord(const QDateTime &time, const QString &message);
