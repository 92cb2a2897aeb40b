#pragma once

#include "window/widget.h"

#include <QListView>
#include <QPushButton>
#include <QStringListModel>
#include <QTest>

// A look at the main window through its session and the form's object names.
class WindowProbe
{
public:
    explicit WindowProbe(Widget &window)
        : w(window)
    {}

    DeviceSession &session() const { return w.session(); }
    // The rows that the device list shows.
    QStringList rows() const
    {
        return qobject_cast<QStringListModel *>(child<QListView>("listDevice")->model())->stringList();
    }

    template <typename T = QWidget> T *child(const char *name) const
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
