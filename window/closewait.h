#pragma once

#include <QObject>

#include <functional>

class QWidget;

// A request to close the window during an action waits until the action is done: ending in
// the middle of it would leave its tool and the adapter half done, and its records unwritten.
class CloseWait : public QObject
{
public:
    // Told when a close was asked for and is waiting.
    CloseWait(QWidget &window, std::function<void()> requested);

    // Holds the window's closes for as long as an action is in progress.
    void arm();
    void disarm();

    bool requested() const { return closing; }
    // At the action's end: closes the window when that was asked for. Whether it did.
    bool closeIfRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget &window;
    std::function<void()> told;
    bool closing = false;
};
