#include "default_secrets.h"

#include <QCoreApplication>
#include <QStringList>

QList<const Field *> SecretsAtDefault(const MainPageValues &values)
{
    QList<const Field *> secrets;
    for (const Field &field : MainPageFields())
        if (field.isSecret() && values.text[field.number()] == field.defaultText())
            secrets << &field;
    return secrets;
}

QString SecretLabels(const QList<const Field *> &secrets)
{
    QStringList labels;
    for (const Field *field : secrets)
        labels << field->labelText();
    return labels.join(QCoreApplication::translate("DefaultSecrets", "、", "between field labels"));
}

bool ConfirmDefaultSecrets(const MainPageValues &values, MessageSink &messages)
{
    const QList<const Field *> secrets = SecretsAtDefault(values);
    if (secrets.isEmpty())
        return true;
    return messages.confirm(
        QCoreApplication::translate("DefaultSecrets", "默认密语"),
        QCoreApplication::translate("DefaultSecrets",
                                    "以下密语仍是本软件公开的默认值，任何知道它们的人都能用短信控制这辆车：\n%1\n\n"
                                    "请先改成只有车主知道的内容。")
            .arg(SecretLabels(secrets)),
        QCoreApplication::translate("DefaultSecrets", "返回修改"),
        QCoreApplication::translate("DefaultSecrets", "仍然写入"));
}

QString DefaultSecretsRefusal(const MainPageValues &values)
{
    const QList<const Field *> secrets = SecretsAtDefault(values);
    if (secrets.isEmpty())
        return {};
    return QCoreApplication::translate("DefaultSecrets",
                                       "没有写入任何设置：%1 仍是本软件公开的默认值。"
                                       "请先修改；确要照样发送，请加上 --send-default-secrets。")
        .arg(SecretLabels(secrets));
}
