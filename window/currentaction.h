#pragma once

#include "busycaptions.h"
#include "busyfocus.h"
#include "closewait.h"
#include "inputblocker.h"
#include "sessionend.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <optional>

class ActionClock;
class QDeadlineTimer;
class QPushButton;
class ToolProcess;
class QWidget;

// The action in progress in a window: everything one user action does, from its first tool
// run to its last box. While it lasts the window is drawn and answers the window system, but
// input that arrives while the tool runs is dropped (InputBlocker), its busy buttons count the
// time (BusyCaptions), the focus rests on a stand-in for the busy button (FocusKeeper), the
// other actions are heard as unavailable, a request to close the window waits until the action
// is done (CloseWait) and so does the end of the session (SessionEndHold). This is the guard
// that nests and gives the buttons back.
class CurrentAction : public QObject
{
public:
    explicit CurrentAction(QWidget &window);
    ~CurrentAction() override;

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
    bool closeRequested() const { return closeWait.requested(); }
    bool inProgress() const { return depth > 0; }

    // Called when an action is done and the window stays open.
    void setWhenDone(const std::function<void()> &done) { whenDone = done; }

    // Where the keyboard focus goes when the action is done: by default back where it was when
    // the action began, on the button that started it.
    void setFocusAfter(QWidget *widget) { focusAfter = widget; }

    // The step of how many the action has reached; its busy buttons say so from now on.
    void setProgress(int reached, int count);

    // The clock that the busy captions count on, from the next action; none: the steady clock.
    void setClock(const ActionClock *clock);

    // Waits for a tool run until it ends or the deadline passes; without a process, until the
    // deadline. The window lives meanwhile; clicks, keys and wheel turns are dropped.
    void wait(ToolProcess *process, const QDeadlineTimer &deadline);
    // Lets the window draw and answer between two long steps of the action; input is dropped.
    void breathe();

private:
    void begin(const QString &reason);
    void end();
    void enterBusy(QPushButton *button);
    void leaveBusy(QPushButton *button);

    QWidget &window;
    int depth = 0;
    QList<QPushButton *> busyButtons; // the last holds the focus
    BusyCaptions captions;
    CloseWait closeWait;
    FocusKeeper focus;
    InputBlocker input;
    std::optional<SessionEndHold> sessionEnd;
    QPointer<QWidget> focusBefore;
    QPointer<QWidget> focusAfter;
    std::function<void()> whenDone;
};
