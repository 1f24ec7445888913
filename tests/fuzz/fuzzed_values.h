#pragma once

#include "page_values.h"

#include <QString>
#include <fuzzer/FuzzedDataProvider.h>

// Field values made from the fuzzer's bytes: either UTF-8, as typed (ASCII,
// Chinese, full-width forms, separators), or raw UTF-16 code units, unpaired
// surrogates and U+FFFF included, as a settings file or a paste may bring.
inline QString ConsumeText(FuzzedDataProvider &data, size_t maxBytes = 160)
{
    const std::string bytes = data.ConsumeRandomLengthString(maxBytes);
    if (!data.ConsumeBool())
        return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
    QString units;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2)
        units += QChar(ushort(uchar(bytes[i]) << 8 | uchar(bytes[i + 1])));
    return units;
}

inline MainPageValues ConsumeMainPage(FuzzedDataProvider &data)
{
    MainPageValues values;
    for (size_t n = 1; n < values.text.size(); ++n)
        values.text[n] = ConsumeText(data);
    values.alarmMode = AlarmMode(data.ConsumeIntegralInRange(0, 3));
    values.ringTone = RingTone(data.ConsumeIntegralInRange(0, 2));
    return values;
}

inline SensorPageValues ConsumeSensorPage(FuzzedDataProvider &data)
{
    SensorPageValues values;
    for (size_t n = 1; n < values.text.size(); ++n)
        values.text[n] = ConsumeText(data);
    return values;
}
