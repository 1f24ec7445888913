#include "block_layouts.h"

#include "field_encoding.h"

namespace {

// The 24-byte text slots of COMSMSA2 and COMSMSAB hold at most 22 bytes.
constexpr int kPassPhraseCap = 22;
constexpr int kSlotSize = 24;
constexpr int kSensorTextCap = 40;
constexpr int kSensorRecordSize = 48;

FieldLayout Text(int offset, int control, int capBytes)
{
    return {FieldKind::Text, offset, control, capBytes};
}

FieldLayout Phone(int offset, int control)
{
    return {FieldKind::PhoneNumber, offset, control};
}

FieldLayout Byte(FieldKind kind, int offset, quint8 value = 0)
{
    return {kind, offset, 0, 0, value};
}

// The six authorised numbers Text1..Text6 from `offset`, then the number-list flag.
void AddAuthorisedNumbers(std::vector<FieldLayout> &fields, int offset, quint8 flagWhenAny)
{
    for (int k = 0; k < 6; ++k)
        fields.push_back(Phone(offset + 8 * k, MainPageControls::kAuthorisedNumbers[k]));
    fields.push_back(Byte(FieldKind::NumberListFlag, offset + 48, flagWhenAny));
}

// Five sensor records of a text and a number, from control firstControl on.
std::vector<FieldLayout> SensorRecords(int firstControl)
{
    std::vector<FieldLayout> fields;
    for (int k = 0; k < 5; ++k) {
        const int record = kTagSize + kSensorRecordSize * k;
        fields.push_back(Text(record, firstControl + 2 * k, kSensorTextCap));
        fields.push_back(Phone(record + kSensorTextCap, firstControl + 2 * k + 1));
    }
    return fields;
}

std::vector<FieldLayout> AlarmFields()
{
    using namespace MainPageControls;
    std::vector<FieldLayout> fields{Text(8, kVibrationAlarmText, 120)};
    for (int k = 0; k < 6; ++k)
        fields.push_back(Phone(168 + 8 * k, kAlarmSmsRecipients[k]));
    for (int k = 0; k < 6; ++k)
        fields.push_back(Phone(216 + 8 * k, kAlarmCallNumbers[k]));
    fields.push_back(Byte(FieldKind::AlarmMode, 264));
    fields.push_back(Text(265, kRewritePassword, 8));
    return fields;
}

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
    for (int control : MainPageControls::kAuthorisedNumbers)
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
        if (input.check1 == 1)
            block[field.offset] = char(0x00);
        else if (input.check1 == 0)
            block[field.offset] = char(0xFF);
        break;
    case FieldKind::Constant:
        block[field.offset] = char(field.value);
        break;
    }
}

}  // namespace

const BlockLayout &LayoutComsmsA2()
{
    using namespace MainPageControls;
    static const BlockLayout layout{
        "COMSMSA2", 248, 0xFF,
        {Text(kTagSize + 0 * kSlotSize, kFuelCutPhrase, kPassPhraseCap),
         Text(kTagSize + 1 * kSlotSize, kFuelRestorePhrase, kPassPhraseCap)}};
    return layout;
}

const BlockLayout &LayoutComsmsAB()
{
    using namespace MainPageControls;
    static const BlockLayout layout{"COMSMSAB", 249, 0xFF, [] {
        std::vector<FieldLayout> fields{
            Text(kTagSize + 4 * kSlotSize, kArmPhrase, kPassPhraseCap),
            Text(kTagSize + 5 * kSlotSize, kDisarmPhrase, kPassPhraseCap)};
        AddAuthorisedNumbers(fields, 200, 0x00);
        return fields;
    }()};
    return layout;
}

const BlockLayout &LayoutComsmsA3()
{
    static const BlockLayout layout{"COMSMSA3", 57, 0xFF, [] {
        std::vector<FieldLayout> fields;
        AddAuthorisedNumbers(fields, kTagSize, 0x80);
        return fields;
    }()};
    return layout;
}

const BlockLayout &LayoutComsmsA7()
{
    static const BlockLayout layout{"COMSMSA7", 273, 0xFF, AlarmFields()};
    return layout;
}

const BlockLayout &LayoutComsmsA5()
{
    static const BlockLayout layout{"COMSMSA5", 24, 0x00, {}};
    return layout;
}

const BlockLayout &LayoutComsmsA4()
{
    // COMSMSA3's numbers and flag, then the ring-tone byte and a closing zero.
    static const BlockLayout layout{"COMSMSA4", 59, 0xFF, [] {
        std::vector<FieldLayout> fields;
        AddAuthorisedNumbers(fields, kTagSize, 0x80);
        fields.push_back(Byte(FieldKind::RingTone, 57));
        fields.push_back(Byte(FieldKind::Constant, 58, 0x00));
        return fields;
    }()};
    return layout;
}

const BlockLayout &LayoutComsmsA8()
{
    static const BlockLayout layout{"COMSMSA8", 248, 0xFF, SensorRecords(1)};
    return layout;
}

const BlockLayout &LayoutComsmsAH()
{
    static const BlockLayout layout{"COMSMSAH", 248, 0xFF, SensorRecords(11)};
    return layout;
}

const std::vector<const BlockLayout *> &AllBlockLayouts()
{
    static const std::vector<const BlockLayout *> all{
        &LayoutComsmsA2(), &LayoutComsmsAB(), &LayoutComsmsA3(), &LayoutComsmsA7(),
        &LayoutComsmsA5(), &LayoutComsmsA4(), &LayoutComsmsA8(), &LayoutComsmsAH()};
    return all;
}

const BlockLayout *FindBlockLayout(const QByteArray &tag)
{
    for (const BlockLayout *layout : AllBlockLayouts())
        if (tag == layout->tag)
            return layout;
    return nullptr;
}

BlockInput InputOf(const MainPageValues &values)
{
    return {values.text.data(), int(values.text.size()), values.alarmMode, values.check1};
}

BlockInput InputOf(const SensorPageValues &values)
{
    return {values.text.data(), int(values.text.size())};
}

QByteArray BuildBlock(const BlockLayout &layout, const BlockInput &input)
{
    QByteArray block(layout.size, char(layout.fill));
    block.replace(0, kTagSize, layout.tag);
    for (const FieldLayout &field : layout.fields)
        WriteField(block, field, input);
    return block;
}

QByteArray BuildComsmsA2(const MainPageValues &v) { return BuildBlock(LayoutComsmsA2(), InputOf(v)); }
QByteArray BuildComsmsAB(const MainPageValues &v) { return BuildBlock(LayoutComsmsAB(), InputOf(v)); }
QByteArray BuildComsmsA3(const MainPageValues &v) { return BuildBlock(LayoutComsmsA3(), InputOf(v)); }
QByteArray BuildComsmsA7(const MainPageValues &v) { return BuildBlock(LayoutComsmsA7(), InputOf(v)); }
QByteArray BuildComsmsA5() { return BuildBlock(LayoutComsmsA5(), InputOf(MainPageValues{})); }
QByteArray BuildComsmsA4(const MainPageValues &v) { return BuildBlock(LayoutComsmsA4(), InputOf(v)); }
QByteArray BuildComsmsA8(const SensorPageValues &v) { return BuildBlock(LayoutComsmsA8(), InputOf(v)); }
QByteArray BuildComsmsAH(const SensorPageValues &v) { return BuildBlock(LayoutComsmsAH(), InputOf(v)); }
