#include "app/widget.h"
#include "ui_widget.h"

#include <QInputDialog>

void Widget::on_buttonChangeKey_clicked()
{
    ToolProcess process;
    const QString password = QInputDialog::getText(this, QString(), QStringLiteral("Enter Password"),
                                                   QLineEdit::Normal, QString());
    if (password.isEmpty())
        return;
    const CurrentAction::Scope scope(action);

    ToolRun run = deviceSession.deviceRun(
        {QStringLiteral("set_npw"), password, QStringLiteral("secure"), QStringLiteral("set_key")},
        deviceSession.limits().longMs);
    // The log is what users send to whoever helps them: the password stays out of it.
    run.secret = password;
    action.enterBusy(ui->buttonChangeKey);
    const QString output = deviceSession.runTool(process, run);
    action.leaveBusy(ui->buttonChangeKey);
    showResult(output);
}
