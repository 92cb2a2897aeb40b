#pragma once

#include "device/adapteractions.h"

#include <QMessageBox>
#include <QString>

class QWidget;

// How the window tells the user something: a message box with the window's title and one OK.
void tell(QWidget *window, QMessageBox::Icon icon, const QString &text);

// What an action came to, as the window shows it: a message in an information box (modal), a
// report in a result window of its own beside the window (at the size of its text when it is
// read whole), or nothing. A window that closes once the action is done (closing) waits until
// its report has been read: the report is modal then.
void showOutcome(QWidget *window, const ActionResult &result, bool closing = false);
