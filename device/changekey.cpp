// Change Key: the network password on the selected adapter, or on every adapter found.
#include "adapteractions.h"
#include "networkkey.h"

#include "device/adaptername.h"
#include "device/devicesession.h"

#include <QCoreApplication>
#include <QStringList>
#include <QVector>

#include <algorithm>

namespace {

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
    //: Joins two adapters of a list of three or more, before the last two ("A, B")
    const QString middle = QCoreApplication::translate("NetworkKey", "%1, %2");
    //: Joins the last two adapters of a list ("A, B and C")
    const QString last = QCoreApplication::translate("NetworkKey", "%1 and %2");
    QString list = items.first();
    for (int i = 1; i < items.size() - 1; ++i)
        list = middle.arg(list, items.at(i));
    return last.arg(list, items.last());
}

// What became of one adapter of the network.
struct Fate
{
    enum State { NotTried, NewPassword, Failed, FoundAgain, NotFound, EarlierAttempt };
    State state = NotTried;
    QString words; // the tool's, for a run that failed
};

// What became of an adapter, as the user reads it, or in English for the log.
QString fateText(const Fate &fate, bool translated = true)
{
    const char *text = QT_TRANSLATE_NOOP("NetworkKey", "not tried");
    switch (fate.state) {
    case Fate::NewPassword:
        text = QT_TRANSLATE_NOOP("NetworkKey", "new password");
        break;
    case Fate::EarlierAttempt:
        text = QT_TRANSLATE_NOOP("NetworkKey", "new password, set by an earlier attempt");
        break;
    case Fate::Failed:
        text = fate.words.isEmpty() ? QT_TRANSLATE_NOOP("NetworkKey", "failed; the tool printed nothing")
                                    : QT_TRANSLATE_NOOP("NetworkKey", "failed: %1");
        break;
    case Fate::FoundAgain:
        text = QT_TRANSLATE_NOOP("NetworkKey", "found again with the new password");
        break;
    case Fate::NotFound:
        text = QT_TRANSLATE_NOOP("NetworkKey", "not found");
        break;
    case Fate::NotTried:
        break;
    }
    const QString shown =
        translated ? QCoreApplication::translate("NetworkKey", text) : QString::fromLatin1(text);
    return fate.state == Fate::Failed && !fate.words.isEmpty() ? shown.arg(fate.words) : shown;
}

// Each adapter's outcome reaches the log as soon as it is known, so that the log tells what
// the network is even when the session ends before the report is read.
void logFate(DeviceSession &session, const DeviceRecord &adapter, const Fate &fate)
{
    session.appendLog(QStringLiteral("Network password on every adapter: %1: %2")
                          .arg(adapterLabel(adapter), fateText(fate, false)));
}

// One line for each adapter, the one by the computer (the last) said to be so.
QString fateLines(const DeviceList &network, const QVector<Fate> &fates)
{
    QStringList lines;
    for (int i = 0; i < network.size(); ++i) {
        //: An adapter's line of the report: the adapter, then what became of it
        const QString line =
            i == network.size() - 1
                ? QCoreApplication::translate("NetworkKey",
                                              "- %1, the adapter this computer is connected through: %2")
                : QCoreApplication::translate("NetworkKey", "- %1: %2");
        lines.append(line.arg(adapterLabel(network.at(i)), fateText(fates.at(i))));
    }
    return lines.join(QLatin1Char('\n'));
}

QString whatToDoAfterFailure(const QVector<Fate> &fates)
{
    const bool changed = std::any_of(fates.cbegin(), fates.cend(), [](const Fate &fate) {
        return fate.state == Fate::NewPassword || fate.state == Fate::EarlierAttempt;
    });
    if (!changed)
        return QCoreApplication::translate(
            "NetworkKey", "No adapter was changed. Once the fault that the tool reports is dealt with, try "
                          "again.");
    if (fates.last().state == Fate::Failed)
        return QCoreApplication::translate(
            "NetworkKey",
            "The other adapters have the new password and have left the network of this "
            "computer's adapter. Once the fault that the tool reports is dealt with, set the same "
            "password on this computer's adapter alone (\"This adapter only\"): the others join "
            "it again.");
    return QCoreApplication::translate(
        "NetworkKey",
        "The adapters with the new password have left the network until this computer's adapter has "
        "it too. Once the fault that the tool reports is dealt with, change the key on every adapter "
        "again with the same password: Tandrel scans first, the adapters found get it, and those that "
        "have it already join them again.");
}

} // namespace

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
        //: %1 lists the other adapters; %n is how many they are
        text += QCoreApplication::translate(
                    "NetworkKey",
                    "\nThis adapter now leaves the network of %1 unless they get the same "
                    "password: adapters with different passwords cannot reach each other.",
                    nullptr, int(others.size()))
                    .arg(listed(others));
    }
    if (!failed)
        passwordsGiven.record(adapter, password);
    return ActionResult::toolReport(text, !failed);
}

ActionResult AdapterActions::changeKeyOnEveryAdapter(const DeviceRecord &adapter, const QString &password,
                                                     const Progress &progress)
{
    const QString interfaceAddress = adapter.interfaceAddress;
    const QString problem = networkPasswordProblem(password, password);
    if (!problem.isEmpty())
        return ActionResult::toolReport(errorText(problem, true));
    // The network as it is now: an earlier attempt, or an adapter plugged in or out since the last
    // scan, changes which adapters this computer reaches.
    session.scanDevices();
    const DeviceList network = networkInSafeOrder(session.devices(), interfaceAddress);
    if (network.isEmpty())
        return {ActionResult::Report::ToolReport, errorText(computerAdapterUnknownText(), true), false, true};

    // Those that an earlier attempt gave this password are out of reach now; they are listed
    // first, as they got it first.
    DeviceList adapters = network;
    QVector<Fate> fates(network.size());
    int earlierCount = 0;
    for (const DeviceRecord &earlier : passwordsGiven.holding(password)) {
        if (std::none_of(network.cbegin(), network.cend(), [&](const DeviceRecord &device) {
                return sameAddress(device.address, earlier.address);
            })) {
            adapters.insert(earlierCount, earlier);
            fates.insert(earlierCount++, {Fate::EarlierAttempt, QString()});
        }
    }

    // Each adapter is reached through the one by the computer, which keeps the old password
    // until the others have the new one.
    int step = 0;
    for (int i = 0; i < adapters.size(); ++i) {
        if (fates.at(i).state == Fate::EarlierAttempt)
            continue;
        if (progress)
            progress(++step, network.size());
        RunStatus status;
        const QString output =
            session.runTool(passwordRun(adapters.at(i), password, session.limits().longMs), &status);
        if (toolRunFailed(status, output)) {
            fates[i] = {Fate::Failed, maskSecret(output, password).trimmed()};
            logFate(session, adapters.at(i), fates.at(i));
            const QString text =
                (i < adapters.size() - 1
                     ? QCoreApplication::translate(
                           "NetworkKey", "The new network password could not be set on every adapter. "
                                         "Tandrel stopped before the adapter this computer is connected "
                                         "through, so that this computer keeps its network.\n\n%1\n\n"
                                         "What to do: %2")
                     : QCoreApplication::translate(
                           "NetworkKey", "The new network password could not be set on every adapter."
                                         "\n\n%1\n\nWhat to do: %2"))
                    .arg(fateLines(adapters, fates), whatToDoAfterFailure(fates));
            return {ActionResult::Report::FullReport, errorText(text, true), false, true};
        }
        fates[i].state = Fate::NewPassword;
        passwordsGiven.record(adapters.at(i), password);
        logFate(session, adapters.at(i), fates.at(i));
    }

    session.scanDevices();
    const DeviceList found = adaptersThrough(session.devices(), interfaceAddress);
    bool allFound = true;
    for (int i = 0; i < adapters.size(); ++i) {
        const bool again = lastIndexOf(found, adapters.at(i).address) >= 0;
        fates[i].state = again ? Fate::FoundAgain : Fate::NotFound;
        logFate(session, adapters.at(i), fates.at(i));
        allFound = allFound && again;
    }
    ActionResult result{ActionResult::Report::FullReport, QString(), allFound, true};
    if (allFound) {
        result.text =
            QStringLiteral("==== SUCCESS ====\n") +
            QCoreApplication::translate("NetworkKey", "The new network password is set on every adapter, and "
                                                      "every adapter was found again.\n\n%1")
                .arg(fateLines(adapters, fates));
        return result;
    }
    result.text = errorText(
        QCoreApplication::translate(
            "NetworkKey",
            "The new network password is set on every adapter, but not every adapter was found again."
            "\n\n%1\n\nWhat to do: An adapter can take a minute to join the network with its new "
            "password: scan again then. One that is still missing does not share the password of this "
            "computer's adapter: bring it back into the network as its manual says, for instance with "
            "its pairing button.")
            .arg(fateLines(adapters, fates)),
        true);
    return result;
}
