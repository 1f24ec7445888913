#include "validation.h"

#include "excerpt.h"
#include "field_encoding.h"
#include "page_fields.h"
#include "settings_file.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

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

ValidationProblem LoneSurrogateProblem(const Field &field, ushort unit)
{
    return {field.controlName(), QStringLiteral("text holds a lone UTF-16 surrogate"),
            QCoreApplication::translate("Validation", "%1含有不完整的字符（单独的代理项U+%2），报警器无法接收。")
                .arg(field.labelText(), QString::number(unit, 16).toUpper())};
}

void CheckPhoneNumber(QList<ValidationProblem> &problems, const Field &field, const QString &typed)
{
    const QString control = field.controlName();
    const QString label = field.labelText();
    const std::optional<QString> digits = CleanPhoneNumber(typed);
    if (!digits && StartsWithPlus(typed)) {
        problems.append({control, QStringLiteral("phone number with a country code"),
                         QCoreApplication::translate("Validation", "%1“%2”含有无效字符：号码只能由数字0-9组成。"
                                        "请去掉开头的“+”和国家代码（如“+86”），只填写国内号码。")
                             .arg(label, Excerpt(typed))});
    } else if (!digits) {
        problems.append({control, QStringLiteral("invalid phone number"),
                         QCoreApplication::translate("Validation", "%1“%2”含有无效字符：号码只能由数字0-9组成。").arg(label, Excerpt(typed))});
    } else if (digits->size() > field.maxLength) {
        problems.append({control, QStringLiteral("phone number longer than %1 digits").arg(field.maxLength),
                         QCoreApplication::translate("Validation", "%1“%2”超过%3位数字。").arg(label, Excerpt(typed), QString::number(field.maxLength))});
    }
}

void CheckText(QList<ValidationProblem> &problems, const Field &field, const QString &text)
{
    const QString control = field.controlName();
    const QString label = field.labelText();
    const int maxLength = field.maxLength;
    if (field.type == FieldType::OneLineText && HasLineBreak(text)) {
        problems.append({control, QStringLiteral("one-line text holds a line break"),
                         QCoreApplication::translate("Validation", "%1“%2”含有换行，此项只能有一行。").arg(label, Excerpt(text))});
    } else if (text.contains(QChar(kTextEnd))) {
        problems.append({control, QStringLiteral("text holds U+FFFF, which ends a text field"),
                         QCoreApplication::translate("Validation", "%1含有报警器无法接收的字符U+FFFF。").arg(label)});
    } else if (const std::optional<ushort> unit = LoneSurrogate(text)) {
        problems.append(LoneSurrogateProblem(field, *unit));
    } else if (text.size() > maxLength) {
        problems.append({control,
                         QStringLiteral("text longer than %1 characters").arg(maxLength),
                         QCoreApplication::translate("Validation", "%1超过%2个字符（现有%3个），超出部分无法写入报警器。")
                             .arg(label)
                             .arg(maxLength)
                             .arg(text.size())});
    }
}

void CheckPassword(QList<ValidationProblem> &problems, const Field &field, const QString &password)
{
    if (const std::optional<ushort> unit = LoneSurrogate(password))
        problems.append(LoneSurrogateProblem(field, *unit));
    else if (!IsValidRewritePassword(password))
        problems.append({field.controlName(),
                         QStringLiteral("password is not exactly four Chinese characters"),
                         QCoreApplication::translate("Validation", "%1必须是%2个汉字。").arg(field.labelText()).arg(field.maxLength)});
}

// The text fields of a page in the order the page shows them: by control number.
std::vector<const Field *> TextFieldsInPageOrder(const FieldTable &table)
{
    std::vector<const Field *> fields;
    for (const Field &field : table)
        if (field.isText())
            fields.push_back(&field);
    std::sort(fields.begin(), fields.end(), [](const Field *a, const Field *b) { return a->number() < b->number(); });
    return fields;
}

// What the store keeps must come back from it unchanged: the value the page
// shows again and a later write sends are the ones validated now.
void CheckStorable(QList<ValidationProblem> &problems, const Field &field, const QString &value)
{
    if (!FormatSettingsFile(value))
        problems.append({field.controlName(), QStringLiteral("text the settings file cannot hold unchanged"),
                         QCoreApplication::translate("Validation", "%1“%2”含有无法原样保存的字符或字符组合（如空字符U+0000），请修改。")
                             .arg(field.labelText(), Excerpt(value))});
}

template<typename Values>
QList<ValidationProblem> Validate(const FieldTable &table, const Values &values)
{
    QList<ValidationProblem> problems;
    for (const Field *field : TextFieldsInPageOrder(table)) {
        const QString &value = values.text[field->number()];
        const qsizetype before = problems.size();
        if (field->isRewritePassword())
            CheckPassword(problems, *field, value);
        else if (field->type == FieldType::PhoneNumber)
            CheckPhoneNumber(problems, *field, value);
        else
            CheckText(problems, *field, value);
        if (problems.size() == before && !field->isRewritePassword())
            CheckStorable(problems, *field, value);
    }
    return problems;
}

}  // namespace

bool HasLineBreak(const QString &text)
{
    return text.contains(u'\r') || text.contains(u'\n');
}

bool IsValidRewritePassword(const QString &password)
{
    if (password.size() != RewritePasswordField().maxLength)
        return false;
    for (QChar c : password)
        if (c.isSurrogate() || c.script() != QChar::Script_Han)
            return false;
    return true;
}

QList<ValidationProblem> ValidateMainPage(const MainPageValues &values)
{
    return Validate(MainPageFields(), values);
}

QList<ValidationProblem> ValidateSensorPage(const SensorPageValues &values)
{
    return Validate(SensorPageFields(), values);
}

QString DescribeProblems(const QList<ValidationProblem> &problems)
{
    QStringList lines{QCoreApplication::translate("Validation", "以下设置无法写入报警器，请修改后再写入：")};
    for (const ValidationProblem &problem : problems)
        lines.append(problem.message);
    return lines.join(u'\n');
}
