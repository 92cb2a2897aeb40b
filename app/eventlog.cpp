#include "eventlog.h"

#include "widget.h"

#include <QDir>
#include <QSysInfo>

QString formatLogRecord(const QDateTime &time, const QString &message)
{
    // One copy of the message, however long: a tool's output can take megabytes.
    const QStringRef body = QStringRef(&message).trimmed();
    QString record;
    record.reserve(22 + body.size());
    record += QLatin1Char('[');
    record += time.toUTC().toString(QStringLiteral("yy/MM/dd HH:mm:ss"));
    record += QLatin1String("] ");
    record += body;
    record += QLatin1Char('\n');
    return record;
}

QByteArray logRecordBytes(const QString &record, bool crLf)
{
    QByteArray bytes = record.toUtf8();
    if (crLf)
        bytes.replace('\n', "\r\n");
    return bytes;
}

QString logOpenFailedText(const QString &path, const QString &reason)
{
    return QStringLiteral("Log file open failed!\n%1\n%2").arg(QDir::toNativeSeparators(path), reason);
}

void Widget::appendLog(const QString &message)
{
    if (!logFile.isOpen())
        return;
    static const bool crLf = QSysInfo::productType() == QLatin1String("windows");
    // One write for the whole record, line ends included, straight to the file: nothing
    // that reads the log, and no end of Tandrel, ever meets half a record.
    logFile.write(logRecordBytes(formatLogRecord(QDateTime::currentDateTimeUtc(), message), crLf));
}
