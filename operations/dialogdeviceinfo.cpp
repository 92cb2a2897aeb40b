#include "dialogdeviceinfo.h"

#include "app/widget.h"
#include "commands.h"
#include "ui_dialogdeviceinfo.h"

DialogDeviceInfo::DialogDeviceInfo(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::DialogDeviceInfo)
{
    ui->setupUi(this);
}

DialogDeviceInfo::~DialogDeviceInfo()
{
    delete ui;
}

void DialogDeviceInfo::on_buttonOK_clicked()
{
    // Only hides the window; it lives on with the main window.
    close();
}

void Widget::showResult(const QString &text, bool fitToText)
{
    auto *window = new DialogDeviceInfo(this);
    // A text of megabytes would freeze the window while it is laid out.
    window->ui->plainTextEdit->setPlainText(resultWindowText(text));
    if (fitToText)
        window->adjustSize();
    // A keyboard or screen reader user reads the text line by line.
    window->ui->plainTextEdit->setFocus(Qt::OtherFocusReason);
    window->show();
}

ToolRun Widget::deviceRun(const QStringList &subcommand, int timeLimitMs) const
{
    ToolRun run;
    run.arguments = deviceCommand(interfaceAddress, subcommand, selectedDevice.address);
    run.timeLimitMs = timeLimitMs;
    return run;
}
