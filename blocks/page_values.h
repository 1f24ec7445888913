#pragma once

#include <QString>
#include <array>

// The two pages that hold fields.
enum class Page { Main, Sensor };

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

// The ring-tone check box Check1, numbered as it is stored (" 1 "): clear, ticked
// (switch the ring tone off) or grayed (leave the unit's setting as it is).
enum class RingTone { On = 0, SwitchedOff = 1, Unchanged = 2 };

// The fields of the main page that travel to the unit, as plain values.
// text[n] holds control Text<n>; the page has no Text9 to Text12, and index 0
// is unused, so that text[16] reads as Text16.
struct MainPageValues
{
    std::array<QString, 29> text;
    AlarmMode alarmMode = AlarmMode::SmsAndCall;
    RingTone ringTone = RingTone::On;

    bool operator==(const MainPageValues &other) const
    {
        return text == other.text && alarmMode == other.alarmMode && ringTone == other.ringTone;
    }
};

// The ten sensors of the sensor page: sensor n's alarm text is text[2n-1],
// its number text[2n]. Index 0 is unused.
struct SensorPageValues
{
    std::array<QString, 21> text;

    bool operator==(const SensorPageValues &other) const { return text == other.text; }
};

constexpr int kSensorCount = 10;
