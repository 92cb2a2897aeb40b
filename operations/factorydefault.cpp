#include "app/widget.h"
#include "commands.h"
#include "ui_widget.h"

#include <QMessageBox>

void Widget::on_buttonFactoryDefault_clicked()
{
    runFactoryDefault();
}

void Widget::runFactoryDefault()
{
    const CurrentAction::Scope scope(action);
    ToolProcess process;
    ToolRun run = deviceRun({QStringLiteral("apfw_factory_reset")}, toolLimits.quickMs);
    run.busyButton = ui->buttonFactoryDefault;
    const QString output = runTool(process, run);

    if (factoryDefaultSucceeded(output))
        QMessageBox::information(this, windowTitle(), QStringLiteral("==== SUCCESS ===="), QMessageBox::Ok,
                                 QMessageBox::NoButton);
    else
        showResult(errorText(output, false));
}
