#include "widget.h"

#include "devicelistview.h"
#include "eventlog.h"
#include "mnemonicclick.h"
#include "rowdelegate.h"
#include "screen.h"
#include "tool/selection.h"
#include "ui_widget.h"

#include <QApplication>
#include <QDesktopWidget>
#include <QMessageBox>
#include <QNetworkInterface>
#include <QTimer>

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
    if (!logFile.open(QStringLiteral("Tandrel.log"), QStringLiteral("Tandrel.previous.log")))
        QMessageBox::warning(this, windowTitle(), logOpenFailedText(logFile.path(), logFile.errorString()),
                             QMessageBox::Ok, QMessageBox::NoButton);
    appendLog(QStringLiteral("==== Tandrel started ===="));
    if (!logFile.previousNotKept().isEmpty())
        appendLog(logFile.previousNotKept());

    localAddresses = localHardwareAddresses();
    scanDevices();
}

Widget::~Widget()
{
    recordEnd();
    logFile.close();
    delete ui;
}

void Widget::appendLog(const QString &message)
{
    logFile.append(message);
    // Never in the middle of a tool run: at the end of the action, or once the loop turns.
    if (logFile.writeFailureToTell() && !action.inProgress())
        QTimer::singleShot(0, this, &Widget::tellLogFailure);
}

void Widget::tellLogFailure()
{
    if (action.inProgress() || endRecorded || !logFile.takeWriteFailure())
        return;
    QMessageBox::warning(this, windowTitle(), logWriteFailedText(logFile.path(), logFile.errorString()),
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
    if (endRecorded)
        return !action.inProgress();
    endRecorded = true;
    // The session ends with the tool at work: Windows ends Tandrel once this returns.
    if (!runningCommands.isEmpty())
        appendLog(QStringLiteral("The session is ending in the middle of a run: ") +
                  runningCommands.join(QStringLiteral("; ")));
    else if (action.inProgress())
        appendLog(QStringLiteral("The session is ending in the middle of an action."));
    else
        appendLog(QStringLiteral("==== Tandrel closed ===="));
    return !action.inProgress();
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
    if (!row.isValid() && !selectedDevice.address.isEmpty())
        row = deviceModel.index(lastRowOf(deviceModel.stringList(), selectedDevice.address));
    // Current, not selected: after a scan the user chooses the adapter again.
    if (row.isValid())
        selection->setCurrentIndex(row, QItemSelectionModel::NoUpdate);
    ui->listDevice->setFocus(Qt::OtherFocusReason);
}
