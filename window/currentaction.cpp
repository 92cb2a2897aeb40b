#include "currentaction.h"

#include "actionaccessible.h"
#include "actionbutton.h"

#include <QDeadlineTimer>
#include <QPushButton>
#include <QStringList>
#include <QWidget>

namespace {

// The time that a busy caption shows: none in the first two seconds, then "0:42" or "1:02:03".
QString elapsedText(qint64 elapsedMs)
{
    const qint64 seconds = elapsedMs / 1000;
    const auto twoDigits = [](qint64 value) {
        return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
    };
    if (seconds >= 3600)
        return QStringLiteral("%1:%2:%3")
            .arg(seconds / 3600)
            .arg(twoDigits(seconds / 60 % 60), twoDigits(seconds % 60));
    if (elapsedMs >= 2000)
        return QStringLiteral("%1:%2").arg(seconds / 60).arg(twoDigits(seconds % 60));
    return QString();
}

// How far the action is, as a busy caption shows it: the step of several ("2 of 3") and the time.
QString progressText(qint64 elapsedMs, int step, int steps)
{
    QStringList parts;
    if (steps > 0)
        parts.append(QStringLiteral("%1 of %2").arg(step).arg(steps));
    const QString time = elapsedText(elapsedMs);
    if (!time.isEmpty())
        parts.append(time);
    return parts.join(QStringLiteral(", "));
}

// The head, how far the action is after the separator, and that the window closes when done.
QString busyText(QString head, const QString &separator, qint64 elapsedMs, bool closing, int step, int steps)
{
    const QString progress = progressText(elapsedMs, step, steps);
    if (!progress.isEmpty())
        head += separator + progress;
    if (closing)
        head += QStringLiteral(", closing when done");
    return head;
}

} // namespace

QString busyCaption(qint64 elapsedMs, bool closing, int step, int steps)
{
    return busyText(QStringLiteral("Running..."), QStringLiteral(" "), elapsedMs, closing, step, steps);
}

QString busyName(const QString &buttonText, qint64 elapsedMs, bool closing, int step, int steps)
{
    return busyText(withoutMnemonic(buttonText) + QStringLiteral(": running"), QStringLiteral(", "),
                    elapsedMs, closing, step, steps);
}

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
