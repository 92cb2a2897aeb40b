#pragma once

#include "device/texts.h"

#include <QPushButton>
#include <QString>

class CurrentAction;

// A button of the window that starts an action. While an action is in progress in its window,
// assistive technology hears it as unavailable: its clicks and keys are dropped then, although
// it is drawn as it always is.
class ActionButton : public QPushButton
{
    Q_OBJECT

public:
    using QPushButton::QPushButton;
};

// Has assistive technology hear every ActionButton as such; once for the program.
void installActionAccessibility();

// Where the focus rests while the busy button, disabled, cannot hold it: over that button, drawn
// as its focus frame only, so that a click still lands on the button (and is dropped there). A
// screen reader names it for the action in progress and its time, whenever it asks.
class BusyFocus : public ActionButton
{
public:
    BusyFocus(const CurrentAction &action, QPushButton *busy);

    const CurrentAction &action;
    QPushButton *const busy;
    QString caption; // the busy button's own

protected:
    void paintEvent(QPaintEvent *event) override;
};
