#pragma once

#include <QByteArray>
#include <QString>

// The network membership key of a network password: PBKDF1 with SHA-256 over the
// password and the fixed 8-byte salt, 1000 iterations, the first 16 bytes.
QByteArray networkKeyFromPassword(const QString &password);

// A password that adapters take: 8 to 64 printable ASCII characters.
bool isValidNetworkPassword(const QString &password);

// A short digest that tells keys apart without showing them.
QString keyFingerprint(const QByteArray &key);
