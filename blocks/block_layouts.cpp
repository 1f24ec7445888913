#include "block_layouts.h"

#include "field_encoding.h"

#include <QCoreApplication>

// The eight blocks as the unit's memory map. Every block starts with its
// eight-byte tag; a byte no field writes keeps the block's fill.
//
//  tag       size fill  offset   field
//  COMSMSA2   248  FF     8..29  Text7  fuel-cut phrase (24-byte slot, 22 used)
//                        32..53  Text8  fuel-restore phrase
//  COMSMSAB   249  FF   104..125 Text13 arm phrase
//                       128..149 Text14 disarm phrase
//                       200..247 Text1..Text6 authorised numbers, 8 bytes each
//                       248      number-list flag: 00 with any number, else FF
//  COMSMSA3    57  FF     8..55  Text1..Text6 authorised numbers
//                        56      number-list flag: 80 with any number, else FF
//  COMSMSA7   273  FF     8..127 Text16 vibration alarm text
//                       168..215 Text17..Text22 alarm SMS recipients
//                       216..263 Text23..Text28 alarm call numbers
//                       264      alarm mode: 00 SMS only, 80 call only, FF both
//                       265..272 Text15 rewrite password
//  COMSMSA5    24  00   (no fields)
//  COMSMSA4    59  FF     8..56  as COMSMSA3
//                        57      ring tone: 00 switch off, FF leave on; grayed keeps FF
//                        58      closing 00
//  COMSMSA8   248  FF     8..247 sensors 1..5: Text(2n-1) text (40 bytes), Text(2n) number
//  COMSMSAH   248  FF     8..247 sensors 6..10, as COMSMSA8

namespace {

// COMSMSA2 and COMSMSAB: 24-byte slots for the pass phrases, 22 bytes used.
constexpr int kPhraseSlotSize = 24;
constexpr int kPhraseCap = 22;
constexpr int PhraseSlot(int slot) { return kTagSize + slot * kPhraseSlotSize; }
constexpr int kNumbersInAB = 200;
constexpr int kNumberListInAB = 248;
constexpr int kNumbersInA3 = kTagSize;
constexpr int kNumberListInA3 = 56;
constexpr int kRingToneInA4 = 57;
constexpr int kClosingByteInA4 = 58;
constexpr int kAlarmText = kTagSize;
constexpr int kAlarmTextCap = 120;
constexpr int kSmsRecipients = 168;
constexpr int kCallNumbers = 216;
constexpr int kAlarmModeByte = 264;
constexpr int kRewritePassword = 265;
constexpr int kPasswordCap = 8;
constexpr int kSensorRecords = kTagSize;
constexpr int kSensorRecordSize = 48;
constexpr int kSensorTextCap = 40;
constexpr int kSensorsPerBlock = 5;
constexpr int kAuthorisedNumbers = 1;  // Text1..Text6
constexpr int kNumbersPerList = 6;

constexpr quint8 kFill = 0xFF;
constexpr quint8 kAnyNumberInAB = 0x00;
constexpr quint8 kAnyNumberInA3 = 0x80;

FieldLayout Text(int offset, int control, int capBytes)
{
    return {FieldKind::Text, offset, control, capBytes};
}

FieldLayout Byte(FieldKind kind, int offset, quint8 value = 0)
{
    return {kind, offset, 0, 0, value};
}

// Six numbers Text<firstControl>.. from `offset`, eight bytes each.
std::vector<FieldLayout> Numbers(int offset, int firstControl)
{
    std::vector<FieldLayout> fields;
    for (int k = 0; k < kNumbersPerList; ++k)
        fields.push_back({FieldKind::PhoneNumber, offset + kPhoneNumberFieldSize * k, firstControl + k});
    return fields;
}

// The authorised numbers, then the number-list flag that says whether any is given.
std::vector<FieldLayout> AuthorisedNumbers(int offset, int flagOffset, quint8 flagWhenAny)
{
    std::vector<FieldLayout> fields = Numbers(offset, kAuthorisedNumbers);
    fields.push_back(Byte(FieldKind::NumberListFlag, flagOffset, flagWhenAny));
    return fields;
}

// Five sensor records of a text and a number, from control firstControl on.
std::vector<FieldLayout> SensorRecords(int firstControl)
{
    std::vector<FieldLayout> fields;
    for (int k = 0; k < kSensorsPerBlock; ++k) {
        const int record = kSensorRecords + kSensorRecordSize * k;
        fields.push_back(Text(record, firstControl + 2 * k, kSensorTextCap));
        fields.push_back({FieldKind::PhoneNumber, record + kSensorTextCap, firstControl + 2 * k + 1});
    }
    return fields;
}

std::vector<FieldLayout> operator+(std::vector<FieldLayout> a, const std::vector<FieldLayout> &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The values a block is built from: texts by control number plus the
// main page's two non-text controls.
struct BlockInput
{
    const QString *text;  // text[n] is control TextN
    int textCount;
    AlarmMode alarmMode = AlarmMode::None;
    RingTone ringTone = RingTone::On;
};

// The digits a number field carries: none for a number that cannot be
// cleaned (validation refuses it before a write).
QString NumberSent(const QString &typed)
{
    return CleanPhoneNumber(typed).value_or(QString());
}

// The number-list flag tells the unit what the fields carry, so a number of
// blanks or hyphens only counts as none.
bool AnyAuthorisedNumberSent(const BlockInput &input)
{
    for (int control = kAuthorisedNumbers; control < kAuthorisedNumbers + kNumbersPerList; ++control)
        if (!NumberSent(input.text[control]).isEmpty())
            return true;
    return false;
}

quint8 AlarmModeByte(AlarmMode mode)
{
    switch (mode) {
    case AlarmMode::SmsOnly:
        return 0x00;
    case AlarmMode::CallOnly:
        return 0x80;
    case AlarmMode::SmsAndCall:
    case AlarmMode::None:
        break;
    }
    return 0xFF;
}

void WriteField(QByteArray &block, const FieldLayout &field, const BlockInput &input)
{
    Q_ASSERT(field.control < input.textCount);
    switch (field.kind) {
    case FieldKind::Text:
        EncodeText(block, field.offset, input.text[field.control], field.capBytes);
        break;
    case FieldKind::PhoneNumber:
        EncodePhoneNumber(block, field.offset, NumberSent(input.text[field.control]));
        break;
    case FieldKind::NumberListFlag:
        block[field.offset] = char(AnyAuthorisedNumberSent(input) ? field.value : 0xFF);
        break;
    case FieldKind::AlarmMode:
        block[field.offset] = char(AlarmModeByte(input.alarmMode));
        break;
    case FieldKind::RingTone:
        if (input.ringTone == RingTone::SwitchedOff)
            block[field.offset] = char(0x00);
        else if (input.ringTone == RingTone::On)
            block[field.offset] = char(0xFF);
        break;
    case FieldKind::Constant:
        block[field.offset] = char(field.value);
        break;
    }
}

QByteArray Build(const BlockLayout &layout, const BlockInput &input)
{
    QByteArray block(layout.size, char(layout.fill));
    block.replace(0, kTagSize, layout.tag);
    for (const FieldLayout &field : layout.fields)
        WriteField(block, field, input);
    return block;
}

}  // namespace

const std::vector<BlockLayout> &AllBlockLayouts()
{
    static const std::vector<BlockLayout> layouts{
        {"COMSMSA2", QT_TRANSLATE_NOOP("Block", "油路控制密语"), Page::Main, 248, kFill,
         {Text(PhraseSlot(0), 7, kPhraseCap), Text(PhraseSlot(1), 8, kPhraseCap)}},
        {"COMSMSAB", QT_TRANSLATE_NOOP("Block", "设防解防密语和授权手机号码（第1份）"), Page::Main, 249, kFill,
         std::vector<FieldLayout>{Text(PhraseSlot(4), 13, kPhraseCap), Text(PhraseSlot(5), 14, kPhraseCap)}
             + AuthorisedNumbers(kNumbersInAB, kNumberListInAB, kAnyNumberInAB)},
        {"COMSMSA3", QT_TRANSLATE_NOOP("Block", "授权手机号码（第2份）"), Page::Main, 57, kFill, AuthorisedNumbers(kNumbersInA3, kNumberListInA3, kAnyNumberInA3)},
        {"COMSMSA7", QT_TRANSLATE_NOOP("Block", "报警短信内容和号码、报警方式、安全密语"), Page::Main, 273, kFill,
         std::vector<FieldLayout>{Text(kAlarmText, 16, kAlarmTextCap)} + Numbers(kSmsRecipients, 17)
             + Numbers(kCallNumbers, 23)
             + std::vector<FieldLayout>{Byte(FieldKind::AlarmMode, kAlarmModeByte),
                                        Text(kRewritePassword, 15, kPasswordCap)}},
        {"COMSMSA5", QT_TRANSLATE_NOOP("Block", "固定数据"), Page::Main, 24, 0x00, {}},
        {"COMSMSA4", QT_TRANSLATE_NOOP("Block", "授权手机号码（第3份）和振铃开关"), Page::Main, 59, kFill,
         AuthorisedNumbers(kNumbersInA3, kNumberListInA3, kAnyNumberInA3)
             + std::vector<FieldLayout>{Byte(FieldKind::RingTone, kRingToneInA4),
                                        Byte(FieldKind::Constant, kClosingByteInA4, 0x00)}},
        {"COMSMSA8", QT_TRANSLATE_NOOP("Block", "无线传感器1–5"), Page::Sensor, 248, kFill, SensorRecords(1)},
        {"COMSMSAH", QT_TRANSLATE_NOOP("Block", "无线传感器6–10"), Page::Sensor, 248, kFill, SensorRecords(1 + 2 * kSensorsPerBlock)},
    };
    return layouts;
}

const BlockLayout *FindBlockLayout(const QByteArray &tag)
{
    for (const BlockLayout &layout : AllBlockLayouts())
        if (tag == layout.tag)
            return &layout;
    return nullptr;
}

const BlockLayout &BlockLayoutOf(const char *tag)
{
    const BlockLayout *layout = FindBlockLayout(tag);
    Q_ASSERT(layout);
    return *layout;
}

QString PartName(const QByteArray &tag)
{
    const BlockLayout *layout = FindBlockLayout(tag);
    return layout ? QCoreApplication::translate("Block", layout->part) : QString::fromLatin1(tag);
}

QByteArray BuildBlock(const BlockLayout &layout, const MainPageValues &values)
{
    Q_ASSERT(layout.page == Page::Main);
    return Build(layout, {values.text.data(), int(values.text.size()), values.alarmMode, values.ringTone});
}

QByteArray BuildBlock(const BlockLayout &layout, const SensorPageValues &values)
{
    Q_ASSERT(layout.page == Page::Sensor);
    return Build(layout, {values.text.data(), int(values.text.size())});
}

namespace {

template<typename Values>
QList<QByteArray> PageBlocks(Page page, const Values &values)
{
    QList<QByteArray> blocks;
    for (const BlockLayout &layout : AllBlockLayouts())
        if (layout.page == page)
            blocks.append(BuildBlock(layout, values));
    return blocks;
}

}  // namespace

QList<QByteArray> MainPageBlocks(const MainPageValues &values)
{
    return PageBlocks(Page::Main, values);
}

QList<QByteArray> SensorPageBlocks(const SensorPageValues &values)
{
    return PageBlocks(Page::Sensor, values);
}
