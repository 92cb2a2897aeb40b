#pragma once

class QWidget;

// Has assistive technology hear every ActionButton as a push button that may be unavailable;
// once for the program.
void installActionAccessibility();

// Every action button of the window heard as unavailable while an action is in progress, or
// available again; assistive technology is told of each button that the change concerns.
void tellAvailability(QWidget &window, bool available);
