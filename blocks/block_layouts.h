#pragma once

#include "page_values.h"

#include <QByteArray>
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

// One block: its tag, size, fill byte and fields. Bytes no field writes keep the fill.
struct BlockLayout
{
    const char *tag;
    int size;
    quint8 fill;
    std::vector<FieldLayout> fields;
};

constexpr int kTagSize = 8;

// The blocks in the order the pages send them.
const BlockLayout &LayoutComsmsA2();
const BlockLayout &LayoutComsmsAB();
const BlockLayout &LayoutComsmsA3();
const BlockLayout &LayoutComsmsA7();
const BlockLayout &LayoutComsmsA5();
const BlockLayout &LayoutComsmsA4();
const BlockLayout &LayoutComsmsA8();
const BlockLayout &LayoutComsmsAH();

// All eight layouts, main page first, each page's blocks in sending order.
const std::vector<const BlockLayout *> &AllBlockLayouts();
const BlockLayout *FindBlockLayout(const QByteArray &tag);

// The values a block is built from: texts by control number plus the
// page's two non-text controls.
struct BlockInput
{
    const QString *text;  // text[n] is control TextN
    int textCount;
    AlarmMode alarmMode = AlarmMode::None;
    int check1 = 0;
};

BlockInput InputOf(const MainPageValues &values);
BlockInput InputOf(const SensorPageValues &values);

// The one builder all blocks share: fill, tag, then the fields in table order.
// Numbers are cleaned of blanks and separators first (see CleanPhoneNumber),
// and the number-list flag looks at the cleaned numbers; a number that
// cannot be cleaned leaves its field empty.
QByteArray BuildBlock(const BlockLayout &layout, const BlockInput &input);

QByteArray BuildComsmsA2(const MainPageValues &values);
QByteArray BuildComsmsAB(const MainPageValues &values);
QByteArray BuildComsmsA3(const MainPageValues &values);
QByteArray BuildComsmsA7(const MainPageValues &values);
QByteArray BuildComsmsA5();
QByteArray BuildComsmsA4(const MainPageValues &values);
QByteArray BuildComsmsA8(const SensorPageValues &values);
QByteArray BuildComsmsAH(const SensorPageValues &values);
