#pragma once

#include "app/widget.h"

#include <QListView>
#include <QProcess>
#include <QPushButton>
#include <QTest>

// The tests' view of the main window's state.
class WidgetProbe
{
public:
    explicit WidgetProbe(Widget &window) : w(window) {}

    QString interfaceAddress() const { return w.interfaceAddress; }
    DeviceRecord selectedDevice() const { return w.selectedDevice; }
    DeviceList deviceList() const { return w.deviceList; }
    QStringList rows() const { return w.deviceModel.stringList(); }
    QString firmwarePath() const { return w.firmwarePath; }
    QString bannerTemplate() const { return w.bannerTemplate; }
    QList<QString> localAddresses() const { return w.localAddresses; }
    int historyDepth() const { return w.pageHistory.size(); }

    void setLocalAddresses(const QList<QString> &addresses) { w.localAddresses = addresses; }
    void setLimits(const ToolLimits &limits) { w.toolLimits = limits; }
    void scan() { w.scanDevices(); }
    QString runTool(ToolProcess &process, const ToolRun &run) { return w.runTool(process, run); }
    QStringList runToolBatch(const QList<QStringList> &lists, int limitMs) { return w.runToolBatch(lists, limitMs); }

    template <typename T = QWidget>
    T *child(const char *name) const
    {
        return w.findChild<T *>(QLatin1String(name));
    }
    QPushButton *button(const char *name) const { return child<QPushButton>(name); }

    // A mouse click on a row of the device list, as a user selects an adapter.
    void clickRow(int row) const
    {
        auto *list = child<QListView>("listDevice");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualRect(list->model()->index(row, 0)).center());
    }

private:
    Widget &w;
};
