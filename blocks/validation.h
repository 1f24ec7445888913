#pragma once

#include "page_values.h"

#include <QList>
#include <QString>

// One field that cannot go to the unit as it stands.
struct ValidationProblem
{
    QString control;  // "Text7", as the page names the box
    QString what;     // short English description, for logs and tests
    QString message;  // the Chinese sentence shown to the user
};

// Every problem of the page, in the order of its fields; empty when the page
// can be written exactly as typed, and every stored field comes back from the
// store unchanged. A one-line field holds no line break.
QList<ValidationProblem> ValidateMainPage(const MainPageValues &values);
QList<ValidationProblem> ValidateSensorPage(const SensorPageValues &values);

// One message listing every problem, for a single message box or stderr.
QString DescribeProblems(const QList<ValidationProblem> &problems);

// Whether the text holds a CR or a LF, which no one-line field carries.
bool HasLineBreak(const QString &text);

// True when the text is exactly as many Chinese characters as the rewrite
// password has (four).
bool IsValidRewritePassword(const QString &password);
