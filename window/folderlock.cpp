#include "folderlock.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>
#include <QSysInfo>
#include <QWidget>

namespace {

// One name per folder, the same for every Tandrel started there.
QString serverName()
{
    const QByteArray folder = QDir::current().canonicalPath().toUtf8();
    return QStringLiteral("Tandrel-") +
           QString::fromLatin1(QCryptographicHash::hash(folder, QCryptographicHash::Sha1).toHex().left(16));
}

// The lock names the computer it was taken on: its host name, on Windows its computer name.
bool namesThisComputer(const QString &host)
{
    if (host.isEmpty())
        return true;
    for (const QString &name : {QSysInfo::machineHostName(), qEnvironmentVariable("COMPUTERNAME")}) {
        if (!name.isEmpty() && host.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

} // namespace

bool heldByRunningTandrel(QLockFile &lock)
{
    // A Tandrel may run for hours: age makes no lock stale.
    lock.setStaleLockTime(0);
    if (lock.tryLock(0))
        return false;
    if (lock.error() != QLockFile::LockFailedError)
        return false;
    // The lock names a live process of Tandrel's name, or nothing that can be read (a start
    // cut short between making the file and writing it). The live one may be this very
    // process, or a Tandrel in another folder, when Windows gave the killed one's id out
    // again. What tells is the file itself: the Tandrel that holds the lock keeps it open,
    // where Windows lets nobody delete it, and locked (flock), and the system lets go of
    // both when that process ends. A Tandrel on another computer, through a shared folder,
    // may hold it where this computer cannot see: its lock stays.
    qint64 pid = 0;
    QString host, application;
    if (lock.getLockInfo(&pid, &host, &application) && !namesThisComputer(host))
        return true;
    lock.removeStaleLockFile();
    return !lock.tryLock(0) && lock.error() == QLockFile::LockFailedError;
}

FolderLock::FolderLock()
    : lock(QStringLiteral("Tandrel.lock"))
{
    elsewhere = heldByRunningTandrel(lock);
}

void FolderLock::raiseOnKnock(QWidget &window)
{
    if (!lock.isLocked())
        return;
    // A Tandrel that was killed may have left its socket behind.
    QLocalServer::removeServer(serverName());
    server.listen(serverName());
    QObject::connect(&server, &QLocalServer::newConnection, &window, [this, &window] {
        while (QLocalSocket *socket = server.nextPendingConnection())
            socket->deleteLater();
        window.showNormal();
        window.raise();
        window.activateWindow();
    });
}

void FolderLock::knock()
{
    QLocalSocket socket;
    socket.connectToServer(serverName());
    socket.waitForConnected(1000);
}

QString FolderLock::alreadyRunningText(const QString &folder)
{
    return QCoreApplication::translate("FolderLock", "Tandrel is already running in this folder.\n%1")
        .arg(QDir::toNativeSeparators(folder));
}
