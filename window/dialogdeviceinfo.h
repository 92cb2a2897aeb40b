#pragma once

#include <QDialog>
#include <QString>

namespace Ui {
class DialogDeviceInfo;
}

// What a result window shows of a text: all of it when it is short; otherwise its beginning,
// cut at a line end when one is near, and a last line that points to the event log.
QString resultWindowText(const QString &text, int maxChars = 65536);

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
