#include "currentaction.h"

#include "actionaccessible.h"
#include "actionbutton.h"

#include <QDeadlineTimer>
#include <QPushButton>
#include <QStringList>
#include <QWidget>

CurrentAction::CurrentAction(QWidget &window)
    : window(window)
    , captions([this] { focus.tellNameChanged(); })
    , closeWait(window, [this] { captions.setClosing(); })
    , focus([this](const QString &caption) { return captions.heardName(caption); })
{
    installActionAccessibility();
}

CurrentAction::~CurrentAction() = default;

CurrentAction::Scope::Scope(CurrentAction &action, const QString &sessionEndReason)
    : action(action)
{
    action.begin(sessionEndReason);
}

CurrentAction::Scope::~Scope()
{
    action.end();
}

CurrentAction::Busy::Busy(CurrentAction &action, QPushButton *button)
    : action(action)
    , button(button)
{
    action.enterBusy(button);
}

CurrentAction::Busy::~Busy()
{
    action.leaveBusy(button);
}

void CurrentAction::setClock(const ActionClock *clock)
{
    captions.setClock(clock);
}

void CurrentAction::begin(const QString &reason)
{
    if (depth++ > 0)
        return;
    focusBefore = window.focusWidget();
    focusAfter = nullptr;
    sessionEnd.emplace(window, reason);
    captions.begin();
    tellAvailability(window, false);
    input.arm();
    closeWait.arm();
}

void CurrentAction::end()
{
    if (--depth > 0)
        return;
    closeWait.disarm();
    input.disarm();
    captions.end();
    sessionEnd.reset();
    while (!busyButtons.isEmpty())
        leaveBusy(busyButtons.first());
    tellAvailability(window, true);
    // A busy button gives its focus to the next one, and a box hands it back to that one: the
    // next Space or Return would act on another button than the one pressed.
    QWidget *const next = focusAfter ? focusAfter.data() : focusBefore.data();
    if (next && next->isVisible() && next->isEnabled())
        next->setFocus(Qt::OtherFocusReason);
    if (!closeWait.closeIfRequested() && whenDone)
        whenDone();
}

void CurrentAction::enterBusy(QPushButton *button)
{
    if (busyButtons.contains(button))
        return;
    busyButtons.append(button);
    // Before the button is disabled: the toolkit would hand its focus to the next button, and a
    // screen reader would read that one out while the adapter is busy.
    focus.place(button, button->text());
    button->setEnabled(false);
    captions.add(button);
    // Drawn at once: the caption says that the click was taken.
    window.repaint();
}

void CurrentAction::leaveBusy(QPushButton *button)
{
    if (!busyButtons.removeOne(button))
        return;
    captions.giveBack(button);
    button->setEnabled(true);
    if (focus.holdsFocus() && busyButtons.isEmpty())
        button->setFocus(Qt::OtherFocusReason);
    QPushButton *const last = busyButtons.isEmpty() ? nullptr : busyButtons.last();
    focus.place(last, captions.ownCaption(last));
}

void CurrentAction::setProgress(int reached, int count)
{
    captions.setProgress(reached, count);
}

void CurrentAction::wait(ToolProcess *process, const QDeadlineTimer &deadline)
{
    input.wait(process, deadline);
}

void CurrentAction::breathe()
{
    wait(nullptr, QDeadlineTimer(0));
}
