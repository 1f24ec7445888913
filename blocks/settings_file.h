#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The bytes of one settings file: the value in GB18030 (the same bytes as GBK
// for every character GBK has) followed by CR LF. No disk access here.

// The most a settings file holds: the longest SMS text, four bytes a
// character, is far below it. A larger file is refused unread.
constexpr qint64 kSettingsFileLimit = 4096;

enum class SettingsFileProblem {
    None,
    Empty,         // no bytes at all, not even a line end
    NotGb18030,    // bytes that are no GB18030 text, a character cut off at the end,
                   // a NUL byte, a UTF-16 byte-order mark, or UTF-8 text (see below)
};

// The value the bytes hold: everything up to the final line end (CR LF, CR or
// LF), so that a multi-line text comes back whole. Nothing, with the reason in
// `problem`, when the bytes hold no value.
//
// Text another program saved as UTF-8 is refused rather than read as
// GB18030, where its Chinese would turn into other Chinese characters (青山绿水
// into 闈掑北缁挎按). Bytes count as UTF-8 when they are valid UTF-8 holding
// multi-byte characters, and either begin with its byte-order mark, or their
// GB18030 reading holds a character outside GB2312 (the characters people
// type: ASCII, the common Chinese characters and punctuation) while their
// UTF-8 reading holds only printable characters. Text this program wrote in
// GB2312 characters is therefore always read. A UTF-8 file whose GB18030
// reading happens to be GB2312 text too (rare: some two-character texts,
// Latin letters with accents) cannot be told apart and is read as GB18030.
std::optional<QString> ParseSettingsFile(const QByteArray &bytes, SettingsFileProblem *problem);

// The bytes that hold `value`, when ParseSettingsFile() gives `value` back
// from them unchanged; nothing otherwise (an unpaired surrogate, a NUL, a
// text whose bytes read as UTF-8 by the rule above). The write of the store
// and the validation of the pages both ask this.
std::optional<QByteArray> FormatSettingsFile(const QString &value);
