#pragma once

#include <QDateTime>
#include <QString>

// One event log record: "[yy/MM/dd HH:mm:ss] " in UTC, the trimmed message, a line feed.
QString formatLogRecord(const QDateTime &time, const QString &message);

// A record as the file holds it: UTF-8, every line feed the platform's line end (CR LF on
// Windows, where a carriage return that the tool printed stays in front of it).
QByteArray logRecordBytes(const QString &record, bool crLf);

// What the user is told when the event log cannot be opened, and so where and why.
QString logOpenFailedText(const QString &path, const QString &reason);
