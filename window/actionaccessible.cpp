#include "actionaccessible.h"

#include "actionbutton.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeySequence>

namespace {

// What a screen reader is told of an action button, as of any push button, but unavailable while
// an action is in progress in its window.
class ActionAccessible : public QAccessibleWidget
{
public:
    explicit ActionAccessible(ActionButton *button)
        : QAccessibleWidget(button, QAccessible::PushButton)
    {}

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString &name) override;
    QStringList keyBindingsForAction(const QString &name) const override;

private:
    ActionButton *button() const { return static_cast<ActionButton *>(widget()); }
};

QAccessibleInterface *actionAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("ActionButton") && object && object->isWidgetType())
        return new ActionAccessible(static_cast<ActionButton *>(object));
    return nullptr;
}

QString ActionAccessible::text(QAccessible::Text t) const
{
    QString text;
    if (t == QAccessible::Name) {
        // A stand-in's name is read when asked, so it is always the time of the moment.
        text = button()->heardName();
        if (text.isEmpty())
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
    if (button()->heardUnavailable())
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

} // namespace

void installActionAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(actionAccessible);
        return true;
    }();
    Q_UNUSED(installed)
}

void tellAvailability(QWidget &window, bool available)
{
    QAccessible::State changed;
    changed.disabled = true;
    for (ActionButton *button : window.findChildren<ActionButton *>()) {
        button->setHeardUnavailable(!available);
        if (button->isEnabled() && !button->standsIn()) {
            QAccessibleStateChangeEvent event(button, changed);
            QAccessible::updateAccessibility(&event);
        }
    }
}
