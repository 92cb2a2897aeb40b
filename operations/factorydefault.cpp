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
    action.enterBusy(ui->buttonFactoryDefault);
    const QString output =
        deviceSession.runTool(process, deviceSession.deviceRun({QStringLiteral("apfw_factory_reset")},
                                                               deviceSession.limits().quickMs));
    action.leaveBusy(ui->buttonFactoryDefault);

    if (factoryDefaultSucceeded(output))
        QMessageBox::information(this, windowTitle(), QStringLiteral("==== SUCCESS ===="), QMessageBox::Ok,
                                 QMessageBox::NoButton);
    else
        showResult(errorText(output, false));
}
