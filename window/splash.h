#pragma once

#include <QPixmap>

class QWidget;

// What stands on screen from the start until the main window appears after the first scan:
// the icon, the program's name and version, and that it is looking for adapters.
QPixmap startupPicture(qreal devicePixelRatio);
// The picture's size and colour alone, made at once.
QPixmap startupBackground(qreal devicePixelRatio);

// What a screen reader says of the picture, which has no title and no text of its own.
void describeStartupPicture(QWidget &picture);

// Lets a shown window be drawn before anything else happens: the window system exposes it a
// moment later, and until the first scan waits nothing else would draw it.
void waitUntilDrawn(QWidget &window);
