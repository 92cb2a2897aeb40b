#include "screen.h"

#include <QApplication>
#include <QDesktopWidget>
#include <QWidget>

QSize halfScreenSize(const QRect &screen)
{
    return QSize(int(screen.width() * 0.5), int(screen.height() * 0.5));
}

QSize startSize(const QWidget &window)
{
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    const QRect screen = QApplication::desktop()->screenGeometry(&window);
    QT_WARNING_POP
    return halfScreenSize(screen).expandedTo(window.minimumSizeHint());
}

QPoint positionOnScreen(const QRect &frame, const QRect &available)
{
    const auto place = [](int at, int length, int first, int room) {
        return qMax(first, qMin(at, first + room - length));
    };
    return QPoint(place(frame.x(), frame.width(), available.x(), available.width()),
                  place(frame.y(), frame.height(), available.y(), available.height()));
}

void keepOnScreen(QWidget &window)
{
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    const QRect available = QApplication::desktop()->availableGeometry(&window);
    QT_WARNING_POP
    const QRect frame = window.frameGeometry();
    const QPoint position = positionOnScreen(frame, available);
    if (position != frame.topLeft())
        window.move(position);
}
