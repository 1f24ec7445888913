#pragma once

// The exchanges of a write in shorthand: "A2+ AB- A3?" is COMSMSA2 answered,
// COMSMSAB not, COMSMSA3 either way (as in `actual`).
#include <QByteArray>
#include <QStringList>

inline QStringList Exchanges(const QString &shorthand, const QStringList &actual = {})
{
    QStringList lines;
    for (const QString &exchange : shorthand.split(u' ')) {
        const QString tag = "COMSMS" + exchange.left(2);
        const QString seen = actual.value(lines.size());
        lines << (exchange.endsWith(u'?') && seen.startsWith(tag)
                      ? seen : tag + (exchange.endsWith(u'+') ? " answered" : " not answered"));
    }
    return lines;
}

// The blocks whose tags a shorthand names, in order.
inline QList<QByteArray> Named(const QList<QByteArray> &blocks, const QString &shorthand)
{
    QList<QByteArray> named;
    for (const QByteArray &block : blocks)
        if (shorthand.contains(QString::fromLatin1(block.mid(6, 2))))
            named << block;
    return named;
}
