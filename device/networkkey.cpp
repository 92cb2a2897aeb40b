// Change Key: the network password on the selected adapter, or on every adapter found.
#include "networkkey.h"

#include "adapteractions.h"
#include "device/adaptername.h"
#include "device/devicesession.h"

#include <QSet>
#include <QStringList>
#include <QVector>

namespace {

// The adapters found through the interface, each once, in the order found.
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

bool namesItself(const DeviceRecord &device)
{
    return sameAddress(device.at, device.address);
}

// The run that sets the network password on an adapter, the password kept out of its records.
ToolRun passwordRun(const DeviceRecord &adapter, const QString &password, int timeLimitMs)
{
    ToolRun run = deviceRun(
        adapter, {QStringLiteral("set_npw"), password, QStringLiteral("secure"), QStringLiteral("set_key")},
        timeLimitMs);
    run.secret = password;
    return run;
}

// "A", "A and B", "A, B and C".
QString listed(const QStringList &items)
{
    if (items.size() < 2)
        return items.join(QString());
    return QStringList(items.mid(0, items.size() - 1)).join(QStringLiteral(", ")) + QStringLiteral(" and ") +
           items.last();
}

// What became of one adapter of the network.
struct Fate
{
    enum State { NotTried, NewPassword, Failed, FoundAgain, NotFound };
    State state = NotTried;
    QString words; // the tool's, for a run that failed
};

QString fateText(const Fate &fate)
{
    switch (fate.state) {
    case Fate::NewPassword:
        return QStringLiteral("new password");
    case Fate::Failed:
        return fate.words.isEmpty() ? QStringLiteral("failed; the tool printed nothing")
                                    : QStringLiteral("failed: ") + fate.words;
    case Fate::FoundAgain:
        return QStringLiteral("found again with the new password");
    case Fate::NotFound:
        return QStringLiteral("not found");
    case Fate::NotTried:
        break;
    }
    return QStringLiteral("not tried");
}

// One line for each adapter, the one by the computer (the last) said to be so.
QString fateLines(const DeviceList &network, const QVector<Fate> &fates)
{
    QStringList lines;
    for (int i = 0; i < network.size(); ++i) {
        const QString byComputer = i == network.size() - 1
                                       ? QStringLiteral(", the adapter this computer is connected through")
                                       : QString();
        lines.append(
            QStringLiteral("- %1%2: %3").arg(adapterLabel(network.at(i)), byComputer, fateText(fates.at(i))));
    }
    return lines.join(QLatin1Char('\n'));
}

QString whatToDoAfterFailure(const QVector<Fate> &fates)
{
    if (fates.last().state == Fate::Failed)
        return QStringLiteral(
            "The other adapters have the new password and have left the network of this "
            "computer's adapter. Once the fault that the tool reports is dealt with, set the same "
            "password on this computer's adapter alone (\"This adapter only\"): the others join "
            "it again.");
    if (fates.first().state == Fate::Failed)
        return QStringLiteral(
            "No adapter was changed. Once the fault that the tool reports is dealt with, try "
            "again.");
    return QStringLiteral(
        "The adapters with the new password have left the network until this computer's "
        "adapter has it too. Once the fault that the tool reports is dealt with, scan, then "
        "change the key on every adapter again with the same password: the adapters found get "
        "it, and those that have it already join them again.");
}

} // namespace

QString networkPasswordProblem(const QString &password, const QString &again)
{
    if (const std::optional<uint> untaken = firstOutsidePrintableAscii(password)) {
        return QStringLiteral("The password takes printable ASCII characters only: letters without accents, "
                              "digits, blanks and the signs of an English keyboard. %1 is not one of them.")
            .arg(describedCharacter(*untaken, false));
    }
    if (password.size() < minNetworkPasswordChars)
        return QStringLiteral("The password is too short: it takes at least %1 characters.")
            .arg(minNetworkPasswordChars);
    if (password.size() > maxNetworkPasswordChars)
        return QStringLiteral(
                   "The password is too long: it takes at most %1 characters, and this one has %2.")
            .arg(maxNetworkPasswordChars)
            .arg(password.size());
    if (password != again)
        return QStringLiteral("The two entries differ. Type the password twice again.");
    return QString();
}

DeviceList networkInSafeOrder(const DeviceList &devices, const QString &interfaceAddress)
{
    DeviceList network = adaptersThrough(devices, interfaceAddress);
    int byComputer = -1;
    for (int i = 0; i < network.size(); ++i) {
        if (!namesItself(network.at(i)))
            continue;
        // Two adapters that each call themselves the one by the computer: neither order is safe.
        if (byComputer >= 0)
            return DeviceList();
        byComputer = i;
    }
    if (byComputer < 0)
        return DeviceList();
    network.append(network.takeAt(byComputer));
    return network;
}

QString adapterLabel(const DeviceRecord &device)
{
    QString name = extractHfidPrefix(device.hfid);
    if (name.isEmpty())
        name = modelName(device.hfid);
    return name.isEmpty() ? device.address : QStringLiteral("%1 (%2)").arg(name, device.address);
}

ActionResult AdapterActions::changeKey(const DeviceRecord &adapter, const QString &password)
{
    const QString problem = networkPasswordProblem(password, password);
    if (!problem.isEmpty())
        return ActionResult::toolReport(errorText(problem, true));

    // The log and the window are what users send to whoever helps them: the password stays
    // out of both, also where the tool repeats it.
    const ToolRun run = passwordRun(adapter, password, session.limits().longMs);
    RunStatus status;
    const QString output = session.runTool(run, &status);
    const bool failed = toolRunFailed(status, output);
    QString text = maskSecret(output, password);

    QStringList others;
    for (const DeviceRecord &device : adaptersThrough(session.devices(), adapter.interfaceAddress)) {
        if (!sameAddress(device.address, adapter.address))
            others.append(adapterLabel(device));
    }
    if (!failed && !others.isEmpty()) {
        if (!text.isEmpty() && !text.endsWith(QLatin1Char('\n')))
            text += QLatin1Char('\n');
        text += QStringLiteral(
                    "\nThis adapter now leaves the network of %1 unless %2 the same password: adapters "
                    "with different passwords cannot reach each other.")
                    .arg(listed(others),
                         others.size() == 1 ? QStringLiteral("it gets") : QStringLiteral("they get"));
    }
    return ActionResult::toolReport(text, !failed);
}

ActionResult AdapterActions::changeKeyOnEveryAdapter(const DeviceRecord &adapter, const QString &password,
                                                     const Progress &progress)
{
    const QString interfaceAddress = adapter.interfaceAddress;
    const DeviceList network = networkInSafeOrder(session.devices(), interfaceAddress);
    QString problem = networkPasswordProblem(password, password);
    if (problem.isEmpty() && network.isEmpty())
        problem = computerAdapterUnknownText();
    if (!problem.isEmpty())
        return ActionResult::toolReport(errorText(problem, true));

    // Each adapter is reached through the one by the computer, which keeps the old password
    // until the others have the new one.
    QVector<Fate> fates(network.size());
    for (int i = 0; i < network.size(); ++i) {
        if (progress)
            progress(i + 1, network.size());
        RunStatus status;
        const QString output =
            session.runTool(passwordRun(network.at(i), password, session.limits().longMs), &status);
        if (toolRunFailed(status, output)) {
            fates[i] = {Fate::Failed, maskSecret(output, password).trimmed()};
            const QString text =
                QStringLiteral(
                    "The new network password could not be set on every adapter.%1\n\n%2\n\nWhat to do: %3")
                    .arg(
                        i < network.size() - 1
                            ? QStringLiteral(" Tandrel stopped before the adapter this computer is connected "
                                             "through, so that this computer keeps its network.")
                            : QString(),
                        fateLines(network, fates), whatToDoAfterFailure(fates));
            return {ActionResult::Report::FullReport, errorText(text, true), false};
        }
        fates[i].state = Fate::NewPassword;
    }

    session.scanDevices();
    const DeviceList found = adaptersThrough(session.devices(), interfaceAddress);
    bool allFound = true;
    for (int i = 0; i < network.size(); ++i) {
        const bool again = lastIndexOf(found, network.at(i).address) >= 0;
        fates[i].state = again ? Fate::FoundAgain : Fate::NotFound;
        allFound = allFound && again;
    }
    ActionResult result{ActionResult::Report::FullReport, QString(), allFound, true};
    if (allFound) {
        result.text =
            QStringLiteral("==== SUCCESS ====\nThe new network password is set on every adapter, and "
                           "every adapter was found again.\n\n") +
            fateLines(network, fates);
        return result;
    }
    result.text = errorText(
        QStringLiteral(
            "The new network password is set on every adapter, but not every adapter was found again."
            "\n\n%1\n\nWhat to do: An adapter can take a minute to join the network with its new "
            "password: scan again then. One that is still missing does not share the password of this "
            "computer's adapter: bring it back into the network as its manual says, for instance with "
            "its pairing button.")
            .arg(fateLines(network, fates)),
        true);
    return result;
}

QString computerAdapterUnknownText()
{
    return QStringLiteral("Tandrel cannot tell which adapter this computer is connected through, so only the "
                          "selected adapter can be changed.");
}
