#include "settings_file.h"

#include "gb18030.h"

#include <QList>
#include <QStringDecoder>
#include <algorithm>

namespace {

QString WithoutFinalLineEnd(QString text)
{
    if (text.endsWith(QLatin1String("\r\n")))
        text.chop(2);
    else if (text.endsWith(u'\r') || text.endsWith(u'\n'))
        text.chop(1);
    return text;
}

// GB2312 is the GB18030 area whose two bytes are both A1..FE; a code there
// that GB2312 leaves empty decodes to a private-use character.
bool IsAsciiOrGb2312(char32_t c)
{
    if (c < 0x80)
        return true;
    if (QChar::category(c) == QChar::Other_PrivateUse)
        return false;
    const QByteArray bytes = EncodeGb18030(QString::fromUcs4(&c, 1)).value_or(QByteArray());
    return bytes.size() == 2 && std::all_of(bytes.begin(), bytes.end(), [](char b) { return uchar(b) >= 0xA1 && uchar(b) <= 0xFE; });
}

bool IsPrintable(char32_t c)
{
    switch (QChar::category(c)) {
    case QChar::Other_Control: return c == u'\t' || c == u'\r' || c == u'\n';
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Other_PrivateUse:
    case QChar::Other_NotAssigned: return false;
    default: return true;
    }
}

// See the header: UTF-8 bytes that would be misread as GB18030.
bool IsUtf8Text(const QByteArray &bytes, const QString &gb18030Reading)
{
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString utf8Reading = utf8.decode(bytes);
    if (utf8.hasError() || utf8Reading.size() == bytes.size())
        return false;  // not UTF-8, or ASCII alone, which reads the same either way
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return true;
    const QList<uint> gb18030Characters = gb18030Reading.toUcs4();
    const QList<uint> utf8Characters = utf8Reading.toUcs4();
    return !std::all_of(gb18030Characters.begin(), gb18030Characters.end(), IsAsciiOrGb2312)
        && std::all_of(utf8Characters.begin(), utf8Characters.end(), IsPrintable);
}

}  // namespace

std::optional<QString> ParseSettingsFile(const QByteArray &bytes, SettingsFileProblem *problem)
{
    *problem = SettingsFileProblem::None;
    if (bytes.isEmpty()) {
        *problem = SettingsFileProblem::Empty;
        return std::nullopt;
    }
    // UTF-16 text is full of NUL bytes.
    if (bytes.contains('\0') || bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        *problem = SettingsFileProblem::NotGb18030;
        return std::nullopt;
    }
    const std::optional<QString> text = DecodeGb18030(bytes);
    if (!text || IsUtf8Text(bytes, *text)) {
        *problem = SettingsFileProblem::NotGb18030;
        return std::nullopt;
    }
    return WithoutFinalLineEnd(*text);
}

std::optional<QByteArray> FormatSettingsFile(const QString &value)
{
    const std::optional<QByteArray> bytes = EncodeGb18030(value + QLatin1String("\r\n"));
    SettingsFileProblem problem;
    if (!bytes || ParseSettingsFile(*bytes, &problem) != value)
        return std::nullopt;
    return bytes;
}
