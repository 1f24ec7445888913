// Any typed phone number. Cleaning keeps only hexadecimal digits and never
// adds any; the encoder writes its eight bytes and no other; validation
// refuses exactly the numbers the field cannot hold, and every other one
// reaches each block that carries it as its digits.
#include "block_decoder.h"
#include "field_encoding.h"
#include "fuzz_check.h"
#include "fuzzed_values.h"
#include "validation.h"

namespace {

constexpr char kGuard = char(0xA5);

bool IsHexDigit(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider provider(data, size);
    const QString typed = ConsumeText(provider, 80);
    const std::optional<QString> digits = CleanPhoneNumber(typed);
    if (digits) {
        FUZZ_CHECK(digits->size() <= typed.size());
        for (QChar c : *digits)
            FUZZ_CHECK(IsHexDigit(c));
        FUZZ_CHECK(CleanPhoneNumber(*digits) == digits);
    }

    QByteArray field(8 + kPhoneNumberFieldSize + 8, kGuard);
    EncodePhoneNumber(field, 8, digits.value_or(typed));
    FUZZ_CHECK(field.size() == 8 + kPhoneNumberFieldSize + 8);
    FUZZ_CHECK(field.left(8) == QByteArray(8, kGuard) && field.right(8) == QByteArray(8, kGuard));
    if (digits)
        FUZZ_CHECK(DecodePhoneNumber(field, 8) == NumberAsRead(*digits));

    MainPageValues page;
    page.text[MainPageControls::kRewritePassword] = QStringLiteral("秋水长天");
    page.text[MainPageControls::kAuthorisedNumbers[0]] = typed;
    const bool refused = !ValidateMainPage(page).isEmpty();
    FUZZ_CHECK(refused == (!digits || digits->size() > kPhoneNumberDigits));
    if (refused)
        return 0;
    for (const BlockLayout *layout : {&LayoutComsmsAB(), &LayoutComsmsA3(), &LayoutComsmsA4()}) {
        const std::optional<DecodedBlock> decoded = DecodeBlock(BuildBlock(*layout, InputOf(page)));
        FUZZ_CHECK(decoded && decoded->texts.at(MainPageControls::kAuthorisedNumbers[0]) == NumberAsRead(*digits));
    }
    return 0;
}
