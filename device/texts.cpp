#include "texts.h"

#include "device/hfid.h"
#include "device/networkkey.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

// The time that a busy caption shows: none in the first two seconds, then "0:42" or "1:02:03".
QString elapsedText(qint64 elapsedMs)
{
    const qint64 seconds = elapsedMs / 1000;
    const auto twoDigits = [](qint64 value) {
        return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
    };
    if (seconds >= 3600)
        return QStringLiteral("%1:%2:%3")
            .arg(seconds / 3600)
            .arg(twoDigits(seconds / 60 % 60), twoDigits(seconds % 60));
    if (elapsedMs >= 2000)
        return QStringLiteral("%1:%2").arg(seconds / 60).arg(twoDigits(seconds % 60));
    return QString();
}

// How far the action is, as a busy caption shows it: the step of several ("2 of 3") and the time.
QString progressText(qint64 elapsedMs, int step, int steps)
{
    QStringList parts;
    if (steps > 0)
        //: The step of an action of several, in a busy caption ("2 of 3")
        parts.append(QCoreApplication::translate("BusyCaption", "%1 of %2").arg(step).arg(steps));
    const QString time = elapsedText(elapsedMs);
    if (!time.isEmpty())
        parts.append(time);
    return parts.join(QStringLiteral(", "));
}

// The head, or the head with how far the action is, and that the window closes when done.
QString busyText(const QString &head, const QString &withProgress, qint64 elapsedMs, bool closing, int step,
                 int steps)
{
    const QString progress = progressText(elapsedMs, step, steps);
    const QString text = progress.isEmpty() ? head : withProgress.arg(progress);
    if (closing)
        //: A busy caption, and that the window closes when the action is done
        return QCoreApplication::translate("BusyCaption", "%1, closing when done").arg(text);
    return text;
}

} // namespace

QString shortenedText(const QString &text, int maxChars)
{
    if (text.size() <= maxChars)
        return text;
    return leftWholeCharacters(text, maxChars) + QChar(0x2026);
}

QString resultWindowText(const QString &text, int maxChars)
{
    if (text.size() <= maxChars)
        return text;
    QString shown = leftWholeCharacters(text, maxChars);
    const int lineEnd = shown.lastIndexOf(QLatin1Char('\n'));
    if (lineEnd >= maxChars / 2)
        shown.truncate(lineEnd + 1);
    if (!shown.endsWith(QLatin1Char('\n')))
        shown += QLatin1Char('\n');
    return shown + QCoreApplication::translate("ResultWindow",
                                               "[The output goes on. The whole of it is in Tandrel.log.]");
}

QString rowDetails(const QString &hfid)
{
    QStringList parts;
    const QString name = extractHfidPrefix(hfid);
    if (!name.isEmpty())
        parts.append(shortenedText(name));
    // Without its marker the version's cut gives a piece of the model name.
    const QString version = firmwareVersion(hfid);
    if (hfid.left(hfid.lastIndexOf(QLatin1String("_FWDate"))).contains(QLatin1String("_FW")) &&
        !version.isEmpty())
        //: A row of the device list as it is heard: the adapter's firmware version
        parts.append(
            QCoreApplication::translate("DeviceListModel", "firmware %1").arg(shortenedText(version)));
    return parts.join(QStringLiteral(", "));
}

QStringList rowsDetails(const DeviceList &devices)
{
    const QString computer = computerAdapterAddress(devices);
    QStringList details;
    for (const DeviceRecord &device : devices) {
        const QString own = rowDetails(device.hfid);
        if (computer.isEmpty() || !sameAddress(device.address, computer))
            details.append(own);
        else if (own.isEmpty())
            details.append(QCoreApplication::translate("DeviceListModel", "this computer"));
        else
            details.append(QCoreApplication::translate("DeviceListModel", "%1, this computer").arg(own));
    }
    return details;
}

QString withoutMnemonic(const QString &text)
{
    QString heard;
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&') && ++i == text.size())
            break;
        heard += text.at(i);
    }
    return heard;
}

QString busyCaption(qint64 elapsedMs, bool closing, int step, int steps)
{
    return busyText(QCoreApplication::translate("BusyCaption", "Running..."),
                    //: %1 is how far the action is ("2 of 3, 0:42")
                    QCoreApplication::translate("BusyCaption", "Running... %1"), elapsedMs, closing, step,
                    steps);
}

QString busyName(const QString &buttonText, qint64 elapsedMs, bool closing, int step, int steps)
{
    const QString action = withoutMnemonic(buttonText);
    //: A busy button as a screen reader says it; %1 is the button's caption
    return busyText(
        QCoreApplication::translate("BusyCaption", "%1: running").arg(action),
        //: %1 is the button's caption, %2 how far the action is ("2 of 3, 0:42")
        QCoreApplication::translate("BusyCaption", "%1: running, %2").arg(action, QStringLiteral("%1")),
        elapsedMs, closing, step, steps);
}
