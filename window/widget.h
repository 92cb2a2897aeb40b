#pragma once

#include "currentaction.h"
#include "device/adapteractions.h"
#include "device/devicesession.h"
#include "devicelistmodel.h"

#include <QStack>
#include <QWidget>

#include <functional>

namespace Ui {
class Widget;
}

class QModelIndex;
class QPushButton;

// The main window: the device list page and the configuration page of the selected adapter,
// above the session that runs the device tool for them and the actions on an adapter. It
// opens the event log; the first scan is its owner's to start.
class Widget : public QWidget, private DeviceSession::Host
{
    Q_OBJECT

public:
    explicit Widget(QWidget *parent = nullptr);
    ~Widget() override;

    // The session below the window: its event log, its limits, the adapters and the runs.
    DeviceSession &session() { return deviceSession; }

    // The clock that the busy captions count an action's time on; a test drives its own.
    void setActionClock(const ActionClock *clock) { action.setClock(clock); }

    // Scans for adapters, as the Scan button does.
    void scanDevices();

    // The system asks to end the session (shut down, restart, sign out). In the middle of an
    // action Tandrel refuses, and stays as it is if the session goes on; otherwise the window
    // closes now, as on a close. Whether the session may end.
    bool allowSessionEnd();
    // The application ends, normally or because the session does: the last record. Whether
    // Tandrel ends cleanly, with no action in progress.
    bool recordEnd();

private slots:
    void on_buttonBack_5_clicked();
    void on_listDevice_clicked(const QModelIndex &index);
    void on_buttonScan_clicked();
    void on_buttonConfigure_clicked();
    void on_buttonShowDeviceInfo_clicked();
    void on_buttonFactoryDefault_clicked();
    void on_buttonFirmwareUpgrade_clicked();
    void on_buttonSimpleConnect_clicked();
    void on_buttonChangeKey_clicked();
    void on_buttonRestart_clicked();
    void on_buttonRename_clicked();

private:
    // What the session asks of the window.
    void wait(ToolProcess *process, qint64 until) override;
    void breathe() override;
    void batchRunEnded(const RunStatus &status) override;
    void logWriteFailed() override;
    bool endsAfterAction() override { return action.closeRequested(); }

    // The warning that records could not be written, once the action in progress is done.
    void tellLogFailure();

    // Puts the focus on a row of the device list: the selected adapter's row where it is listed,
    // else the first.
    void focusDeviceList();
    // The rows of the adapters that the last scan found; as after every scan, the user
    // chooses an adapter again before Configure.
    void showDevices();
    // The selected adapter's banner, and the name of its configuration page, which a screen
    // reader says as the focus enters the page.
    void showBanner();

    void runFactoryDefault();
    // What an action does to the adapter it is given: one call below the window.
    using Action = std::function<ActionResult(AdapterActions &actions, const DeviceRecord &adapter)>;
    // Where the window is when an action is done: where it was, or back on the device list,
    // its button busy until its outcome is shown there.
    enum class Afterwards { Stay, BackToList };
    // One action of the configuration page on the selected adapter: its button busy while the
    // tool runs, then what it came to, shown (showOutcome). The action lasts until its box or
    // result window is shown; the reason is what Windows shows for why the session cannot end
    // meanwhile, when it has a better one.
    void perform(QPushButton *button, const Action &work, const QString &sessionEndReason = QString(),
                 Afterwards afterwards = Afterwards::Stay);

    Ui::Widget *ui;
    DeviceSession deviceSession{this};
    AdapterActions actions{deviceSession};
    QStack<QWidget *> pageHistory;
    QString bannerTemplate;
    QString firmwarePath;
    DeviceListModel deviceModel;
    CurrentAction action{*this};
};
