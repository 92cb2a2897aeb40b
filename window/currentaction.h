#pragma once

#include "device/texts.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPair>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <functional>

class BusyFocus;
class QDeadlineTimer;
class QPushButton;
class ToolProcess;
class QWidget;

// The action in progress in a window: everything one user action does, from its first tool
// run to its last box. While it lasts the window is drawn and answers the window system, but
// input that arrives while the tool runs is dropped, its busy buttons count the time, and a
// request to close the window waits until the action is done.
class CurrentAction : public QObject
{
public:
    explicit CurrentAction(QWidget &window);
    ~CurrentAction() override;

    // Whether an action is in progress in the window.
    static bool inProgressIn(const QWidget *window);

    // One action, from its construction to its destruction. Scopes nest: a scan or a factory
    // default that a firmware upgrade runs is part of the upgrade. The reason is what Windows
    // shows for why the session cannot end now, when this action is the one in progress.
    class Scope
    {
    public:
        explicit Scope(CurrentAction &action, const QString &sessionEndReason = QString());
        ~Scope();
        Scope(const Scope &) = delete;
        Scope &operator=(const Scope &) = delete;

    private:
        CurrentAction &action;
    };

    // The busy state of a button, for as long as the guard lives: disabled, with the busy
    // caption; then its own caption and enabled again. The action's end gives back every busy
    // button that is left. Meanwhile the keyboard focus rests on a stand-in for the busy button,
    // which a disabled one cannot hold, and which a screen reader names for the action and its
    // time; the last busy state given back gives the focus back to its button.
    class Busy
    {
    public:
        Busy(CurrentAction &action, QPushButton *button);
        ~Busy();
        Busy(const Busy &) = delete;
        Busy &operator=(const Busy &) = delete;

    private:
        CurrentAction &action;
        QPushButton *button;
    };

    // The window was asked to close during the action; it closes when the action ends.
    bool closeRequested() const { return closing; }
    bool inProgress() const { return depth > 0; }

    // Called when an action is done and the window stays open.
    void setWhenDone(const std::function<void()> &done) { whenDone = done; }

    // Where the keyboard focus goes when the action is done: by default back where it was when
    // the action began, on the button that started it.
    void setFocusAfter(QWidget *widget) { focusAfter = widget; }

    // What a screen reader says now of the action of the button with this caption.
    QString busyNameNow(const QString &buttonText) const;

    // The step of how many the action has reached; its busy buttons say so from now on.
    void setProgress(int reached, int count);

    // Waits for a tool run until it ends or the deadline passes; without a process, until the
    // deadline. The window lives meanwhile; clicks, keys and wheel turns are dropped.
    void wait(ToolProcess *process, const QDeadlineTimer &deadline);
    // Lets the window draw and answer between two long steps of the action; input is dropped.
    void breathe();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void begin(const QString &reason);
    void end();
    void enterBusy(QPushButton *button);
    void leaveBusy(QPushButton *button);
    void showCaptions();
    // The stand-in over the busy button that came last, holding the focus; hidden when none is.
    void placeBusyFocus();
    // Tells assistive technology that the window's actions became unavailable, or available again.
    void tellAvailability();

    QWidget &window;
    int depth = 0;
    bool closing = false;
    bool dropping = false;
    QElapsedTimer elapsed;
    int step = 0;
    int steps = 0; // none: the action is one step
    QTimer clock;
    QList<QPair<QPushButton *, QString>> busyButtons; // each with its own caption
    QPointer<BusyFocus> busyFocus;
    qint64 toldTens = 0; // the tens of seconds of the last name that a screen reader was told of
    bool toldClosing = false;
    int toldStep = 0;
    QPointer<QWidget> focusBefore;
    QPointer<QWidget> focusAfter;
    std::function<void()> whenDone;
};
