#include "field_encoding.h"

#include <array>

namespace {

// The padding nibble: the unit reads a number up to its first F.
constexpr int kPadding = 0xF;

bool IsDecimalDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool IsSeparator(QChar c)
{
    return c == u' ' || c == u'\t' || c == QChar(0x3000) || c == u'-' || c == u'.' || c == u'('
        || c == u')';
}

// Full-width ASCII variants U+FF01..U+FF5E sit 0xFEE0 above their ASCII forms.
QChar ToHalfWidth(QChar c)
{
    const ushort u = c.unicode();
    return (u >= 0xFF01 && u <= 0xFF5E) ? QChar(ushort(u - 0xFEE0)) : c;
}

}  // namespace

void EncodeText(QByteArray &block, int offset, const QString &text, int capBytes)
{
    // Whole code units only, so that an odd cap never spills into the next field.
    const qsizetype units = qMin<qsizetype>(text.size(), capBytes / 2);
    for (qsizetype k = 0; k < units; ++k) {
        const ushort unit = text.at(k).unicode();
        if (unit == kTextEnd)
            break;
        block[offset + 2 * k] = char(unit >> 8);
        block[offset + 2 * k + 1] = char(unit & 0xFF);
    }
}

void EncodePhoneNumber(QByteArray &block, int offset, const QString &number)
{
    // The number ends at its first character that is no digit, so that F
    // stands only after the last digit, never between two.
    std::array<int, kPhoneNumberDigits> nibbles;
    nibbles.fill(kPadding);
    for (int i = 0; i < kPhoneNumberDigits && i < number.size() && IsDecimalDigit(number.at(i)); ++i)
        nibbles[i] = number.at(i).unicode() - u'0';
    for (int k = 0; k < kPhoneNumberFieldSize; ++k)
        block[offset + k] = char(nibbles[2 * k] << 4 | nibbles[2 * k + 1]);
}

std::optional<QString> CleanPhoneNumber(const QString &typed)
{
    QString digits;
    digits.reserve(typed.size());
    for (QChar c : typed) {
        c = ToHalfWidth(c);
        if (IsSeparator(c))
            continue;
        if (!IsDecimalDigit(c))
            return std::nullopt;
        digits += c;
    }
    return digits;
}

QString DecodeText(const QByteArray &block, int offset, int capBytes)
{
    QString text;
    for (int i = 0; i + 1 < capBytes; i += 2) {
        const ushort unit = ushort(uchar(block[offset + i]) << 8 | uchar(block[offset + i + 1]));
        if (unit == kTextEnd)
            break;
        text += QChar(unit);
    }
    return text;
}

QString DecodePhoneNumber(const QByteArray &block, int offset)
{
    QString digits = QString::fromLatin1(block.mid(offset, kPhoneNumberFieldSize).toHex().toUpper());
    while (digits.endsWith(u'F'))
        digits.chop(1);
    return digits;
}

qsizetype PhoneNumberDigitCount(const QString &typed)
{
    qsizetype count = 0;
    for (QChar c : typed)
        count += IsDecimalDigit(ToHalfWidth(c)) ? 1 : 0;
    return count;
}
