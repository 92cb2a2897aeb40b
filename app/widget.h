#pragma once

#include "currentaction.h"
#include "eventlog.h"
#include "tool/devicerecord.h"
#include "tool/toolrun.h"

#include <QList>
#include <QStack>
#include <QString>
#include <QStringListModel>
#include <QWidget>

namespace Ui {
class Widget;
}

class QModelIndex;
class QPushButton;

// The main window: the device list page, the configuration page of the selected
// adapter, and everything that runs the device tool for them.
class Widget : public QWidget
{
    Q_OBJECT

public:
    explicit Widget(QWidget *parent = nullptr);
    ~Widget() override;

    // Writes one time-stamped record to the event log; does nothing when it is not open.
    void appendLog(const QString &message);

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

private:
    // The warning that records could not be written, once the action in progress is done.
    void tellLogFailure();

    // Puts the focus on the device list, on the selected adapter's row when there is one.
    void focusDeviceList();

    // Running the tool (toolbridge.cpp): one run, with its status when asked for, or a batch.
    QString runTool(ToolProcess &process, const ToolRun &run, RunStatus *status = nullptr);
    QStringList runToolBatch(const QList<QStringList> &argumentLists, int timeLimitMs);

    // Discovery (scan.cpp).
    void scanDevices();

    // Device operations (operations/).
    void runFactoryDefault();
    void restoreConfiguration(ToolProcess &process, const QString &hfidPrefix);
    // Asks the adapter for its HFID, at the pace of askAgainMs, until it reports one or the
    // deadline passes; the last answer. An adapter that was just told to restart is given a
    // pause first: it may still answer before it goes away.
    QString askUntilBack(ToolProcess &process, const QDeadlineTimer &backBy, bool pauseFirst);
    void showResult(const QString &text, bool fitToText = false);
    // A run of the tool for the selected adapter, through the scan interface.
    ToolRun deviceRun(const QStringList &subcommand, int timeLimitMs) const;

    Ui::Widget *ui;
    QStack<QWidget *> pageHistory;
    EventLog logFile;
    QString interfaceAddress;
    DeviceRecord selectedDevice;
    QString bannerTemplate;
    QString firmwarePath;
    DeviceList deviceList;
    QList<QString> localAddresses;
    QStringListModel deviceModel;
    ToolLimits toolLimits;
    CurrentAction action{*this};
    bool endRecorded = false;
    QStringList runningCommands; // the tool's command lines under way, as the log shows them

    friend class WidgetProbe; // the tests' view of the window's state
};
