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

bool IsDigit(char byte) { return byte >= '0' && byte <= '9'; }

// The characters beyond the BMP are GB18030's four-byte codes from 90 30 81 30
// on, counted straight through: bytes of ten, 126, ten values.
constexpr char32_t kFirstBeyondBmp = 0x10000;
constexpr uchar kFirstBeyondBmpLead = 0x90;

std::optional<char32_t> BeyondBmp(const QByteArray &code)
{
    if (code.size() < 4 || uchar(code[0]) < kFirstBeyondBmpLead || uchar(code[0]) > 0xE3 || !IsDigit(code[1])
        || uchar(code[2]) < 0x81 || uchar(code[2]) > 0xFE || !IsDigit(code[3]))
        return std::nullopt;
    const char32_t linear = ((uchar(code[0]) - kFirstBeyondBmpLead) * 10 + (code[1] - '0')) * 1260
                            + (uchar(code[2]) - 0x81) * 10 + (code[3] - '0');
    if (linear > 0x10FFFF - kFirstBeyondBmp)
        return std::nullopt;
    return kFirstBeyondBmp + linear;
}

QByteArray BeyondBmp(char32_t character)
{
    const char32_t linear = character - kFirstBeyondBmp;
    const char code[4] = {char(kFirstBeyondBmpLead + linear / 12600), char('0' + linear / 1260 % 10),
                          char(0x81 + linear / 10 % 126), char('0' + linear % 10)};
    return QByteArray(code, 4);
}

// Code page 936, one character at a time: the euro sign and single 0x80 byte
// differ from GB18030; of the four-byte characters, those beyond the BMP are
// counted out here and the others (not in GBK) are refused.
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
        if (lead == 0x80 || lead == 0xFF || at + 1 >= bytes.size())
            return std::nullopt;
        if (IsDigit(bytes[at + 1])) {
            const std::optional<char32_t> outside = BeyondBmp(bytes.mid(at, 4));
            if (!outside)
                return std::nullopt;
            text += QString::fromUcs4(&*outside, 1);
            at += 4;
            continue;
        }
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
    for (qsizetype at = 0; at < text.size(); ++at) {
        const QChar character = text[at];
        if (character.unicode() == kEuro) {
            bytes += kGb18030Euro;
            continue;
        }
        if (character.isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate()) {
            bytes += BeyondBmp(QChar::surrogateToUcs4(character, text[++at]));
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
