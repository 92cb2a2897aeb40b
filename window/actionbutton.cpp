#include "actionbutton.h"

#include "currentaction.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeySequence>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace {

// What a screen reader is told of an action button, as of any push button, but unavailable while
// an action is in progress in its window.
class ActionAccessible : public QAccessibleWidget
{
public:
    explicit ActionAccessible(QWidget *button)
        : QAccessibleWidget(button, QAccessible::PushButton)
    {}

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString &name) override;
    QStringList keyBindingsForAction(const QString &name) const override;

private:
    QPushButton *button() const { return static_cast<QPushButton *>(widget()); }
};

QAccessibleInterface *actionAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("ActionButton") && object && object->isWidgetType())
        return new ActionAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace

void installActionAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(actionAccessible);
        return true;
    }();
    Q_UNUSED(installed)
}

BusyFocus::BusyFocus(const CurrentAction &action, QPushButton *busy)
    : ActionButton(busy->parentWidget())
    , action(action)
    , busy(busy)
{
    setGeometry(busy->geometry());
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAccessibleDescription(
        QStringLiteral("Tandrel waits for pwlctl.exe; keys and clicks are ignored until it is done"));
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

QString ActionAccessible::text(QAccessible::Text t) const
{
    QString text;
    if (t == QAccessible::Name) {
        // The stand-in's name is read when asked, so it is always the time of the moment.
        if (const auto *focus = dynamic_cast<const BusyFocus *>(widget()))
            text = focus->action.busyNameNow(focus->caption);
        else
            text = widget()->accessibleName().isEmpty() ? withoutMnemonic(button()->text())
                                                        : widget()->accessibleName();
    } else if (t == QAccessible::Accelerator) {
        text = QKeySequence::mnemonic(button()->text()).toString(QKeySequence::NativeText);
    }
    return text.isEmpty() ? QAccessibleWidget::text(t) : text;
}

QAccessible::State ActionAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.pressed = button()->isDown();
    state.defaultButton = button()->isDefault();
    // Its clicks and keys are dropped until the action is done.
    if (CurrentAction::inProgressIn(widget()->window()))
        state.disabled = true;
    return state;
}

QStringList ActionAccessible::actionNames() const
{
    QStringList names;
    if (!state().disabled)
        names << pressAction();
    return names + QAccessibleWidget::actionNames();
}

void ActionAccessible::doAction(const QString &name)
{
    if (name != pressAction())
        QAccessibleWidget::doAction(name);
    else if (!state().disabled)
        button()->click();
}

QStringList ActionAccessible::keyBindingsForAction(const QString &name) const
{
    const QKeySequence key = QKeySequence::mnemonic(button()->text());
    if (name == pressAction() && !key.isEmpty())
        return {key.toString(QKeySequence::NativeText)};
    return QAccessibleWidget::keyBindingsForAction(name);
}
