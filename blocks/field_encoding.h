#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// A phone-number field is eight bytes: sixteen hexadecimal digits, two per
// byte, the first digit in the high nibble, missing digits F.
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
// sixteen characters of number. Either letter case counts; a character that
// is no hexadecimal digit is written as F (validation refuses such numbers
// before a write, so that never reaches the unit).
void EncodePhoneNumber(QByteArray &block, int offset, const QString &number);

// Turns what a user typed into the bare digits the field holds: blanks
// (space, tab, U+3000), hyphens, dots and parentheses are dropped and
// full-width forms become ASCII. Returns nothing when any other character
// than a hexadecimal digit remains (a "+", a letter beyond F, a Chinese
// character). The result may be longer than sixteen digits.
std::optional<QString> CleanPhoneNumber(const QString &typed);

// The inverse of EncodeText: code units up to the cap, ending at the first
// FF FF pair (the fill).
QString DecodeText(const QByteArray &block, int offset, int capBytes);

// The inverse of EncodePhoneNumber: the sixteen digits in upper case with the
// trailing F digits (the padding) removed.
QString DecodePhoneNumber(const QByteArray &block, int offset);
