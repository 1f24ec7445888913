#include "gb18030.h"

#include <windows.h>

namespace {

constexpr UINT kGb18030 = 54936;
constexpr UINT kGbk = 936;
constexpr char16_t kEuro = 0x20AC;
const QByteArray kGb18030Euro("\xA2\xE3");

bool HasGb18030()
{
    static const bool has = IsValidCodePage(kGb18030);
    return has;
}

std::optional<QString> Decode(UINT codePage, const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return QString();
    const int length = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.constData(), int(bytes.size()), nullptr, 0);
    if (length <= 0)
        return std::nullopt;
    QString text(length, Qt::Uninitialized);
    MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.constData(), int(bytes.size()),
                        reinterpret_cast<wchar_t *>(text.data()), length);
    return text;
}

// Code page 936, one character at a time: the euro sign and single 0x80 byte
// differ from GB18030, and a four-byte character has no place in it.
std::optional<QString> DecodeByGbk(const QByteArray &bytes)
{
    QString text;
    for (qsizetype at = 0; at < bytes.size();) {
        const uchar lead = uchar(bytes[at]);
        if (lead < 0x80) {
            text += QChar(lead);
            ++at;
            continue;
        }
        if (lead == 0x80 || lead == 0xFF || at + 1 >= bytes.size() || (uchar(bytes[at + 1]) >= 0x30 && uchar(bytes[at + 1]) <= 0x39))
            return std::nullopt;
        const QByteArray pair = bytes.mid(at, 2);
        const std::optional<QString> character = pair == kGb18030Euro ? QString(QChar(kEuro)) : Decode(kGbk, pair);
        if (!character)
            return std::nullopt;
        text += *character;
        at += 2;
    }
    return text;
}

std::optional<QByteArray> EncodeByGbk(const QString &text)
{
    QByteArray bytes;
    for (const QChar character : text) {
        if (character.unicode() == kEuro) {
            bytes += kGb18030Euro;
            continue;
        }
        if (character.isSurrogate())
            return std::nullopt;
        char encoded[4];
        BOOL defaultUsed = FALSE;
        const int length = WideCharToMultiByte(kGbk, WC_NO_BEST_FIT_CHARS, reinterpret_cast<const wchar_t *>(&character), 1,
                                               encoded, sizeof encoded, nullptr, &defaultUsed);
        if (length <= 0 || defaultUsed)
            return std::nullopt;
        bytes.append(encoded, length);
    }
    return bytes;
}

}  // namespace

std::optional<QString> DecodeGb18030(const QByteArray &bytes)
{
    return HasGb18030() ? Decode(kGb18030, bytes) : DecodeByGbk(bytes);
}

std::optional<QByteArray> EncodeGb18030(const QString &text)
{
    if (!HasGb18030())
        return EncodeByGbk(text);
    if (text.isEmpty())
        return QByteArray();
    const auto *wide = reinterpret_cast<const wchar_t *>(text.constData());
    const int length = WideCharToMultiByte(kGb18030, WC_ERR_INVALID_CHARS, wide, int(text.size()), nullptr, 0, nullptr, nullptr);
    if (length <= 0)
        return std::nullopt;
    QByteArray bytes(length, Qt::Uninitialized);
    WideCharToMultiByte(kGb18030, WC_ERR_INVALID_CHARS, wide, int(text.size()), bytes.data(), length, nullptr, nullptr);
    return bytes;
}
