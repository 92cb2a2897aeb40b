#pragma once

#include <QDialog>

namespace Ui {
class DialogDeviceInfo;
}

// A result window: the text that the tool reported for one action.
class DialogDeviceInfo : public QDialog
{
    Q_OBJECT

public:
    explicit DialogDeviceInfo(QWidget *parent = nullptr);
    ~DialogDeviceInfo() override;

    Ui::DialogDeviceInfo *ui;

private slots:
    void on_buttonOK_clicked();
};
