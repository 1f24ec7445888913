#include "block_log_line.h"

#include "block_decoder.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace {

QString Hex(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex());
}

QByteArray Line(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

}  // namespace

QByteArray BlockLogLine(const QByteArray &block)
{
    const std::optional<DecodedBlock> decoded = DecodeBlock(block);
    if (!decoded)
        return GarbageLogLine(block);

    QJsonObject fields;
    for (const auto &[control, text] : decoded->texts)
        fields.insert(QStringLiteral("Text%1").arg(control), text);
    for (const auto &[kind, byte] : decoded->bytes)
        fields.insert(FieldKindName(kind), Hex(QByteArray(1, char(byte))));

    return Line({{QStringLiteral("tag"), QString::fromLatin1(decoded->layout->tag)},
                 {QStringLiteral("size"), int(block.size())},
                 {QStringLiteral("hex"), Hex(block)},
                 {QStringLiteral("fields"), fields},
                 {QStringLiteral("exact"), RebuildBlock(*decoded) == block}});
}

QByteArray GarbageLogLine(const QByteArray &bytes)
{
    return Line({{QStringLiteral("garbage"), Hex(bytes)}});
}

QByteArray ChatterLogLine(int count)
{
    return Line({{QStringLiteral("chatter"), count}});
}
