#include "widget.h"

#include "banner.h"
#include "devicelistview.h"
#include "mnemonicclick.h"
#include "operations/dialogdeviceinfo.h"
#include "rowdelegate.h"
#include "screen.h"
#include "tool/discovery.h"
#include "tool/selection.h"
#include "ui_widget.h"

#include <QApplication>
#include <QDesktopWidget>
#include <QMessageBox>
#include <QTimer>

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
    // Nothing is selected yet: a screen reader would read the template's placeholders.
    ui->labelDeviceBanner->clear();
    ui->stackedWidget->setCurrentIndex(0);
    ui->listDevice->setModel(&deviceModel);
    ui->listDevice->setItemDelegate(new DeviceRowDelegate(ui->listDevice));
    new MnemonicClick(this);
    // The keys select a row as a click does; Return goes on as a double click does.
    connect(ui->listDevice, &DeviceListView::rowChosenByKey, this, &Widget::on_listDevice_clicked);
    connect(ui->listDevice, &DeviceListView::rowActivatedByKey, this, [this](const QModelIndex &index) {
        on_listDevice_clicked(index);
        ui->buttonConfigure->click();
    });

    action.setWhenDone([this] { tellLogFailure(); });
    EventLog &log = deviceSession.log();
    if (!deviceSession.startLog(QStringLiteral("Tandrel.log"), QStringLiteral("Tandrel.previous.log")))
        QMessageBox::warning(this, windowTitle(), logOpenFailedText(log.path(), log.errorString()),
                             QMessageBox::Ok, QMessageBox::NoButton);
}

Widget::~Widget()
{
    recordEnd();
    deviceSession.log().close();
    delete ui;
}

void Widget::wait(QProcess *process, const QDeadlineTimer &deadline)
{
    action.wait(process, deadline);
}

void Widget::breathe()
{
    action.breathe();
}

void Widget::batchRunEnded(const RunStatus &status)
{
    if (status.error == QProcess::FailedToStart)
        QMessageBox::critical(this, windowTitle(), QStringLiteral("Failed to emit pwlctl.exe!"),
                              QMessageBox::Ok, QMessageBox::NoButton);
    else if (status.error == QProcess::Crashed)
        QMessageBox::critical(this, windowTitle(), QStringLiteral("pwlctl.exe crashed!"), QMessageBox::Ok,
                              QMessageBox::NoButton);
}

void Widget::logWriteFailed()
{
    // Never in the middle of a tool run: at the end of the action, or once the loop turns.
    if (!action.inProgress())
        QTimer::singleShot(0, this, &Widget::tellLogFailure);
}

void Widget::tellLogFailure()
{
    EventLog &log = deviceSession.log();
    if (action.inProgress() || deviceSession.endRecorded() || !log.takeWriteFailure())
        return;
    QMessageBox::warning(this, windowTitle(), logWriteFailedText(log.path(), log.errorString()),
                         QMessageBox::Ok, QMessageBox::NoButton);
}

bool Widget::allowSessionEnd()
{
    // Not the user's close: a session that goes on after all leaves Tandrel as it was.
    if (action.inProgress())
        return false;
    close();
    return true;
}

bool Widget::recordEnd()
{
    deviceSession.recordEnd(action.inProgress());
    return !action.inProgress();
}

void Widget::on_buttonScan_clicked()
{
    scanDevices();
}

void Widget::scanDevices()
{
    const CurrentAction::Scope scope(action);
    ui->listDevice->setEnabled(false);
    ui->buttonConfigure->setEnabled(false);
    deviceModel.setStringList({});
    action.enterBusy(ui->buttonScan);

    deviceSession.scanDevices();

    action.leaveBusy(ui->buttonScan);
    ui->listDevice->setEnabled(true);
    QStringList rows;
    for (const DeviceRecord &device : deviceSession.devices())
        rows.append(deviceRow(device));
    deviceModel.setStringList(rows);
    action.setFocusAfter(ui->listDevice);
    focusDeviceList();
}

void Widget::on_listDevice_clicked(const QModelIndex &index)
{
    deviceSession.selectRow(index.data(Qt::DisplayRole).toString());
    const DeviceRecord selected = deviceSession.selectedDevice();
    if (!selected.address.isEmpty())
        ui->buttonConfigure->setEnabled(true);
    ui->labelDeviceBanner->setText(fillBanner(bannerTemplate, selected.hfid));
}

void Widget::on_buttonConfigure_clicked()
{
    pageHistory.push(ui->page_4_1);
    ui->stackedWidget->setCurrentWidget(ui->page_5);
    ui->buttonRestart->setFocus(Qt::OtherFocusReason);
}

void Widget::on_buttonBack_5_clicked()
{
    // Only Configure leads away from the list, so the history is never empty here.
    ui->stackedWidget->setCurrentWidget(pageHistory.isEmpty() ? ui->page_4_1 : pageHistory.pop());
    focusDeviceList();
}

void Widget::focusDeviceList()
{
    QItemSelectionModel *selection = ui->listDevice->selectionModel();
    QModelIndex row = selection->selectedIndexes().value(0);
    const QString selected = deviceSession.selectedDevice().address;
    if (!row.isValid() && !selected.isEmpty())
        row = deviceModel.index(lastRowOf(deviceModel.stringList(), selected));
    // Current, not selected: after a scan the user chooses the adapter again.
    if (row.isValid())
        selection->setCurrentIndex(row, QItemSelectionModel::NoUpdate);
    ui->listDevice->setFocus(Qt::OtherFocusReason);
}

void Widget::showResult(const QString &text, bool fitToText)
{
    auto *window = new DialogDeviceInfo(this);
    window->setText(text);
    if (fitToText)
        window->adjustSize();
    window->show();
}
