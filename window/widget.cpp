#include "widget.h"

#include "device/adaptername.h"
#include "device/banner.h"
#include "device/networkkey.h"
#include "device/networkupgrade.h"
#include "devicelistview.h"
#include "mnemonicclick.h"
#include "nameprompt.h"
#include "networkpasswordprompt.h"
#include "outcome.h"
#include "pageaccessible.h"
#include "rowdelegate.h"
#include "screen.h"
#include "ui_widget.h"
#include "upgradescopeprompt.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>

#include <optional>

Widget::Widget(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::Widget)
{
    installPageAccessibility();
    ui->setupUi(this);
    ui->buttonShowDeviceInfo->hide();

    resize(startSize(*this));

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
        tell(this, QMessageBox::Warning, logOpenFailedText(log.path(), log.errorString()));
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
        tell(this, QMessageBox::Critical, tr("Failed to emit pwlctl.exe!"));
    else if (status.error == QProcess::Crashed)
        tell(this, QMessageBox::Critical, tr("pwlctl.exe crashed!"));
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
    tell(this, QMessageBox::Warning, logWriteFailedText(log.path(), log.errorString()));
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
    deviceSession.selectRow(index.row());
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
        row = deviceModel.index(deviceModel.lastRowOf(selected));
    if (!row.isValid())
        row = deviceModel.index(0);
    // Current, not selected, after a scan: the user chooses the adapter again.
    ui->listDevice->focusRow(row);
}

void Widget::on_buttonShowDeviceInfo_clicked()
{
    perform(ui->buttonShowDeviceInfo, &AdapterActions::deviceInformation);
}

void Widget::on_buttonFactoryDefault_clicked()
{
    runFactoryDefault();
}

void Widget::runFactoryDefault()
{
    perform(ui->buttonFactoryDefault, &AdapterActions::factoryDefault);
}

void Widget::on_buttonFirmwareUpgrade_clicked()
{
    const QString path = QFileDialog::getOpenFileName(this, windowTitle(), firmwarePath);
    if (path.isEmpty())
        return;
    firmwarePath = path;
    const bool keep = QMessageBox::information(this, windowTitle(), tr("Keep current configuration?"),
                                               QMessageBox::Yes | QMessageBox::No,
                                               QMessageBox::NoButton) == QMessageBox::Yes;
    const auto scope =
        UpgradeScopePrompt::askFor(this, deviceSession.devices(), deviceSession.selectedDevice());
    if (scope == UpgradeScopePrompt::Scope::Cancelled)
        return;
    const bool everyAdapter = scope == UpgradeScopePrompt::Scope::EveryAdapter;
    const auto progress = [this](int step, int steps) { action.setProgress(step, steps); };
    const auto upgrade = [=](AdapterActions &actions, const DeviceRecord &adapter) {
        return everyAdapter
                   ? upgradeEveryAdapterOfModel(deviceSession, actions, adapter, path, keep, progress)
                   : actions.upgradeFirmware(adapter, path, keep);
    };
    perform(ui->buttonFirmwareUpgrade, upgrade,
            everyAdapter ? NetworkUpgrade::sessionEndReason()
                         : tr("A firmware upgrade is in progress. Ending the session now can leave "
                              "the adapter unusable."),
            Afterwards::BackToList);
}

void Widget::on_buttonRestart_clicked()
{
    // The button stays busy while the adapter is away.
    perform(ui->buttonRestart, &AdapterActions::restart);
}

void Widget::on_buttonRename_clicked()
{
    const NameChoice choice = nameChoice(deviceSession.selectedDevice().hfid);
    QString typed = choice.name;
    QString name;
    for (bool askedAgain = false;; askedAgain = true) {
        NamePrompt prompt(this, typed, choice.manufacturerHfid, askedAgain);
        if (prompt.exec() != QDialog::Accepted)
            return;
        typed = prompt.textValue();
        name = typed.trimmed();
        const QString refusal = nameRefusal(name, choice.manufacturerHfid);
        if (refusal.isEmpty())
            break;
        // Asked again, with what was typed.
        tell(this, QMessageBox::Warning, refusal);
    }
    perform(ui->buttonRename, [=](AdapterActions &actions, const DeviceRecord &adapter) {
        return actions.rename(adapter, name);
    });
}

void Widget::on_buttonSimpleConnect_clicked()
{
    perform(ui->buttonSimpleConnect, &AdapterActions::simpleConnect);
}

void Widget::on_buttonChangeKey_clicked()
{
    const QString interfaceAddress = deviceSession.selectedDevice().interfaceAddress;
    // Every adapter is offered only where the order that keeps the network whole is known.
    NetworkPasswordPrompt prompt(this,
                                 !networkInSafeOrder(deviceSession.devices(), interfaceAddress).isEmpty());
    if (prompt.exec() != QDialog::Accepted)
        return;
    const QString password = prompt.password();
    const bool everyAdapter = prompt.everyAdapter();
    const auto progress = [this](int step, int steps) { action.setProgress(step, steps); };
    const auto change = [=](AdapterActions &actions, const DeviceRecord &adapter) {
        return everyAdapter ? actions.changeKeyOnEveryAdapter(adapter, password, progress)
                            : actions.changeKey(adapter, password);
    };
    perform(ui->buttonChangeKey, change,
            everyAdapter ? tr("The network password is being changed on every adapter. Ending the "
                              "session now can split the network.")
                         : QString());
}

void Widget::perform(QPushButton *button, const Action &work, const QString &sessionEndReason,
                     Afterwards afterwards)
{
    const CurrentAction::Scope scope(action, sessionEndReason);
    std::optional<CurrentAction::Busy> busy(std::in_place, action, button);
    const ActionResult result = work(actions, deviceSession.selectedDevice());
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
    showOutcome(this, result, action.closeRequested());
}
