#pragma once

#include "block_layouts.h"

#include <QByteArray>
#include <map>
#include <optional>

// A block read back into its fields: what the unit would take from it.
struct DecodedBlock
{
    const BlockLayout *layout = nullptr;
    std::map<int, QString> texts;       // control number -> text, or number as digits
    std::map<FieldKind, quint8> bytes;  // the single-byte fields as sent
};

// Reads any of the eight blocks. Returns nothing when the tag is unknown or
// the size does not match the tag.
std::optional<DecodedBlock> DecodeBlock(const QByteArray &block);

// Builds the block again from its decoded fields. Equal to the original
// whenever the original is a block this tool builds: a difference means bytes
// outside the fields that are not the fill, or a field the decoder misread.
QByteArray RebuildBlock(const DecodedBlock &decoded);

// Readable name of a single-byte field ("numberListFlag", "alarmMode", ...).
QString FieldKindName(FieldKind kind);
