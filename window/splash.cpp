#include "splash.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QIcon>
#include <QPainter>
#include <QPalette>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {
const QSize pictureSize(380, 110);
}

QPixmap startupBackground(qreal devicePixelRatio)
{
    QPixmap picture(pictureSize * devicePixelRatio);
    picture.setDevicePixelRatio(devicePixelRatio);
    picture.fill(QApplication::palette().color(QPalette::Window));
    return picture;
}

QPixmap startupPicture(qreal devicePixelRatio)
{
    QPixmap picture = startupBackground(devicePixelRatio);
    const QPalette palette = QApplication::palette();

    QPainter painter(&picture);
    painter.setPen(palette.color(QPalette::Mid));
    painter.drawRect(QRect(QPoint(0, 0), pictureSize).adjusted(0, 0, -1, -1));
    painter.drawPixmap(15, 15, QIcon(QStringLiteral(":/rc/rc/arvelo-icon.png")).pixmap(80, 80));

    painter.setPen(palette.color(QPalette::WindowText));
    QFont font = QApplication::font();
    font.setPointSizeF(font.pointSizeF() * 1.5);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRect(110, 20, pictureSize.width() - 120, 36), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Tandrel " TANDREL_VERSION_TEXT));
    painter.setFont(QApplication::font());
    painter.drawText(QRect(110, 58, pictureSize.width() - 120, 30), Qt::AlignLeft | Qt::AlignVCenter,
                     QCoreApplication::translate("Splash", "Looking for adapters..."));
    return picture;
}

void describeStartupPicture(QWidget &picture)
{
    picture.setAccessibleName(QStringLiteral("Tandrel " TANDREL_VERSION_TEXT));
    picture.setAccessibleDescription(QCoreApplication::translate("Splash", "Looking for adapters..."));
}

void waitUntilDrawn(QWidget &window)
{
    QElapsedTimer waited;
    waited.start();
    QTimer wakeUp; // ends each wait below, should nothing else come
    wakeUp.start(5);
    // Exposed means drawn: the toolkit paints a window as the window system exposes it.
    while (!window.windowHandle()->isExposed() && waited.elapsed() < 500)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::ExcludeUserInputEvents);
}
