#pragma once

#include <QPixmap>

// What stands on screen from the start until the main window appears after the first scan:
// the icon, the program's name and version, and that it is looking for adapters.
QPixmap startupPicture(qreal devicePixelRatio);
