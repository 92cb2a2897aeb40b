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
        parts.append(QStringLiteral("%1 of %2").arg(step).arg(steps));
    const QString time = elapsedText(elapsedMs);
    if (!time.isEmpty())
        parts.append(time);
    return parts.join(QStringLiteral(", "));
}

// The head, how far the action is after the separator, and that the window closes when done.
QString busyText(QString head, const QString &separator, qint64 elapsedMs, bool closing, int step, int steps)
{
    const QString progress = progressText(elapsedMs, step, steps);
    if (!progress.isEmpty())
        head += separator + progress;
    if (closing)
        head += QStringLiteral(", closing when done");
    return head;
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
    return shown + QStringLiteral("[The output goes on. The whole of it is in Tandrel.log.]");
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
        parts.append(QStringLiteral("firmware ") + shortenedText(version));
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
    return busyText(QStringLiteral("Running..."), QStringLiteral(" "), elapsedMs, closing, step, steps);
}

QString busyName(const QString &buttonText, qint64 elapsedMs, bool closing, int step, int steps)
{
    return busyText(withoutMnemonic(buttonText) + QStringLiteral(": running"), QStringLiteral(", "),
                    elapsedMs, closing, step, steps);
}
