#include "app/widget.h"
#include "commands.h"
#include "ui_widget.h"

void Widget::on_buttonSimpleConnect_clicked()
{
    const CurrentAction::Scope scope(action);
    ToolProcess process;
    const int limitMs = deviceSession.limits().longMs;
    action.enterBusy(ui->buttonSimpleConnect);

    const QString randomizeOutput = deviceSession.runTool(
        process,
        deviceSession.deviceRun({QStringLiteral("apcm_uke_cmd"), QStringLiteral("randomize")}, limitMs));

    const ToolRun start =
        deviceSession.deviceRun({QStringLiteral("apcm_uke_cmd"), QStringLiteral("start")}, limitMs);
    QString startOutput;
    bool started = false;
    for (int attempts = 5; attempts > 0 && !started; --attempts) {
        startOutput = deviceSession.runTool(process, start);
        started = simpleConnectStarted(startOutput);
    }

    action.leaveBusy(ui->buttonSimpleConnect);
    showResult(simpleConnectText(randomizeOutput, startOutput, started));
}
