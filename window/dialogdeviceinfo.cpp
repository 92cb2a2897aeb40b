#include "dialogdeviceinfo.h"

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

void DialogDeviceInfo::setText(const QString &text)
{
    // A text of megabytes would freeze the window while it is laid out.
    ui->plainTextEdit->setPlainText(resultWindowText(text));
    ui->plainTextEdit->setFocus(Qt::OtherFocusReason);
}

void DialogDeviceInfo::on_buttonOK_clicked()
{
    // Only hides the window; it lives on with the main window.
    close();
}
