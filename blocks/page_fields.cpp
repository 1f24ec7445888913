#include "page_fields.h"

#include <QCoreApplication>
#include <QtGlobal>

int Field::number() const
{
    const QString name = controlName();
    qsizetype digits = name.size();
    while (digits > 0 && name.at(digits - 1).isDigit())
        --digits;
    return name.mid(digits).toInt();
}

QString Field::labelText() const
{
    return QCoreApplication::translate("Field", label);
}

bool Field::isText() const
{
    return type == FieldType::PhoneNumber || type == FieldType::OneLineText || type == FieldType::MultiLineText;
}

const Field &FieldOf(const FieldTable &table, const QString &control)
{
    for (const Field &field : table)
        if (field.controlName() == control)
            return field;
    qFatal("no field %s", qPrintable(control));
}

const Field &RewritePasswordField()
{
    for (const Field &field : MainPageFields())
        if (field.isRewritePassword())
            return field;
    qFatal("the main page has no rewrite password");
}
