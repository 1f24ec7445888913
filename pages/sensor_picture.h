#pragma once

#include <QPixmap>

// The small picture beside the sensor-page button: a wireless door sensor
// sending its signal. Also the windows' icon.
QPixmap SensorPicture(int pixels);
