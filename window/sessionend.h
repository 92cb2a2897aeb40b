#pragma once

#include <QCoreApplication>
#include <QString>

class QWidget;

// While an action runs, Windows is asked not to end the session (shut down, restart, sign
// out), with the reason that its "apps are preventing shutdown" screen shows beside the
// program's name; then it is let again. Elsewhere there is nothing to do.
void holdSessionEnd(QWidget &window, const QString &reason);
void releaseSessionEnd(QWidget &window);

// The session end held off for as long as this lives, with the action's reason or, without
// one, that Tandrel waits for the tool.
class SessionEndHold
{
public:
    SessionEndHold(QWidget &window, const QString &reason)
        : window(window)
    {
        holdSessionEnd(window, reason.isEmpty() ? QCoreApplication::translate(
                                                      "SessionEnd", "Tandrel is waiting for pwlctl.exe "
                                                                    "to finish with an adapter.")
                                                : reason);
    }
    ~SessionEndHold() { releaseSessionEnd(window); }
    SessionEndHold(const SessionEndHold &) = delete;
    SessionEndHold &operator=(const SessionEndHold &) = delete;

private:
    QWidget &window;
};
