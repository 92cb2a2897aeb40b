#include "folderlock.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>
#include <QWidget>

namespace {

// One name per folder, the same for every Tandrel started there.
QString serverName()
{
    const QByteArray folder = QDir::current().canonicalPath().toUtf8();
    return QStringLiteral("Tandrel-") +
           QString::fromLatin1(QCryptographicHash::hash(folder, QCryptographicHash::Sha1).toHex().left(16));
}

} // namespace

FolderLock::FolderLock()
    : lock(QStringLiteral("Tandrel.lock"))
{
    // A Tandrel may run for hours: only a lock whose owner is gone counts as stale.
    lock.setStaleLockTime(0);
    elsewhere = !lock.tryLock(0) && lock.error() == QLockFile::LockFailedError;
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
    return QStringLiteral("Tandrel is already running in this folder.\n%1")
        .arg(QDir::toNativeSeparators(folder));
}
