#pragma once

#include <QObject>

class QDeadlineTimer;
class ToolProcess;

// Drops the clicks, keys and wheel turns that arrive while the action in progress waits for a
// tool, so that none is played back afterwards: the window is drawn and answers the window
// system meanwhile, but must not act.
class InputBlocker : public QObject
{
public:
    // Watches the application's input for as long as an action is in progress.
    void arm();
    void disarm();

    // Waits for a tool run until it ends or the deadline passes; without a process, until the
    // deadline. Input that arrives meanwhile is dropped.
    void wait(ToolProcess *process, const QDeadlineTimer &deadline);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool dropping = false;
};
