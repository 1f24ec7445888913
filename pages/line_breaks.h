#pragma once

#include <QString>

// A line break travels to the unit and to the store as CR LF, while Qt's
// multi-line boxes hold LF alone: values are converted where they enter and
// leave a box.
QString ToBoxText(const QString &value);    // CR LF (or a lone CR) becomes LF
QString FromBoxText(const QString &text);   // LF becomes CR LF
