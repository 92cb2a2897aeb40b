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
    const bool keep = QMessageBox::information(this, windowTitle(),
                                               QStringLiteral("Keep current configuration?"),
                                               QMessageBox::Yes | QMessageBox::No,
                                               QMessageBox::NoButton)
                      == QMessageBox::Yes;
    const QString hfidPrefix = keep ? extractHfidPrefix(selectedDevice.hfid) : QString();

    // The button stays busy through the keep or the reset that follows the upgrade.
    const QString caption = ui->buttonFirmwareUpgrade->text();
    ToolRun run;
    run.arguments = deviceCommand(interfaceAddress, {QStringLiteral("upgrade_ggl"), path},
                                  selectedDevice.address);
    run.timeLimitMs = timeLimits.longMs;
    run.busyButton = ui->buttonFirmwareUpgrade;
    run.leaveBusy = false;
    const QString output = runTool(process, run);
    endTool(process);

    if (!upgradeSucceeded(output))
        showResult(errorText(output, true));
    else if (keep)
        restoreConfiguration(process, hfidPrefix);
    else
        runFactoryDefault();

    leaveBusy(ui->buttonFirmwareUpgrade, caption);
    on_buttonBack_5_clicked();
    scanDevices();
}

void Widget::restoreConfiguration(QProcess &process, const QString &hfidPrefix)
{
    ToolRun read;
    read.arguments = deviceCommand(interfaceAddress,
                                   {QStringLiteral("get_hfid"), QStringLiteral("manufacturer")},
                                   selectedDevice.address);
    read.timeLimitMs = timeLimits.longMs;
    const QString output = runTool(process, read);

    // Without a value to carry over, writing one would rename the adapter to rubbish.
    const QString manufacturerHfid = reportedHfid(output);
    if (manufacturerHfid.isEmpty()) {
        endTool(process);
        showResult(errorText(output, true));
        return;
    }

    ToolRun write;
    write.arguments = deviceCommand(interfaceAddress,
                                    {QStringLiteral("set_hfid"), QStringLiteral("user"),
                                     keptUserHfid(hfidPrefix, manufacturerHfid)},
                                    selectedDevice.address);
    write.timeLimitMs = timeLimits.longMs;
    write.record = RunRecord::StatusOnly;
    runTool(process, write);

    ToolRun restart;
    restart.arguments = deviceCommand(interfaceAddress, {QStringLiteral("apcm_sta_restart")},
                                      selectedDevice.address);
    restart.timeLimitMs = timeLimits.longMs;
    restart.record = RunRecord::EmittingOnly;
    runTool(process, restart);
    endTool(process);

    QMessageBox::information(this, windowTitle(), QStringLiteral("==== SUCCESS ===="),
                             QMessageBox::Ok, QMessageBox::NoButton);
}
