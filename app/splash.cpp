#include "splash.h"

#include <QApplication>
#include <QIcon>
#include <QPainter>
#include <QPalette>

QPixmap startupPicture(qreal devicePixelRatio)
{
    const QSize size(380, 110);
    QPixmap picture(size * devicePixelRatio);
    picture.setDevicePixelRatio(devicePixelRatio);
    const QPalette palette = QApplication::palette();
    picture.fill(palette.color(QPalette::Window));

    QPainter painter(&picture);
    painter.setPen(palette.color(QPalette::Mid));
    painter.drawRect(QRect(QPoint(0, 0), size).adjusted(0, 0, -1, -1));
    painter.drawPixmap(15, 15, QIcon(QStringLiteral(":/rc/rc/arvelo-icon.png")).pixmap(80, 80));

    painter.setPen(palette.color(QPalette::WindowText));
    QFont font = QApplication::font();
    font.setPointSizeF(font.pointSizeF() * 1.5);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRect(110, 20, size.width() - 120, 36), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Tandrel " TANDREL_VERSION_TEXT));
    painter.setFont(QApplication::font());
    painter.drawText(QRect(110, 58, size.width() - 120, 30), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Looking for adapters..."));
    return picture;
}
