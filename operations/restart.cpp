#include "app/widget.h"
#include "commands.h"
#include "ui_widget.h"

#include <QMessageBox>

void Widget::on_buttonRestart_clicked()
{
    const CurrentAction::Scope scope(action);
    ToolProcess process;
    const ToolLimits &limits = deviceSession.limits();
    // The button stays busy while the adapter is away.
    action.enterBusy(ui->buttonRestart);
    RunStatus status;
    const QString output = deviceSession.runTool(
        process, deviceSession.deviceRun({QStringLiteral("apcm_sta_restart")}, limits.longMs), &status);
    if (toolRunFailed(status, output)) {
        action.leaveBusy(ui->buttonRestart);
        showResult(restartFailedText(output));
        return;
    }

    // The adapter's address does not change: it is not looked for again, only asked.
    const QString answer = deviceSession.askUntilBack(process, QDeadlineTimer(limits.adapterBackMs), true);
    action.leaveBusy(ui->buttonRestart);
    if (reportedHfid(answer).isEmpty())
        showResult(adapterNotBackText(limits.adapterBackMs / 1000, answer));
    else
        QMessageBox::information(this, windowTitle(), restartSuccessText(), QMessageBox::Ok,
                                 QMessageBox::NoButton);
}
