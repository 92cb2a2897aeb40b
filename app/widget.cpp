#include "widget.h"

#include "eventlog.h"
#include "screen.h"
#include "tool/rowdelegate.h"
#include "ui_widget.h"

#include <QApplication>
#include <QDesktopWidget>
#include <QFileInfo>
#include <QMessageBox>
#include <QNetworkInterface>

static QList<QString> localHardwareAddresses()
{
    QList<QString> addresses;
    const auto interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &networkInterface : interfaces) {
        const QString address = networkInterface.hardwareAddress();
        // Six colon-separated pairs; the tool takes nothing else.
        if (address.length() == 17)
            addresses.append(address);
    }
    return addresses;
}

Widget::Widget(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::Widget)
{
    ui->setupUi(this);
    ui->buttonShowDeviceInfo->hide();

    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    const QRect screen = QApplication::desktop()->screenGeometry(this);
    QT_WARNING_POP
    // On a high-DPI screen the layout can need more than half of it: it gets what it needs.
    resize(halfScreenSize(screen).expandedTo(minimumSizeHint()));

    bannerTemplate = ui->labelDeviceBanner->text();
    ui->stackedWidget->setCurrentIndex(0);
    ui->listDevice->setModel(&deviceModel);
    ui->listDevice->setItemDelegate(new DeviceRowDelegate(ui->listDevice));

    logFile.setFileName(QStringLiteral("Tandrel.log"));
    // Unbuffered: each record reaches the file in one write, whole (see appendLog).
    if (!logFile.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        QMessageBox::warning(this, windowTitle(),
                             logOpenFailedText(QFileInfo(logFile).absoluteFilePath(), logFile.errorString()),
                             QMessageBox::Ok, QMessageBox::NoButton);
    appendLog(QStringLiteral("==== Tandrel started ===="));

    localAddresses = localHardwareAddresses();
    scanDevices();
}

Widget::~Widget()
{
    appendLog(QStringLiteral("==== Tandrel closed ===="));
    logFile.close();
    delete ui;
}

void Widget::on_buttonConfigure_clicked()
{
    pageHistory.push(ui->page_4_1);
    ui->stackedWidget->setCurrentWidget(ui->page_5);
}

void Widget::on_buttonBack_5_clicked()
{
    // Only Configure leads away from the list, so the history is never empty here.
    ui->stackedWidget->setCurrentWidget(pageHistory.isEmpty() ? ui->page_4_1 : pageHistory.pop());
}
