#include "eventlog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QSysInfo>

#include <filesystem>
#include <system_error>

namespace {

// The log's line ends: on Windows CR LF.
bool crLfLineEnds()
{
    static const bool crLf = QSysInfo::productType() == QLatin1String("windows");
    return crLf;
}

QByteArray platformRecord(const QString &message)
{
    return logRecordBytes(QDateTime::currentDateTimeUtc(), message, crLfLineEnds());
}

// Whether a file's last line is ended; an empty file has none to end.
bool lastLineEnded(const QString &fileName)
{
    QFile file(fileName);
    char last = '\n';
    if (file.open(QIODevice::ReadOnly) && file.size() > 0 && file.seek(file.size() - 1))
        file.getChar(&last);
    return last == '\n';
}

} // namespace

QByteArray logRecordBytes(const QDateTime &time, const QString &message, bool crLf)
{
    // The message can be a tool's output of megabytes: it is encoded once, and the stamp is
    // put in front of it where it lies, without a copy as text in between. The stamp's digits
    // are ASCII in every locale: the system's own (Persian, Arabic) would not survive Latin-1.
    const QByteArray stamp =
        '[' + QLocale::c().toString(time.toUTC(), QStringLiteral("yy/MM/dd HH:mm:ss")).toLatin1() + "] ";
    QByteArray record = QStringRef(&message).trimmed().toUtf8();
    record.prepend(stamp);
    record += '\n';
    if (crLf)
        record.replace('\n', "\r\n");
    return record;
}

QString logOpenFailedText(const QString &path, const QString &reason)
{
    return QCoreApplication::translate("EventLog", "Log file open failed!\n%1\n%2")
        .arg(QDir::toNativeSeparators(path), reason);
}

QString logWriteFailedText(const QString &path, const QString &reason)
{
    return QCoreApplication::translate("EventLog",
                                       "The event log could not be written.\n%1\n%2\n"
                                       "Tandrel keeps the records and writes them as soon as it can.")
        .arg(QDir::toNativeSeparators(path), reason);
}

bool EventLog::open(const QString &fileName, const QString &previousName)
{
    QIODevice::OpenMode mode = QIODevice::WriteOnly | QIODevice::Truncate;
    if (QFileInfo(fileName).isFile()) {
        // The library's rename replaces the older file in the same step, on every platform.
        std::error_code failure;
        std::filesystem::rename(std::filesystem::u8path(fileName.toStdString()),
                                std::filesystem::u8path(previousName.toStdString()), failure);
        if (failure) {
            // The older file is held open (a viewer, a scanner) or is no file: the last
            // session's records stay where they are, and this session's follow them.
            QString reason = QString::fromLocal8Bit(failure.message().c_str()).trimmed();
            while (reason.endsWith(QLatin1Char('.')))
                reason.chop(1);
            notKept = QStringLiteral("The previous event log could not be kept as %1: %2. "
                                     "Its records stay in %3, before this session's.")
                          .arg(previousName, reason, fileName);
            mode = QIODevice::WriteOnly | QIODevice::Append;
            // A last record that lost its end (a power cut) must not run into the first one.
            lineToEnd = !lastLineEnded(fileName);
        }
    }
    file.setFileName(fileName);
    // Unbuffered: each record reaches the file in one write, whole.
    if (!file.open(mode | QIODevice::Unbuffered)) {
        error = file.errorString();
        return false;
    }
    return true;
}

QString EventLog::path() const
{
    return QFileInfo(file).absoluteFilePath();
}

void EventLog::append(const QString &message)
{
    if (!file.isOpen())
        return;
    held.append(platformRecord(message));
    heldSize += held.last().size();
    if (writeHeld()) {
        failing = false;
        return;
    }
    // Only what the file did not take counts against the bound: a record of megabytes that
    // the file takes at once is written whole.
    while (heldSize > holdLimitBytes && !held.isEmpty()) {
        heldSize -= held.takeFirst().size();
        ++lost;
    }
    if (!failing) {
        failing = true;
        failureToTell = true;
    }
}

bool EventLog::writeHeld()
{
    if (lineToEnd) {
        if (!writeWhole(crLfLineEnds() ? "\r\n" : "\n"))
            return false;
        lineToEnd = false;
    }
    if (lost > 0) {
        const QString gap =
            QStringLiteral("%1 records of the event log could not be written and were lost.").arg(lost);
        if (!writeWhole(platformRecord(gap)))
            return false;
        lost = 0;
    }
    while (!held.isEmpty()) {
        if (!writeWhole(held.first()))
            return false;
        heldSize -= held.takeFirst().size();
    }
    return true;
}

bool EventLog::writeWhole(const QByteArray &record)
{
    const qint64 start = file.pos();
    qint64 written = 0;
    while (written < record.size()) {
        const qint64 n = file.write(record.constData() + written, record.size() - written);
        if (n <= 0) {
            error = file.errorString();
            // Half a record would be read as a whole one, or run into the next: it goes.
            if (written > 0) {
                file.resize(start);
                file.seek(start);
            }
            file.unsetError();
            return false;
        }
        written += n;
    }
    return true;
}

void EventLog::close()
{
    file.close();
}

bool EventLog::takeWriteFailure()
{
    const bool tell = failureToTell;
    failureToTell = false;
    return tell;
}
