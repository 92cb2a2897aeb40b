#pragma once

#include "device/devicerecord.h"

#include <QByteArray>
#include <QList>
#include <QString>

// Adapters form one network only while they share one network password: an adapter given
// another one leaves the network of the others, and whatever is reached through it with it.

// A network password that adapters take: 8 to 64 characters, each one printable ASCII (from
// the blank to "~").
constexpr int minNetworkPasswordChars = 8;
constexpr int maxNetworkPasswordChars = 64;

// What keeps the password prompt's two entries from being set, as the user is told: the rule
// that the password breaks, or that the two entries differ. Empty when they can be set.
QString networkPasswordProblem(const QString &password, const QString &again);

// The adapters found through the interface, each once, in the order found.
DeviceList adaptersThrough(const DeviceList &devices, const QString &interfaceAddress);

// The address of the adapter that this computer is connected through: the one adapter whose
// `at` names itself. Empty when none does, or more than one.
QString computerAdapterAddress(const DeviceList &devices);

// The adapters of the network that this computer reaches through the interface, each once, in
// the order in which they were found, and last the one that this computer is connected
// through: the one whose `at` names itself. The order in which a new password goes to them,
// so that each one is reached, through that adapter, while it still shares its password.
// Empty when no adapter, or more than one, names itself: then no order is safe.
DeviceList networkInSafeOrder(const DeviceList &devices, const QString &interfaceAddress);

// Why only the selected adapter's password can be changed, when no order is safe.
QString computerAdapterUnknownText();

// The adapters that were given a network password in this session, each with the last one that
// it was given; the password is kept only as a salted hash, never itself.
class PasswordsGiven
{
public:
    PasswordsGiven();
    void record(const DeviceRecord &adapter, const QString &password);
    // Those whose last password given is this one, in the order in which they were given it.
    DeviceList holding(const QString &password) const;

private:
    QByteArray hashed(const QString &password) const;

    struct Given
    {
        DeviceRecord adapter;
        QByteArray hash;
    };
    QByteArray salt;
    QList<Given> given;
};

// An adapter as the user knows it: its name (or, without one, its model) and its address.
QString adapterLabel(const DeviceRecord &device);
