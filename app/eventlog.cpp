#include "eventlog.h"

#include "widget.h"

QString formatLogRecord(const QDateTime &time, const QString &message)
{
    return QLatin1Char('[') + time.toUTC().toString(QStringLiteral("yy/MM/dd HH:mm:ss")) +
           QStringLiteral("] ") + message.trimmed() + QLatin1Char('\n');
}

void Widget::appendLog(const QString &message)
{
    if (!logFile.isOpen())
        return;
    logFile.write(formatLogRecord(QDateTime::currentDateTimeUtc(), message).toUtf8());
    // The window can block for minutes while a tool runs: a user who ends it then must
    // still find that run's records in the file.
    logFile.flush();
}
