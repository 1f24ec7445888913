#pragma once

#include <QString>
#include <array>

// Which of the alarm-mode options Option5 to Option7 is selected. The three
// form one group, so at most one is; None happens only through stored values.
enum class AlarmMode { None, SmsOnly, CallOnly, SmsAndCall };

// The option button (5, 6 or 7; 0 for none) that stands for a mode, and back.
constexpr int AlarmModeOption(AlarmMode mode)
{
    return mode == AlarmMode::None ? 0 : 4 + int(mode);
}

constexpr AlarmMode AlarmModeOfOption(int option)
{
    return option == 0 ? AlarmMode::None : AlarmMode(option - 4);
}

// The fields of the main page that travel to the unit, as plain values.
// text[n] holds control Text<n>; the page has no Text9 to Text12, and index 0
// is unused, so that text[16] reads as Text16.
struct MainPageValues
{
    std::array<QString, 29> text;
    AlarmMode alarmMode = AlarmMode::SmsAndCall;
    int check1 = 0;  // 0 clear, 1 ticked (switch the ring tone off), 2 grayed

    bool operator==(const MainPageValues &other) const
    {
        return text == other.text && alarmMode == other.alarmMode && check1 == other.check1;
    }
};

// The ten sensors of the sensor page: sensor n's alarm text is text[2n-1],
// its number text[2n]. Index 0 is unused.
struct SensorPageValues
{
    std::array<QString, 21> text;

    bool operator==(const SensorPageValues &other) const { return text == other.text; }
};

// Control numbers of the main page's fields, grouped as the blocks use them.
namespace MainPageControls {
constexpr std::array<int, 6> kAuthorisedNumbers = {1, 2, 3, 4, 5, 6};
constexpr std::array<int, 6> kAlarmSmsRecipients = {17, 18, 19, 20, 21, 22};
constexpr std::array<int, 6> kAlarmCallNumbers = {23, 24, 25, 26, 27, 28};
constexpr int kFuelCutPhrase = 7;
constexpr int kFuelRestorePhrase = 8;
constexpr int kArmPhrase = 13;
constexpr int kDisarmPhrase = 14;
constexpr int kRewritePassword = 15;
constexpr int kVibrationAlarmText = 16;
}  // namespace MainPageControls
