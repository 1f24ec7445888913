#include "validation.h"

#include "excerpt.h"
#include "field_encoding.h"

namespace {

QString Control(int number)
{
    return QStringLiteral("Text%1").arg(number);
}

// A number pasted in international form ("+86 138...", also full-width).
bool StartsWithPlus(const QString &typed)
{
    const QString trimmed = typed.trimmed();
    return trimmed.startsWith(u'+') || trimmed.startsWith(QChar(0xFF0B));
}

// The first UTF-16 code unit that is half of a surrogate pair without its
// other half, if any: the unit would get half a character.
std::optional<ushort> LoneSurrogate(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            return c.unicode();
    }
    return std::nullopt;
}

ValidationProblem LoneSurrogateProblem(int control, const QString &label, ushort unit)
{
    return {Control(control), QStringLiteral("text holds a lone UTF-16 surrogate"),
            QStringLiteral("%1含有不完整的字符（单独的代理项U+%2），报警器无法接收。")
                .arg(label, QString::number(unit, 16).toUpper())};
}

void CheckPhoneNumber(QList<ValidationProblem> &problems, int control, const QString &label,
                      const QString &typed)
{
    const std::optional<QString> digits = CleanPhoneNumber(typed);
    if (!digits && StartsWithPlus(typed)) {
        problems.append({Control(control), QStringLiteral("phone number with a country code"),
                         QStringLiteral("%1“%2”含有无效字符：号码只能由数字0-9组成。"
                                        "请去掉开头的“+”和国家代码（如“+86”），只填写国内号码。")
                             .arg(label, Excerpt(typed))});
    } else if (!digits) {
        problems.append({Control(control), QStringLiteral("invalid phone number"),
                         QStringLiteral("%1“%2”含有无效字符：号码只能由数字0-9组成。").arg(label, Excerpt(typed))});
    } else if (digits->size() > kPhoneNumberDigits) {
        problems.append({Control(control), QStringLiteral("phone number longer than 16 digits"),
                         QStringLiteral("%1“%2”超过16位数字。").arg(label, Excerpt(typed))});
    }
}

void CheckText(QList<ValidationProblem> &problems, int control, const QString &label,
               const QString &text, int maxLength)
{
    if (text.contains(QChar(kTextEnd))) {
        problems.append({Control(control), QStringLiteral("text holds U+FFFF, which ends a text field"),
                         QStringLiteral("%1含有报警器无法接收的字符U+FFFF。").arg(label)});
    } else if (const std::optional<ushort> unit = LoneSurrogate(text)) {
        problems.append(LoneSurrogateProblem(control, label, *unit));
    } else if (text.size() > maxLength) {
        problems.append({Control(control),
                         QStringLiteral("text longer than %1 characters").arg(maxLength),
                         QStringLiteral("%1超过%2个字符（现有%3个），超出部分无法写入报警器。")
                             .arg(label)
                             .arg(maxLength)
                             .arg(text.size())});
    }
}

}  // namespace

bool IsValidRewritePassword(const QString &password)
{
    if (password.size() != kRewritePasswordLength)
        return false;
    for (QChar c : password)
        if (c.isSurrogate() || c.script() != QChar::Script_Han)
            return false;
    return true;
}

QList<ValidationProblem> ValidateMainPage(const MainPageValues &values)
{
    using namespace MainPageControls;
    QList<ValidationProblem> problems;
    for (int k = 0; k < 6; ++k)
        CheckPhoneNumber(problems, kAuthorisedNumbers[k], QStringLiteral("授权手机号码%1").arg(k + 1),
                         values.text[kAuthorisedNumbers[k]]);

    const std::pair<int, const char16_t *> phrases[] = {
        {kFuelCutPhrase, u"“切断汽车油路”密语"},
        {kFuelRestorePhrase, u"“接通汽车油路”密语"},
        {kArmPhrase, u"“防盗系统设防”密语"},
        {kDisarmPhrase, u"“防盗系统解防”密语"}};
    for (const auto &[control, label] : phrases)
        CheckText(problems, control, QString::fromUtf16(label), values.text[control],
                    kPassPhraseMaxLength);

    const QString &password = values.text[kRewritePassword];
    if (const std::optional<ushort> unit = LoneSurrogate(password))
        problems.append(LoneSurrogateProblem(kRewritePassword, QStringLiteral("改写报警设置的安全密语"), *unit));
    else if (!IsValidRewritePassword(password))
        problems.append({Control(kRewritePassword),
                         QStringLiteral("password is not exactly four Chinese characters"),
                         QStringLiteral("改写报警设置的安全密语必须是4个汉字。")});

    CheckText(problems, kVibrationAlarmText, QStringLiteral("振动报警短信内容"),
                values.text[kVibrationAlarmText], kVibrationAlarmTextMaxLength);
    for (int k = 0; k < 6; ++k)
        CheckPhoneNumber(problems, kAlarmSmsRecipients[k],
                         QStringLiteral("报警短信接收号码%1").arg(k + 1),
                         values.text[kAlarmSmsRecipients[k]]);
    for (int k = 0; k < 6; ++k)
        CheckPhoneNumber(problems, kAlarmCallNumbers[k],
                         QStringLiteral("报警拨打电话号码%1").arg(k + 1),
                         values.text[kAlarmCallNumbers[k]]);
    return problems;
}

QList<ValidationProblem> ValidateSensorPage(const SensorPageValues &values)
{
    QList<ValidationProblem> problems;
    for (int sensor = 1; sensor <= 10; ++sensor) {
        const QString number = QStringLiteral("%1").arg(sensor, 2, 10, QLatin1Char('0'));
        CheckText(problems, 2 * sensor - 1, QStringLiteral("%1号无线传感器的短信内容").arg(number),
                    values.text[2 * sensor - 1], kSensorTextMaxLength);
        CheckPhoneNumber(problems, 2 * sensor, QStringLiteral("%1号无线传感器的号码").arg(number),
                         values.text[2 * sensor]);
    }
    return problems;
}

QString DescribeProblems(const QList<ValidationProblem> &problems)
{
    QStringList lines{QStringLiteral("以下设置无法写入报警器，请修改后再写入：")};
    for (const ValidationProblem &problem : problems)
        lines.append(problem.message);
    return lines.join(u'\n');
}
