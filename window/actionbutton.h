#pragma once

#include "device/texts.h"

#include <QPointer>
#include <QPushButton>
#include <QString>

class BusyFocus;

// A button of the window that starts an action. While an action is in progress in its window,
// assistive technology hears it as unavailable: its clicks and keys are dropped then, although
// it is drawn as it always is. It owns the stand-in that holds the focus while it is busy.
class ActionButton : public QPushButton
{
    Q_OBJECT

public:
    using QPushButton::QPushButton;
    ~ActionButton() override;

    // Whether assistive technology hears it as unavailable, and whether it is told so.
    bool heardUnavailable() const { return unavailable; }
    void setHeardUnavailable(bool value) { unavailable = value; }

    // The name that a screen reader hears now, when it is not the caption's or the accessible
    // name; none by default.
    virtual QString heardName() const { return QString(); }
    // Whether this is a button's stand-in rather than a button of its own.
    virtual bool standsIn() const { return false; }

    // Its stand-in, made when first asked for: one for each button, kept, since a screen reader
    // knows an object by a number that the toolkit gives again to the next new one.
    BusyFocus *busyFocus();

private:
    bool unavailable = false;
    QPointer<BusyFocus> standIn;
};

