#include "busyfocus.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QTimer>

BusyFocus::BusyFocus(QPushButton *busy)
    : ActionButton(busy->parentWidget())
    , busy(busy)
{
    setGeometry(busy->geometry());
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAccessibleDescription(QCoreApplication::translate(
        "BusyFocus", "Tandrel waits for pwlctl.exe; keys and clicks are ignored until it is done"));
    hide();
}

void BusyFocus::paintEvent(QPaintEvent *)
{
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect frame;
    frame.initFrom(this);
    frame.rect = rect().adjusted(4, 4, -4, -4);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, frame);
}

FocusKeeper::FocusKeeper(std::function<QString(const QString &)> heardName)
    : heardName(std::move(heardName))
{}

void FocusKeeper::place(QPushButton *button, const QString &caption)
{
    auto *owner = qobject_cast<ActionButton *>(button);
    BusyFocus *next = owner ? owner->busyFocus() : nullptr;
    if (next == current)
        return;
    QPointer<BusyFocus> before = current;
    current = next;
    if (next) {
        next->name = [this, caption] { return heardName(caption); };
        next->setHeardUnavailable(true);
        next->setGeometry(button->geometry());
        next->raise();
        next->show();
        button->installEventFilter(this);
        if (!before)
            QCoreApplication::instance()->installEventFilter(this);
        // What a screen reader learnt of it in an earlier action is out of date.
        tellNameChanged();
        if (next->isVisible())
            next->setFocus(Qt::OtherFocusReason);
    } else {
        QCoreApplication::instance()->removeEventFilter(this);
    }
    if (before) {
        before->busy->removeEventFilter(this);
        before->hide();
        before->name = nullptr;
    }
}

void FocusKeeper::tellNameChanged()
{
    if (!current || !current->isVisible())
        return;
    QAccessibleEvent renamed(current.data(), QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
}

bool FocusKeeper::eventFilter(QObject *watched, QEvent *event)
{
    if (!current)
        return false;
    if ((event->type() == QEvent::Move || event->type() == QEvent::Resize) && watched == current->busy) {
        // The stand-in lies over the busy button wherever the layout puts it.
        current->setGeometry(current->busy->geometry());
    } else if (event->type() == QEvent::FocusIn &&
               static_cast<QFocusEvent *>(event)->reason() == Qt::MouseFocusReason && current->isVisible() &&
               watched != current && watched->isWidgetType() &&
               current->window()->isAncestorOf(static_cast<QWidget *>(watched))) {
        // A press on another button is dropped, but the toolkit has given that button the focus
        // before: it goes back to what runs, once the toolkit has told of the move.
        QTimer::singleShot(0, current, [focus = current] {
            if (focus && focus->isVisible())
                focus->setFocus(Qt::OtherFocusReason);
        });
    }
    return false;
}
