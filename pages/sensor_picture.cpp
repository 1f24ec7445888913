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
    painter.drawRoundedRect(QRectF(3, 12, 10, 18), 2, 2);
    painter.setBrush(QColor(0xD8, 0xD8, 0xD8));
    painter.drawRoundedRect(QRectF(14.5, 17, 4, 13), 1.5, 1.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xE0, 0x10, 0x10));
    painter.drawEllipse(QPointF(8, 16.5), 1.8, 1.8);

    // The radio waves it sends.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0x10, 0x60, 0xD0), 2, Qt::SolidLine, Qt::RoundCap));
    for (int wave = 0; wave < 3; ++wave) {
        const qreal radius = 5 + 5 * wave;
        painter.drawArc(QRectF(8 - radius, 12 - radius, 2 * radius, 2 * radius), 10 * 16, 70 * 16);
    }
    return picture;
}
