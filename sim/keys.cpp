#include "keys.h"

#include <QCryptographicHash>

QByteArray networkKeyFromPassword(const QString &password)
{
    static const QByteArray salt = QByteArray::fromHex("08856DAF7CF58186");
    QByteArray digest = QCryptographicHash::hash(password.toLatin1() + salt, QCryptographicHash::Sha256);
    for (int round = 1; round < 1000; ++round)
        digest = QCryptographicHash::hash(digest, QCryptographicHash::Sha256);
    return digest.left(16);
}

bool isValidNetworkPassword(const QString &password)
{
    if (password.size() < 8 || password.size() > 64)
        return false;
    for (const QChar c : password) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7e)
            return false;
    }
    return true;
}

QString keyFingerprint(const QByteArray &key)
{
    return QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha256).left(4).toHex());
}
