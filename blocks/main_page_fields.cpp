#include "field_encoding.h"
#include "page_fields.h"

namespace {

constexpr FieldType Phone = FieldType::PhoneNumber;
constexpr FieldType Line = FieldType::OneLineText;
constexpr FieldType Lines = FieldType::MultiLineText;
constexpr FieldType Option = FieldType::Option;
constexpr StoreGroup Com = StoreGroup::ComChoice;
constexpr StoreGroup Phrases = StoreGroup::PassPhrasesAndNumbers;
constexpr StoreGroup Alarm = StoreGroup::AlarmSettings;

constexpr char kAuthorised[] = "authorisedNumbers";
constexpr char kPassPhrases[] = "passPhrases";
constexpr char kVibration[] = "vibrationAlarm";
constexpr char kRecipients[] = "smsRecipients";
constexpr char kCalls[] = "callNumbers";

}  // namespace

const FieldTable &MainPageFields()
{
    // clang-format off
    static const FieldTable table{
        // control  type    key       default     label                  limit  profile                          group
        {"Option1", Option, "Option1", "True",    "COM1",                 0, {},                               Com},
        {"Option2", Option, "Option2", "False",   "COM2",                 0, {},                               Com},
        {"Option3", Option, "Option3", "False",   "COM3",                 0, {},                               Com},
        {"Option4", Option, "Option4", "False",   "COM4",                 0, {},                               Com},
        {"Text7",   Line,   "k1",   "青山绿水", QT_TRANSLATE_NOOP("Field", "“切断汽车油路”密语"),    11, {kPassPhrases, "cutFuel"},        Phrases},
        {"Text8",   Line,   "g1",   "白云深处", QT_TRANSLATE_NOOP("Field", "“接通汽车油路”密语"),    11, {kPassPhrases, "restoreFuel"},    Phrases},
        {"Text13",  Line,   "k8",   "春风化雨", QT_TRANSLATE_NOOP("Field", "“防盗系统设防”密语"),    11, {kPassPhrases, "arm"},            Phrases},
        {"Text14",  Line,   "g8",   "明月清泉", QT_TRANSLATE_NOOP("Field", "“防盗系统解防”密语"),    11, {kPassPhrases, "disarm"},         Phrases},
        {"Text1",   Phone,  "tel1", "",         QT_TRANSLATE_NOOP("Field", "授权手机号码1"),         kPhoneNumberDigits, {nullptr, kAuthorised, 0},        Phrases},
        {"Text2",   Phone,  "tel2", "",         QT_TRANSLATE_NOOP("Field", "授权手机号码2"),         kPhoneNumberDigits, {nullptr, kAuthorised, 1},        Phrases},
        {"Text3",   Phone,  "tel3", "",         QT_TRANSLATE_NOOP("Field", "授权手机号码3"),         kPhoneNumberDigits, {nullptr, kAuthorised, 2},        Phrases},
        {"Text4",   Phone,  "tel4", "",         QT_TRANSLATE_NOOP("Field", "授权手机号码4"),         kPhoneNumberDigits, {nullptr, kAuthorised, 3},        Phrases},
        {"Text5",   Phone,  "tel5", "",         QT_TRANSLATE_NOOP("Field", "授权手机号码5"),         kPhoneNumberDigits, {nullptr, kAuthorised, 4},        Phrases},
        {"Text6",   Phone,  "tel6", "",         QT_TRANSLATE_NOOP("Field", "授权手机号码6"),         kPhoneNumberDigits, {nullptr, kAuthorised, 5},        Phrases},
        {"Text15",  Line,   nullptr, "秋水长天", QT_TRANSLATE_NOOP("Field", "改写报警设置的安全密语"), 4, {nullptr, "rewritePassword"},     StoreGroup::NeverStored},
        {"Check1",  FieldType::CheckBox, "Check1", "0", QT_TRANSLATE_NOOP("Field", "关闭本机的振铃声响"), 0, {nullptr, "switchOffRingTone"}, StoreGroup::RingTone},
        {"Text16",  Lines,  "Text16", "你的汽车被碰，请查看！", QT_TRANSLATE_NOOP("Field", "振动报警短信内容"), 60, {kVibration, "text"}, Alarm},
        {"Text17",  Phone,  "Text17", "",       QT_TRANSLATE_NOOP("Field", "报警短信接收号码1"),     kPhoneNumberDigits, {kVibration, kRecipients, 0},     Alarm},
        {"Text18",  Phone,  "Text18", "",       QT_TRANSLATE_NOOP("Field", "报警短信接收号码2"),     kPhoneNumberDigits, {kVibration, kRecipients, 1},     Alarm},
        {"Text19",  Phone,  "Text19", "",       QT_TRANSLATE_NOOP("Field", "报警短信接收号码3"),     kPhoneNumberDigits, {kVibration, kRecipients, 2},     Alarm},
        {"Text20",  Phone,  "Text20", "",       QT_TRANSLATE_NOOP("Field", "报警短信接收号码4"),     kPhoneNumberDigits, {kVibration, kRecipients, 3},     Alarm},
        {"Text21",  Phone,  "Text21", "",       QT_TRANSLATE_NOOP("Field", "报警短信接收号码5"),     kPhoneNumberDigits, {kVibration, kRecipients, 4},     Alarm},
        {"Text22",  Phone,  "Text22", "",       QT_TRANSLATE_NOOP("Field", "报警短信接收号码6"),     kPhoneNumberDigits, {kVibration, kRecipients, 5},     Alarm},
        {"Text23",  Phone,  "Text23", "",       QT_TRANSLATE_NOOP("Field", "报警拨打电话号码1"),     kPhoneNumberDigits, {kVibration, kCalls, 0},          Alarm},
        {"Text24",  Phone,  "Text24", "",       QT_TRANSLATE_NOOP("Field", "报警拨打电话号码2"),     kPhoneNumberDigits, {kVibration, kCalls, 1},          Alarm},
        {"Text25",  Phone,  "Text25", "",       QT_TRANSLATE_NOOP("Field", "报警拨打电话号码3"),     kPhoneNumberDigits, {kVibration, kCalls, 2},          Alarm},
        {"Text26",  Phone,  "Text26", "",       QT_TRANSLATE_NOOP("Field", "报警拨打电话号码4"),     kPhoneNumberDigits, {kVibration, kCalls, 3},          Alarm},
        {"Text27",  Phone,  "Text27", "",       QT_TRANSLATE_NOOP("Field", "报警拨打电话号码5"),     kPhoneNumberDigits, {kVibration, kCalls, 4},          Alarm},
        {"Text28",  Phone,  "Text28", "",       QT_TRANSLATE_NOOP("Field", "报警拨打电话号码6"),     kPhoneNumberDigits, {kVibration, kCalls, 5},          Alarm},
        {"Option5", Option, "Option5", "False", QT_TRANSLATE_NOOP("Field", "只发短信"),              0, {nullptr, "alarmMode", -1, "smsOnly"},    Alarm},
        {"Option6", Option, "Option6", "False", QT_TRANSLATE_NOOP("Field", "只拨打电话"),            0, {nullptr, "alarmMode", -1, "callOnly"},   Alarm},
        {"Option7", Option, "Option7", "True",  QT_TRANSLATE_NOOP("Field", "既发短信，又拨打电话"),  0, {nullptr, "alarmMode", -1, "smsAndCall"}, Alarm},
    };
    // clang-format on
    return table;
}
