#include "app/window_icon.h"

#include <QPainter>
#include <QPixmap>

namespace vantorix::app {

namespace {

QPixmap drawIcon(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 255));
    painter.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);

    painter.setPen(QPen(Qt::white, 2));
    for (int y : {8, 13, 18})
        painter.drawLine(QPointF(6, y), QPointF(16, y));

    painter.setPen(QPen(QColor(255, 220, 0), 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(19, 17), 6, 6);
    painter.drawLine(QPointF(23.5, 21.5), QPointF(28, 26));
    return pixmap;
}

} // namespace

QIcon drawWindowIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48})
        icon.addPixmap(drawIcon(size));
    return icon;
}

} // namespace vantorix::app
