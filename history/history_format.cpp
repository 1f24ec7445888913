#include "history_format.h"

#include "outcome_words.h"
#include "page_fields.h"
#include "printable_text.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QStringList>
#include <algorithm>

namespace {

QString Port(const WriteOrigin &origin)
{
    const QString com = QStringLiteral("COM%1").arg(origin.com);
    return origin.device.isEmpty() ? com : com + u' ' + Printable(origin.device);
}

// The outcome as the CSV keeps it: in English whatever the language, like
// the record's other fields, with the unanswered blocks by tag.
QString CsvOutcome(const WriteRecord &record)
{
    if (record.refused)
        return QStringLiteral("refused");
    QString outcome = QStringLiteral("%1/%2 answered")
                          .arg(QString::number(record.blocksAnswered()), QString::number(record.blocks.size()));
    QStringList silent;
    for (const BlockOutcome &block : record.blocks) {
        if (!block.answered)
            silent << QString::fromLatin1(block.tag);
    }
    if (!silent.isEmpty())
        outcome += QStringLiteral(", %1 not answered").arg(silent.join(QLatin1String(", ")));
    return outcome;
}

QString Blocks(const WriteRecord &record)
{
    QStringList blocks;
    for (const BlockOutcome &block : record.blocks)
        blocks << QString::fromLatin1(block.tag) + (block.answered ? QLatin1String(" answered") : QLatin1String(" not answered"));
    return blocks.join(QLatin1String("; "));
}

QString CsvField(QString field)
{
    return u'"' + field.replace(u'"', QLatin1String("\"\"")) + u'"';
}

QByteArray CsvRow(const QStringList &fields)
{
    QStringList quoted;
    for (const QString &field : fields)
        quoted << CsvField(field);
    return quoted.join(u',').toUtf8() + "\r\n";
}

}  // namespace

// A control this program does not know (a hand-edited line) goes by its recorded name.
QString DefaultSecretLabels(const QStringList &controls)
{
    QStringList labels;
    for (const QString &control : controls) {
        const auto field = std::find_if(MainPageFields().cbegin(), MainPageFields().cend(),
                                        [&control](const Field &row) { return row.controlName() == control; });
        labels << (field == MainPageFields().cend() ? control : field->labelText());
    }
    return labels.join(QCoreApplication::translate("History", ", ", "between field labels"));
}

QString FormatHistoryLine(const WriteRecord &record)
{
    // Every field read from the file is shown as text: a line break in a
    // profile's name must not make a record of its own.
    QStringList parts{record.time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")), Printable(record.page),
                      Port(record.origin), OutcomeSummary(record.refused, record.blocks), Printable(record.origin.source)};
    if (!record.defaultSecrets.isEmpty())
        parts << QCoreApplication::translate("History", "default secrets sent: %1").arg(DefaultSecretLabels(record.defaultSecrets));
    return parts.join(QLatin1String("  "));
}

QByteArray HistoryToCsv(const QList<WriteRecord> &records)
{
    QByteArray csv("\xEF\xBB\xBF");
    csv += CsvRow({QStringLiteral("time"), QStringLiteral("page"), QStringLiteral("COM"), QStringLiteral("device"),
                   QStringLiteral("source"), QStringLiteral("outcome"), QStringLiteral("blocks"),
                   QStringLiteral("values"), QStringLiteral("default secrets sent")});
    for (const WriteRecord &record : records) {
        csv += CsvRow({record.time.toString(Qt::ISODate), record.page, QStringLiteral("COM%1").arg(record.origin.com),
                       record.origin.device, record.origin.source, CsvOutcome(record), Blocks(record),
                       QString::fromUtf8(QJsonDocument(record.values).toJson(QJsonDocument::Compact)),
                       record.defaultSecrets.join(QLatin1String(", "))});
    }
    return csv;
}
