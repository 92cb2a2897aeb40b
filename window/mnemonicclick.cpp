#include "mnemonicclick.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>
#include <QShortcutEvent>

MnemonicClick::MnemonicClick(QObject *parent)
    : QObject(parent)
{
    QCoreApplication::instance()->installEventFilter(this);
}

bool MnemonicClick::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Shortcut)
        return false;
    auto *button = qobject_cast<QAbstractButton *>(watched);
    // Two buttons on screen with one letter: the toolkit moves the focus between them.
    if (!button || static_cast<QShortcutEvent *>(event)->isAmbiguous())
        return false;
    // The action's focus comes back here when it is done.
    button->setFocus(Qt::ShortcutFocusReason);
    button->click();
    return true;
}
