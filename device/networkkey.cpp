// The network password's rules and the network's order: which adapters share a network, in
// which order a new password reaches them, and which passwords this session gave.
#include "networkkey.h"

#include "device/adaptername.h"
#include "device/hfid.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QRandomGenerator>
#include <QSet>
#include <QStringList>

#include <algorithm>

DeviceList adaptersThrough(const DeviceList &devices, const QString &interfaceAddress)
{
    DeviceList adapters;
    QSet<QString> seen;
    for (const DeviceRecord &device : devices) {
        const QString key = addressKey(device.address);
        if (device.interfaceAddress != interfaceAddress || key.isEmpty() || seen.contains(key))
            continue;
        seen.insert(key);
        adapters.append(device);
    }
    return adapters;
}

QString networkPasswordProblem(const QString &password, const QString &again)
{
    // The rule alone: a character of the password would be on the screen for anyone to read.
    if (firstOutsidePrintableAscii(password)) {
        return QCoreApplication::translate("NetworkKey",
                                           "The password takes printable ASCII characters only: letters "
                                           "without accents, digits, blanks and the signs of an English "
                                           "keyboard.");
    }
    if (password.size() < minNetworkPasswordChars)
        return QCoreApplication::translate("NetworkKey",
                                           "The password is too short: it takes at least %n characters.",
                                           nullptr, minNetworkPasswordChars);
    if (password.size() > maxNetworkPasswordChars)
        return QCoreApplication::translate(
                   "NetworkKey", "The password is too long: it takes at most %1 characters, and this "
                                 "one has %2.")
            .arg(maxNetworkPasswordChars)
            .arg(password.size());
    if (password != again)
        return QCoreApplication::translate("NetworkKey",
                                           "The two entries differ. Type the password twice again.");
    return QString();
}

QString computerAdapterAddress(const DeviceList &devices)
{
    QString found;
    for (const DeviceRecord &device : devices) {
        if (device.address.isEmpty() || !sameAddress(device.at, device.address))
            continue;
        // The same adapter reached through two interfaces is still one adapter; two adapters that
        // each call themselves the one by the computer leave it unknown.
        if (!found.isEmpty() && !sameAddress(found, device.address))
            return QString();
        found = device.address;
    }
    return found;
}

DeviceList networkInSafeOrder(const DeviceList &devices, const QString &interfaceAddress)
{
    DeviceList network = adaptersThrough(devices, interfaceAddress);
    const QString computer = computerAdapterAddress(network);
    if (computer.isEmpty())
        return DeviceList();
    network.append(network.takeAt(lastIndexOf(network, computer)));
    return network;
}

QString adapterLabel(const DeviceRecord &device)
{
    QString name = extractHfidPrefix(device.hfid);
    if (name.isEmpty())
        name = modelName(device.hfid);
    return name.isEmpty() ? device.address : QStringLiteral("%1 (%2)").arg(name, device.address);
}

QString computerAdapterUnknownText()
{
    return QCoreApplication::translate(
        "NetworkKey", "Tandrel cannot tell which adapter this computer is connected through, so "
                      "only the selected adapter can be changed.");
}

PasswordsGiven::PasswordsGiven()
    : salt(QByteArray::number(QRandomGenerator::system()->generate64()))
{}

void PasswordsGiven::record(const DeviceRecord &adapter, const QString &password)
{
    given.erase(std::remove_if(given.begin(), given.end(),
                               [&](const Given &earlier) {
                                   return sameAddress(earlier.adapter.address, adapter.address);
                               }),
                given.end());
    given.append({adapter, hashed(password)});
}

DeviceList PasswordsGiven::holding(const QString &password) const
{
    DeviceList holders;
    const QByteArray hash = hashed(password);
    for (const Given &earlier : given) {
        if (earlier.hash == hash)
            holders.append(earlier.adapter);
    }
    return holders;
}

QByteArray PasswordsGiven::hashed(const QString &password) const
{
    return QCryptographicHash::hash(salt + password.toUtf8(), QCryptographicHash::Sha256);
}
