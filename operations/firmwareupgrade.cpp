#include "app/widget.h"
#include "commands.h"
#include "ui_widget.h"

#include <QFileDialog>
#include <QMessageBox>

void Widget::on_buttonFirmwareUpgrade_clicked()
{
    const QString path = QFileDialog::getOpenFileName(this, windowTitle(), firmwarePath);
    if (path.isEmpty())
        return;
    firmwarePath = path;

    ToolProcess process;
    const bool keep = QMessageBox::information(
                          this, windowTitle(), QStringLiteral("Keep current configuration?"),
                          QMessageBox::Yes | QMessageBox::No, QMessageBox::NoButton) == QMessageBox::Yes;
    const QString hfidPrefix = keep ? extractHfidPrefix(deviceSession.selectedDevice().hfid) : QString();

    action.setSessionEndReason(QStringLiteral(
        "A firmware upgrade is in progress. Ending the session now can leave the adapter unusable."));
    const CurrentAction::Scope scope(action);
    // The button stays busy through the keep or the reset that follows the upgrade.
    action.enterBusy(ui->buttonFirmwareUpgrade);
    const QString output =
        deviceSession.runTool(process, deviceSession.deviceRun({QStringLiteral("upgrade_ggl"), path},
                                                               deviceSession.limits().longMs));

    if (!upgradeSucceeded(output))
        showResult(errorText(output, true));
    else if (keep)
        restoreConfiguration(process, hfidPrefix);
    else
        runFactoryDefault();

    action.leaveBusy(ui->buttonFirmwareUpgrade);
    on_buttonBack_5_clicked();
    // A window that closes when the action is done needs no fresh list.
    if (!action.closeRequested())
        scanDevices();
}

void Widget::restoreConfiguration(ToolProcess &process, const QString &hfidPrefix)
{
    const ToolLimits &limits = deviceSession.limits();
    // The adapter starts its new firmware now and answers again after a while: until it
    // reports its new HFID, it is asked again.
    const QString output = deviceSession.askUntilBack(process, QDeadlineTimer(limits.adapterBackMs), false);
    // Without a value to carry over, writing one would rename the adapter to rubbish.
    const QString manufacturerHfid = reportedHfid(output);
    if (manufacturerHfid.isEmpty()) {
        showResult(nameNotRestoredText(hfidPrefix, limits.adapterBackMs / 1000, output));
        return;
    }

    const FittedHfid name = fittedUserHfid(hfidPrefix, manufacturerHfid);
    ToolRun write = deviceSession.deviceRun({QStringLiteral("set_hfid"), QStringLiteral("user"), name.hfid},
                                            limits.longMs);
    write.record = RunRecord::StatusOnly;
    RunStatus written;
    const QString writeOutput = deviceSession.runTool(process, write, &written);
    if (toolRunFailed(written, writeOutput)) {
        showResult(nameNotWrittenText(name.hfid, writeOutput));
        return;
    }

    ToolRun restart = deviceSession.deviceRun({QStringLiteral("apcm_sta_restart")}, limits.longMs);
    restart.record = RunRecord::EmittingOnly;
    deviceSession.runTool(process, restart);

    QMessageBox::information(this, windowTitle(), keptNameSuccessText(name), QMessageBox::Ok,
                             QMessageBox::NoButton);
}
