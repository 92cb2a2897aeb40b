#include "closewait.h"

#include <QEvent>
#include <QWidget>

CloseWait::CloseWait(QWidget &window, std::function<void()> requested)
    : window(window)
    , told(std::move(requested))
{}

void CloseWait::arm()
{
    window.installEventFilter(this);
}

void CloseWait::disarm()
{
    window.removeEventFilter(this);
}

bool CloseWait::closeIfRequested()
{
    if (!closing)
        return false;
    closing = false;
    window.close();
    return true;
}

bool CloseWait::eventFilter(QObject *watched, QEvent *event)
{
    // The close button, Alt+F4, the window manager's request and a close of the program's own.
    if (watched != &window || event->type() != QEvent::Close)
        return false;
    event->ignore();
    closing = true;
    told();
    return true;
}
