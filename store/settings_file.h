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
                   // a NUL byte or a byte-order mark (UTF-8 or UTF-16 text)
};

// The value the bytes hold: everything up to the final line end (CR LF, CR or
// LF), so that a multi-line text comes back whole. Nothing, with the reason in
// `problem`, when the bytes hold no value.
std::optional<QString> ParseSettingsFile(const QByteArray &bytes, SettingsFileProblem *problem);

// The bytes that hold `value`; nothing when GB18030 cannot hold it (an
// unpaired surrogate).
std::optional<QByteArray> FormatSettingsFile(const QString &value);
