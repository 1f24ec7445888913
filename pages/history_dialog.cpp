#include "history_dialog.h"

#include "history_format.h"
#include "history_reading.h"
#include "message_sink.h"
#include "window_history.h"
#include "write_outcome.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kOutcomeColumn = 4;

QString Title()
{
    return QCoreApplication::translate("HistoryDialog", "写入记录");
}

QString PageName(const QString &page)
{
    if (page == QLatin1String("main"))
        return QCoreApplication::translate("HistoryDialog", "主页");
    if (page == QLatin1String("sensor"))
        return QCoreApplication::translate("HistoryDialog", "无线报警传感器");
    return page;
}

QString SourceName(const QString &source)
{
    if (source == WindowSource())
        return QCoreApplication::translate("HistoryDialog", "窗口");
    if (source == CommandLineSource())
        return QCoreApplication::translate("HistoryDialog", "命令行");
    const QString profile = ProfileSource(QString());
    if (source.startsWith(profile))
        return QCoreApplication::translate("HistoryDialog", "配置文件 %1").arg(source.mid(profile.size()));
    return source;
}

// What reached the unit, and the secrets sent at their published default.
QString Outcome(const WriteRecord &record)
{
    const QString summary = OutcomeSummary(record.refused, record.blocks);
    if (record.defaultSecrets.isEmpty())
        return summary;
    return QCoreApplication::translate("HistoryDialog", "%1；发送了默认密语：%2")
        .arg(summary, DefaultSecretLabels(record.defaultSecrets));
}

QStringList Row(const WriteRecord &record)
{
    return {record.time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")), PageName(record.page),
            PortName(record.origin), SourceName(record.origin.source), Outcome(record)};
}

// What is wrong with the file, if anything.
QString ReadingNote(const HistoryRead &read)
{
    if (!read.error.isEmpty())
        return QCoreApplication::translate("HistoryDialog", "无法读取写入记录：%1").arg(read.error);
    if (read.skipped > 0)
        return QCoreApplication::translate("HistoryDialog", "有 %1 行无法识别，已略过。").arg(read.skipped);
    return {};
}

}  // namespace

HistoryDialog::HistoryDialog(const QString &path, MessageSink &messages, QWidget *parent)
    : QDialog(parent), m_messages(messages), m_table(new QTableWidget(this))
{
    setObjectName(QStringLiteral("HistoryDialog"));
    setWindowTitle(Title());
    const HistoryRead read = ReadHistory(path);
    m_records = read.records;

    m_table->setObjectName(QStringLiteral("HistoryTable"));
    m_table->setColumnCount(5);
    m_table->setHorizontalHeaderLabels({QCoreApplication::translate("HistoryDialog", "时间"), QCoreApplication::translate("HistoryDialog", "页面"), QCoreApplication::translate("HistoryDialog", "串口"),
                                        QCoreApplication::translate("HistoryDialog", "来源"), QCoreApplication::translate("HistoryDialog", "结果")});
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setRowCount(int(read.records.size()));
    int row = 0;
    for (auto record = read.records.crbegin(); record != read.records.crend(); ++record, ++row) {
        const QStringList cells = Row(*record);
        for (int column = 0; column < cells.size(); ++column)
            m_table->setItem(row, column, new QTableWidgetItem(cells[column]));
        // The whole outcome on hover, with each block's tag for a technician.
        const QString details = BlockDetails(record->blocks);
        m_table->item(row, kOutcomeColumn)->setToolTip(details.isEmpty() ? cells[kOutcomeColumn]
                                                                        : cells[kOutcomeColumn] + u'\n' + details);
    }
    m_table->resizeColumnsToContents();

    auto *note = new QLabel(ReadingNote(read));
    note->setObjectName(QStringLiteral("HistoryNote"));
    note->setVisible(!note->text().isEmpty());
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    QPushButton *exportButton = buttons->addButton(QCoreApplication::translate("HistoryDialog", "导出 CSV…"), QDialogButtonBox::ActionRole);
    exportButton->setObjectName(QStringLiteral("ExportCsv"));
    buttons->button(QDialogButtonBox::Close)->setText(QCoreApplication::translate("HistoryDialog", "关闭"));
    connect(exportButton, &QPushButton::clicked, this, &HistoryDialog::chooseExport);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addWidget(m_table);
    layout->addWidget(buttons);
    resize(760, 420);
}

void HistoryDialog::chooseExport()
{
    const QString path = QFileDialog::getSaveFileName(this, QCoreApplication::translate("HistoryDialog", "导出写入记录"),
                                                      QStringLiteral("alarmcfg-history.csv"),
                                                      QCoreApplication::translate("HistoryDialog", "CSV 文件 (*.csv);;所有文件 (*)"));
    if (!path.isEmpty())
        exportCsv(path);
}

bool HistoryDialog::exportCsv(const QString &path)
{
    QSaveFile file(path);
    const bool saved = file.open(QIODevice::WriteOnly)
        && file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)
        && file.write(HistoryToCsv(m_records)) >= 0 && file.commit();
    if (!saved)
        m_messages.showError(Title(), QCoreApplication::translate("HistoryDialog", "无法保存 %1：%2").arg(path, file.errorString()));
    return saved;
}
