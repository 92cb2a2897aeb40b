#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// One event log record as the file holds it: "[yy/MM/dd HH:mm:ss] " in UTC, the trimmed
// message, a line feed; UTF-8, and with crLf every line feed a CR LF (Windows), where a
// carriage return that the tool printed stays in front of it.
QByteArray logRecordBytes(const QDateTime &time, const QString &message, bool crLf);

// What the user is told when the event log cannot be opened, and so where and why.
QString logOpenFailedText(const QString &path, const QString &reason);
