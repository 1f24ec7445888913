#include "field_encoding.h"
#include "page_fields.h"

namespace {

constexpr FieldType Text = FieldType::MultiLineText;
constexpr FieldType Phone = FieldType::PhoneNumber;
constexpr StoreGroup Sensors = StoreGroup::Sensors;

}  // namespace

const FieldTable &SensorPageFields()
{
    // clang-format off
    static const FieldTable table{
        // control type   key     default  label  limit  profile  group
        {"Text1", Text, "SMS1", "你的汽车后备箱被人撬开，请查看！", QT_TRANSLATE_NOOP("Field", "01号无线传感器的短信内容"), 20, {nullptr, "text", 0}, Sensors},
        {"Text2", Phone, "Ttt1", "", QT_TRANSLATE_NOOP("Field", "01号无线传感器的号码"), kPhoneNumberDigits, {nullptr, "number", 0}, Sensors},
        {"Text3", Text, "SMS2", "车内有人进入，请查看！", QT_TRANSLATE_NOOP("Field", "02号无线传感器的短信内容"), 20, {nullptr, "text", 1}, Sensors},
        {"Text4", Phone, "Ttt2", "", QT_TRANSLATE_NOOP("Field", "02号无线传感器的号码"), kPhoneNumberDigits, {nullptr, "number", 1}, Sensors},
        {"Text5", Text, "SMS3", "你的汽车车门被人撬开，请查看！", QT_TRANSLATE_NOOP("Field", "03号无线传感器的短信内容"), 20, {nullptr, "text", 2}, Sensors},
        {"Text6", Phone, "Ttt3", "", QT_TRANSLATE_NOOP("Field", "03号无线传感器的号码"), kPhoneNumberDigits, {nullptr, "number", 2}, Sensors},
        {"Text7", Text, "SMS4", "04号无线传感器报警内容，请输入。", QT_TRANSLATE_NOOP("Field", "04号无线传感器的短信内容"), 20, {nullptr, "text", 3}, Sensors},
        {"Text8", Phone, "Ttt4", "", QT_TRANSLATE_NOOP("Field", "04号无线传感器的号码"), kPhoneNumberDigits, {nullptr, "number", 3}, Sensors},
        {"Text9", Text, "SMS5", "05号无线传感器报警内容，请输入。", QT_TRANSLATE_NOOP("Field", "05号无线传感器的短信内容"), 20, {nullptr, "text", 4}, Sensors},
        {"Text10", Phone, "Ttt5", "", QT_TRANSLATE_NOOP("Field", "05号无线传感器的号码"), kPhoneNumberDigits, {nullptr, "number", 4}, Sensors},
        {"Text11", Text, "SMS6", "06号无线传感器报警内容，请输入。", QT_TRANSLATE_NOOP("Field", "06号无线传感器的短信内容"), 20, {nullptr, "text", 5}, Sensors},
        {"Text12", Phone, "Ttt6", "", QT_TRANSLATE_NOOP("Field", "06号无线传感器的号码"), kPhoneNumberDigits, {nullptr, "number", 5}, Sensors},
        {"Text13", Text, "SMS7", "07号无线传感器报警内容，请输入。", QT_TRANSLATE_NOOP("Field", "07号无线传感器的短信内容"), 20, {nullptr, "text", 6}, Sensors},
        {"Text14", Phone, "Ttt7", "", QT_TRANSLATE_NOOP("Field", "07号无线传感器的号码"), kPhoneNumberDigits, {nullptr, "number", 6}, Sensors},
        {"Text15", Text, "SMS8", "08号无线传感器报警内容，请输入。", QT_TRANSLATE_NOOP("Field", "08号无线传感器的短信内容"), 20, {nullptr, "text", 7}, Sensors},
        {"Text16", Phone, "Ttt8", "", QT_TRANSLATE_NOOP("Field", "08号无线传感器的号码"), kPhoneNumberDigits, {nullptr, "number", 7}, Sensors},
        {"Text17", Text, "SMS9", "09号无线传感器报警内容，请输入。", QT_TRANSLATE_NOOP("Field", "09号无线传感器的短信内容"), 20, {nullptr, "text", 8}, Sensors},
        {"Text18", Phone, "Ttt9", "", QT_TRANSLATE_NOOP("Field", "09号无线传感器的号码"), kPhoneNumberDigits, {nullptr, "number", 8}, Sensors},
        {"Text19", Text, "SMS10", "10号无线传感器报警内容，请输入。", QT_TRANSLATE_NOOP("Field", "10号无线传感器的短信内容"), 20, {nullptr, "text", 9}, Sensors},
        {"Text20", Phone, "Ttt10", "", QT_TRANSLATE_NOOP("Field", "10号无线传感器的号码"), kPhoneNumberDigits, {nullptr, "number", 9}, Sensors},
    };
    // clang-format on
    return table;
}
