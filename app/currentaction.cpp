#include "currentaction.h"

#include "sessionend.h"
#include "tool/toolrun.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPushButton>
#include <QWidget>

QString busyCaption(qint64 elapsedMs, bool closing)
{
    QString caption = QStringLiteral("Running...");
    const qint64 seconds = elapsedMs / 1000;
    const auto twoDigits = [](qint64 value) {
        return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
    };
    if (seconds >= 3600)
        caption += QStringLiteral(" %1:%2:%3")
                       .arg(seconds / 3600)
                       .arg(twoDigits(seconds / 60 % 60), twoDigits(seconds % 60));
    else if (elapsedMs >= 2000)
        caption += QStringLiteral(" %1:%2").arg(seconds / 60).arg(twoDigits(seconds % 60));
    if (closing)
        caption += QStringLiteral(", closing when done");
    return caption;
}

CurrentAction::CurrentAction(QWidget &window)
    : window(window)
{
    clock.setSingleShot(true);
    clock.setTimerType(Qt::PreciseTimer);
    connect(&clock, &QTimer::timeout, this, &CurrentAction::showCaptions);
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
    focusBefore = window.focusWidget();
    focusAfter = nullptr;
    holdSessionEnd(window,
                   reason.isEmpty()
                       ? QStringLiteral("Tandrel is waiting for pwlctl.exe to finish with an adapter.")
                       : reason);
    showCaptions();
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
    button->setEnabled(false);
    button->setText(busyCaption(elapsed.elapsed(), closing));
    // Drawn at once: the caption says that the click was taken.
    window.repaint();
}

void CurrentAction::leaveBusy(QPushButton *button)
{
    for (int i = 0; i < busyButtons.size(); ++i) {
        if (busyButtons.at(i).first == button) {
            button->setText(busyButtons.takeAt(i).second);
            button->setEnabled(true);
            return;
        }
    }
}

void CurrentAction::showCaptions()
{
    const qint64 ms = elapsed.elapsed();
    const QString caption = busyCaption(ms, closing);
    for (const auto &busy : qAsConst(busyButtons))
        busy.first->setText(caption);
    // The next update comes just after the next whole second.
    clock.start(int(1000 - ms % 1000 + 5));
}

void CurrentAction::wait(ToolProcess *process, const QDeadlineTimer &deadline)
{
    dropping = true;
    if (process)
        process->waitForEnd(deadline);
    else
        waitUntil(deadline);
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
