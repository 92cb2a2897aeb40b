#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// Half of each side of the screen, truncated toward zero (767 gives 383).
QSize halfScreenSize(const QRect &screen);

// The size a window starts with: half of its screen, or more where its layout needs more, as it
// can on a high-DPI screen.
QSize startSize(const QWidget &window);

// Where a window's frame goes so that it lies on the available area: where it is when it
// fits, else pushed in from the edges it passes, its top left corner kept on the area.
QPoint positionOnScreen(const QRect &frame, const QRect &available);

// Moves a shown window onto the available area of its screen when it passes an edge: a
// window whose layout needs more than half a high-DPI screen must not hide its buttons.
void keepOnScreen(QWidget &window);
