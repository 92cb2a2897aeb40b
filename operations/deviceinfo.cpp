#include "app/widget.h"
#include "commands.h"
#include "ui_widget.h"

void Widget::on_buttonShowDeviceInfo_clicked()
{
    const CurrentAction::Scope scope(action);
    ToolProcess process;
    ToolRun run = deviceRun({QStringLiteral("apsta_info")}, toolLimits.quickMs);
    run.busyButton = ui->buttonShowDeviceInfo;
    const QString output = runTool(process, run);
    showResult(deviceInfoText(output), true);
}
