#include "currentaction.h"

#include "actionbutton.h"
#include "device/toolrun.h"
#include "sessionend.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QWidget>

namespace {

QList<const CurrentAction *> &allActions()
{
    static QList<const CurrentAction *> actions;
    return actions;
}

} // namespace

CurrentAction::CurrentAction(QWidget &window)
    : window(window)
{
    installActionAccessibility();
    allActions().append(this);
    clock.setSingleShot(true);
    clock.setTimerType(Qt::PreciseTimer);
    connect(&clock, &QTimer::timeout, this, &CurrentAction::showCaptions);
}

CurrentAction::~CurrentAction()
{
    allActions().removeOne(this);
    // The window's children outlive its members; a stand-in must not ask a gone action its name.
    for (ActionButton *button : window.findChildren<ActionButton *>()) {
        if (auto *focus = dynamic_cast<BusyFocus *>(button); focus && &focus->action == this)
            delete focus;
    }
}

bool CurrentAction::inProgressIn(const QWidget *window)
{
    for (const CurrentAction *action : qAsConst(allActions())) {
        if (&action->window == window && action->inProgress())
            return true;
    }
    return false;
}

QString CurrentAction::busyNameNow(const QString &buttonText) const
{
    return busyName(buttonText, elapsed.elapsed(), closing, step, steps);
}

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

void CurrentAction::begin(const QString &reason)
{
    if (depth++ > 0)
        return;
    elapsed.start();
    step = steps = 0;
    focusBefore = window.focusWidget();
    focusAfter = nullptr;
    holdSessionEnd(window,
                   reason.isEmpty()
                       ? QStringLiteral("Tandrel is waiting for pwlctl.exe to finish with an adapter.")
                       : reason);
    toldTens = 0;
    toldClosing = false;
    toldStep = 0;
    showCaptions();
    tellAvailability();
    // Close requests reach the window through the application, and so does the input that
    // the waits drop.
    QCoreApplication::instance()->installEventFilter(this);
}

void CurrentAction::end()
{
    if (--depth > 0)
        return;
    QCoreApplication::instance()->removeEventFilter(this);
    clock.stop();
    releaseSessionEnd(window);
    while (!busyButtons.isEmpty())
        leaveBusy(busyButtons.first().first);
    tellAvailability();
    // A busy button gives its focus to the next one, and a box hands it back to that one: the
    // next Space or Return would act on another button than the one pressed.
    QWidget *const focus = focusAfter ? focusAfter.data() : focusBefore.data();
    if (focus && focus->isVisible() && focus->isEnabled())
        focus->setFocus(Qt::OtherFocusReason);
    if (closing) {
        closing = false;
        window.close();
    } else if (whenDone) {
        whenDone();
    }
}

void CurrentAction::enterBusy(QPushButton *button)
{
    for (const auto &busy : qAsConst(busyButtons)) {
        if (busy.first == button)
            return;
    }
    busyButtons.append({button, button->text()});
    // Before the button is disabled: the toolkit would hand its focus to the next button, and a
    // screen reader would read that one out while the adapter is busy.
    placeBusyFocus();
    button->setEnabled(false);
    button->setText(busyCaption(elapsed.elapsed(), closing, step, steps));
    // Drawn at once: the caption says that the click was taken.
    window.repaint();
}

void CurrentAction::leaveBusy(QPushButton *button)
{
    for (int i = 0; i < busyButtons.size(); ++i) {
        if (busyButtons.at(i).first == button) {
            button->setText(busyButtons.takeAt(i).second);
            button->setEnabled(true);
            if (busyFocus && busyFocus->hasFocus() && busyButtons.isEmpty())
                button->setFocus(Qt::OtherFocusReason);
            placeBusyFocus();
            return;
        }
    }
}

void CurrentAction::placeBusyFocus()
{
    QPushButton *button = busyButtons.isEmpty() ? nullptr : busyButtons.last().first;
    if (busyFocus ? busyFocus->busy == button : !button)
        return;
    QPointer<BusyFocus> before = busyFocus;
    busyFocus = nullptr;
    if (button) {
        // One stand-in for each button, kept: a screen reader knows an object by a number that
        // the toolkit gives again to the next new one once the first is gone.
        for (ActionButton *sibling :
             button->parentWidget()->findChildren<ActionButton *>(QString(), Qt::FindDirectChildrenOnly)) {
            if (auto *focus = dynamic_cast<BusyFocus *>(sibling); focus && focus->busy == button)
                busyFocus = focus;
        }
        if (!busyFocus)
            busyFocus = new BusyFocus(*this, button);
        busyFocus->caption = busyButtons.last().second;
        busyFocus->setGeometry(button->geometry());
        busyFocus->raise();
        busyFocus->show();
        // What a screen reader learnt of it in an earlier action is out of date.
        QAccessibleEvent renamed(busyFocus.data(), QAccessible::NameChanged);
        QAccessible::updateAccessibility(&renamed);
        if (busyFocus->isVisible())
            busyFocus->setFocus(Qt::OtherFocusReason);
    }
    if (before)
        before->hide();
}

void CurrentAction::tellAvailability()
{
    QAccessible::State changed;
    changed.disabled = true;
    for (ActionButton *button : window.findChildren<ActionButton *>()) {
        if (button->isEnabled() && !dynamic_cast<BusyFocus *>(button)) {
            QAccessibleStateChangeEvent event(button, changed);
            QAccessible::updateAccessibility(&event);
        }
    }
}

void CurrentAction::showCaptions()
{
    const qint64 ms = elapsed.elapsed();
    const QString caption = busyCaption(ms, closing, step, steps);
    for (const auto &busy : qAsConst(busyButtons))
        busy.first->setText(caption);
    // The stand-in's name is the time of the moment whenever it is read; a screen reader hears of
    // it every ten seconds, at each new step and when the window is to close, not every second,
    // which would drown everything else it says.
    if (busyFocus && busyFocus->isVisible() &&
        (ms / 10000 != toldTens || closing != toldClosing || step != toldStep)) {
        toldTens = ms / 10000;
        toldClosing = closing;
        toldStep = step;
        QAccessibleEvent event(busyFocus.data(), QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
    // The next update comes just after the next whole second.
    clock.start(int(1000 - ms % 1000 + 5));
}

void CurrentAction::setProgress(int reached, int count)
{
    step = reached;
    steps = count;
    showCaptions();
}

void CurrentAction::wait(ToolProcess *process, const QDeadlineTimer &deadline)
{
    dropping = true;
    waitForRun(process, deadline);
    // Input still on its way from the window system was made during the wait as well.
    QCoreApplication::processEvents();
    dropping = false;
}

void CurrentAction::breathe()
{
    wait(nullptr, QDeadlineTimer(0));
}

bool CurrentAction::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
        // The stand-in for the focus lies over the busy button wherever the layout puts it.
        if (busyFocus && watched == busyFocus->busy)
            busyFocus->setGeometry(busyFocus->busy->geometry());
        return false;
    case QEvent::FocusIn:
        // A press on another button is dropped, but the toolkit has given that button the focus
        // before: it goes back to what runs, once the toolkit has told of the move.
        if (static_cast<QFocusEvent *>(event)->reason() == Qt::MouseFocusReason && busyFocus &&
            busyFocus->isVisible() && watched != busyFocus && watched->isWidgetType() &&
            window.isAncestorOf(static_cast<QWidget *>(watched))) {
            QTimer::singleShot(0, busyFocus, [focus = busyFocus] {
                if (focus && focus->isVisible())
                    focus->setFocus(Qt::OtherFocusReason);
            });
        }
        return false;
    case QEvent::Close:
        if (watched != &window)
            return false;
        // Ending in the middle of an action would leave its tool and the adapter half done,
        // and its records unwritten: the window closes when the action is over.
        event->ignore();
        closing = true;
        showCaptions();
        return true;
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
