#include "app/widget.h"
#include "commands.h"
#include "ui_widget.h"

void Widget::on_buttonSimpleConnect_clicked()
{
    const CurrentAction::Scope scope(action);
    ToolProcess process;
    action.enterBusy(ui->buttonSimpleConnect);

    const QString randomizeOutput = runTool(
        process, deviceRun({QStringLiteral("apcm_uke_cmd"), QStringLiteral("randomize")}, toolLimits.longMs));

    const ToolRun start =
        deviceRun({QStringLiteral("apcm_uke_cmd"), QStringLiteral("start")}, toolLimits.longMs);
    QString startOutput;
    bool started = false;
    for (int attempts = 5; attempts > 0 && !started; --attempts) {
        startOutput = runTool(process, start);
        started = simpleConnectStarted(startOutput);
    }

    action.leaveBusy(ui->buttonSimpleConnect);
    showResult(simpleConnectText(randomizeOutput, startOutput, started));
}
