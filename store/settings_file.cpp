#include "settings_file.h"

#include <QStringDecoder>
#include <QStringEncoder>
#ifdef Q_OS_WIN
#include "gb18030_windows.h"
#endif

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
    // UTF-16 text is full of NUL bytes, and a UTF-8 byte-order mark even decodes
    // as two GB18030 characters: neither is a file this program reads.
    if (bytes.contains('\0') || bytes.startsWith("\xEF\xBB\xBF") || bytes.startsWith("\xFF\xFE")
        || bytes.startsWith("\xFE\xFF")) {
        *problem = SettingsFileProblem::NotGb18030;
        return std::nullopt;
    }
#ifdef Q_OS_WIN
    const std::optional<QString> text = DecodeGb18030(bytes);  // Qt has no ICU there
    if (!text) {
        *problem = SettingsFileProblem::NotGb18030;
        return std::nullopt;
    }
    return WithoutFinalLineEnd(*text);
#else
    // Stateless: a character cut off at the end is an error, not held back for more bytes.
    QStringDecoder decoder(kEncoding, QStringConverter::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError()) {
        *problem = SettingsFileProblem::NotGb18030;
        return std::nullopt;
    }
    return WithoutFinalLineEnd(text);
#endif
}

std::optional<QByteArray> FormatSettingsFile(const QString &value)
{
#ifdef Q_OS_WIN
    return EncodeGb18030(value + QLatin1String("\r\n"));
#else
    QStringEncoder encoder(kEncoding);
    const QByteArray bytes = encoder.encode(value + QLatin1String("\r\n"));
    if (encoder.hasError())
        return std::nullopt;
    return bytes;
#endif
}
