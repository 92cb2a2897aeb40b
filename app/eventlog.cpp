#include "eventlog.h"

#include "widget.h"

#include <QDir>
#include <QSysInfo>

QByteArray logRecordBytes(const QDateTime &time, const QString &message, bool crLf)
{
    // The message can be a tool's output of megabytes: it is encoded once, and the stamp is
    // put in front of it where it lies, without a copy as text in between.
    const QByteArray stamp =
        QStringLiteral("[%1] ").arg(time.toUTC().toString(QStringLiteral("yy/MM/dd HH:mm:ss"))).toLatin1();
    QByteArray record = QStringRef(&message).trimmed().toUtf8();
    record.prepend(stamp);
    record += '\n';
    if (crLf)
        record.replace('\n', "\r\n");
    return record;
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
    logFile.write(logRecordBytes(QDateTime::currentDateTimeUtc(), message, crLf));
}
