#include "widget.h"

#include "banner.h"
#include "device/adaptername.h"
#include "device/networkkey.h"
#include "device/networkupgrade.h"
#include "device/selection.h"
#include "devicelistview.h"
#include "mnemonicclick.h"
#include "nameprompt.h"
#include "networkpasswordprompt.h"
#include "rowdelegate.h"
#include "screen.h"
#include "ui_widget.h"
#include "upgradescopeprompt.h"
#include "window/dialogdeviceinfo.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QDesktopWidget>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>

#include <optional>

namespace {

// The configuration page is a group named for its adapter: a screen reader says that name as the
// focus enters the page, before the action that has the focus.
QAccessibleInterface *pageAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("QWidget") && object && object->objectName() == QLatin1String("page_5"))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Grouping);
    return nullptr;
}

} // namespace

Widget::Widget(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::Widget)
{
    static const bool pageFactoryInstalled = [] {
        QAccessible::installFactory(pageAccessible);
        return true;
    }();
    Q_UNUSED(pageFactoryInstalled)
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

void Widget::wait(ToolProcess *process, qint64 until)
{
    action.wait(process, QDeadlineTimer(qMax<qint64>(0, until - now())));
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
    deviceModel.setDevices({});
    {
        const CurrentAction::Busy busy(action, ui->buttonScan);
        deviceSession.scanDevices();
        ui->listDevice->setEnabled(true);
        showDevices();
        action.setFocusAfter(ui->listDevice);
        // On a row before Scan is given back its focus, which a screen reader would read out first.
        focusDeviceList();
    }
}

void Widget::on_listDevice_clicked(const QModelIndex &index)
{
    deviceSession.selectRow(index.data(Qt::DisplayRole).toString());
    if (!deviceSession.selectedDevice().address.isEmpty())
        ui->buttonConfigure->setEnabled(true);
    showBanner();
}

void Widget::showDevices()
{
    ui->buttonConfigure->setEnabled(false);
    deviceModel.setDevices(deviceSession.devices());
}

void Widget::showBanner()
{
    const DeviceRecord selected = deviceSession.selectedDevice();
    ui->labelDeviceBanner->setText(fillBanner(bannerTemplate, selected.hfid));
    ui->page_5->setAccessibleName(adapterHeard(selected.hfid, selected.address));
}

void Widget::on_buttonConfigure_clicked()
{
    // The page is named for its adapter since the selection (showBanner). On the first action before the page
    // shows: the toolkit would otherwise hand the focus to Back on the way, and a screen reader would begin
    // with Back, not with the adapter.
    ui->buttonRestart->setFocus(Qt::OtherFocusReason);
    pageHistory.push(ui->page_4_1);
    ui->stackedWidget->setCurrentWidget(ui->page_5);
}

void Widget::on_buttonBack_5_clicked()
{
    // Only Configure leads away from the list, so the history is never empty here.
    ui->stackedWidget->setCurrentWidget(pageHistory.isEmpty() ? ui->page_4_1 : pageHistory.pop());
    focusDeviceList();
}

void Widget::focusDeviceList()
{
    QModelIndex row = ui->listDevice->selectionModel()->selectedIndexes().value(0);
    const QString selected = deviceSession.selectedDevice().address;
    if (!row.isValid() && !selected.isEmpty())
        row = deviceModel.index(lastRowOf(deviceModel.stringList(), selected));
    if (!row.isValid())
        row = deviceModel.index(0);
    // Current, not selected, after a scan: the user chooses the adapter again.
    ui->listDevice->focusRow(row);
}

void Widget::on_buttonShowDeviceInfo_clicked()
{
    perform(ui->buttonShowDeviceInfo, [this] { return actions.deviceInformation(); });
}

void Widget::on_buttonFactoryDefault_clicked()
{
    runFactoryDefault();
}

void Widget::runFactoryDefault()
{
    const DeviceRecord adapter = deviceSession.selectedDevice();
    perform(ui->buttonFactoryDefault, [this, adapter] { return actions.factoryDefault(adapter); });
}

void Widget::on_buttonFirmwareUpgrade_clicked()
{
    const QString path = QFileDialog::getOpenFileName(this, windowTitle(), firmwarePath);
    if (path.isEmpty())
        return;
    firmwarePath = path;
    const bool keep = QMessageBox::information(
                          this, windowTitle(), QStringLiteral("Keep current configuration?"),
                          QMessageBox::Yes | QMessageBox::No, QMessageBox::NoButton) == QMessageBox::Yes;
    const DeviceRecord adapter = deviceSession.selectedDevice();
    const DeviceList sameModel = adaptersOfModel(deviceSession.devices(), adapter);
    const auto scope =
        sameModel.size() < 2
            ? UpgradeScopePrompt::Scope::ThisAdapter
            : UpgradeScopePrompt(this, adapter, sameModel, computerAdapterAddress(deviceSession.devices()))
                  .ask();
    if (scope == UpgradeScopePrompt::Scope::Cancelled)
        return;
    if (scope == UpgradeScopePrompt::Scope::EveryAdapter) {
        perform(
            ui->buttonFirmwareUpgrade,
            [=] {
                return upgradeEveryAdapterOfModel(
                    deviceSession, actions, adapter, path, keep,
                    [this](int step, int steps) { action.setProgress(step, steps); });
            },
            NetworkUpgrade::sessionEndReason(), Afterwards::BackToList);
        return;
    }
    perform(
        ui->buttonFirmwareUpgrade, [=] { return actions.upgradeFirmware(adapter, path, keep); },
        QStringLiteral(
            "A firmware upgrade is in progress. Ending the session now can leave the adapter unusable."),
        Afterwards::BackToList);
}

void Widget::on_buttonRestart_clicked()
{
    // The button stays busy while the adapter is away.
    perform(ui->buttonRestart, [this] { return actions.restart(); });
}

void Widget::on_buttonRename_clicked()
{
    const QString hfid = deviceSession.selectedDevice().hfid;
    const QString manufacturerHfid = hfidWithoutName(hfid);
    // No name that fits an adapter is longer: a longer one is refused all the same.
    QString name = leftWholeCharacters(extractHfidPrefix(hfid), maxHfidBytes);
    for (;;) {
        NamePrompt prompt(this, name, manufacturerHfid);
        if (prompt.exec() != QDialog::Accepted)
            return;
        name = prompt.textValue().trimmed();
        const QString refusal = nameRefusal(name, manufacturerHfid);
        if (refusal.isEmpty())
            break;
        // Asked again, with what was typed.
        QMessageBox::warning(this, windowTitle(), refusal, QMessageBox::Ok, QMessageBox::NoButton);
    }
    perform(ui->buttonRename, [this, name] { return actions.rename(name); });
}

void Widget::on_buttonSimpleConnect_clicked()
{
    perform(ui->buttonSimpleConnect, [this] { return actions.simpleConnect(); });
}

void Widget::on_buttonChangeKey_clicked()
{
    // Every adapter is offered only where the order that keeps the network whole is known.
    const bool orderKnown =
        !networkInSafeOrder(deviceSession.devices(), deviceSession.interfaceAddress()).isEmpty();
    NetworkPasswordPrompt prompt(this, orderKnown);
    if (prompt.exec() != QDialog::Accepted)
        return;
    const QString password = prompt.password();
    if (!prompt.everyAdapter()) {
        perform(ui->buttonChangeKey, [this, password] { return actions.changeKey(password); });
        return;
    }
    perform(
        ui->buttonChangeKey,
        [this, password] {
            return actions.changeKeyOnEveryAdapter(
                password, [this](int step, int steps) { action.setProgress(step, steps); });
        },
        QStringLiteral("The network password is being changed on every adapter. Ending the session now can "
                       "split the network."));
}

void Widget::perform(QPushButton *button, const std::function<ActionResult()> &work,
                     const QString &sessionEndReason, Afterwards afterwards)
{
    const CurrentAction::Scope scope(action, sessionEndReason);
    std::optional<CurrentAction::Busy> busy(std::in_place, action, button);
    const ActionResult result = work();
    // An action that leads back to the list keeps its button busy until its outcome is shown.
    if (afterwards == Afterwards::Stay)
        busy.reset();
    if (result.rescanned) {
        // As after a scan: the rows anew, and the adapter chosen again before Configure; the
        // selected adapter's page as it reports itself now.
        showDevices();
        showBanner();
    }
    if (afterwards == Afterwards::BackToList) {
        // On a row, as after a scan, and there once the action is done.
        on_buttonBack_5_clicked();
        action.setFocusAfter(ui->listDevice);
    }
    showOutcome(result);
}

void Widget::showOutcome(const ActionResult &result)
{
    if (result.shown == ActionResult::Shown::Box) {
        QMessageBox::information(this, windowTitle(), result.text, QMessageBox::Ok, QMessageBox::NoButton);
    } else if (result.shown == ActionResult::Shown::ResultWindow) {
        // A new window each time, beside the ones before; it lives as long as the main window.
        auto *window = new DialogDeviceInfo(this);
        window->setText(result.text);
        if (result.fitToText)
            window->adjustSize();
        window->show();
    }
}
