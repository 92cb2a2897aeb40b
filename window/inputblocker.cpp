#include "inputblocker.h"

#include "device/toolrun.h"

#include <QCoreApplication>
#include <QEvent>

void InputBlocker::arm()
{
    // The input reaches every window through the application, a result window's as well.
    QCoreApplication::instance()->installEventFilter(this);
}

void InputBlocker::disarm()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

void InputBlocker::wait(ToolProcess *process, const QDeadlineTimer &deadline)
{
    dropping = true;
    waitForRun(process, deadline);
    // Input still on its way from the window system was made during the wait as well.
    QCoreApplication::processEvents();
    dropping = false;
}

bool InputBlocker::eventFilter(QObject *, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
        if (!dropping)
            return false;
        // Aimed at a window that must not act now, and accepted so that a key press reaches
        // neither a widget nor a shortcut.
        event->accept();
        return true;
    default:
        return false;
    }
}
