#pragma once

#include <QRect>
#include <QSize>

// Half of each side of the screen, truncated toward zero (767 gives 383).
QSize halfScreenSize(const QRect &screen);
