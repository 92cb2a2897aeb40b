#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QList>
#include <QString>

// One event log record as the file holds it: "[yy/MM/dd HH:mm:ss] " in UTC, the trimmed
// message, a line feed; UTF-8, and with crLf every line feed a CR LF (Windows), where a
// carriage return that the tool printed stays in front of it.
QByteArray logRecordBytes(const QDateTime &time, const QString &message, bool crLf);

// What the user is told when the event log cannot be opened, and so where and why.
QString logOpenFailedText(const QString &path, const QString &reason);
// What the user is told when records cannot be written, and that they are not lost yet.
QString logWriteFailedText(const QString &path, const QString &reason);

// The event log: each start begins it anew, after keeping the last session's log, the one
// that support asks for after an upgrade that failed; a log that cannot be kept so goes on
// with this session's records. Every record reaches the file whole, in one write, or not at
// all; a record that the file does not take (a full disk, a quota, a share that went away)
// is held, in order, and written before the next one as soon as the file takes records again.
class EventLog
{
public:
    // How much is held in memory when records cannot be written; past it, the oldest go.
    static constexpr qint64 holdLimitBytes = 4 * 1024 * 1024;

    // Keeps an existing log as previousName, replacing an older one, in one rename; then
    // opens fileName empty. When the rename fails, the existing log is kept where it is and
    // this session's records follow its own. False when it cannot be opened: nothing is
    // logged then.
    bool open(const QString &fileName, const QString &previousName);
    // The log's full path, and why it could not be opened or written.
    QString path() const;
    QString errorString() const { return error; }
    // Why the last session's log could not be kept; empty when it was, or when there was none.
    QString previousNotKept() const { return notKept; }

    // Writes one record, after those that are held; does nothing when the log is not open.
    void append(const QString &message);
    void close();

    // True once when a write has failed, and again only after the file took a record since.
    bool takeWriteFailure();
    bool writeFailureToTell() const { return failureToTell; }

private:
    bool writeWhole(const QByteArray &record);
    bool writeHeld();

    QFile file;
    QString error;
    QString notKept;
    QList<QByteArray> held;
    qint64 heldSize = 0;
    qint64 lost = 0;        // records given up past the hold limit, since the last one written
    bool lineToEnd = false; // the log that this session goes on lost the end of its last line
    bool failing = false;
    bool failureToTell = false;
};
