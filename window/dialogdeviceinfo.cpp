#include "dialogdeviceinfo.h"

#include "device/hfid.h"
#include "ui_dialogdeviceinfo.h"

QString resultWindowText(const QString &text, int maxChars)
{
    if (text.size() <= maxChars)
        return text;
    QString shown = leftWholeCharacters(text, maxChars);
    const int lineEnd = shown.lastIndexOf(QLatin1Char('\n'));
    if (lineEnd >= maxChars / 2)
        shown.truncate(lineEnd + 1);
    if (!shown.endsWith(QLatin1Char('\n')))
        shown += QLatin1Char('\n');
    return shown + QStringLiteral("[The output goes on. The whole of it is in Tandrel.log.]");
}

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
