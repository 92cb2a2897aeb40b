#include "app/widget.h"
#include "commands.h"
#include "ui_widget.h"

void Widget::on_buttonShowDeviceInfo_clicked()
{
    const CurrentAction::Scope scope(action);
    ToolProcess process;
    action.enterBusy(ui->buttonShowDeviceInfo);
    const QString output = deviceSession.runTool(
        process, deviceSession.deviceRun({QStringLiteral("apsta_info")}, deviceSession.limits().quickMs));
    action.leaveBusy(ui->buttonShowDeviceInfo);
    showResult(deviceInfoText(output), true);
}
