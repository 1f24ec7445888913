#include "printable_text.h"

namespace {

// C0, DEL and C1 controls, and the Unicode line and paragraph separators.
bool IsControl(char16_t c)
{
    return c < 0x20 || (c >= 0x7f && c <= 0x9f) || c == 0x2028 || c == 0x2029;
}

QString Escape(char16_t c)
{
    switch (c) {
    case u'\n':
        return QStringLiteral("\\n");
    case u'\r':
        return QStringLiteral("\\r");
    case u'\t':
        return QStringLiteral("\\t");
    case 0x1b:
        return QStringLiteral("\\e");
    default:
        return c > 0xff ? QStringLiteral("\\u%1").arg(uint(c), 4, 16, QLatin1Char('0'))
                        : QStringLiteral("\\x%1").arg(uint(c), 2, 16, QLatin1Char('0'));
    }
}

}  // namespace

QString Printable(const QString &text)
{
    QString printable;
    printable.reserve(text.size());
    for (const QChar c : text) {
        if (IsControl(c.unicode()))
            printable += Escape(c.unicode());
        else
            printable += c;
    }
    return printable;
}
