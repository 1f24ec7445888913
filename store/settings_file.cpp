#include "settings_file.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

constexpr char kEncoding[] = "GB18030";

QString WithoutFinalLineEnd(QString text)
{
    if (text.endsWith(QLatin1String("\r\n")))
        text.chop(2);
    else if (text.endsWith(u'\r') || text.endsWith(u'\n'))
        text.chop(1);
    return text;
}

}  // namespace

std::optional<QString> ParseSettingsFile(const QByteArray &bytes, SettingsFileProblem *problem)
{
    *problem = SettingsFileProblem::None;
    if (bytes.isEmpty()) {
        *problem = SettingsFileProblem::Empty;
        return std::nullopt;
    }
    // Stateless: a character cut off at the end is an error, not held back for more bytes.
    QStringDecoder decoder(kEncoding, QStringConverter::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError()) {
        *problem = SettingsFileProblem::NotGb18030;
        return std::nullopt;
    }
    return WithoutFinalLineEnd(text);
}

std::optional<QByteArray> FormatSettingsFile(const QString &value)
{
    QStringEncoder encoder(kEncoding);
    const QByteArray bytes = encoder.encode(value + QLatin1String("\r\n"));
    if (encoder.hasError())
        return std::nullopt;
    return bytes;
}
