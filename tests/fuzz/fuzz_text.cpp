// Any text into a text field of any cap, at any offset, over any fill. The
// encoder writes whole UTF-16 code units inside the field and no byte outside
// it, stopping at a U+FFFF; over the 0xFF fill the decoder reads back what
// was written.
#include "field_encoding.h"
#include "fuzz_check.h"
#include "fuzzed_values.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider provider(data, size);
    const int cap = provider.ConsumeIntegralInRange(0, 130);
    const int offset = provider.ConsumeIntegralInRange(0, 16);
    const bool unitFill = provider.ConsumeBool();
    const char fill = unitFill ? char(0xFF) : char(provider.ConsumeIntegral<uint8_t>());
    const QString text = ConsumeText(provider, 300);

    const QByteArray before(offset + cap + 8, fill);
    QByteArray block = before;
    EncodeText(block, offset, text, cap);
    FUZZ_CHECK(block.size() == before.size());
    FUZZ_CHECK(block.left(offset) == before.left(offset));
    FUZZ_CHECK(block.mid(offset + cap) == before.mid(offset + cap));

    // The field holds the text's first whole code units, high byte first, up to
    // any U+FFFF (whose bytes are those of the fill, which ends a text), then the fill.
    QString written = text.left(cap / 2);
    written.truncate(written.indexOf(QChar(0xFFFF)) < 0 ? written.size() : written.indexOf(QChar(0xFFFF)));
    QByteArray field;
    for (QChar unit : written)
        field.append(char(unit.unicode() >> 8)).append(char(unit.unicode() & 0xFF));
    field += QByteArray(cap - field.size(), fill);
    FUZZ_CHECK(block.mid(offset, cap) == field);
    if (unitFill)
        FUZZ_CHECK(DecodeText(block, offset, cap) == written);
    return 0;
}
