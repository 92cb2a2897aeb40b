#pragma once

#include "device/texts.h"

#include <QDialog>
#include <QString>

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

    // Shows the text, or its beginning when it is long, and gives it the focus: a keyboard or
    // screen reader user reads it line by line.
    void setText(const QString &text);

private slots:
    void on_buttonOK_clicked();

private:
    Ui::DialogDeviceInfo *ui;
};
