// Any values on both pages. Every block built from them keeps its size and
// tag and, read back into its fields, builds again byte for byte; every field
// the validation lets through reaches the unit exactly as typed (a number as
// its digits) and holds whole characters only (no lone surrogate), and each
// problem names its own field once. A number is refused exactly when it does
// not clean to at most sixteen digits, its bytes are digits then only F even
// from text not cleaned, and the number-list flag is set exactly when an
// authorised number (Text1..Text6) has digits.
#include "block_decoder.h"
#include "field_encoding.h"
#include "fuzz_check.h"
#include "fuzzed_values.h"
#include "validation.h"

#include <QSet>
#include <algorithm>

namespace {

// The sixteen nibbles of the number field at offset are some digits 0-9, then only F.
bool DigitsThenPadding(const QByteArray &block, int offset)
{
    const QByteArray nibbles = block.mid(offset, kPhoneNumberFieldSize).toHex().toUpper();
    const qsizetype digits = std::find_if_not(nibbles.begin(), nibbles.end(), [](char c) { return c >= '0' && c <= '9'; }) - nibbles.begin();
    return nibbles.mid(digits) == QByteArray(nibbles.size() - digits, 'F');
}

template<typename Values>
void CheckPage(Page page, const Values &values, const QList<ValidationProblem> &problems)
{
    QSet<QString> refused;
    const QString description = DescribeProblems(problems);
    for (const ValidationProblem &problem : problems) {
        FUZZ_CHECK(!refused.contains(problem.control));
        refused.insert(problem.control);
        FUZZ_CHECK(description.contains(problem.message));
    }

    for (const BlockLayout &layout : AllBlockLayouts()) {
        if (layout.page != page)
            continue;
        const QByteArray block = BuildBlock(layout, values);
        FUZZ_CHECK(block.size() == layout.size && block.startsWith(layout.tag));
        const std::optional<DecodedBlock> decoded = DecodeBlock(block);
        FUZZ_CHECK(decoded && decoded->layout == &layout);
        FUZZ_CHECK(RebuildBlock(*decoded) == block);

        for (const FieldLayout &field : layout.fields) {
            const QString &typed = values.text[field.control];
            const bool fieldRefused = refused.contains(QStringLiteral("Text%1").arg(field.control));
            if (field.kind == FieldKind::Text && !fieldRefused) {
                FUZZ_CHECK(decoded->texts.at(field.control) == typed);
                FUZZ_CHECK(QString::fromUtf8(typed.toUtf8()) == typed);  // UTF-8 replaces a lone surrogate
            } else if (field.kind == FieldKind::PhoneNumber) {
                const std::optional<QString> digits = CleanPhoneNumber(typed);
                FUZZ_CHECK(!digits || (digits->size() <= typed.size() && CleanPhoneNumber(*digits) == digits));
                FUZZ_CHECK(fieldRefused == (!digits || digits->size() > kPhoneNumberDigits));
                FUZZ_CHECK(DigitsThenPadding(block, field.offset));
                QByteArray raw = block;  // the encoder alone, on text not cleaned, touches its eight bytes only
                EncodePhoneNumber(raw, field.offset, typed);
                FUZZ_CHECK(DigitsThenPadding(raw, field.offset) && raw.remove(field.offset, kPhoneNumberFieldSize) == QByteArray(block).remove(field.offset, kPhoneNumberFieldSize));
                if (!fieldRefused)
                    FUZZ_CHECK(decoded->texts.at(field.control) == NumberAsRead(*digits));
            } else if (field.kind == FieldKind::NumberListFlag) {
                const bool any = std::any_of(&values.text[1], &values.text[7], [](const QString &n) { return !CleanPhoneNumber(n).value_or(QString()).isEmpty(); });
                FUZZ_CHECK((uchar(block.at(field.offset)) != 0xFF) == any);
            }
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider provider(data, size);
    const MainPageValues main = ConsumeMainPage(provider);
    const SensorPageValues sensors = ConsumeSensorPage(provider);
    CheckPage(Page::Main, main, ValidateMainPage(main));
    CheckPage(Page::Sensor, sensors, ValidateSensorPage(sensors));
    return 0;
}
