#include "app/widget.h"
#include "commands.h"
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

    ToolRun run =
        deviceRun({QStringLiteral("set_npw"), password, QStringLiteral("secure"), QStringLiteral("set_key")},
                  toolLimits.longMs);
    // The log is what users send to whoever helps them: the password stays out of it.
    run.secret = password;
    run.busyButton = ui->buttonChangeKey;
    const QString output = runTool(process, run);
    showResult(output);
}
