#include "settings_keys.h"

constexpr ValueKind T = ValueKind::Text;
constexpr ValueKind O = ValueKind::Option;
constexpr Lines L1 = Lines::One;
constexpr Lines LN = Lines::Many;

const std::array<SettingsKey, 31> kMainPageKeys{{
    {"Option1", "Option1", O, L1, "True"},
    {"Option2", "Option2", O, L1, "False"},
    {"Option3", "Option3", O, L1, "False"},
    {"Option4", "Option4", O, L1, "False"},
    {"k1", "Text7", T, L1, "青山绿水"},
    {"g1", "Text8", T, L1, "白云深处"},
    {"k8", "Text13", T, L1, "春风化雨"},
    {"g8", "Text14", T, L1, "明月清泉"},
    {"tel1", "Text1", T, L1, ""},
    {"tel2", "Text2", T, L1, ""},
    {"tel3", "Text3", T, L1, ""},
    {"tel4", "Text4", T, L1, ""},
    {"tel5", "Text5", T, L1, ""},
    {"tel6", "Text6", T, L1, ""},
    {"Check1", "Check1", ValueKind::CheckBox, L1, "0"},
    {"Text16", "Text16", T, LN, "你的汽车被碰，请查看！"},
    {"Text17", "Text17", T, L1, ""},
    {"Text18", "Text18", T, L1, ""},
    {"Text19", "Text19", T, L1, ""},
    {"Text20", "Text20", T, L1, ""},
    {"Text21", "Text21", T, L1, ""},
    {"Text22", "Text22", T, L1, ""},
    {"Text23", "Text23", T, L1, ""},
    {"Text24", "Text24", T, L1, ""},
    {"Text25", "Text25", T, L1, ""},
    {"Text26", "Text26", T, L1, ""},
    {"Text27", "Text27", T, L1, ""},
    {"Text28", "Text28", T, L1, ""},
    {"Option5", "Option5", O, L1, "False"},
    {"Option6", "Option6", O, L1, "False"},
    {"Option7", "Option7", O, L1, "True"},
}};

const std::array<SettingsKey, 20> kSensorPageKeys{{
    {"SMS1", "Text1", T, LN, "你的汽车后备箱被人撬开，请查看！"},
    {"Ttt1", "Text2", T, L1, ""},
    {"SMS2", "Text3", T, LN, "车内有人进入，请查看！"},
    {"Ttt2", "Text4", T, L1, ""},
    {"SMS3", "Text5", T, LN, "你的汽车车门被人撬开，请查看！"},
    {"Ttt3", "Text6", T, L1, ""},
    {"SMS4", "Text7", T, LN, "04号无线传感器报警内容，请输入。"},
    {"Ttt4", "Text8", T, L1, ""},
    {"SMS5", "Text9", T, LN, "05号无线传感器报警内容，请输入。"},
    {"Ttt5", "Text10", T, L1, ""},
    {"SMS6", "Text11", T, LN, "06号无线传感器报警内容，请输入。"},
    {"Ttt6", "Text12", T, L1, ""},
    {"SMS7", "Text13", T, LN, "07号无线传感器报警内容，请输入。"},
    {"Ttt7", "Text14", T, L1, ""},
    {"SMS8", "Text15", T, LN, "08号无线传感器报警内容，请输入。"},
    {"Ttt8", "Text16", T, L1, ""},
    {"SMS9", "Text17", T, LN, "09号无线传感器报警内容，请输入。"},
    {"Ttt9", "Text18", T, L1, ""},
    {"SMS10", "Text19", T, LN, "10号无线传感器报警内容，请输入。"},
    {"Ttt10", "Text20", T, L1, ""},
}};
