#include "actionbutton.h"

#include "busyfocus.h"

ActionButton::~ActionButton()
{
    delete standIn.data();
}

BusyFocus *ActionButton::busyFocus()
{
    if (!standIn)
        standIn = new BusyFocus(this);
    return standIn;
}
