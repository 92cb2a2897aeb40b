#include "commands.h"

#include "tool/discovery.h"

QStringList deviceCommand(const QString &interfaceAddress, const QStringList &subcommand,
                          const QString &deviceAddress)
{
    return QStringList{interfaceAddress} + subcommand + QStringList{QStringLiteral("-m"), deviceAddress};
}

QString errorText(const QString &output, bool lineFeed)
{
    return QStringLiteral("==== ERROR ====") + (lineFeed ? QStringLiteral("\n") : QString()) + output;
}

QString deviceInfoText(const QString &output)
{
    const QString marker = QStringLiteral("[apsta_info] Done.");
    const int done = output.indexOf(marker);
    if (done < 0)
        return errorText(output, true).trimmed();
    return output.mid(done).replace(marker, QStringLiteral("==== SUCCESS ====")).trimmed();
}

bool factoryDefaultSucceeded(const QString &output)
{
    return output.contains(QLatin1String("[apfw_factory_reset] Done."))
           && !output.contains(QLatin1String("Error"));
}

bool upgradeSucceeded(const QString &output)
{
    return output.contains(QLatin1String("[upgrade_ggl] Done."));
}

bool simpleConnectStarted(const QString &output)
{
    return output.contains(QLatin1String("[apcm_uke_cmd] action SUCCESS."));
}

QString extractHfidPrefix(const QString &hfid)
{
    const QString head = hfidBeforeFirmware(hfid);
    const int beforeModel = head.lastIndexOf(QLatin1Char('_'));
    return beforeModel < 0 ? QString() : head.left(beforeModel);
}

QString reportedHfid(const QString &output)
{
    const QString marker = QStringLiteral("hfid: ");
    const int at = output.indexOf(marker);
    return at < 0 ? QString() : output.mid(at + marker.size()).trimmed();
}

QString keptUserHfid(const QString &hfidPrefix, const QString &manufacturerHfid)
{
    return hfidPrefix.isEmpty() ? manufacturerHfid : hfidPrefix + QLatin1Char('_') + manufacturerHfid;
}

QString simpleConnectText(const QString &randomizeOutput, const QString &lastStartOutput,
                          bool started)
{
    if (started)
        return randomizeOutput;
    const bool ownLine = randomizeOutput.isEmpty() || randomizeOutput.endsWith(QLatin1Char('\n'));
    return errorText(randomizeOutput + (ownLine ? QString() : QStringLiteral("\n")) + lastStartOutput,
                     true);
}

QString resultWindowText(const QString &text, int maxChars)
{
    if (text.size() <= maxChars)
        return text;
    QString shown = text.left(maxChars);
    const int lineEnd = shown.lastIndexOf(QLatin1Char('\n'));
    if (lineEnd >= maxChars / 2)
        shown.truncate(lineEnd + 1);
    else if (shown.at(shown.size() - 1).isHighSurrogate())
        shown.chop(1);
    if (!shown.endsWith(QLatin1Char('\n')))
        shown += QLatin1Char('\n');
    return shown + QStringLiteral("[The output goes on. The whole of it is in Tandrel.log.]");
}
