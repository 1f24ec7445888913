#pragma once

#include "page_values.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <vector>

// What one field of a block holds and how it is written.
enum class FieldKind {
    Text,            // control text as UCS-2 big-endian, cut at capBytes
    PhoneNumber,     // control text as eight bytes of packed digits
    NumberListFlag,  // `value` when any authorised number Text1..Text6 has digits, else 0xFF
    AlarmMode,       // Option5 00, Option6 80, Option7 (or none) FF
    RingTone,        // Check1 ticked 00, clear FF, grayed keeps the fill
    Constant,        // always `value`
};

struct FieldLayout
{
    FieldKind kind;
    int offset;
    int control = 0;   // TextN the field is built from (Text and PhoneNumber)
    int capBytes = 0;  // Text only
    quint8 value = 0;  // NumberListFlag and Constant
};

// One block: its tag, what it carries in the page's words, size, fill byte
// and fields. Bytes no field writes keep the fill.
struct BlockLayout
{
    const char *tag;
    const char *part;  // untranslated, in the "Block" context: "授权手机号码（第2份）"
    Page page;
    int size;
    quint8 fill;
    std::vector<FieldLayout> fields;
};

constexpr int kTagSize = 8;

// All eight layouts, main page first, each page's blocks in sending order.
const std::vector<BlockLayout> &AllBlockLayouts();
// The layout of a tag ("COMSMSA7"), or null.
const BlockLayout *FindBlockLayout(const QByteArray &tag);
// The layout of a tag this program sends.
const BlockLayout &BlockLayoutOf(const char *tag);
// What the block carries as the page words it, in the chosen language; a tag
// this program does not send (a hand-edited history line) is named as it is.
QString PartName(const QByteArray &tag);

// The one builder all blocks share: fill, tag, then the fields in table order,
// from the values of the layout's page. Numbers are cleaned of blanks and
// separators first (see CleanPhoneNumber), and the number-list flag looks at
// the cleaned numbers; a number that cannot be cleaned leaves its field empty.
QByteArray BuildBlock(const BlockLayout &layout, const MainPageValues &values);
QByteArray BuildBlock(const BlockLayout &layout, const SensorPageValues &values);

// Every block a write of the page may send, in sending order.
QList<QByteArray> MainPageBlocks(const MainPageValues &values);
QList<QByteArray> SensorPageBlocks(const SensorPageValues &values);
