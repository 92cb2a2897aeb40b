#include "outcome.h"

#include "dialogdeviceinfo.h"

#include <QWidget>

void tell(QWidget *window, QMessageBox::Icon icon, const QString &text)
{
    const QString title = window->windowTitle();
    if (icon == QMessageBox::Critical)
        QMessageBox::critical(window, title, text, QMessageBox::Ok, QMessageBox::NoButton);
    else if (icon == QMessageBox::Warning)
        QMessageBox::warning(window, title, text, QMessageBox::Ok, QMessageBox::NoButton);
    else
        QMessageBox::information(window, title, text, QMessageBox::Ok, QMessageBox::NoButton);
}

void showOutcome(QWidget *window, const ActionResult &result, bool closing)
{
    if (result.report == ActionResult::Report::Message) {
        tell(window, QMessageBox::Information, result.text);
    } else if (result.report != ActionResult::Report::None) {
        // A new window each time, beside the ones before; it lives as long as the main window.
        auto *report = new DialogDeviceInfo(window);
        report->setText(result.text);
        if (result.report == ActionResult::Report::FullReport)
            report->adjustSize();
        if (closing)
            report->exec();
        else
            report->show();
    }
}
