#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// A phone-number field is eight bytes: sixteen decimal digits, two per
// byte, the first digit in the high nibble, missing digits F (the padding).
constexpr int kPhoneNumberFieldSize = 8;
constexpr int kPhoneNumberDigits = 16;

// A text field ends at the first FF FF pair, the bytes of the fill: U+FFFF
// cannot stand inside a text.
constexpr ushort kTextEnd = 0xFFFF;

// Writes text as UCS-2 big-endian from block[offset]: its first capBytes / 2
// code units, up to any U+FFFF, which ends it (validation refuses such texts
// before a write). Bytes after the written ones are left as they are.
void EncodeText(QByteArray &block, int offset, const QString &text, int capBytes);

// Writes the eight-byte phone-number field at block[offset] from the first
// sixteen digits of number. The number ends at its first character that is
// no decimal digit 0-9 (validation refuses such numbers before a write):
// F is only ever padding.
void EncodePhoneNumber(QByteArray &block, int offset, const QString &number);

// Turns what a user typed into the bare digits the field holds: blanks
// (space, tab, U+3000), hyphens, dots and parentheses are dropped and
// full-width forms become ASCII. Returns nothing when any other character
// than a decimal digit remains (a "+", a letter, a Chinese character): a
// phone has no digits A-F, and F is the field's padding. The result may be
// longer than sixteen digits.
std::optional<QString> CleanPhoneNumber(const QString &typed);

// The decimal digits among what a user typed, half- or full-width: what the
// sixteen places of a number field are counted against.
qsizetype PhoneNumberDigitCount(const QString &typed);

// The inverse of EncodeText: code units up to the cap, ending at the first
// FF FF pair (the fill).
QString DecodeText(const QByteArray &block, int offset, int capBytes);

// The inverse of EncodePhoneNumber: the sixteen nibbles as hexadecimal
// digits in upper case with the trailing F digits (the padding) removed. A
// block this tool did not build may show letters A-F here.
QString DecodePhoneNumber(const QByteArray &block, int offset);
