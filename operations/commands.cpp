#include "commands.h"

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
    return output.contains(QLatin1String("[apfw_factory_reset] Done.")) &&
           !output.contains(QLatin1String("Error"));
}

bool upgradeSucceeded(const QString &output)
{
    return output.contains(QLatin1String("[upgrade_ggl] Done."));
}

bool simpleConnectStarted(const QString &output)
{
    return output.contains(QLatin1String("[apcm_uke_cmd] action SUCCESS."));
}

bool toolRunFailed(const RunStatus &status, const QString &output)
{
    return status.error != QProcess::UnknownError || status.exitStatus != QProcess::NormalExit ||
           status.exitCode != 0 || output.contains(QLatin1String("Error"));
}

QString nameNotRestoredText(const QString &hfidPrefix, int seconds, const QString &lastOutput)
{
    return errorText(
        QStringLiteral("The adapter's name \"%1\" could not be restored: it did not report its new "
                       "HFID within %2 seconds of the upgrade.\n%3")
            .arg(hfidPrefix, QString::number(seconds), lastOutput),
        true);
}

QString nameNotWrittenText(const QString &hfid, const QString &output)
{
    return errorText(QStringLiteral("The adapter's name \"%1\" could not be written.\n%2").arg(hfid, output),
                     true);
}

QString keptNameSuccessText(const FittedHfid &written)
{
    QString text = QStringLiteral("==== SUCCESS ====");
    if (written.shortened)
        text += QStringLiteral("\nThe adapter's name was too long for its new firmware and was shortened to "
                               "\"%1\".")
                    .arg(written.hfid);
    return text;
}

QString restartFailedText(const QString &output)
{
    return errorText(QStringLiteral("The adapter could not be restarted.\n") + output, true);
}

QString restartSuccessText()
{
    return QStringLiteral("==== SUCCESS ====\nThe adapter restarted and answers again.");
}

QString adapterNotBackText(int seconds, const QString &lastOutput)
{
    return errorText(QStringLiteral("The adapter did not answer within %1 seconds of its restart.\n%2")
                         .arg(seconds)
                         .arg(lastOutput),
                     true);
}

QString simpleConnectText(const QString &randomizeOutput, const QString &lastStartOutput, bool started)
{
    if (started)
        return randomizeOutput;
    const bool ownLine = randomizeOutput.isEmpty() || randomizeOutput.endsWith(QLatin1Char('\n'));
    return errorText(randomizeOutput + (ownLine ? QString() : QStringLiteral("\n")) + lastStartOutput, true);
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
