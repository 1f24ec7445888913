// Any typed phone number. Cleaning keeps only decimal digits and never adds
// any; the encoder writes its eight bytes and no other, digits first and F
// only as padding after them; validation refuses exactly the numbers the
// field cannot hold, and every other one reaches each block that carries it
// as its digits, with the number-list flag set exactly when it has any.
#include "block_decoder.h"
#include "field_encoding.h"
#include "fuzz_check.h"
#include "fuzzed_values.h"
#include "validation.h"

#include <algorithm>

namespace {

constexpr char kGuard = char(0xA5);

// The sixteen nibbles of a field are some digits 0-9, then only F.
bool DigitsThenPadding(const QByteArray &field)
{
    const QByteArray nibbles = field.toHex().toUpper();
    const qsizetype digits = std::find_if_not(nibbles.begin(), nibbles.end(), [](char c) { return c >= '0' && c <= '9'; }) - nibbles.begin();
    return nibbles.mid(digits) == QByteArray(nibbles.size() - digits, 'F');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider provider(data, size);
    const QString typed = ConsumeText(provider, 80);
    const std::optional<QString> digits = CleanPhoneNumber(typed);
    if (digits) {
        FUZZ_CHECK(digits->size() <= typed.size());
        FUZZ_CHECK(std::all_of(digits->cbegin(), digits->cend(), [](QChar c) { return c >= u'0' && c <= u'9'; }));
        FUZZ_CHECK(CleanPhoneNumber(*digits) == digits);
    }

    QByteArray field(8 + kPhoneNumberFieldSize + 8, kGuard);
    EncodePhoneNumber(field, 8, digits.value_or(typed));
    FUZZ_CHECK(field.size() == 8 + kPhoneNumberFieldSize + 8);
    FUZZ_CHECK(field.left(8) == QByteArray(8, kGuard) && field.right(8) == QByteArray(8, kGuard));
    FUZZ_CHECK(DigitsThenPadding(field.mid(8, kPhoneNumberFieldSize)));
    if (digits)
        FUZZ_CHECK(DecodePhoneNumber(field, 8) == NumberAsRead(*digits));

    MainPageValues page;
    page.text[15] = QStringLiteral("秋水长天");
    page.text[1] = typed;  // the first authorised number
    const bool refused = !ValidateMainPage(page).isEmpty();
    FUZZ_CHECK(refused == (!digits || digits->size() > kPhoneNumberDigits));
    if (refused)
        return 0;
    for (const char *tag : {"COMSMSAB", "COMSMSA3", "COMSMSA4"}) {
        const std::optional<DecodedBlock> decoded = DecodeBlock(BuildBlock(BlockLayoutOf(tag), page));
        FUZZ_CHECK(decoded && decoded->texts.at(1) == NumberAsRead(*digits));
        FUZZ_CHECK((decoded->bytes.at(FieldKind::NumberListFlag) != 0xFF) == !digits->isEmpty());
    }
    return 0;
}
