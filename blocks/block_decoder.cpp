#include "block_decoder.h"

#include "field_encoding.h"

namespace {

// The block built from the decoded texts alone, as values of the layout's page.
template<typename Values>
QByteArray BuildFromTexts(const DecodedBlock &decoded)
{
    Values values;
    for (const auto &[control, text] : decoded.texts)
        values.text[control] = text;
    return BuildBlock(*decoded.layout, values);
}

}  // namespace

std::optional<DecodedBlock> DecodeBlock(const QByteArray &block)
{
    const BlockLayout *layout = FindBlockLayout(block.left(kTagSize));
    if (!layout || block.size() != layout->size)
        return std::nullopt;

    DecodedBlock decoded;
    decoded.layout = layout;
    for (const FieldLayout &field : layout->fields) {
        switch (field.kind) {
        case FieldKind::Text:
            decoded.texts[field.control] = DecodeText(block, field.offset, field.capBytes);
            break;
        case FieldKind::PhoneNumber:
            decoded.texts[field.control] = DecodePhoneNumber(block, field.offset);
            break;
        default:
            decoded.bytes[field.kind] = quint8(block[field.offset]);
            break;
        }
    }
    return decoded;
}

QByteArray RebuildBlock(const DecodedBlock &decoded)
{
    // Texts and numbers are encoded again; single-byte fields are taken as sent.
    QByteArray block = decoded.layout->page == Page::Main ? BuildFromTexts<MainPageValues>(decoded)
                                                          : BuildFromTexts<SensorPageValues>(decoded);
    for (const FieldLayout &field : decoded.layout->fields)
        if (auto byte = decoded.bytes.find(field.kind); byte != decoded.bytes.end())
            block[field.offset] = char(byte->second);
    return block;
}

QString FieldKindName(FieldKind kind)
{
    switch (kind) {
    case FieldKind::Text:
        return QStringLiteral("text");
    case FieldKind::PhoneNumber:
        return QStringLiteral("phoneNumber");
    case FieldKind::NumberListFlag:
        return QStringLiteral("numberListFlag");
    case FieldKind::AlarmMode:
        return QStringLiteral("alarmMode");
    case FieldKind::RingTone:
        return QStringLiteral("ringTone");
    case FieldKind::Constant:
        return QStringLiteral("closingByte");
    }
    return {};
}
