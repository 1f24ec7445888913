#pragma once

#include "page_values.h"

#include <QRandomGenerator>

// Pages filled as people fill them: Chinese and Latin texts with full-width
// forms, blanks, line breaks and characters outside the BMP, each within its
// field's cap; numbers of up to sixteen digits among separators, half- and
// full-width; any alarm mode and ring-tone state.
class RandomPages
{
public:
    explicit RandomPages(quint32 seed) : m_random(seed) {}

    QString text(int maxUnits, bool oneLine = false)
    {
        static const QString pieces[] = {u"车"_qs, u"被碰"_qs, u"请查看！"_qs, u"后备箱"_qs, u"Door "_qs, u"ALARM"_qs,
                                         u"x"_qs, u"，"_qs, u"ＡＢ"_qs, u"\r\n"_qs, u"\U0001F697"_qs, u"　"_qs, u"%1"_qs};
        QString text;
        for (int n = m_random.bounded(8); n > 0; --n) {
            const QString &piece = pieces[m_random.bounded(int(std::size(pieces)))];
            if (text.size() + piece.size() <= maxUnits && !(oneLine && piece.startsWith(u'\r')))
                text += piece;
        }
        return text;
    }

    QString number()
    {
        static const QString digits = u"0123456789０１２３４５６７８９"_qs;
        static const QString separators = u" -.()\t　（）－．"_qs;
        QString number;
        for (int n = m_random.bounded(17); n > 0; --n) {
            if (m_random.bounded(4) == 0)
                number += separators[m_random.bounded(int(separators.size()))];
            number += digits[m_random.bounded(int(digits.size()))];
        }
        return number;
    }

    MainPageValues mainPage()
    {
        using namespace MainPageControls;
        MainPageValues values;
        for (int control : {kFuelCutPhrase, kFuelRestorePhrase, kArmPhrase, kDisarmPhrase})
            values.text[control] = text(11, true);  // one-line boxes
        for (int k = 0; k < 4; ++k)  // the password: four Chinese characters
            values.text[kRewritePassword] += QChar(char16_t(0x4E00 + m_random.bounded(0x51A6)));
        values.text[kVibrationAlarmText] = text(60);
        for (const auto &numbers : {kAuthorisedNumbers, kAlarmSmsRecipients, kAlarmCallNumbers})
            for (int control : numbers)
                values.text[control] = number();
        values.alarmMode = AlarmMode(m_random.bounded(4));
        values.check1 = m_random.bounded(3);
        return values;
    }

    SensorPageValues sensorPage()
    {
        SensorPageValues values;
        for (int sensor = 1; sensor <= 10; ++sensor) {
            values.text[2 * sensor - 1] = text(20);
            values.text[2 * sensor] = number();
        }
        return values;
    }

private:
    QRandomGenerator m_random;
};
