// Any values on both pages. Every block built from them keeps its size and
// tag and, read back into its fields, builds again byte for byte; every field
// the validation lets through reaches the unit exactly as typed (a number as
// its digits) and holds whole characters only (no lone surrogate), and each
// problem names its own field once.
#include "block_decoder.h"
#include "field_encoding.h"
#include "fuzz_check.h"
#include "fuzzed_values.h"
#include "validation.h"

#include <QSet>

namespace {

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
            if (refused.contains(QStringLiteral("Text%1").arg(field.control)))
                continue;
            if (field.kind == FieldKind::Text) {
                FUZZ_CHECK(decoded->texts.at(field.control) == typed);
                FUZZ_CHECK(QString::fromUtf8(typed.toUtf8()) == typed);  // UTF-8 replaces a lone surrogate
            }
            else if (field.kind == FieldKind::PhoneNumber)
                FUZZ_CHECK(decoded->texts.at(field.control) == NumberAsRead(CleanPhoneNumber(typed).value_or(QString())));
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
