#include "sensor_picture.h"

#include <QPainter>
#include <QPainterPath>

QPixmap SensorPicture(int pixels)
{
    QPixmap picture(pixels, pixels);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(pixels / 32.0, pixels / 32.0);

    // The sensor body and its magnet, side by side like on a door frame.
    painter.setPen(QPen(QColor(0x50, 0x50, 0x50), 1));
    painter.setBrush(QColor(0xF4, 0xF4, 0xF4));
    painter.drawRoundedRect(QRectF(2.5, 13.5, 10, 17), 2, 2);
    painter.setBrush(QColor(0xD0, 0xD0, 0xD0));
    painter.drawRoundedRect(QRectF(14.5, 18.5, 4, 12), 1.5, 1.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xE0, 0x10, 0x10));
    painter.drawEllipse(QPointF(7.5, 18), 1.8, 1.8);

    // The radio waves it sends.
    const QPointF source(10, 14);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0x10, 0x60, 0xD0), 2, Qt::SolidLine, Qt::RoundCap));
    for (int wave = 1; wave <= 3; ++wave) {
        const qreal radius = 4 * wave;
        painter.drawArc(QRectF(source.x() - radius, source.y() - radius, 2 * radius, 2 * radius),
                        15 * 16, 60 * 16);
    }
    return picture;
}
