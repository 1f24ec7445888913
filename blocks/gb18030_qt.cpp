#include "gb18030.h"

#include <QStringDecoder>
#include <QStringEncoder>

std::optional<QString> DecodeGb18030(const QByteArray &bytes)
{
    // Stateless: a character cut off at the end is an error, not held back for more bytes.
    QStringDecoder decoder("GB18030", QStringConverter::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

std::optional<QByteArray> EncodeGb18030(const QString &text)
{
    QStringEncoder encoder("GB18030", QStringConverter::Flag::Stateless);
    const QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return std::nullopt;
    return bytes;
}
